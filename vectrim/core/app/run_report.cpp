#include "app/run_report.h"

#include "model/drawing.h"
#include "model/messages.h"
#include "view/canvas.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vectrim {

namespace {

struct StageName {
    const char* name;
    const char* caption;
};
constexpr StageName kStageNames[] = {
    {"splitatjunctions", msg::kStageSplit},
    {"removeduplicates", msg::kStageDuplicates},
    {"arcstolines", msg::kStageArcsToLines},
    {"convertlines", msg::kStageConvertLines},
    {"reducelines", msg::kStageReduceLines},
    {"deletesmallelements", msg::kStageSmall},
    {"closegaps", msg::kStageGaps},
    {"smootharcline", msg::kStageSmoothArcLine},
    {"smootharcarc", msg::kStageSmoothArcArc},
    {"roundlinecorners", msg::kStageRoundLineLine},
    {"roundarcline", msg::kStageRoundArcLine},
    {"roundarcarc", msg::kStageRoundArcArc},
    {"deletetinyelements", msg::kStageTiny},
    {"buildcontours", msg::kStageContours},
    {"joinarcs", msg::kStageJoinArcs},
    {"joinlines", msg::kStageJoinLines},
};

struct KindInfo {
    int colour;
    const char* caption;
    const char* key;
};
// By RepairKind.
constexpr KindInfo kKinds[kRepairKinds] = {
    {9, msg::kPlaceGap, "gap"},         {10, msg::kPlaceCorner, "corner"}, {5, msg::kPlaceArc, "arc"},
    {4, msg::kPlaceRemoved, "removed"}, {6, msg::kPlaceMoved, "moved"},    {2, msg::kPlaceMerged, "merged"},
    {1, msg::kPlaceSplit, "split"},
};

const KindInfo& info(RepairKind kind) {
    const auto i = static_cast<size_t>(kind);
    return kKinds[i < std::size(kKinds) ? i : 0];
}

// ---- JSON ----

void number(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buf[32];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void string(std::string& out, const std::string& s) {
    out += '"';
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

void counts(std::string& out, const std::map<std::string, int64_t>& m) {
    out += '{';
    bool first = true;
    for (const auto& [what, n] : m) {
        if (!first) out += ", ";
        first = false;
        string(out, what);
        out += ": " + std::to_string(n);
    }
    out += '}';
}

} // namespace

RunReport makeRunReport(const ImportAccount& import, const RepairLog& log) {
    RunReport r;
    r.import = import;
    for (const StageReport& s : log.stages())
        if (s.did()) r.stages.push_back(s);
    return r;
}

std::string stageCaption(const std::string& name) {
    for (const StageName& s : kStageNames)
        if (name == s.name) return msg::tr(s.caption);
    return name;
}

std::string countsText(const RepairCounts& c) {
    const std::pair<int64_t, const char*> parts[] = {{c.split, msg::tr(msg::kCountSplit)},
                                                     {c.removed, msg::tr(msg::kCountRemoved)},
                                                     {c.moved, msg::tr(msg::kCountMoved)},
                                                     {c.merged, msg::tr(msg::kCountMerged)},
                                                     {c.created, msg::tr(msg::kCountCreated)}};
    std::string text;
    for (const auto& [n, word] : parts) {
        if (n == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::to_string(n) + " " + word;
    }
    return text;
}

int placeColour(RepairKind kind) { return info(kind).colour; }
const char* placeCaption(RepairKind kind) { return msg::tr(info(kind).caption); }
const char* placeKey(RepairKind kind) { return info(kind).key; }

std::string runReportJson(const RunReport& r) {
    std::string out = "{\"stages\": [";
    for (size_t i = 0; i < r.stages.size(); ++i) {
        const StageReport& s = r.stages[i];
        out += i ? ",\n  {" : "\n  {";
        out += "\"name\": ";
        string(out, s.name);
        const RepairCounts& c = s.counts;
        out += ", \"counts\": {\"split\": " + std::to_string(c.split) +
               ", \"removed\": " + std::to_string(c.removed) + ", \"moved\": " + std::to_string(c.moved) +
               ", \"merged\": " + std::to_string(c.merged) + ", \"created\": " + std::to_string(c.created) +
               "}, \"places\": [";
        for (size_t k = 0; k < s.places.size(); ++k) {
            const RepairPlace& p = s.places[k];
            out += k ? ", [" : "[";
            number(out, p.x);
            out += ", ";
            number(out, p.y);
            out += ", ";
            number(out, p.measure);
            out += ']';
        }
        out += "], \"kinds\": [";
        for (size_t k = 0; k < s.places.size(); ++k) {
            if (k) out += ", ";
            string(out, placeKey(s.places[k].kind));
        }
        out += "]}";
    }
    out += r.stages.empty() ? "],\n \"import\": {\"skipped\": " : "\n ],\n \"import\": {\"skipped\": ";
    counts(out, r.import.skipped);
    out += ", \"approximated\": ";
    counts(out, r.import.approximated);
    out += ", \"quality\": " + std::to_string(r.import.quality) +
           ", \"insunits\": " + std::to_string(r.import.insunits) +
           ", \"measurement\": " + std::to_string(r.import.measurement) + "}}\n";
    return out;
}

void ReportingRunFrame::stageStarted(std::string_view name) {
    log_.beginStage(name, d_.linecount, d_.arccount);
    inner_.stageStarted(name);
}

void ReportingRunFrame::stageFinished(std::string_view name) {
    log_.endStage(d_.linecount, d_.arccount);
    inner_.stageFinished(name);
}

} // namespace vectrim

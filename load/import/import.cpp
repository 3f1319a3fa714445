#include "import.h"

#include "model/exchange_file.h"
#include "model/messages.h"
#include "model/numtext.h"
#include "model/par_file.h"
#include "model/platform.h"

namespace vectrim::load {

namespace {

bool compound(const dxf::Document& doc, int32_t e) {
    const int type = doc.entityType(e);
    return type == dxf::kTypePolyline || type == dxf::kTypeInsert || type == dxf::kTypeText ||
           type == dxf::kTypeOutline || (type == dxf::kTypeArc && doc.arcKind(e) == dxf::kArcElliptical);
}

// Calls f for every entity, layer after layer.
template <typename F>
void walk(dxf::Document& doc, F&& f) {
    for (int32_t layer = doc.firstLayer(); layer > 0; layer = doc.nextLayer(layer)) {
        for (int32_t e = doc.firstEntity(layer); e > 0;) {
            const int32_t next = doc.nextEntity(layer, e);
            if (!f(e)) return;
            e = next;
        }
    }
}

} // namespace

Import::Import(Host& host, dxf::TextOutliner* outliner)
    : host_(host), outliner_(outliner), doc_(std::make_unique<dxf::Document>()) {}

bool Import::dateien(const std::string& folder) {
    const ParFile par = readParFile(fileInFolder(folder, "par.dat"));
    if (par.lines < 2) return false;
    setSource(par.path, par.quality);
    return true;
}

void Import::setSource(const std::string& dxfPath, int32_t quality) {
    dxfPath_ = dxfPath;
    quality_ = quality;
    doc_ = std::make_unique<dxf::Document>();
    doc_->setOutliner(outliner_);
    doc_->setCurveQuality(quality);
}

bool Import::loader() {
    // The progress procedure: the reading progress in the status text.
    auto progress = [this](int mode, int percent) {
        if (mode == 0)
            host_.info("---> 0% ");
        else if (mode == 1)
            host_.info("--->" + numberText(static_cast<int32_t>(percent)) + "% ");
        else
            host_.info("  ");
    };
    return !dxfPath_.empty() && doc_->open(dxfPath_, progress);
}

void Import::auswaehler() {
    dxf::Document& doc = *doc_;
    walk(doc, [&](int32_t e) {
        if (!doc.visible(e)) doc.erase(e);
        return true;
    });
}

void Import::explodieren() {
    dxf::Document& doc = *doc_;
    doc.select(0, true);
    walk(doc, [&](int32_t e) {
        if (doc.entityType(e) == dxf::kTypeArc && doc.arcKind(e) != dxf::kArcElliptical) doc.select(e, false);
        return true;
    });
    doc.explodeSelected();
}

int Import::exploder() {
    dxf::Document& doc = *doc_;
    doc.select(0, true);
    int result = 0;
    walk(doc, [&](int32_t e) {
        if (compound(doc, e)) {
            result = 1;
            return false;
        }
        return true;
    });
    return result;
}

void Import::explodePasses() {
    for (int pass = 1; pass <= kExplodePasses; ++pass) {
        explodieren();
        if (pass == kExplodePasses || exploder() == 0) break;
    }
    // What is still compound now is not written; count it for the status.
    unexploded_ = 0;
    walk(*doc_, [&](int32_t e) {
        if (compound(*doc_, e)) ++unexploded_;
        return true;
    });
}

bool Import::schreiben(const std::string& exchangePath) {
    dxf::Document& doc = *doc_;
    ExchangeWriter out(exchangePath);
    host_.doEvents();
    walk(doc, [&](int32_t e) {
        const int type = doc.entityType(e);
        if (type == dxf::kTypeLine) {
            const dxf::LineData l = doc.line(e);
            out.line(l.x1, l.y1, l.x2, l.y2);
        } else if (type == dxf::kTypeArc && doc.arcKind(e) != dxf::kArcElliptical) {
            const dxf::ArcData a = doc.arc(e);
            out.arc(a.cx, a.cy, a.r, a.start, a.sweep);
        }
        return true;
    });
    const bool ok = out.ok() && out.finish();
    lines_ = out.lines();
    arcs_ = out.arcs();
    rejected_ = out.rejected();
    host_.doEvents();
    return ok;
}

ImportAccount Import::account() const {
    ImportAccount a;
    a.insunits = doc_->insunits();
    a.measurement = doc_->measurement();
    a.quality = quality_;
    a.skipped = doc_->skipped();
    if (rejected_ > 0) a.skipped[msg::kSkippedInvalid] += rejected_;
    if (unexploded_ > 0) a.skipped[msg::kSkippedTooDeep] += unexploded_;
    a.approximated = doc_->approximated();
    return a;
}

std::string Import::report() const { return account().skippedText(); }

RunResult runImport(const std::string& folder, Host& host, dxf::TextOutliner* outliner,
                    const ProgramStarter& start) {
    RunResult result;
    const std::string mainProgram = fileInFolder(folder, "vectrim");
    auto fail = [&] {
        host.message(msg::tr(msg::kAccessError), msg::tr(msg::kTitleError), Icon::Critical);
        start(mainProgram, {});
        return result;
    };
    host.info("");
    Import run(host, outliner);
    if (!run.dateien(folder)) return fail();
    if (!run.loader()) return fail();
    host.doEvents();
    run.auswaehler();
    run.explodePasses();
    // speichern, and the account beside it
    bool written = run.schreiben(folder + "tempd.dat");
    result.account = run.account();
    written = written && writeImportAccount(folder + kImportAccountFileName, result.account);
    result.report = run.report();
    result.lines = run.linesWritten();
    result.arcs = run.arcsWritten();
    if (!result.report.empty()) host.info(result.report);
    if (!written) return fail();
    result.imported = true;
    start(mainProgram, {"1"});
    return result;
}

bool importToExchangeFile(const std::string& dxfPath, int32_t quality, const std::string& exchangePath,
                          Host& host, dxf::TextOutliner* outliner, std::string* report,
                          ImportAccount* account) {
    Import run(host, outliner);
    run.setSource(dxfPath, quality);
    if (!run.loader()) {
        host.message(msg::tr(msg::kAccessError), msg::tr(msg::kTitleError), Icon::Critical);
        return false;
    }
    run.auswaehler();
    run.explodePasses();
    const bool written = run.schreiben(exchangePath);
    if (report) *report = run.report();
    if (account) *account = run.account();
    if (!written) host.message(msg::tr(msg::kAccessError), msg::tr(msg::kTitleError), Icon::Critical);
    return written;
}

} // namespace vectrim::load

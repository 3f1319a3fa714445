#include "reader.h"

#include "limits.h"
#include "tags.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace dxf {

namespace {

struct KindName {
    std::string_view name;
    Kind kind;
};

constexpr KindName kKinds[] = {
    {"LINE", Kind::Line},
    {"ARC", Kind::Arc},
    {"CIRCLE", Kind::Circle},
    {"ELLIPSE", Kind::Ellipse},
    {"LWPOLYLINE", Kind::LwPolyline},
    {"POLYLINE", Kind::Polyline},
    {"INSERT", Kind::Insert},
    {"TEXT", Kind::Text},
    {"MTEXT", Kind::MText},
    {"ATTRIB", Kind::Attrib},
    {"SPLINE", Kind::Spline},
    {"HELIX", Kind::Spline},
    {"DIMENSION", Kind::Dimension},
    {"ARC_DIMENSION", Kind::Dimension},
    {"LARGE_RADIAL_DIMENSION", Kind::Dimension},
    {"SOLID", Kind::Solid},
    {"TRACE", Kind::Solid},
    {"3DFACE", Kind::Face3d},
    {"LEADER", Kind::Leader},
};

std::optional<Kind> kindOf(std::string_view type) {
    for (const KindName& k : kKinds)
        if (k.name == type) return k.kind;
    return std::nullopt;
}

// Records that belong to the structure or are templates, never drawn.
bool structural(std::string_view type) {
    return type == "SEQEND" || type == "VERTEX" || type == "ATTDEF" || type == "ENDBLK" || type == "BLOCK" ||
           type == "ENDSEC" || type == "SECTION" || type == "EOF";
}

enum class Section { None, Tables, Blocks, Entities, Other };

class Assembler {
public:
    Assembler(ReadSink& sink) : sink_(sink) {}

    // A complete record: its type and the tags after the (0, type) tag.
    void record(std::string_view type, const std::vector<Tag>& tags);
    void finish(std::string_view openType, bool openRecord);
    bool sawSection() const { return sawSection_; }
    bool ended() const { return ended_; }

private:
    void entityRecord(std::string_view type, const std::vector<Tag>& tags);
    void headerUnits(const std::vector<Tag>& tags);
    void emit(Source& s);
    void flushPolyline();

    ReadSink& sink_;
    Section section_ = Section::None;
    bool sawSection_ = false;
    bool ended_ = false;
    bool inBlock_ = false;
    Block block_;
    bool polylineOpen_ = false;
    bool polylineBad_ = false;
    bool attribsHidden_ = false;
    Source polyline_;
    Source current_;
};

// Reads a point coordinate of group codes 10..13, 20..23, 30..33.
bool pointGroup(int code, int& index, int& axis) {
    if (code >= 10 && code <= 13) {
        index = code - 10, axis = 0;
        return true;
    }
    if (code >= 20 && code <= 23) {
        index = code - 20, axis = 1;
        return true;
    }
    if (code >= 30 && code <= 33) {
        index = code - 30, axis = 2;
        return true;
    }
    return false;
}

void setAxis(Vec3& v, int axis, double value) { (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = value; }

// Parses an entity's tags into s. Tags of embedded objects (101) and of
// extended data (1000 and up) end the entity's own data. False when a value
// that the entity needs is not a number, or a required point is missing.
bool parseEntity(Kind kind, const std::vector<Tag>& tags, Source& s, bool& paperSpace) {
    s = Source{};
    s.kind = kind;
    paperSpace = false;
    bool bad = false;
    unsigned seen = 0; // bit per point group 10..13 x/y seen: bit (index*2 + axis)
    bool radiusSeen = false, startSeen = false, endSeen = false;
    bool inGroup = false; // inside a 102 "{...}" group of an application
    std::string chunks;   // MTEXT: the 3 chunks before the final 1

    auto number = [&](const Tag& t) {
        double v = 0;
        if (!toDouble(t, v)) bad = true;
        return v;
    };
    auto integer = [&](const Tag& t) {
        int32_t v = 0;
        if (!toInt(t, v)) bad = true;
        return v;
    };
    auto appendText = [&](std::string& to, std::string_view from) {
        if (to.size() < kMaxTextBytes) to.append(from.substr(0, kMaxTextBytes - to.size()));
    };

    for (const Tag& t : tags) {
        const int code = t.code;
        if (code == 101 || code >= 1000) break;
        // A HELIX is a spline followed by data of its own in the same codes.
        if (code == 100 && trimmed(t.text) == "AcDbHelix") break;
        if (code == 102) {
            const std::string_view v = trimmed(t.text);
            inGroup = !v.empty() && v.front() == '{';
            continue;
        }
        if (inGroup) continue;
        switch (code) {
            case 8: s.layer.assign(trimmed(t.text)); continue;
            case 60: s.invisible = integer(t) == 1; continue;
            case 67: paperSpace = integer(t) == 1; continue;
            case 210: s.extrusion.x = number(t); continue;
            case 220: s.extrusion.y = number(t); continue;
            case 230: s.extrusion.z = number(t); continue;
            default: break;
        }

        int index = 0, axis = 0;
        switch (kind) {
            case Kind::LwPolyline:
                if (code == 10) {
                    s.vertices.push_back(Vertex{number(t), 0, 0, 0, 0});
                } else if (code == 20 && !s.vertices.empty()) {
                    s.vertices.back().y = number(t);
                } else if (code == 42 && !s.vertices.empty()) {
                    s.vertices.back().bulge = number(t);
                } else if (code == 38) {
                    s.elevation = number(t);
                } else if (code == 70) {
                    s.flags = integer(t);
                }
                continue;
            case Kind::Spline:
                if (code == 10) {
                    s.control.push_back(Vec3{number(t), 0, 0});
                } else if ((code == 20 || code == 30) && !s.control.empty()) {
                    setAxis(s.control.back(), code == 20 ? 1 : 2, number(t));
                } else if (code == 11) {
                    s.fit.push_back(Vec3{number(t), 0, 0});
                } else if ((code == 21 || code == 31) && !s.fit.empty()) {
                    setAxis(s.fit.back(), code == 21 ? 1 : 2, number(t));
                } else if (code == 40) {
                    s.knots.push_back(number(t));
                } else if (code == 41) {
                    s.weights.push_back(number(t));
                } else if (code == 12 || code == 22 || code == 32) {
                    setAxis(s.startTangent, code / 10 - 1, number(t));
                    s.hasStartTangent = true;
                } else if (code == 13 || code == 23 || code == 33) {
                    setAxis(s.endTangent, code / 10 - 1, number(t));
                    s.hasEndTangent = true;
                } else if (code == 70) {
                    s.flags = integer(t);
                } else if (code == 71) {
                    s.degree = integer(t);
                }
                continue;
            case Kind::Leader:
                if (code == 10) {
                    s.vertices.push_back(Vertex{number(t), 0, 0, 0, 0});
                } else if ((code == 20 || code == 30) && !s.vertices.empty()) {
                    (code == 20 ? s.vertices.back().y : s.vertices.back().z) = number(t);
                }
                continue;
            default: break;
        }

        if (pointGroup(code, index, axis)) {
            setAxis(s.p[index], axis, number(t));
            if (axis < 2) seen |= 1u << (index * 2 + axis);
            if (index == 1) s.has11 = true;
            continue;
        }
        switch (kind) {
            case Kind::Arc:
            case Kind::Circle:
                if (code == 40)
                    s.radius = number(t), radiusSeen = true;
                else if (code == 50)
                    s.start = number(t), startSeen = true;
                else if (code == 51)
                    s.end = number(t), endSeen = true;
                break;
            case Kind::Ellipse:
                if (code == 40)
                    s.ratio = number(t);
                else if (code == 41)
                    s.start = number(t), startSeen = true;
                else if (code == 42)
                    s.end = number(t), endSeen = true;
                break;
            case Kind::Polyline:
                if (code == 70) s.flags = integer(t);
                break;
            case Kind::Insert:
                if (code == 2)
                    s.block.assign(trimmed(t.text));
                else if (code == 41)
                    s.scale[0] = number(t);
                else if (code == 42)
                    s.scale[1] = number(t);
                else if (code == 43)
                    s.scale[2] = number(t);
                else if (code == 50)
                    s.rotation = number(t);
                else if (code == 70)
                    s.columns = integer(t);
                else if (code == 71)
                    s.rows = integer(t);
                else if (code == 44)
                    s.columnSpacing = number(t);
                else if (code == 45)
                    s.rowSpacing = number(t);
                break;
            case Kind::Text:
            case Kind::Attrib:
                if (code == 1)
                    appendText(s.text, t.text);
                else if (code == 7)
                    s.style.assign(trimmed(t.text));
                else if (code == 40)
                    s.height = number(t);
                else if (code == 41)
                    s.widthFactor = number(t);
                else if (code == 50)
                    s.rotation = number(t);
                else if (code == 51)
                    s.oblique = number(t);
                else if (code == 71)
                    s.generation = integer(t);
                else if (code == 72)
                    s.halign = integer(t);
                else if (code == (kind == Kind::Text ? 73 : 74))
                    s.valign = integer(t);
                else if (code == 70 && kind == Kind::Attrib)
                    s.invisible = s.invisible || (integer(t) & 1);
                break;
            case Kind::MText:
                if (code == 1)
                    appendText(s.text, t.text);
                else if (code == 3)
                    appendText(chunks, t.text);
                else if (code == 7)
                    s.style.assign(trimmed(t.text));
                else if (code == 40)
                    s.height = number(t);
                else if (code == 44)
                    s.lineSpacing = number(t);
                else if (code == 50)
                    s.rotation = number(t);
                else if (code == 71)
                    s.attachment = integer(t);
                break;
            case Kind::Dimension:
                if (code == 2) s.block.assign(trimmed(t.text));
                break;
            case Kind::Face3d:
                if (code == 70) s.flags = integer(t);
                break;
            default: break;
        }
    }
    if (!chunks.empty()) {
        chunks += s.text;
        s.text = std::move(chunks);
        if (s.text.size() > kMaxTextBytes) s.text.resize(kMaxTextBytes);
    }
    auto hasPoint = [&](int index) { return ((seen >> (index * 2)) & 3u) == 3u; };
    for (int i = 0; i < 4; ++i)
        if (hasPoint(i)) s.pointMask = static_cast<uint8_t>(s.pointMask | (1u << i));
    switch (kind) {
        case Kind::Line: return !bad && hasPoint(0) && hasPoint(1);
        case Kind::Arc: return !bad && hasPoint(0) && radiusSeen && startSeen && endSeen;
        case Kind::Circle: return !bad && hasPoint(0) && radiusSeen;
        case Kind::Ellipse:
            if (!startSeen) s.start = 0;
            if (!endSeen) s.end = 2 * kPi;
            return !bad && hasPoint(0) && hasPoint(1);
        default: return !bad;
    }
}

void Assembler::emit(Source& s) {
    if (section_ == Section::Entities) {
        sink_.entity(s);
    } else if (section_ == Section::Blocks && inBlock_) {
        block_.entities.push_back(std::move(s));
    }
}

void Assembler::flushPolyline() {
    if (!polylineOpen_) return;
    polylineOpen_ = false;
    if (polylineBad_) {
        sink_.skipped(kSkippedBad);
        return;
    }
    emit(polyline_);
}

void Assembler::entityRecord(std::string_view type, const std::vector<Tag>& tags) {
    const bool inDrawing = section_ == Section::Entities || (section_ == Section::Blocks && inBlock_);
    if (type == "VERTEX") {
        if (!polylineOpen_) return;
        Vertex v;
        bool bad = false;
        for (const Tag& t : tags) {
            if (t.code == 101 || t.code >= 1000) break;
            double d = 0;
            switch (t.code) {
                case 10: bad |= !toDouble(t, v.x); break;
                case 20: bad |= !toDouble(t, v.y); break;
                case 30: bad |= !toDouble(t, v.z); break;
                case 42: bad |= !toDouble(t, v.bulge); break;
                case 70:
                    bad |= !toDouble(t, d), v.flags = static_cast<int32_t>(std::clamp(d, -1e9, 1e9));
                    break;
                default: break;
            }
        }
        if (bad)
            polylineBad_ = true;
        else
            polyline_.vertices.push_back(v);
        return;
    }
    flushPolyline();
    // The attributes after an INSERT belong to it: hidden with it.
    const bool hiddenAttrib = attribsHidden_ && type == "ATTRIB";
    if (type != "ATTRIB") attribsHidden_ = false;
    if (!inDrawing || structural(type)) return;

    const std::optional<Kind> kind = kindOf(type);
    if (!kind) {
        // Not drawn; within a block it is counted when the block is used.
        bool paper = false;
        for (const Tag& t : tags)
            if (t.code == 67) paper = trimmed(t.text) == "1" || (t.binaryNumber && t.number == 1);
        if (paper) {
            if (section_ == Section::Entities) sink_.skipped(kSkippedPaper);
            return;
        }
        if (section_ == Section::Entities) {
            sink_.skipped(type);
        } else {
            Source other;
            other.kind = Kind::Other;
            other.text.assign(type.substr(0, 64));
            block_.entities.push_back(std::move(other));
        }
        return;
    }
    bool paper = false;
    const bool ok = parseEntity(*kind, tags, current_, paper);
    if (paper) {
        if (section_ == Section::Entities) sink_.skipped(kSkippedPaper);
        return;
    }
    if (!ok) {
        sink_.skipped(kSkippedBad);
        return;
    }
    if (hiddenAttrib) current_.invisible = true;
    if (*kind == Kind::Insert) attribsHidden_ = current_.invisible;
    if (*kind == Kind::Polyline) {
        polyline_ = std::move(current_);
        polylineOpen_ = true;
        polylineBad_ = false;
        return;
    }
    emit(current_);
}

// The header is one record: (9, name) pairs each followed by the value.
void Assembler::headerUnits(const std::vector<Tag>& tags) {
    int32_t insunits = -1, measurement = -1;
    int32_t* pending = nullptr;
    for (const Tag& t : tags) {
        if (t.code == 9) {
            const std::string_view name = trimmed(t.text);
            pending = name == "$INSUNITS" ? &insunits : name == "$MEASUREMENT" ? &measurement : nullptr;
        } else if (pending && t.code == 70) {
            int32_t v = 0;
            if (toInt(t, v)) *pending = v;
            pending = nullptr;
        }
    }
    sink_.units(insunits, measurement);
}

void Assembler::record(std::string_view type, const std::vector<Tag>& tags) {
    if (type == "SECTION") {
        flushPolyline();
        sawSection_ = true;
        section_ = Section::Other;
        for (const Tag& t : tags) {
            if (t.code != 2) continue;
            const std::string_view name = trimmed(t.text);
            if (name == "HEADER")
                headerUnits(tags);
            else if (name == "TABLES")
                section_ = Section::Tables;
            else if (name == "BLOCKS")
                section_ = Section::Blocks;
            else if (name == "ENTITIES")
                section_ = Section::Entities;
            break;
        }
        inBlock_ = false;
        return;
    }
    if (type == "ENDSEC" || type == "EOF") {
        flushPolyline();
        if (inBlock_) sink_.block(std::move(block_));
        inBlock_ = false;
        section_ = Section::None;
        if (type == "EOF") ended_ = true;
        return;
    }
    switch (section_) {
        case Section::Tables:
            if (type == "LAYER") {
                LayerDef layer;
                bool named = false;
                for (const Tag& t : tags) {
                    int32_t v = 0;
                    if (t.code == 2 && !named)
                        layer.name.assign(trimmed(t.text)), named = true;
                    else if (t.code == 62 && toInt(t, v))
                        layer.off = v < 0;
                    else if (t.code == 70 && toInt(t, v))
                        layer.frozen = (v & 1) != 0;
                }
                if (named && !layer.name.empty()) sink_.layer(layer);
            } else if (type == "STYLE") {
                StyleDef style;
                bool acad = false;
                for (const Tag& t : tags) {
                    double v = 0;
                    if (t.code == 2 && style.name.empty())
                        style.name.assign(trimmed(t.text));
                    else if (t.code == 3)
                        style.font.assign(trimmed(t.text));
                    else if (t.code == 40 && toDouble(t, v))
                        style.height = v;
                    else if (t.code == 1001)
                        acad = trimmed(t.text) == "ACAD";
                    else if (t.code == 1000 && acad && style.family.empty())
                        style.family.assign(trimmed(t.text));
                }
                if (!style.name.empty()) sink_.style(style);
            }
            return;
        case Section::Blocks:
            if (type == "BLOCK") {
                flushPolyline();
                if (inBlock_) sink_.block(std::move(block_));
                block_ = Block{};
                inBlock_ = true;
                for (const Tag& t : tags) {
                    double v = 0;
                    int32_t f = 0;
                    if (t.code == 2 && block_.name.empty())
                        block_.name.assign(trimmed(t.text));
                    else if (t.code == 3 && block_.name.empty())
                        block_.name.assign(trimmed(t.text));
                    else if (t.code == 70 && toInt(t, f))
                        block_.flags = f;
                    else if (t.code == 10 && toDouble(t, v))
                        block_.base.x = v;
                    else if (t.code == 20 && toDouble(t, v))
                        block_.base.y = v;
                    else if (t.code == 30 && toDouble(t, v))
                        block_.base.z = v;
                }
                return;
            }
            if (type == "ENDBLK") {
                flushPolyline();
                if (inBlock_) sink_.block(std::move(block_));
                inBlock_ = false;
                return;
            }
            entityRecord(type, tags);
            return;
        case Section::Entities: entityRecord(type, tags); return;
        default: return;
    }
}

void Assembler::finish(std::string_view openType, bool openRecord) {
    // A record that the end of the data cut off is not used.
    if (openRecord && (section_ == Section::Entities || (section_ == Section::Blocks && inBlock_)) &&
        !structural(openType))
        sink_.skipped(kSkippedCut);
    flushPolyline();
    if (inBlock_) sink_.block(std::move(block_));
    inBlock_ = false;
}

} // namespace

bool readDxf(std::string_view bytes, ReadSink& sink, const ReadProgress& progress) {
    Tokenizer tokens(bytes);
    Assembler assembler(sink);
    if (progress) progress(0, 0);
    std::vector<Tag> tags;
    tags.reserve(64);
    std::string_view type;
    bool open = false;
    Tag tag;
    int lastPercent = 0;
    size_t count = 0;
    while (tokens.next(tag)) {
        if (progress && (++count & 4095) == 0 && tokens.size() > 0) {
            const int percent = static_cast<int>(tokens.position() * 100 / tokens.size());
            if (percent != lastPercent) {
                lastPercent = percent;
                progress(1, percent);
            }
        }
        if (tag.code != 0) {
            if (open) tags.push_back(tag);
            continue;
        }
        if (open) assembler.record(type, tags);
        if (assembler.ended()) {
            open = false;
            break;
        }
        tags.clear();
        type = trimmed(tag.text);
        open = true;
        if (type == "EOF") {
            assembler.record(type, tags);
            open = false;
            break;
        }
    }
    if (open && type == "SECTION" && tags.empty()) open = false;
    assembler.finish(type, open);
    if (progress) progress(2, 100);
    return assembler.sawSection();
}

} // namespace dxf

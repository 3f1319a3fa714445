// Texts: their characters, and the outlines of their glyphs. The outlines
// come from an outliner (the import program uses the system's fonts through
// Qt); without one, texts are skipped and counted.
#pragma once

#include "geom.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dxf {

// One line of text as outlines, in units of the font's cap height: the
// baseline is y = 0, the text starts at x = 0 and runs in +x.
struct TextOutline {
    enum Op : uint8_t { Move, Line, Cubic };
    struct Element {
        Op op;
        Vec2 p[3]; // Move, Line: p[0]; Cubic: two control points and the end
    };
    std::vector<Element> path;
    double advance = 0; // width of the line
    double descent = 0; // depth of the descenders below the baseline
};

// The font a text style names: its font file ("arial.ttf", "txt.shx") and,
// where the file says so, the family.
struct FontRequest {
    std::string file;
    std::string family;
};

class TextOutliner {
public:
    virtual ~TextOutliner() = default;
    // The outline of one line of text; false when no font can be used.
    virtual bool outline(std::u32string_view text, const FontRequest& font, TextOutline& out) = 0;
};

// Draws every character that is not blank as a rectangle 0.6 wide and 1
// high, advancing by 0.8: a font without files, for tests and fuzzing.
class BoxOutliner : public TextOutliner {
public:
    bool outline(std::u32string_view text, const FontRequest& font, TextOutline& out) override;
};

// The characters of a TEXT or ATTRIB value: UTF-8 when the bytes are valid
// UTF-8, else Windows-1252; the control codes %%c, %%d, %%p, %%nnn and
// \U+XXXX resolved; the underline and overline switches %%u, %%o removed.
std::u32string decodeText(std::string_view bytes);

// The lines of an MTEXT value with its formatting codes removed: \P and
// line breaks end a line, stacked fractions become a/b, font, height,
// colour, width and the like are dropped.
std::vector<std::u32string> mtextLines(std::string_view bytes);

} // namespace dxf

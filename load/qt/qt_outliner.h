// Glyph outlines from the system's fonts through Qt. A text style's font is
// looked up by its family or the base name of its font file; a font that is
// not installed falls back to DejaVu Sans (or the system's default font).
#pragma once

#include "dxf/text.h"

#include <memory>
#include <string>

namespace vectrim::load {

// Qt's own notes and warnings (a missing runtime folder and the like) are
// not shown; critical messages still go to standard error.
void quietQtMessages();

class QtOutliner : public dxf::TextOutliner {
public:
    // With a font file, every text uses that font (for results that do not
    // depend on the fonts installed).
    explicit QtOutliner(std::string fontFile = {});
    ~QtOutliner() override;
    QtOutliner(const QtOutliner&) = delete;
    QtOutliner& operator=(const QtOutliner&) = delete;

    bool outline(std::u32string_view text, const dxf::FontRequest& font, dxf::TextOutline& out) override;

    // The family a request resolves to (empty when no font can be used).
    std::string familyFor(const dxf::FontRequest& font);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace vectrim::load

// Entity assembly: turns the tags of a DXF file into layers, text styles,
// block definitions and the entities of model space, in file order.
#pragma once

#include "model/messages.h"
#include "source.h"

#include <functional>
#include <string_view>

namespace dxf {

class ReadSink {
public:
    virtual ~ReadSink() = default;
    virtual void layer(const LayerDef& layer) = 0;
    virtual void style(const StyleDef& style) = 0;
    virtual void block(Block&& block) = 0;
    // A model space entity; the sink may move from it.
    virtual void entity(Source& entity) = 0;
    // An entity that is left out: its type is not drawn (POINT, HATCH,
    // unknown types), its data are unusable, it was cut off, or it lies in
    // paper space.
    virtual void skipped(std::string_view what) = 0;
    // The units the HEADER section declares: $INSUNITS and $MEASUREMENT,
    // -1 for a variable the header does not hold. Called once per header.
    virtual void units(int32_t /*insunits*/, int32_t /*measurement*/) {}
};

// Reading progress: mode 0 at the start, mode 1 with the percentage of the
// file read, mode 2 at the end.
using ReadProgress = std::function<void(int mode, int percent)>;

// What is skipped under a name of its own rather than its type.
// The names are German in the import's account; the main program shows
// them in its language.
inline constexpr std::string_view kSkippedBad = vectrim::msg::kSkippedBad;
inline constexpr std::string_view kSkippedCut = vectrim::msg::kSkippedCut;
inline constexpr std::string_view kSkippedPaper = vectrim::msg::kSkippedPaperSpace;

// Reads ASCII or binary DXF. False when the data hold no DXF section at all.
bool readDxf(std::string_view bytes, ReadSink& sink, const ReadProgress& progress = {});

} // namespace dxf

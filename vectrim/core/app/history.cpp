#include "app/history.h"

#include "model/messages.h"

#include <algorithm>

namespace vectrim {

namespace {

template <class T>
std::vector<T> usedPart(const Table<T>& table, int32_t count) {
    const size_t n = static_cast<size_t>(std::clamp<int32_t>(count, 0, static_cast<int32_t>(table.size())));
    return std::vector<T>(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(n));
}

template <class T>
void putBack(Table<T>& table, const std::vector<T>& used) {
    std::copy(used.begin(), used.end(), table.begin());
}

template <class T>
size_t bytesOf(const std::vector<T>& v) {
    return v.size() * sizeof(T);
}

} // namespace

DrawingState DrawingState::of(const Session& s, const CheckLabels& labels) {
    const Drawing& d = s.drawing;
    DrawingState st;
    st.lines = usedPart(d.lines, d.linecount);
    st.arcs = usedPart(d.arcs, d.arccount);
    st.order = usedPart(d.order, d.elementCount());
    st.freeends = usedPart(d.freeends, d.freecount);
    st.markAngle = usedPart(d.markAngle, d.freecount);
    st.markMode = s.view.markMode;
    st.angleReadout = s.view.angleReadout;
    st.labels = labels;
    st.inchConverted = s.state.inchConverted;
    st.revision = s.state.revision;
    return st;
}

void DrawingState::restore(Session& s) const {
    Drawing& d = s.drawing;
    putBack(d.lines, lines);
    putBack(d.arcs, arcs);
    putBack(d.order, order);
    putBack(d.freeends, freeends);
    putBack(d.markAngle, markAngle);
    d.linecount = static_cast<int32_t>(lines.size());
    d.arccount = static_cast<int32_t>(arcs.size());
    d.freecount = static_cast<int32_t>(freeends.size());
    s.view.markMode = markMode;
    s.view.angleReadout = angleReadout;
    s.state.inchConverted = inchConverted;
    s.state.revision = revision;
}

size_t DrawingState::bytes() const {
    return sizeof(DrawingState) + bytesOf(lines) + bytesOf(arcs) + bytesOf(order) + bytesOf(freeends) +
           bytesOf(markAngle);
}

void History::reset(const Session& s, const CheckLabels& labels) {
    loaded_ = DrawingState::of(s, labels);
    steps_.clear();
    bytes_ = 0;
    dropped_ = false;
}

void History::record(const Session& s, const CheckLabels& labels, std::string what) {
    Step step{DrawingState::of(s, labels), std::move(what)};
    bytes_ += step.state.bytes();
    steps_.push_back(std::move(step));
    while (steps_.size() > maxSteps_ || (bytes_ > maxBytes_ && steps_.size() > 1)) dropOldest();
}

void History::dropOldest() {
    bytes_ -= steps_.front().state.bytes();
    steps_.pop_front();
    dropped_ = true;
}

std::optional<TakenBack> History::undo(Session& s) {
    if (steps_.empty()) return std::nullopt;
    Step step = std::move(steps_.back());
    steps_.pop_back();
    bytes_ -= step.state.bytes();
    step.state.restore(s);
    return TakenBack{std::move(step.what), step.state.labels};
}

std::optional<TakenBack> History::undoAll(Session& s) {
    if (!canUndoAll()) return std::nullopt;
    loaded_.restore(s);
    steps_.clear();
    bytes_ = 0;
    dropped_ = false;
    return TakenBack{msg::tr(msg::kUndoAllStep), loaded_.labels};
}

const std::string& History::lastStep() const {
    static const std::string none;
    return steps_.empty() ? none : steps_.back().what;
}

} // namespace vectrim

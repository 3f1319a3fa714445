// Taking changes back ("Zurück", "Alles zurück"): before a command changes
// the drawing it records the drawing's state; "Zurück" returns to the state
// last recorded, "Alles zurück" to the drawing as it was loaded.
//
// A state holds the used slots of the line, arc, order and free-end tables
// (with the contour numbers and the corner angles of the marks), the mark
// mode and angle readout of the view, the labels of the last check,
// InchConverted and the drawing's change number. The view window is not
// part of it: the view keeps its window when a change is taken back.
#pragma once

#include "model/session.h"
#include "view/view_frame.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace vectrim {

// The history keeps at most this many steps and at most this many bytes
// of them; the oldest steps go first. A drawing at the tables' capacity
// takes about 10 MB, so at least 20 steps always fit.
inline constexpr size_t kHistoryMaxSteps = 200;
inline constexpr size_t kHistoryMaxBytes = size_t{200} * 1024 * 1024;

// One recorded state of the drawing.
struct DrawingState {
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    std::vector<ElementRef> order;
    std::vector<FreeEnd> freeends;
    std::vector<double> markAngle;
    int16_t markMode = 0;
    int16_t angleReadout = 0;
    CheckLabels labels;
    int16_t inchConverted = 0;
    int64_t revision = 0;

    // The state of a session, with the labels its window shows.
    static DrawingState of(const Session& s, const CheckLabels& labels);
    // Puts the state back into the session (the view window stays).
    void restore(Session& s) const;
    size_t bytes() const;
};

// What taking a step back gave: the name of the command taken back and the
// labels of the check shown before it.
struct TakenBack {
    std::string what;
    CheckLabels labels;
};

class History {
public:
    explicit History(size_t maxSteps = kHistoryMaxSteps, size_t maxBytes = kHistoryMaxBytes)
        : maxSteps_(maxSteps), maxBytes_(maxBytes) {}

    // After a load: the session's drawing is the loaded one; no steps.
    void reset(const Session& s, const CheckLabels& labels = {});
    // Before a command changes the drawing: records its state under the
    // command's name (what the status line names when it is taken back).
    void record(const Session& s, const CheckLabels& labels, std::string what);
    // "Zurück": the last recorded state back into the session; nothing when
    // there is no step.
    std::optional<TakenBack> undo(Session& s);
    // "Alles zurück": the loaded drawing back into the session, the steps
    // forgotten; nothing when the drawing is the loaded one already.
    std::optional<TakenBack> undoAll(Session& s);

    bool canUndo() const { return !steps_.empty(); }
    // True while the drawing may differ from the loaded one: there are
    // steps, or steps were dropped for the limits.
    bool canUndoAll() const { return !steps_.empty() || dropped_; }
    size_t steps() const { return steps_.size(); }
    size_t bytes() const { return bytes_; }
    // The name of the step "Zurück" would take back.
    const std::string& lastStep() const;

private:
    struct Step {
        DrawingState state;
        std::string what;
    };
    void dropOldest();

    size_t maxSteps_, maxBytes_;
    DrawingState loaded_;
    std::deque<Step> steps_;
    size_t bytes_ = 0;
    bool dropped_ = false;
};

} // namespace vectrim

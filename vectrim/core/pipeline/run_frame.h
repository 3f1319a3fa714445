// What the processing run needs from the main window: the tolerance fields,
// the two check boxes, the abort window, the window's state and the redraw
// commands. The main window implements it with its controls; the command line
// and the tests use BatchRunFrame.
#pragma once

#include <string>
#include <string_view>

namespace vectrim {

enum class ToleranceField { Reduce, Gap, Smooth }; // ktoleranz, ftoleranz, gtoleranz

class RunFrame {
public:
    virtual ~RunFrame() = default;
    virtual std::string fieldText(ToleranceField f) const = 0;
    virtual void focusField(ToleranceField f) = 0;
    virtual bool minimiseChecked() const = 0;      // Check1 "Fenster minimieren"
    virtual void clearMinimise() = 0;              // clears Check1
    virtual bool roundLineLineChecked() const = 0; // Check2 "Runde Linie-Linie"
    virtual void showAbortWindow() = 0;            // Form1, not modal
    virtual void unloadAbortWindow() = 0;
    virtual void minimiseWindow() = 0;
    virtual void restoreWindow() = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
    virtual void showCounts() = 0; // wert1 and wert2
    virtual void getmima() = 0;    // measure into Text2 / Text3
    virtual void paint() = 0;
    virtual void clearMarks() = 0; // Picture19_Click
    // Called before and after each stage of the run with the stage's name.
    // The window has no use for them; tests follow the order of the stages
    // and benchmarks time them.
    virtual void stageStarted(std::string_view /*name*/) {}
    virtual void stageFinished(std::string_view /*name*/) {}
    // Called once the fields are valid, before the first stage changes the
    // drawing, with the name of the command: the window records the
    // drawing's state so that the run can be taken back.
    virtual void aboutToChange(const char* /*what*/) {}
};

// The run without a window: fields and check boxes as plain values.
class BatchRunFrame : public RunFrame {
public:
    std::string reduceText = "0.3", gapText = "0.2", smoothText = "0.2";
    bool minimise = false, roundLineLine = false;
    int focused = -1; // the field that got the focus, or -1

    std::string fieldText(ToleranceField f) const override {
        return f == ToleranceField::Reduce ? reduceText : f == ToleranceField::Gap ? gapText : smoothText;
    }
    void focusField(ToleranceField f) override { focused = static_cast<int>(f); }
    bool minimiseChecked() const override { return minimise; }
    void clearMinimise() override { minimise = false; }
    bool roundLineLineChecked() const override { return roundLineLine; }
    void showAbortWindow() override {}
    void unloadAbortWindow() override {}
    void minimiseWindow() override {}
    void restoreWindow() override {}
    void setWindowEnabled(bool) override {}
    void showCounts() override {}
    void getmima() override {}
    void paint() override {}
    void clearMarks() override {}
};

} // namespace vectrim

// What the check, analysis, editing and scaling commands need from the
// main window: the size fields, the result labels of the frame "Kontrolle",
// the redraw commands and the selection rectangle. The main window implements
// it with its controls; the command line and the tests use BatchViewFrame.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/messages.h"
#include "model/view_state.h"

#include <cstdint>
#include <string>

namespace vectrim {

enum class SizeField { Width, Height }; // Text2 "Breite:", Text3 "Höhe:" of "Zeichnungsmaße [mm]:"

// The two labels under "Kontrolle:": Label3 the title, Label2 the result.
// Colours are palette numbers (0 black, 12 light red).
struct CheckLabels {
    std::string label3 = msg::tr(msg::kCheckTitle);
    bool label3Visible = true;
    std::string label2;
    bool label2Visible = false;
    int16_t label2Colour = 0;
};

class ViewFrame {
public:
    virtual ~ViewFrame() = default;
    virtual std::string sizeText(SizeField f) const = 0;
    virtual void getmima() = 0;    // measure the drawing into the size fields
    virtual void clearMarks() = 0; // Picture19_Click "Markierungen ausblenden"
    virtual void showAll() = 0;    // Picture9_Click "Show all": fit the view and paint
    virtual void paint() = 0;
    virtual void showCounts() = 0; // wert1 and wert2
    virtual void breaks() = 0;     // leave element-selection mode
    virtual void showCheckLabels(const CheckLabels& labels) = 0;
    // Draws the selection rectangle (SelX1, SelY1)-(SelX2, SelY2) in
    // exclusive-or mode, so that a second call removes it.
    virtual void rechteck() = 0;
    // Called by a command once it is certain to change the drawing, before
    // it does, with the command's name: the window records the drawing's
    // state so that the change can be taken back.
    virtual void aboutToChange(const char* /*what*/) {}
};

// Width and height of the drawing, each rounded to 5 decimals (0 and 0
// without elements), as getmima shows them.
struct DrawingSize {
    double width = 0, height = 0;
};
DrawingSize measureDrawing(Drawing& d);

// The window's commands without a window: the size fields and labels are
// plain values, "Markierungen ausblenden" and "Show all" act on the drawing
// and its view state.
class BatchViewFrame : public ViewFrame {
public:
    BatchViewFrame(Drawing& d, ViewState& v, Host& host) : d_(d), v_(v), host_(host) {}

    std::string widthText, heightText; // Text2, Text3
    CheckLabels labels;
    int paints = 0, counts = 0, rectangles = 0;

    std::string sizeText(SizeField f) const override {
        return f == SizeField::Width ? widthText : heightText;
    }
    void getmima() override;
    void clearMarks() override;
    void showAll() override;
    void paint() override { ++paints; }
    void showCounts() override { ++counts; }
    void breaks() override;
    void showCheckLabels(const CheckLabels& l) override { labels = l; }
    void rechteck() override { ++rectangles; }

private:
    Drawing& d_;
    ViewState& v_;
    Host& host_;
};

} // namespace vectrim

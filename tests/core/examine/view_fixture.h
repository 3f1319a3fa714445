// A view frame for tests: keeps every label state shown and tracks the
// exclusive-or rectangles, so that a rectangle drawn twice is gone again.
#pragma once

#include "fixture.h"
#include "view/view_frame.h"

#include <array>
#include <set>
#include <vector>

namespace vectrim::test {

class RecordingViewFrame : public BatchViewFrame {
public:
    explicit RecordingViewFrame(Session& s) : BatchViewFrame(s.drawing, s.view, *s.host), s_(s) {}

    std::vector<CheckLabels> shown;
    std::set<std::array<double, 4>> onScreen; // rectangles now drawn
    int breaksCalls = 0;

    void showCheckLabels(const CheckLabels& l) override {
        shown.push_back(l);
        BatchViewFrame::showCheckLabels(l);
    }
    void rechteck() override {
        BatchViewFrame::rechteck();
        const ViewState& v = s_.view;
        const std::array<double, 4> r{v.selX1, v.selY1, v.selX2, v.selY2};
        if (!onScreen.erase(r)) onScreen.insert(r);
    }
    void breaks() override {
        ++breaksCalls;
        BatchViewFrame::breaks();
    }

private:
    Session& s_;
};

// A fixture with a view frame.
struct ViewFixture : Fixture {
    RecordingViewFrame frame{*session};
    explicit ViewFixture(std::string answers = {}) : Fixture(std::move(answers)) {}

    // The closed square (0,0)-(10,10), drawn counter-clockwise.
    void square(double x = 0, double y = 0, double a = 10) {
        line(x, y, x + a, y);
        line(x + a, y, x + a, y + a);
        line(x + a, y + a, x, y + a);
        line(x, y + a, x, y);
    }
};

} // namespace vectrim::test

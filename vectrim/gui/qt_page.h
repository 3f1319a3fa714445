// The page on Qt's painters: a PageCanvas on a QPainter in page
// millimetres, the printout of a whole sheet on any paint device, and the
// printout into a PDF file. Needs Qt GUI only (no widgets), so that the
// command line prints too.
#pragma once

#include "print/page_layout.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QRectF>

#include <memory>
#include <string>

namespace vectrim {

// Printed lines are this wide (millimetres); the preview draws hairlines.
inline constexpr double kPrintPenWidth = 0.2;
// Arcs of a larger radius (millimetres) are drawn as fine polylines, so that
// no painter has to flatten a curve far larger than the sheet.
inline constexpr double kHugeRadius = 1000;

// A PageCanvas on a painter: page millimetres times dotsPerMm are device
// units. What lies outside `visible` (millimetres) is left out; segments are
// clipped to it.
class PainterPageCanvas : public PageCanvas {
public:
    PainterPageCanvas(double dotsPerMm, QRectF visible, double penWidth);

    // The painter to draw on (it must stay active while the canvas draws).
    void setPainter(QPainter* painter) { painter_ = painter; }

    void clear() override;
    void setMode(DrawMode mode) override;
    void line(double x1, double y1, double x2, double y2, int colour) override;
    void box(double x1, double y1, double x2, double y2, int colour) override;
    void circle(double cx, double cy, double r, int colour) override;
    void arc(double cx, double cy, double r, double a1, double a2, int colour) override;
    void text(double x, double y, std::string_view text, double height, int colour) override;

private:
    QPointF map(double x, double y) const { return {x * dotsPerMm_, y * dotsPerMm_}; }
    void usePen(int colour);
    // Whether the square about (cx, cy) of half-width r touches `visible`.
    bool touches(double cx, double cy, double r) const;
    void hugeArc(double cx, double cy, double r, double a1, double sweep, int colour);

    QPainter* painter_ = nullptr;
    double dotsPerMm_;
    QRectF visible_;
    double penWidth_;
};

// The font of the header: "Arial", or the closest installed font, of the
// given height in millimetres.
QFont headerFont(double heightMm);

// Prints the page on an active painter whose device holds `dotsPerMm`
// device units per millimetre, with the page origin at the device origin.
// False when the page could not be drawn (painter's result).
bool paintSheet(QPainter& painter, double dotsPerMm, const Drawing& d, const PageSetup& setup,
                PrintMode mode);

// Prints the page (mode Colour or BlackWhite) into a PDF file of one A4
// sheet, the page origin at the sheet's top left corner. The file is
// written completely or not at all. False on any failure of the output,
// and without a GUI application.
bool printToPdf(const std::string& path, const Drawing& d, const PageSetup& setup, PrintMode mode);

// A GUI application on the offscreen platform for a process that has no
// application yet (fonts and painters need one); null when one exists. The
// caller keeps it while it prints and lets it go before the process ends.
std::unique_ptr<QGuiApplication> makeGuiApplication();

} // namespace vectrim

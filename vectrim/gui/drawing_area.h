// The drawing area Bild1: a retained image of the 640 x 480 unit surface,
// drawn through the Canvas interface and shown scaled to the widget, so that
// a repaint by the window system only copies the image. The image is drawn
// only when the view redraws; a repaint schedules nothing, so the area is
// quiet while nothing happens.
#pragma once

#include "view/canvas.h"

#include <QFrame>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

namespace vectrim {

// A Canvas on an image: surface units are scaled to the image's pixels.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(QImage& image, double unitsWide, double unitsHigh);
    ~ImageCanvas() override;

    void clear() override;
    void setMode(DrawMode mode) override;
    void line(double x1, double y1, double x2, double y2, int colour) override;
    void box(double x1, double y1, double x2, double y2, int colour) override;
    void circle(double cx, double cy, double r, int colour) override;
    // Ends the drawing pass and shows it: onFlush schedules one repaint.
    void flush() override;
    // Ends pending drawing, so that the image holds everything drawn, without
    // scheduling anything (a repaint and the image's readers call it; before
    // the image is replaced it lets go of it).
    void finish() { painter_.reset(); }

    // Called after every flush (the widget schedules its repaint).
    std::function<void()> onFlush;

private:
    QPainter& painter();
    void setPen(QPainter& p, int colour);
    QPointF map(double x, double y) const;

    QImage& image_;
    double unitsWide_, unitsHigh_;
    DrawMode mode_ = DrawMode::Copy;
    std::unique_ptr<QPainter> painter_;
    int penColour_ = -1;                     // the palette number of the painter's pen; -1: none yet
    double pixelsWide_ = 1, pixelsHigh_ = 1; // the image's size while the painter is on it
};

class DrawingArea : public QFrame {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent = nullptr);
    ~DrawingArea() override;

    Canvas& canvas() { return *canvas_; }
    // The surface as drawn so far (pending drawing is finished first).
    const QImage& image();
    // A widget position in surface units.
    QPointF surfacePoint(QPointF widgetPos) const;

signals:
    void mousePressed(Qt::MouseButton button, double sx, double sy);
    void mouseMoved(double sx, double sy);
    void mouseReleased(Qt::MouseButton button, double sx, double sy);
    // The wheel turned over (sx, sy); angleDelta in eighths of a degree
    // (120 a notch), positive away from the user.
    void wheelTurned(double sx, double sy, int angleDelta);
    // The surface was made anew (at its first layout): it must be redrawn.
    void surfaceResized();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    QImage image_;
    std::unique_ptr<ImageCanvas> canvas_;
};

} // namespace vectrim

#include "drawing_area.h"

#include "view/view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vectrim {

namespace {
// Pixel coordinates handed to the painter stay within this range; segments
// are clipped to the surface before, so only stray values are cut.
constexpr double kPixelLimit = 1e6;

QColor colourOf(int number) {
    const Rgb c = paletteColour(number);
    return QColor(c.r, c.g, c.b);
}

bool finite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}
} // namespace

ImageCanvas::ImageCanvas(QImage& image, double unitsWide, double unitsHigh)
    : image_(image), unitsWide_(unitsWide), unitsHigh_(unitsHigh) {}

ImageCanvas::~ImageCanvas() { painter_.reset(); }

QPainter& ImageCanvas::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        penColour_ = -1;
        pixelsWide_ = image_.width();
        pixelsHigh_ = image_.height();
        setMode(mode_);
    }
    return *painter_;
}

void ImageCanvas::setPen(QPainter& p, int colour) {
    // A pen is made only when the colour changes: lines come in long runs
    // of one colour.
    if (colour == penColour_) return;
    p.setPen(QPen(colourOf(colour), 0));
    penColour_ = colour;
}

QPointF ImageCanvas::map(double x, double y) const {
    const double px = std::clamp(x * pixelsWide_ / unitsWide_, -kPixelLimit, kPixelLimit);
    const double py = std::clamp(y * pixelsHigh_ / unitsHigh_, -kPixelLimit, kPixelLimit);
    return {px, py};
}

void ImageCanvas::clear() {
    painter_.reset();
    image_.fill(Qt::white);
}

void ImageCanvas::setMode(DrawMode mode) {
    mode_ = mode;
    if (!painter_) return;
    // Exclusive-or must touch every pixel fully, so it draws without
    // antialiasing; lines and arcs are antialiased otherwise.
    painter_->setCompositionMode(mode == DrawMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                       : QPainter::CompositionMode_SourceOver);
    painter_->setRenderHint(QPainter::Antialiasing, mode == DrawMode::Copy);
}

void ImageCanvas::line(double x1, double y1, double x2, double y2, int colour) {
    if (!finite(x1, y1, x2, y2)) return;
    QPainter& p = painter();
    setPen(p, colour);
    p.drawLine(map(x1, y1), map(x2, y2));
}

void ImageCanvas::box(double x1, double y1, double x2, double y2, int colour) {
    if (!finite(x1, y1, x2, y2)) return;
    QPainter& p = painter();
    const bool smooth = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, false);
    setPen(p, colour);
    p.setBrush(Qt::NoBrush);
    const QPointF a = map(std::min(x1, x2), std::min(y1, y2));
    const QPointF b = map(std::max(x1, x2), std::max(y1, y2));
    p.drawRect(QRectF(a, b).toRect().normalized().adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing, smooth);
}

void ImageCanvas::circle(double cx, double cy, double r, int colour) {
    if (!finite(cx, cy, r, 0)) return;
    QPainter& p = painter();
    setPen(p, colour);
    p.setBrush(Qt::NoBrush);
    const QPointF c = map(cx, cy);
    const double rx = std::min(r * pixelsWide_ / unitsWide_, kPixelLimit);
    const double ry = std::min(r * pixelsHigh_ / unitsHigh_, kPixelLimit);
    p.drawEllipse(c, rx, ry);
}

void ImageCanvas::flush() {
    finish();
    if (onFlush) onFlush();
}

// ---- the widget --------------------------------------------------------------

DrawingArea::DrawingArea(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setMouseTracking(true);
    // A click gives it the keyboard, so that Delete and Escape reach the
    // element selection rather than a text field.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
    canvas_ = std::make_unique<ImageCanvas>(image_, kSurfaceWidth, kSurfaceHeight);
    canvas_->onFlush = [this] { update(); };
}

DrawingArea::~DrawingArea() = default;

const QImage& DrawingArea::image() {
    canvas_->finish();
    return image_;
}

QPointF DrawingArea::surfacePoint(QPointF pos) const {
    const QRect r = contentsRect();
    return {(pos.x() - r.left()) * kSurfaceWidth / std::max(1, r.width()),
            (pos.y() - r.top()) * kSurfaceHeight / std::max(1, r.height())};
}

void DrawingArea::paintEvent(QPaintEvent* e) {
    // Only a copy: a flush here would schedule the next repaint, and the
    // next, for as long as the window is open.
    canvas_->finish();
    QPainter p(this);
    p.drawImage(contentsRect(), image_);
    p.end();
    QFrame::paintEvent(e);
}

void DrawingArea::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    const QSize size = contentsRect().size() * devicePixelRatio();
    if (size.isEmpty() || size == image_.size()) return;
    canvas_->finish(); // the painter lets go of the old image first
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    emit surfaceResized();
}

void DrawingArea::mousePressEvent(QMouseEvent* e) {
    const QPointF s = surfacePoint(e->position());
    emit mousePressed(e->button(), s.x(), s.y());
}

void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
    const QPointF s = surfacePoint(e->position());
    emit mouseMoved(s.x(), s.y());
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF s = surfacePoint(e->position());
    emit mouseReleased(e->button(), s.x(), s.y());
}

void DrawingArea::wheelEvent(QWheelEvent* e) {
    const QPointF s = surfacePoint(e->position());
    emit wheelTurned(s.x(), s.y(), e->angleDelta().y());
    e->accept();
}

} // namespace vectrim

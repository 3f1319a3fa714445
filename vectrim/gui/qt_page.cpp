#include "qt_page.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace vectrim {

namespace {

constexpr double kFullTurn = 6.283185307179586;
constexpr double kRadToDegrees = 57.29577951308232;
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr int kHugeArcSegments = 4000; // per full turn
constexpr int kPdfResolution = 1200;   // device units per inch of the PDF painter
constexpr const char* kHeaderFamily = "Arial";

QColor colourOf(int number) {
    const Rgb c = paletteColour(number);
    return QColor(c.r, c.g, c.b);
}

bool finite(double a, double b, double c = 0, double d = 0) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Liang-Barsky: clips the segment to the rectangle; false when nothing of
// it lies inside.
bool clip(const QRectF& r, double& x1, double& y1, double& x2, double& y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - r.left(), r.right() - x1, y1 - r.top(), r.bottom() - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}

} // namespace

PainterPageCanvas::PainterPageCanvas(double dotsPerMm, QRectF visible, double penWidth)
    : dotsPerMm_(dotsPerMm), visible_(visible), penWidth_(penWidth) {}

void PainterPageCanvas::clear() {
    if (!painter_) return;
    painter_->fillRect(QRectF(map(visible_.left(), visible_.top()), map(visible_.right(), visible_.bottom())),
                       Qt::white);
}

void PainterPageCanvas::setMode(DrawMode mode) {
    if (!painter_) return;
    painter_->setCompositionMode(mode == DrawMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                       : QPainter::CompositionMode_SourceOver);
}

void PainterPageCanvas::usePen(int colour) {
    QPen pen(colourOf(colour), penWidth_ * dotsPerMm_);
    if (penWidth_ <= 0) pen.setWidthF(0); // a hairline of one device pixel
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_->setPen(pen);
    painter_->setBrush(Qt::NoBrush);
}

bool PainterPageCanvas::touches(double cx, double cy, double r) const {
    return cx + r >= visible_.left() && cx - r <= visible_.right() && cy + r >= visible_.top() &&
           cy - r <= visible_.bottom();
}

void PainterPageCanvas::line(double x1, double y1, double x2, double y2, int colour) {
    if (!painter_ || !finite(x1, y1, x2, y2) || !clip(visible_, x1, y1, x2, y2)) return;
    usePen(colour);
    painter_->drawLine(map(x1, y1), map(x2, y2));
}

void PainterPageCanvas::box(double x1, double y1, double x2, double y2, int colour) {
    line(x1, y1, x2, y1, colour);
    line(x2, y1, x2, y2, colour);
    line(x2, y2, x1, y2, colour);
    line(x1, y2, x1, y1, colour);
}

void PainterPageCanvas::hugeArc(double cx, double cy, double r, double a1, double sweep, int colour) {
    const int n = std::max(1, static_cast<int>(std::ceil(kHugeArcSegments * sweep / kFullTurn)));
    double px = cx + r * std::cos(a1), py = cy - r * std::sin(a1);
    for (int k = 1; k <= n; ++k) {
        const double t = a1 + sweep * k / n;
        const double x = cx + r * std::cos(t), y = cy - r * std::sin(t);
        line(px, py, x, y, colour);
        px = x;
        py = y;
    }
}

void PainterPageCanvas::circle(double cx, double cy, double r, int colour) {
    if (!painter_ || !finite(cx, cy, r) || !touches(cx, cy, r)) return;
    if (r > kHugeRadius) return hugeArc(cx, cy, r, 0, kFullTurn, colour);
    usePen(colour);
    painter_->drawEllipse(map(cx, cy), r * dotsPerMm_, r * dotsPerMm_);
}

void PainterPageCanvas::arc(double cx, double cy, double r, double a1, double a2, int colour) {
    if (!painter_ || !finite(cx, cy, r) || !finite(a1, a2) || !touches(cx, cy, r)) return;
    double sweep = a2 - a1;
    if (sweep < 0) sweep += kFullTurn;
    if (r > kHugeRadius) return hugeArc(cx, cy, r, a1, sweep, colour);
    usePen(colour);
    const QPointF c = map(cx, cy);
    const double rd = r * dotsPerMm_;
    const QRectF square(c.x() - rd, c.y() - rd, 2 * rd, 2 * rd);
    // Qt's angles are degrees counter-clockwise as seen on the y-down
    // device: the same sense as the page's arcs.
    QPainterPath path;
    path.arcMoveTo(square, a1 * kRadToDegrees);
    path.arcTo(square, a1 * kRadToDegrees, sweep * kRadToDegrees);
    painter_->drawPath(path);
}

void PainterPageCanvas::text(double x, double y, std::string_view text, double height, int colour) {
    if (!painter_ || !finite(x, y, height)) return;
    const QFont font = headerFont(height);
    painter_->setFont(font);
    painter_->setPen(colourOf(colour));
    const QFontMetricsF metrics(font, painter_->device());
    const QPointF top = map(x, y);
    painter_->drawText(QPointF(top.x(), top.y() + metrics.ascent()),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QFont headerFont(double heightMm) {
    QFont font(QString::fromLatin1(kHeaderFamily));
    // Without Arial the font matching takes the closest installed face
    // (Liberation Sans shares Arial's metrics).
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(heightMm * kPointsPerMm);
    return font;
}

bool paintSheet(QPainter& p, double dotsPerMm, const Drawing& d, const PageSetup& setup, PrintMode mode) {
    // Everything within a sheet's size around the sheet is drawn; what lies
    // farther off could not be seen on any printer.
    const QRectF visible(-kSheetWidth, -kSheetHeight, 3 * kSheetWidth, 3 * kSheetHeight);
    PainterPageCanvas canvas(dotsPerMm, visible, kPrintPenWidth);
    canvas.setPainter(&p);
    p.setRenderHint(QPainter::Antialiasing, true);
    return painter(d, setup, mode, canvas);
}

bool printToPdf(const std::string& path, const Drawing& d, const PageSetup& setup, PrintMode mode) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool ok = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Vectrim"));
        writer.setCreator(QStringLiteral("Vectrim"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter p;
        if (p.begin(&writer)) {
            ok = paintSheet(p, writer.resolution() / 25.4, d, setup, mode);
            ok = p.end() && ok;
        }
    }
    if (!ok || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {
// Qt's notes about the platform go nowhere; its errors to standard error.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

std::unique_ptr<QGuiApplication> makeGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qInstallMessageHandler(quietHandler);
    // Without a window system the offscreen platform serves.
    static int argc = 3;
    static char arg0[] = "vectrim", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace vectrim

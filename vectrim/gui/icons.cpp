#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <tuple>

namespace vectrim {

namespace {

constexpr int kSize = 32;
const QColor kInk(30, 30, 30);
const QColor kMark(0, 0, 255);
const QColor kArc(220, 0, 0);

void mark(QPainter& p, QPointF c) {
    p.save();
    p.setPen(QPen(kMark, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(c.x() - 3, c.y() - 3, 6, 6));
    p.restore();
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 2.4));
    p.setBrush(QColor(235, 243, 255));
    p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19.5, 19.5), QPointF(27, 27));
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    if (plus) p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void draw(QPainter& p, const QString& name) {
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("Picture9")) { // Show all: the drawing inside corner brackets
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::SquareCap));
        for (const auto& [x, y, dx, dy] : {std::tuple{3, 3, 1, 1}, std::tuple{29, 3, -1, 1},
                                           std::tuple{3, 29, 1, -1}, std::tuple{29, 29, -1, -1}}) {
            p.drawLine(QPointF(x, y), QPointF(x + 7 * dx, y));
            p.drawLine(QPointF(x, y), QPointF(x, y + 7 * dy));
        }
        p.setPen(QPen(kInk, 1.6));
        p.drawRect(QRectF(9, 11, 10, 10));
        p.setPen(QPen(kArc, 1.6));
        p.drawEllipse(QPointF(19, 17), 5, 5);
    } else if (name == QLatin1String("Picture1")) { // Paint new: a circular arrow
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(21, 2.5);
        head.lineTo(25.5, 9.5);
        head.lineTo(17.5, 11);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(head);
    } else if (name == QLatin1String("Picture17")) {
        magnifier(p, true);
    } else if (name == QLatin1String("Picture11")) {
        magnifier(p, false);
    } else if (name == QLatin1String("Picture12")) { // the mouse zooms too
        p.setPen(QPen(kInk, 1.8));
        p.setBrush(QColor(245, 245, 245));
        p.drawRoundedRect(QRectF(9, 4, 14, 24), 7, 7);
        p.drawLine(QPointF(9, 13), QPointF(23, 13));
        p.drawLine(QPointF(16, 4), QPointF(16, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 160, 230));
        p.drawRect(QRectF(10, 6.5, 5, 5.5));
    } else if (name == QLatin1String("Picture8")) { // end points
        p.setPen(QPen(kInk, 1.8));
        p.drawLine(QPointF(6, 25), QPointF(14, 9));
        p.drawLine(QPointF(14, 9), QPointF(26, 20));
        mark(p, {6, 25});
        mark(p, {14, 9});
        mark(p, {26, 20});
    } else if (name == QLatin1String("Picture13")) { // direction changes
        p.setPen(QPen(kInk, 1.8));
        p.drawLine(QPointF(3, 24), QPointF(16, 24));
        p.drawLine(QPointF(16, 24), QPointF(28, 10));
        p.setPen(QPen(kArc, 1.4));
        p.drawArc(QRectF(8, 16, 16, 16), 0, 50 * 16);
        mark(p, {16, 24});
    } else if (name == QLatin1String("Picture15")) { // open contour
        p.setPen(QPen(kInk, 1.8));
        QPainterPath c;
        c.moveTo(24, 8);
        c.lineTo(8, 8);
        c.lineTo(8, 24);
        c.lineTo(24, 24);
        p.setBrush(Qt::NoBrush);
        p.drawPath(c);
        p.setPen(QPen(kArc, 1.8));
        p.drawLine(QPointF(24, 8), QPointF(24, 13));
        p.drawLine(QPointF(24, 19), QPointF(24, 24));
        mark(p, {24, 13});
        mark(p, {24, 19});
    } else if (name == QLatin1String("Picture16")) { // junctions
        p.setPen(QPen(kInk, 1.8));
        p.drawLine(QPointF(4, 16), QPointF(16, 16));
        p.drawLine(QPointF(16, 16), QPointF(27, 5));
        p.drawLine(QPointF(16, 16), QPointF(27, 27));
        mark(p, {16, 16});
    } else if (name == QLatin1String("Picture18")) { // small elements
        p.setPen(QPen(kInk, 1.8));
        p.drawLine(QPointF(3, 22), QPointF(14, 22));
        p.drawLine(QPointF(18, 22), QPointF(29, 22));
        p.setPen(QPen(kArc, 2.4));
        p.drawLine(QPointF(14, 22), QPointF(18, 22));
        mark(p, {16, 22});
        p.setPen(kInk);
        QFont f = p.font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 2, 32, 13), Qt::AlignCenter, QStringLiteral("0,1"));
    } else if (name == QLatin1String("Picture19")) { // hide the marks
        mark(p, {11, 11});
        mark(p, {21, 15});
        mark(p, {12, 22});
        p.setPen(QPen(kArc, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 27), QPointF(27, 5));
    }
}

} // namespace

QIcon pictureIcon(const QString& name) {
    QPixmap pixmap(kSize * 2, kSize * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    draw(p, name);
    p.end();
    return QIcon(pixmap);
}

} // namespace vectrim

#include "page_preview.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace vectrim {

// The preview's canvas: clearing starts a drawing pass on the image,
// flushing ends it and shows it.
class PagePreview::Canvas : public PainterPageCanvas {
public:
    Canvas(PagePreview& owner)
        : PainterPageCanvas(kPixelsPerMm, QRectF(0, 0, kPlaceWidth, kPlaceHeight), 0), owner_(owner) {}

    void clear() override {
        begin();
        PainterPageCanvas::clear();
    }
    void flush() override {
        setPainter(nullptr);
        painter_.reset();
        owner_.update();
    }

private:
    void begin() {
        if (painter_) return;
        painter_ = std::make_unique<QPainter>(&owner_.image_);
        painter_->setRenderHint(QPainter::Antialiasing, true);
        setPainter(painter_.get());
    }
    PagePreview& owner_;
    std::unique_ptr<QPainter> painter_;
};

PagePreview::PagePreview(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    const int w = static_cast<int>(std::lround(kPlaceWidth * kPixelsPerMm));
    const int h = static_cast<int>(std::lround(kPlaceHeight * kPixelsPerMm));
    image_ = QImage(w, h, QImage::Format_RGB32);
    image_.fill(Qt::white);
    setFixedSize(w + 2 * lineWidth(), h + 2 * lineWidth());
    canvas_ = std::make_unique<Canvas>(*this);
}

PagePreview::~PagePreview() = default;

PageCanvas& PagePreview::canvas() { return *canvas_; }

void PagePreview::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(contentsRect(), image_);
    p.end();
    QFrame::paintEvent(e);
}

} // namespace vectrim

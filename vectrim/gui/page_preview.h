// The preview Picture1 of the print window: a white surface addressed in
// page millimetres, 188 wide and 265 high (the placing area of the page),
// drawn through a PageCanvas into a retained image.
#pragma once

#include "qt_page.h"

#include <QFrame>
#include <QImage>

#include <memory>

namespace vectrim {

class PagePreview : public QFrame {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);
    ~PagePreview() override;

    // The canvas draws from one clear() to the next flush().
    PageCanvas& canvas();
    // The surface as drawn so far.
    const QImage& image() const { return image_; }
    // Image pixels per page millimetre.
    static constexpr double kPixelsPerMm = 1.6;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    class Canvas;
    QImage image_;
    std::unique_ptr<Canvas> canvas_;
};

} // namespace vectrim

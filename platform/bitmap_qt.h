#pragma once
// A bitmap held as a QImage.
#include <QImage>

#include "platform/bitmap.h"

namespace bw {

class QtBitmap : public Bitmap {
public:
    explicit QtBitmap(QImage image) : image_(std::move(image)) {}
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    bool isNull() const override { return image_.isNull(); }
    std::unique_ptr<Bitmap> clone() const override { return std::make_unique<QtBitmap>(image_); }
    const QImage& image() const { return image_; }

    // The image behind any bitmap the Qt layer made; a null image otherwise.
    static QImage imageOf(const Bitmap* bitmap);

private:
    QImage image_;
};

} // namespace bw

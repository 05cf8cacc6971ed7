#include "framework/ui/Picture.h"

#include <QImage>
#include <QImageReader>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/AppResources.h"

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) {}

Picture::~Picture() = default;

Integer Picture::Width() const { return image_->width(); }
Integer Picture::Height() const { return image_->height(); }

std::shared_ptr<Picture> Picture::_OpenFromApp(const std::string& name) {
    const std::string path = AppResources::Path(name);
    if (path.empty()) return nullptr;
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_shared<Picture>(image);
}

void Picture::setTransparent(Integer value) {
    if (value != 0 && value != 1) {
        throw OutOfBoundsException("picture transparency " + std::to_string(value));
    }
    transparent_ = value;
}

QImage Picture::_ImageToDraw() const {
    if (transparent_ != 1) return *image_;
    QImage image = image_->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == RGB_MASK) line[x] = 0;  // white
        }
    }
    return image;
}

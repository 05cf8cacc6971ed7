#include "framework/ui/Picture.h"

#include <cmath>
#include <string>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/AppResources.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/ReplacingFile.h"

namespace {

class PictureGraphics : public Graphics {
  public:
    explicit PictureGraphics(const std::shared_ptr<QImage>& image)
        : Graphics(image, std::make_unique<QPainter>(image.get()), image->width(), image->height(),
                   Units::Pixels) {}
};
}  // namespace

Picture::Picture(Integer width, Integer height, Integer depth) {
    if (width < 1 || width > 32767 || height < 1 || height > 32767) {
        throw OutOfBoundsException("Width/Height needs to be in the range 1-32767");
    }
    if (depth != 32) {
        throw UnsupportedFormatException("a picture of depth " + std::to_string(depth));
    }
    image_ = std::make_shared<QImage>(static_cast<int>(width), static_cast<int>(height),
                                      QImage::Format_RGB32);
    if (image_->isNull()) {
        throw OutOfMemoryException("no memory for a picture of " + std::to_string(width) + " x " +
                                   std::to_string(height) + " pixels");
    }
    image_->fill(Qt::white);
    // One dot a drawing unit, in the whole dots per metre a PNG holds: 2835.
    const auto dotsPerMetre = static_cast<int>(std::lround(kUnitsPerInch / 0.0254));
    image_->setDotsPerMeterX(dotsPerMetre);
    image_->setDotsPerMeterY(dotsPerMetre);
}

Picture::Picture(const QImage& image) : image_(std::make_shared<QImage>(image)) {}

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

std::shared_ptr<Graphics> Picture::Graphics() {
    if (!graphics_) {
        // A painter cannot draw on indexed colours, as a picture file may hold.
        if (image_->format() == QImage::Format_Indexed8 ||
            image_->format() == QImage::Format_Mono || image_->format() == QImage::Format_MonoLSB) {
            *image_ = image_->convertToFormat(QImage::Format_ARGB32);
        }
        graphics_ = std::make_shared<PictureGraphics>(image_);
    }
    return graphics_;
}

void Picture::Save(const std::shared_ptr<FolderItem>& file, SaveFormat format, Integer quality) {
    if (!file) throw NilObjectException("Picture.Save was given no file");
    if (format != SaveAsPNG) throw UnsupportedFormatException("a picture format");
    const std::string path = file->NativePath();
    auto fail = [&](const QString& reason) {
        throw IOException(SaveFailure(path, reason.toStdString()));
    };

    // Encoded in memory first: the file is given the whole picture or nothing.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(static_cast<int>(quality));
    if (!writer.write(*image_)) fail(writer.errorString());

    const auto opened = ReplacingFile::Open(QString::fromStdString(path));
    if (!opened.file) fail(opened.reason);
    if (!opened.file->Write(encoded) || !opened.file->Commit()) fail(opened.file->ErrorString());
}

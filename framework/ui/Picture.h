#pragma once

#include <memory>
#include <string>

#include "framework/runtime/Types.h"
#include "framework/ui/FolderItem.h"

class Graphics;
class QImage;

// A picture in memory. A new one is white, at 72 dots per inch: drawn at one
// unit per pixel, it prints at full size, and its text sizes are pixels.
class Picture {
  public:
    enum SaveFormat { SaveAsPNG };
    static constexpr Integer QualityDefault = -1;

    // A white picture. OutOfBoundsException unless width and height lie in 1
    // to 32767; the depth is 32 (UnsupportedFormatException for another).
    Picture(Integer width, Integer height, Integer depth);
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The named picture file among the application's own files, or nullptr
    // when it is missing or holds no picture Qt can read.
    static std::shared_ptr<Picture> _OpenFromApp(const std::string& name);

    Integer Width() const;
    Integer Height() const;

    // 1: white pixels are not drawn, so whatever lies beneath shows through;
    // 0: every pixel is drawn. Other values raise OutOfBoundsException.
    Integer Transparent() const { return transparent_; }
    void setTransparent(Integer value);

    // The picture's drawing surface, the same one at every call.
    std::shared_ptr<class Graphics> Graphics();

    // Writes the picture to the file, replacing it whole: a failure raises
    // IOException naming the file and the reason and leaves the earlier file
    // as it was. NilObjectException when `file` is nil.
    void Save(const std::shared_ptr<FolderItem>& file, SaveFormat format,
              Integer quality = QualityDefault);

    const QImage& _Image() const { return *image_; }
    // The picture as drawing puts it down, with Transparent applied.
    QImage _ImageToDraw() const;

  private:
    // Shared with the drawing surface, which must not outlive its pixels.
    std::shared_ptr<QImage> image_;
    std::shared_ptr<class Graphics> graphics_;
    Integer transparent_ = 0;
};

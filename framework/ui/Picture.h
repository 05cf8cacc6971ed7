#pragma once

#include <memory>
#include <string>

#include "framework/runtime/Types.h"

class QImage;

// A picture in memory.
class Picture {
  public:
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

    const QImage& _Image() const { return *image_; }
    // The picture as drawing puts it down, with Transparent applied.
    QImage _ImageToDraw() const;

  private:
    std::unique_ptr<QImage> image_;
    Integer transparent_ = 0;
};

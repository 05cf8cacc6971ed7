#pragma once

#include <functional>
#include <memory>

#include "framework/ui/RectControl.h"

class Graphics;
class Picture;

// A surface the program draws on: the Backdrop picture, if any, at the
// top-left corner in its own size, then whatever Paint draws on a Graphics
// covering the whole canvas each time the toolkit repaints it.
class Canvas : public RectControl {
  public:
    Canvas();

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void setBackdrop(std::shared_ptr<Picture> picture);

    void _SetProperty(const LayoutProperty& property) override;
    void _RaisePaint(Graphics& g);

    std::function<void(Canvas&, Graphics&)> Paint;

  private:
    std::shared_ptr<Picture> backdrop_;
};

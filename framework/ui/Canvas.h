#pragma once

#include <functional>

#include "framework/ui/RectControl.h"

class Graphics;

// A surface the program draws on: Paint gets a Graphics covering the whole
// canvas each time the toolkit repaints it.
class Canvas : public RectControl {
  public:
    Canvas();
    void _SetProperty(const LayoutProperty& property) override;
    void _RaisePaint(Graphics& g);

    std::function<void(Canvas&, Graphics&)> Paint;
};

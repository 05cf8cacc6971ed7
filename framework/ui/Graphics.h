#pragma once

#include "framework/runtime/Types.h"
#include "framework/ui/Color.h"

class QPainter;

// A drawing surface of Width x Height with its origin at the top-left
// corner; what falls outside is clipped.
class Graphics {
  public:
    Graphics(QPainter& painter, Integer width, Integer height);

    Integer Width() const { return width_; }
    Integer Height() const { return height_; }

    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color color);

    // A one-pixel line in ForeColor.
    void DrawLine(Double x1, Double y1, Double x2, Double y2);

  private:
    QPainter& painter_;
    Integer width_, height_;
    Color foreColor_;
};

#include "framework/ui/Graphics.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include "framework/ui/QtColor.h"

Graphics::Graphics(QPainter& painter, Integer width, Integer height)
    : painter_(painter), width_(width), height_(height) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(0, 0, static_cast<int>(width), static_cast<int>(height),
                         Qt::IntersectClip);
    setForeColor(foreColor_);
}

void Graphics::setForeColor(Color color) {
    foreColor_ = color;
    painter_.setPen(QPen(ToQColor(color), 0));  // width 0: one device pixel
}

void Graphics::DrawLine(Double x1, Double y1, Double x2, Double y2) {
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}

#include "framework/ui/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/Graphics.h"

namespace {
class CanvasWidget : public QWidget {
  public:
    explicit CanvasWidget(Canvas& canvas) : canvas_(canvas) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Graphics g(painter, width(), height());
        canvas_._RaisePaint(g);
    }

  private:
    Canvas& canvas_;
};
}  // namespace

Canvas::Canvas() : RectControl(new CanvasWidget(*this), "Canvas") {}

void Canvas::_RaisePaint(Graphics& g) {
    if (Paint) _RaisePaintEvent([&] { Paint(*this, g); });
}

void Canvas::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "AcceptFocus") {
        Handle()->setFocusPolicy(PropertyValue<Boolean>(property) ? Qt::StrongFocus : Qt::NoFocus);
    } else if (name == "DoubleBuffer" || name == "EraseBackground") {
        PropertyValue<Boolean>(property);  // Qt always paints through a back buffer
    } else {
        RectControl::_SetProperty(property);
    }
}

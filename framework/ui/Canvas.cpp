#include "framework/ui/Canvas.h"

#include <utility>

#include <QPainter>
#include <QWidget>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"

namespace {
class CanvasWidget : public QWidget {
  public:
    explicit CanvasWidget(Canvas& canvas) : canvas_(canvas) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (const auto backdrop = canvas_.Backdrop()) {
            painter.drawImage(0, 0, backdrop->_ImageToDraw());
        }
        Graphics g(painter, width(), height());
        canvas_._RaisePaint(g);
    }

  private:
    Canvas& canvas_;
};
}  // namespace

Canvas::Canvas() : RectControl(new CanvasWidget(*this), "Canvas") {}

void Canvas::setBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Handle()->update();
}

void Canvas::_RaisePaint(Graphics& g) {
    if (Paint) EventDispatch::RaisePaintEvent([&] { Paint(*this, g); });
}

void Canvas::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "AcceptFocus") {
        Handle()->setFocusPolicy(PropertyValue<Boolean>(property) ? Qt::StrongFocus : Qt::NoFocus);
    } else if (name == "DoubleBuffer" || name == "EraseBackground") {
        PropertyValue<Boolean>(property);  // Qt always paints through a back buffer
    } else if (name == "AcceptTabs") {
        PropertyValue<Boolean>(property);  // a canvas takes no typing
    } else {
        RectControl::_SetProperty(property);
    }
}

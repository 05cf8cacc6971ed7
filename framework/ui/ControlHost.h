#pragma once

#include <memory>
#include <string>

#include <QSize>

class QWidget;
class RectControl;

// What a control needs of the window it is placed in: where its widget goes,
// how far the window has been resized, and the control it lies inside.
class ControlHost {
  public:
    virtual ~ControlHost() = default;

    virtual QWidget* _ContentWidget() const = 0;
    // How far the client area differs from its design size.
    virtual QSize _SizeDelta() const = 0;
    // NilObjectException when no control has that name.
    virtual std::shared_ptr<RectControl> _ControlByName(const std::string& name) const = 0;
};

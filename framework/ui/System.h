#pragma once

#include <memory>
#include <string>

#include <Qt>

// The shape of the mouse pointer over a control.
class MouseCursor {
  public:
    explicit MouseCursor(Qt::CursorShape shape) : shape_(shape) {}
    Qt::CursorShape _Shape() const { return shape_; }

  private:
    Qt::CursorShape shape_;
};

namespace System::Cursors {
// The pointing hand that links show.
std::shared_ptr<MouseCursor> FingerPointer();
}  // namespace System::Cursors

// Opens the address in the user's web browser, or whatever the desktop has
// for its scheme. A failure is not reported: there is nothing the caller
// could do about it.
void ShowURL(const std::string& url);

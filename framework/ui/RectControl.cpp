#include "framework/ui/RectControl.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QApplication>
#include <QFont>
#include <QWidget>

#include "framework/ui/ControlHost.h"
#include "framework/ui/System.h"

RectControl::RectControl(QWidget* widget, std::string className)
    : widget_(widget), className_(std::move(className)) {}

RectControl::~RectControl() { delete widget_.data(); }

Boolean RectControl::Enabled() const { return !widget_->testAttribute(Qt::WA_ForceDisabled); }
void RectControl::setEnabled(Boolean value) { widget_->setEnabled(value); }
QWidget* RectControl::Handle() const { return widget_; }

void RectControl::setVisible(Boolean value) {
    visible_ = value;
    if (window_) widget_->setVisible(value);
}

void RectControl::setMouseCursor(std::shared_ptr<class MouseCursor> cursor) {
    mouseCursor_ = std::move(cursor);
    if (mouseCursor_) {
        widget_->setCursor(mouseCursor_->_Shape());
    } else {
        widget_->unsetCursor();
    }
}

QRect RectControl::_WindowRect() const {
    QRect rect = designRect_;
    if (!window_) return rect;
    const QSize delta = window_->_SizeDelta();
    if (lockRight_ && lockLeft_) rect.setWidth(std::max(0, rect.width() + delta.width()));
    if (lockRight_ && !lockLeft_) rect.translate(delta.width(), 0);
    if (lockBottom_ && lockTop_) rect.setHeight(std::max(0, rect.height() + delta.height()));
    if (lockBottom_ && !lockTop_) rect.translate(0, delta.height());
    return rect;
}

void RectControl::_Attach(ControlHost& window) {
    window_ = &window;
    _Place();
}

void RectControl::_Place() {
    if (!window_) return;
    QWidget* parent = window_->_ContentWidget();
    QPoint origin;
    if (!initialParent_.empty()) {
        auto container = window_->_ControlByName(initialParent_);
        parent = container->Handle();
        origin = container->_WindowRect().topLeft();
    }
    if (widget_->parentWidget() != parent) widget_->setParent(parent);
    widget_->setGeometry(_WindowRect().translated(-origin));
    widget_->setVisible(visible_);
}

void RectControl::applyFont() {
    QFont font = QApplication::font();
    if (textFont_ != "System") font.setFamily(QString::fromStdString(textFont_));
    // Design sizes are points of a 72-dpi screen, which is one pixel each.
    if (textSize_ > 0) font.setPixelSize(static_cast<int>(std::lround(textSize_)));
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    widget_->setFont(font);
}

void RectControl::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    auto integer = [&] { return static_cast<int>(PropertyValue<Integer>(property)); };
    auto boolean = [&] { return PropertyValue<Boolean>(property); };
    auto text = [&] { return PropertyValue<std::string>(property); };

    if (name == "Name") {
        name_ = text();
    } else if (name == "Left") {
        designRect_.moveLeft(integer());
    } else if (name == "Top") {
        designRect_.moveTop(integer());
    } else if (name == "Width") {
        designRect_.setWidth(integer());
    } else if (name == "Height") {
        designRect_.setHeight(integer());
    } else if (name == "InitialParent") {
        initialParent_ = text();
    } else if (name == "LockLeft") {
        lockLeft_ = boolean();
    } else if (name == "LockTop") {
        lockTop_ = boolean();
    } else if (name == "LockRight") {
        lockRight_ = boolean();
    } else if (name == "LockBottom") {
        lockBottom_ = boolean();
    } else if (name == "Enabled") {
        setEnabled(boolean());
    } else if (name == "Visible") {
        setVisible(boolean());
    } else if (name == "TabIndex") {
        tabIndex_ = PropertyValue<Integer>(property);
    } else if (name == "TabStop") {
        if (!boolean()) widget_->setFocusPolicy(Qt::NoFocus);
    } else if (name == "HelpTag") {
        widget_->setToolTip(QString::fromStdString(text()));
    } else if (name == "TextFont") {
        textFont_ = text(), applyFont();
    } else if (name == "TextSize") {
        textSize_ = PropertyValue<float>(property), applyFont();
    } else if (name == "Bold") {
        bold_ = boolean(), applyFont();
    } else if (name == "Italic") {
        italic_ = boolean(), applyFont();
    } else if (name == "Underline") {
        underline_ = boolean(), applyFont();
    } else if (name == "TextUnit") {
        PropertyValue<TextUnit>(property);  // sizes are always points here
    } else if (name == "Index" || name == "TabPanelIndex") {
        PropertyValue<Integer>(property);  // no control arrays, no tab panels
    } else if (name == "AutoDeactivate" || name == "Transparent" || name == "UseFocusRing") {
        boolean();  // the toolkit's own drawing decides these
    } else if (name == "DataField" || name == "DataSource") {
        text();  // no database binding
    } else {
        _NoSuchProperty(property, className_);
    }
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height" ||
        name == "InitialParent") {
        _Place();
    }
}

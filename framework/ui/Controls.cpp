#include "framework/ui/Controls.h"

#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/QtColor.h"

namespace {
QString qText(const LayoutProperty& property) {
    return QString::fromStdString(PropertyValue<std::string>(property));
}

QColor qColor(const LayoutProperty& property) { return ToQColor(PropertyValue<Color>(property)); }

void setPaletteColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

// A label's text: 0 left, 1 centred, 2 right.
Qt::Alignment labelAlignment(Integer value) {
    switch (value) {
        case 1:
            return Qt::AlignHCenter;
        case 2:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// A field's text: 0 is the platform's default, which is left here; then
// left, centre, right.
Qt::Alignment horizontalAlignment(Integer value) {
    switch (value) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// Raises the label's mouse events.
class LabelWidget : public QLabel {
  public:
    explicit LabelWidget(Label& label) : label_(label) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressed_ = false;
        if (event->button() == Qt::LeftButton && label_.MouseDown) {
            const QPoint at = event->position().toPoint();
            EventDispatch::RaiseEvent([&] { pressed_ = label_.MouseDown(label_, at.x(), at.y()); });
        }
        // Accepting the press is what brings its release here, even outside.
        if (pressed_) {
            event->accept();
        } else {
            QLabel::mousePressEvent(event);
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!pressed_ || event->button() != Qt::LeftButton) {
            QLabel::mouseReleaseEvent(event);
            return;
        }
        pressed_ = false;
        event->accept();
        const QPoint at = event->position().toPoint();
        if (label_.MouseUp)
            EventDispatch::RaiseEvent([&] { label_.MouseUp(label_, at.x(), at.y()); });
    }

  private:
    Label& label_;
    bool pressed_ = false;
};

// Formatting masks of the original platform have no toolkit equivalent.
void requireEmpty(const LayoutProperty& property, std::string_view className) {
    if (!PropertyValue<std::string>(property).empty()) {
        throw UnsupportedFormatException(std::string(className) + " does not support a " +
                                         property.name);
    }
}
}  // namespace

Label::Label()
    : RectControl(new LabelWidget(*this), "Label"), label_(static_cast<QLabel*>(Handle())) {
    label_->setTextFormat(Qt::PlainText);
}

void Label::_RaiseOpen() {
    if (Open) EventDispatch::RaiseEvent([this] { Open(*this); });
}

std::string Label::Text() const { return label_->text().toStdString(); }
void Label::setText(const std::string& value) { label_->setText(QString::fromStdString(value)); }

void Label::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "Text") {
        label_->setText(qText(property));
    } else if (name == "TextAlign") {
        label_->setAlignment(labelAlignment(PropertyValue<Integer>(property)) | Qt::AlignVCenter);
    } else if (name == "TextColor") {
        setPaletteColor(*label_, QPalette::WindowText, qColor(property));
    } else if (name == "Multiline") {
        label_->setWordWrap(PropertyValue<Boolean>(property));
    } else if (name == "Selectable") {
        label_->setTextInteractionFlags(PropertyValue<Boolean>(property) ? Qt::TextSelectableByMouse
                                                                         : Qt::NoTextInteraction);
    } else {
        RectControl::_SetProperty(property);
    }
}

TextField::TextField()
    : RectControl(new QLineEdit, "TextField"), field_(static_cast<QLineEdit*>(Handle())) {
    QObject::connect(field_, &QLineEdit::textChanged, field_, [this] {
        if (TextChange) EventDispatch::RaiseEvent([this] { TextChange(*this); });
    });
}

std::string TextField::Text() const { return field_->text().toStdString(); }
void TextField::setText(const std::string& value) {
    field_->setText(QString::fromStdString(value));
}

void TextField::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    auto boolean = [&] { return PropertyValue<Boolean>(property); };
    if (name == "Text") {
        field_->setText(qText(property));
    } else if (name == "Alignment") {
        field_->setAlignment(horizontalAlignment(PropertyValue<Integer>(property)));
    } else if (name == "LimitText") {
        const Integer limit = PropertyValue<Integer>(property);
        field_->setMaxLength(limit > 0 ? static_cast<int>(limit) : 32767);
    } else if (name == "ReadOnly") {
        field_->setReadOnly(boolean());
    } else if (name == "Password") {
        field_->setEchoMode(boolean() ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "AcceptTabs" || name == "AutomaticallyCheckSpelling") {
        boolean();  // a one-line field takes no tabs, and spelling is not checked here
    } else if (name == "Mask" || name == "Format") {
        requireEmpty(property, _ClassName());
    } else if (name == "CueText") {
        field_->setPlaceholderText(qText(property));
    } else if (name == "Border") {
        field_->setFrame(boolean());
    } else if (name == "BackColor") {
        setPaletteColor(*field_, QPalette::Base, qColor(property));
    } else if (name == "TextColor") {
        setPaletteColor(*field_, QPalette::Text, qColor(property));
    } else {
        RectControl::_SetProperty(property);
    }
}

CheckBox::CheckBox()
    : RectControl(new QCheckBox, "CheckBox"), box_(static_cast<QCheckBox*>(Handle())) {
    QObject::connect(box_, &QCheckBox::stateChanged, box_, [this] {
        if (Action) EventDispatch::RaiseEvent([this] { Action(*this); });
    });
}

Boolean CheckBox::Value() const { return box_->checkState() == Qt::Checked; }
void CheckBox::setValue(Boolean value) { box_->setCheckState(value ? Qt::Checked : Qt::Unchecked); }

Integer CheckBox::State() const {
    switch (box_->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void CheckBox::setState(Integer value) {
    if (value < 0 || value > 2)
        throw OutOfBoundsException("check box state " + std::to_string(value));
    if (value == 2) box_->setTristate(true);
    box_->setCheckState(value == 1   ? Qt::Checked
                        : value == 2 ? Qt::PartiallyChecked
                                     : Qt::Unchecked);
}

std::string CheckBox::Caption() const { return box_->text().toStdString(); }

void CheckBox::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "Caption") {
        box_->setText(qText(property));
    } else if (name == "Value") {
        setValue(PropertyValue<Boolean>(property));
    } else if (name == "State") {
        setState(PropertyValue<Integer>(property));
    } else {
        RectControl::_SetProperty(property);
    }
}

PopupMenu::PopupMenu()
    : RectControl(new QComboBox, "PopupMenu"), combo_(static_cast<QComboBox*>(Handle())) {
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this] {
        if (Change) EventDispatch::RaiseEvent([this] { Change(*this); });
    });
}

Integer PopupMenu::ListIndex() const { return combo_->currentIndex(); }

void PopupMenu::setListIndex(Integer index) {
    if (index < -1 || index >= ListCount()) {
        throw OutOfBoundsException("pop-up menu index " + std::to_string(index));
    }
    combo_->setCurrentIndex(static_cast<int>(index));
}

Integer PopupMenu::ListCount() const { return combo_->count(); }

std::string PopupMenu::List(Integer index) const {
    if (index < 0 || index >= ListCount()) {
        throw OutOfBoundsException("pop-up menu index " + std::to_string(index));
    }
    return combo_->itemText(static_cast<int>(index)).toStdString();
}

void PopupMenu::AddRow(const std::string& text) { combo_->addItem(QString::fromStdString(text)); }

void PopupMenu::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "InitialValue") {
        // Items are separated by carriage returns.
        combo_->clear();
        const QString items = qText(property);
        if (!items.isEmpty()) combo_->addItems(items.split(QChar('\r')));
        if (pendingListIndex_) setListIndex(*std::exchange(pendingListIndex_, std::nullopt));
    } else if (name == "ListIndex") {
        const Integer index = PropertyValue<Integer>(property);
        if (index < ListCount()) {
            setListIndex(index);
        } else {
            pendingListIndex_ = index;
        }
    } else {
        RectControl::_SetProperty(property);
    }
}

PushButton::PushButton()
    : RectControl(new QPushButton, "PushButton"), button_(static_cast<QPushButton*>(Handle())) {
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
        if (Action) EventDispatch::RaiseEvent([this] { Action(*this); });
    });
}

Boolean PushButton::Default() const { return button_->isDefault(); }

Boolean PushButton::_Press() {
    if (!button_->isEnabled() || !button_->isVisible()) return false;
    button_->click();
    return true;
}

Boolean PushButton::_PressForKey(int key) {
    const bool confirm = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool answers = confirm ? Default() : key == Qt::Key_Escape && Cancel();
    return answers && _Press();
}

void PushButton::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    if (name == "Caption") {
        button_->setText(qText(property));
    } else if (name == "Default") {
        button_->setDefault(PropertyValue<Boolean>(property));
    } else if (name == "Cancel") {
        cancel_ = PropertyValue<Boolean>(property);
    } else if (name == "ButtonStyle") {
        PropertyValue<Integer>(property);  // the platform's push button
    } else {
        RectControl::_SetProperty(property);
    }
}

GroupBox::GroupBox()
    : RectControl(new QGroupBox, "GroupBox"), group_(static_cast<QGroupBox*>(Handle())) {}

void GroupBox::_SetProperty(const LayoutProperty& property) {
    if (property.name == "Caption") {
        group_->setTitle(qText(property));
    } else {
        RectControl::_SetProperty(property);
    }
}

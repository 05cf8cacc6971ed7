#include "framework/ui/MenuItem.h"

#include <utility>

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>

#include "framework/runtime/Exceptions.h"

QKeySequence MenuItem::Shortcut() const {
    // "Cmd" stands for the primary modifier, which Qt calls Ctrl here.
    QString text = QString::fromStdString(keyboardShortcut_);
    text.replace(QLatin1String("Cmd+"), QLatin1String("Ctrl+"), Qt::CaseInsensitive);
    text.replace(QLatin1String("Option+"), QLatin1String("Alt+"), Qt::CaseInsensitive);
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    if (!item) throw NilObjectException("Append of a nil menu item");
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(Integer index) const {
    if (index < 0 || index >= Count()) {
        throw OutOfBoundsException("menu item index " + std::to_string(index));
    }
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
    }
    throw NilObjectException("no menu item named " + name + " in " + name_);
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->_Lookup(name)) return found;
    }
    return nullptr;
}

void MenuItem::_DefaultAction() const {
    // The standard Edit items work on the focused text field.
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!field) return;
    if (name_ == "EditUndo") field->undo();
    if (name_ == "EditCut") field->cut();
    if (name_ == "EditCopy") field->copy();
    if (name_ == "EditPaste") field->paste();
    if (name_ == "EditClear" && field->hasSelectedText()) field->del();
    if (name_ == "EditSelectAll") field->selectAll();
}

void QuitMenuItem::_DefaultAction() const {
    QApplication::closeAllWindows();
    QApplication::quit();
}

#include "framework/ui/Window.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/QtColor.h"
#include "framework/ui/RectControl.h"

// The toolkit window: the menu bar across the top, the client area below.
class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(Window& owner) : owner_(owner), content_(new QWidget(this)) {}

    QWidget* content() const { return content_; }
    QMenuBar* menuBar() const { return menuBar_; }

    QMenuBar* replaceMenuBar() {
        delete menuBar_;
        menuBar_ = new QMenuBar(this);
        return menuBar_;
    }
    int menuBarHeight() const {
        return menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
    }
    // Sizes the window for a client area of that size.
    void resizeContent(QSize size) { resize(size.width(), size.height() + menuBarHeight()); }
    void arrange() {
        const int top = menuBarHeight();
        if (menuBar_) menuBar_->setGeometry(0, 0, width(), top);
        content_->setGeometry(0, top, width(), std::max(0, height() - top));
        owner_._ContentResized();
    }

    QPointer<QEventLoop> modalLoop;

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        arrange();
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        owner_._Closed();
    }
    // Return and Escape that no control took press the default and the
    // cancel button.
    void keyPressEvent(QKeyEvent* event) override {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && owner_._PressButtonForKey(event->key())) {
            event->accept();
            return;
        }
        QWidget::keyPressEvent(event);
    }

  private:
    Window& owner_;
    QWidget* content_;
    QMenuBar* menuBar_ = nullptr;
};

namespace {
std::vector<std::shared_ptr<Window>>& openWindows() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

void addMenuItems(QMenu& menu, const MenuItem& parent, Window& window);

void addMenuItem(QWidget& menu, const std::shared_ptr<MenuItem>& item, Window& window) {
    if (item->Count() > 0) {
        auto* submenu = new QMenu(QString::fromStdString(item->Text()), &menu);
        submenu->menuAction()->setVisible(item->Visible());
        addMenuItems(*submenu, *item, window);
        menu.addAction(submenu->menuAction());
        return;
    }
    // A separator shows its line only: styles draw a separator's text beside it.
    auto* action =
        new QAction(item->IsSeparator() ? QString() : QString::fromStdString(item->Text()), &menu);
    action->setObjectName(QString::fromStdString(item->Name()));
    action->setSeparator(item->IsSeparator());
    action->setVisible(item->Visible());
    action->setShortcut(item->Shortcut());
    action->setMenuRole(QAction::NoRole);
    QObject::connect(action, &QAction::triggered, action,
                     [item, &window] { window._MenuItemChosen(*item); });
    menu.addAction(action);
}

void addMenuItems(QMenu& menu, const MenuItem& parent, Window& window) {
    for (Integer i = 0; i < parent.Count(); ++i) addMenuItem(menu, parent.Item(i), window);
}
}  // namespace

Window::Window() : widget_(std::make_unique<WindowWidget>(*this)) {
    widget_->content()->resize(designSize_);
    widget_->resizeContent(designSize_);
}

Window::~Window() {
    controls_.clear();
    widget_.reset();
}

std::shared_ptr<Window> Window::_GetImplicitWindow(std::string_view registeredName) {
    for (const auto& window : openWindows()) {
        if (window->registeredName_ == registeredName) return window;
    }
    return nullptr;
}

std::vector<std::shared_ptr<Window>> Window::_OpenWindows() { return openWindows(); }

void Window::_Construct(std::string_view registeredName) {
    registeredName_ = registeredName;
    open_ = true;
    openWindows().push_back(shared_from_this());
    try {
        Layout();
        CreateControls();
    } catch (...) {
        _Closed();
        throw;
    }
    constructed_ = true;
    orderFocusChain();
    auto self = shared_from_this();
    EventDispatch::RaiseEvent([&] { AddMenuHandlers(self); });
    for (const auto& [name, control] : controls_) control->_RaiseOpen();
    // Shown and opened from the event loop, once the constructing code has the
    // window: a window that code shows modally first is mapped once, already
    // modal, as window managers may lose a map that follows an unmap at once.
    QTimer::singleShot(0, widget_.get(), [this] {
        if (!open_) return;
        if (visible_ && !widget_->isVisible()) Show();
        EventDispatch::RaiseEvent([this] { Event_Open(); });
    });
}

Integer Window::Width() const { return widget_->content()->width(); }
Integer Window::Height() const { return widget_->content()->height(); }
std::string Window::Title() const { return widget_->windowTitle().toStdString(); }
Boolean Window::Visible() const { return open_ && visible_; }

void Window::setMenuBar(std::shared_ptr<class MenuBar> menuBar) {
    EventDispatch::RequireUIThread();
    const QSize content = widget_->content()->size();
    menuBar_ = std::move(menuBar);
    QMenuBar* bar = widget_->replaceMenuBar();
    if (menuBar_) {
        for (Integer i = 0; i < menuBar_->Count(); ++i) {
            auto title = menuBar_->Item(i);
            auto* menu = bar->addMenu(QString::fromStdString(title->Text()));
            menu->setObjectName(QString::fromStdString(title->Name()));
            menu->menuAction()->setVisible(title->Visible());
            addMenuItems(*menu, *title, *this);
        }
    }
    bar->setVisible(menuBar_ && menuBarVisible_);
    applySizeLimits();
    widget_->resizeContent(content);
    widget_->arrange();
}

void Window::Show() {
    visible_ = true;
    if (!placed_) {
        placed_ = true;
        if (QWidget* front = windowInFront()) placeOver(*front);
    }
    widget_->show();
    widget_->activateWindow();
}

void Window::ShowModal() {
    auto self = shared_from_this();  // closing releases the framework's hold
    // Modality takes effect when the window is shown; only a window that is
    // already on screen has to be hidden for it.
    if (widget_->isVisible()) widget_->hide();
    widget_->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    widget_->modalLoop = &loop;
    if (open_) loop.exec();
}

void Window::Close() {
    if (!open_) return;
    widget_->close();
    _Closed();
}

void Window::_Closed() {
    if (!open_) return;
    open_ = false;
    widget_->hide();
    if (widget_->modalLoop) widget_->modalLoop->quit();
    auto& windows = openWindows();
    auto self = std::find(windows.begin(), windows.end(), shared_from_this());
    if (self == windows.end()) return;
    // Released from the event loop, never inside one of the window's own handlers.
    QTimer::singleShot(0, qApp, [held = std::move(*self)] {});
    windows.erase(self);
}

void Window::_AddControl(const std::string& name, std::shared_ptr<RectControl> control) {
    if (!control) throw NilObjectException("control " + name + " is nil");
    controls_.emplace_back(name, std::move(control));
    controls_.back().second->_Attach(*this);
}

std::shared_ptr<RectControl> Window::_ControlByName(const std::string& name) const {
    for (const auto& [controlName, control] : controls_) {
        if (controlName == name) return control;
    }
    throw NilObjectException("no control named " + name);
}

Boolean Window::_PressButtonForKey(int key) {
    for (const auto& [name, control] : controls_) {
        if (control->_PressForKey(key)) return true;
    }
    return false;
}

// The active window, or else the newest other window on screen.
QWidget* Window::windowInFront() const {
    QWidget* front = QApplication::activeWindow();
    if (front == widget_.get()) front = nullptr;
    if (!front) {
        for (const auto& window : openWindows()) {
            if (window.get() != this && window->widget_->isVisible()) front = window->Handle();
        }
    }
    return front;
}

// A dialog, or a window placed over its parent, stays above that window;
// the latter is also centred over it and kept on its screen.
void Window::placeOver(QWidget& parent) {
    const bool dialog = frame_ == kFrameMovableModal;
    const bool centred = placement_ == kPlacementOverParent;
    if (!dialog && !centred) return;
    if (centred) {
        QRect area(QPoint(), widget_->size());
        area.moveCenter(parent.geometry().center());
        if (const QScreen* screen = parent.screen()) {
            const QRect available = screen->availableGeometry();
            area.moveRight(std::min(area.right(), available.right()));
            area.moveBottom(std::min(area.bottom(), available.bottom()));
            area.moveLeft(std::max(area.left(), available.left()));
            area.moveTop(std::max(area.top(), available.top()));
        }
        widget_->setGeometry(area);
    }
    widget_->winId();  // the toolkit window, to name its parent
    if (QWindow* handle = widget_->windowHandle())
        handle->setTransientParent(parent.windowHandle());
}

std::shared_ptr<MenuItem> Window::_LookupMenuItem(const std::string& name) const {
    return menuBar_->_Lookup(name);
}

void Window::_AddMenuHandler(const std::string& name, std::function<Boolean()> handler) {
    menuHandlers_[name] = std::move(handler);
}

void Window::_MenuItemChosen(const MenuItem& item) {
    auto self = shared_from_this();  // a handler may close the window
    if (auto found = menuHandlers_.find(item.Name()); found != menuHandlers_.end()) {
        const auto handler = found->second;
        Boolean handled = false;
        if (!EventDispatch::RaiseEvent([&] { handled = handler(); }) || handled) return;
    }
    EventDispatch::RaiseEvent([&] { item._DefaultAction(); });
}

QWidget* Window::Handle() const { return widget_.get(); }
QWidget* Window::_ContentWidget() const { return widget_->content(); }
QSize Window::_SizeDelta() const { return widget_->content()->size() - designSize_; }

void Window::_ContentResized() {
    for (const auto& [name, control] : controls_) control->_Place();
}

void Window::applySizeLimits() {
    const int menuBar = widget_->menuBarHeight();
    const QSize extra(0, menuBar);
    if (resizeable_) {
        widget_->setMinimumSize(minSize_ + extra);
        widget_->setMaximumSize(
            (maxSize_ + extra).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
    } else {
        widget_->setFixedSize(designSize_ + extra);
    }
}

void Window::applyBackColor() {
    QWidget* content = widget_->content();
    content->setAutoFillBackground(hasBackColor_);
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, hasBackColor_ ? ToQColor(backColor_)
                                                     : widget_->palette().color(QPalette::Window));
    content->setPalette(palette);
}

void Window::orderFocusChain() {
    // Controls take the focus by TabIndex within their container, a
    // container's controls right after it.
    std::vector<RectControl*> chain;
    std::function<void(const std::string&)> addChildren = [&](const std::string& parent) {
        std::vector<RectControl*> children;
        for (const auto& [name, control] : controls_) {
            if (control->InitialParent() == parent) children.push_back(control.get());
        }
        std::stable_sort(children.begin(), children.end(),
                         [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
        for (RectControl* child : children) {
            if (child->Handle()->focusPolicy() != Qt::NoFocus) chain.push_back(child);
            addChildren(child->Name());
        }
    };
    addChildren("");
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->Handle(), chain[i]->Handle());
    }
    // Typing goes to the first text field, also where a button comes before
    // it: buttons and pop-ups take the focus when tabbed to.
    const auto field = std::find_if(chain.begin(), chain.end(),
                                    [](RectControl* control) { return control->_TakesTyping(); });
    if (field != chain.end()) (*field)->Handle()->setFocus(Qt::OtherFocusReason);
}

void Window::_SetProperty(const LayoutProperty& property) {
    const std::string& name = property.name;
    auto integer = [&] { return static_cast<int>(PropertyValue<Integer>(property)); };
    auto boolean = [&] { return PropertyValue<Boolean>(property); };
    Qt::WindowFlags flags = widget_->windowFlags() | Qt::Window | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    auto flag = [&](Qt::WindowType hint) {
        widget_->setWindowFlags(boolean() ? flags | hint : flags & ~hint);
    };

    if (name == "Width" || name == "Height") {
        (name == "Width" ? designSize_.rwidth() : designSize_.rheight()) = integer();
        applySizeLimits();
        widget_->resizeContent(designSize_);
        widget_->arrange();
    } else if (name == "MinWidth" || name == "MinHeight") {
        (name == "MinWidth" ? minSize_.rwidth() : minSize_.rheight()) = integer();
        applySizeLimits();
    } else if (name == "MaxWidth" || name == "MaxHeight") {
        (name == "MaxWidth" ? maxSize_.rwidth() : maxSize_.rheight()) = integer();
        applySizeLimits();
    } else if (name == "Title") {
        widget_->setWindowTitle(QString::fromStdString(PropertyValue<std::string>(property)));
    } else if (name == "Resizeable") {
        resizeable_ = boolean();
        applySizeLimits();
    } else if (name == "Visible") {
        visible_ = boolean();
        if (constructed_) widget_->setVisible(visible_);
    } else if (name == "MenuBarVisible") {
        menuBarVisible_ = boolean();
        if (widget_->menuBar()) widget_->menuBar()->setVisible(menuBar_ && menuBarVisible_);
    } else if (name == "CloseButton") {
        flag(Qt::WindowCloseButtonHint);
    } else if (name == "MinimizeButton") {
        flag(Qt::WindowMinimizeButtonHint);
    } else if (name == "MaximizeButton") {
        flag(Qt::WindowMaximizeButtonHint);
    } else if (name == "FullScreen") {
        if (boolean()) widget_->setWindowState(Qt::WindowFullScreen);
    } else if (name == "FullScreenButton" || name == "Composite" || name == "LiveResize") {
        boolean();  // the window manager decides these
    } else if (name == "HasBackColor") {
        hasBackColor_ = boolean();
        applyBackColor();
    } else if (name == "Placement") {
        placement_ = integer();  // any other than over the parent: the window manager's
    } else if (name == "Frame") {
        // A movable modal window is a dialog, which window managers keep
        // above its parent; every other frame is a titled top-level window.
        frame_ = integer();
        const Qt::WindowType type = frame_ == kFrameMovableModal ? Qt::Dialog : Qt::Window;
        widget_->setWindowFlags((widget_->windowFlags() & ~Qt::WindowType_Mask) | type);
    } else if (name == "MacProcID") {
        integer();
    } else if (name == "BackColor") {
        backColor_ = PropertyValue<Color>(property);
        applyBackColor();
    } else {
        _NoSuchProperty(property, "Window");
    }
}

#include "framework/ui/Window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "framework/ui/ControlPeer.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Lifecycle.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/MenuBarView.h"
#include "framework/core/ClassRecords.h"
#include "framework/ui/PropertyRules.h"
#include "framework/ui/QtText.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/WindowPeer.h"

namespace fw {

namespace {

std::vector<std::shared_ptr<Window>>& OpenWindowList() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

// A maximum of 0 sets no limit.
int SizeLimit(std::int32_t value, int extra = 0) { return value > 0 ? value + extra : QWIDGETSIZE_MAX; }

// Width and Height are the content's; the menu bar sits above it.
void ApplySize(Window& window) {
    WindowPeer& peer = window.Peer();
    const int menuBar = peer.MenuBarHeight();
    const QSize size(window.Int32Property("Width"), window.Int32Property("Height") + menuBar);
    if (window.BooleanProperty("Resizeable")) {
        peer.widget->setMinimumSize(window.Int32Property("MinWidth"), window.Int32Property("MinHeight") + menuBar);
        peer.widget->setMaximumSize(SizeLimit(window.Int32Property("MaxWidth")),
                                    SizeLimit(window.Int32Property("MaxHeight"), menuBar));
        peer.widget->resize(size);
    } else {
        peer.widget->setFixedSize(size);
    }
}

void ApplyFrame(Window& window) {
    QWidget& widget = *window.Peer().widget;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (window.BooleanProperty("CloseButton")) flags |= Qt::WindowCloseButtonHint;
    if (window.BooleanProperty("MinimizeButton")) flags |= Qt::WindowMinimizeButtonHint;
    if (window.BooleanProperty("MaximizeButton") && window.BooleanProperty("Resizeable")) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (flags == widget.windowFlags()) return;
    const bool shown = widget.isVisible();
    widget.setWindowFlags(flags);  // hides the window
    if (shown) widget.show();
    ApplySize(window);
}

void ApplyTitle(Window& window) { window.Peer().widget->setWindowTitle(ToQString(window.TextProperty("Title"))); }

void ApplyVisible(Window& window) {
    if (window.IsOpen()) window.Peer().widget->setVisible(window.BooleanProperty("Visible"));
}

void ApplyMenuBarVisible(Window& window) {
    if (QMenuBar* bar = window.Peer().widget->menuBar()) bar->setVisible(window.BooleanProperty("MenuBarVisible"));
    ApplySize(window);
}

constexpr auto Boolean = PropertyType::Boolean;
constexpr auto Int32 = PropertyType::Int32;

const std::array<PropertyRule<Window>, 21> kRules{{
    {"Placement", Int32},
    {"Width", Int32, &ApplySize},
    {"Height", Int32, &ApplySize},
    {"MinWidth", Int32, &ApplySize},
    {"MinHeight", Int32, &ApplySize},
    {"MaxWidth", Int32, &ApplySize},
    {"MaxHeight", Int32, &ApplySize},
    {"Frame", Int32},
    {"Composite", Boolean},
    {"HasBackColor", Boolean},
    {"BackColor", PropertyType::Colour},
    {"Title", PropertyType::String, &ApplyTitle},
    {"Visible", Boolean, &ApplyVisible},
    {"FullScreen", Boolean},
    {"MenuBarVisible", Boolean, &ApplyMenuBarVisible},
    {"CloseButton", Boolean, &ApplyFrame},
    {"Resizeable", Boolean, &ApplyFrame},
    {"LiveResize", Boolean},
    {"MaximizeButton", Boolean, &ApplyFrame},
    {"MinimizeButton", Boolean, &ApplyFrame},
    {"MacProcID", Int32},
}};

QPushButton* DefaultButton(QWidget& window) {
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isEnabled() && button->isVisible()) return button;
    }
    return nullptr;
}

}  // namespace

WindowWidget::WindowWidget(std::weak_ptr<Window> owner) : owner_(std::move(owner)) {
    setCentralWidget(new QWidget);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->accept();
    RunEventHandler([this] {
        if (auto window = owner_.lock()) window->Close();
    });
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (QPushButton* button = returnKey ? DefaultButton(*this) : nullptr) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

WindowPeer::WindowPeer(std::weak_ptr<Window> owner) : widget(new WindowWidget(std::move(owner))) {}

WindowPeer::~WindowPeer() {
    if (modalLoop) modalLoop->quit();
    DisposeWidget(widget);
}

int WindowPeer::MenuBarHeight() const {
    QMenuBar* bar = widget->menuWidget() ? widget->menuBar() : nullptr;
    return bar && !bar->isHidden() ? bar->sizeHint().height() : 0;
}

void DisposeWidget(QWidget* widget) {
    if (!widget) return;
    widget->hide();
    if (EventHandlerDepth() > 0) widget->deleteLater();
    else delete widget;
}

Window::Window() = default;
Window::~Window() = default;

const ClassRecord& Window::Lookup() {
    static const ClassRecord record = [] {
        ClassRecord r;
        r.name = "Window";
        r.base = &ObjectRecord();
        for (const char* operation :
             {"Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh", "RefreshRect", "ShowModal",
              "NewDragItem", "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop", "AcceptMacDataDrop",
              "AcceptRawDataDrop", "Control", "SetFocus", "DrawInto", "_DrawBackground", "UpdateNow",
              "_AddControl", "_AddMenuHandler", "Window", "Operator_Convert", "__New", "_Move", "Maximize",
              "Minimize", "Restore", "_Update", "_CallMoved", "_EnableMenuItems", "_CallActivated",
              "_CallDeactivated", "_HandleMenuCommand", "_UnifiedClose", "_CallMouseDown", "_CallResized",
              "_CallResizing", "_RemoveControl", "_MouseEnter", "_MouseExit", "_MouseMove", "_Paint",
              "_MouseWheel", "_KeyDown", "__DependencyList", "Constructor", "TrueWindow", "FocusNext",
              "FocusPrevious", "_ControlByName", "_ControlByNameIndex"}) {
            r.virtualOperations.push_back(std::string("Window.") + operation);
        }
        r.attributes = kPublic;
        r.newObject = &NewObject<Window>;
        return r;
    }();
    return record;
}

WindowPeer& Window::Peer() {
    if (!peer_) {
        peer_ = std::make_unique<WindowPeer>(std::static_pointer_cast<Window>(shared_from_this()));
        peer_->widget->setObjectName(QString::fromStdString(Record().name));
        if (menuBar_) ShowMenuBar(*peer_->widget, *menuBar_);
        ApplyAllProperties();
    }
    return *peer_;
}

void Window::Constructor() {
    Peer();
    HandleLayout();
    HandleCreateControls();
    OrderTabStops();
    open_ = true;
    OpenWindowList().push_back(std::static_pointer_cast<Window>(shared_from_this()));
    ApplyVisible(*this);
    HandleOpen();
}

void Window::Close() {
    if (!open_) return;
    open_ = false;
    const auto self = shared_from_this();
    auto& windows = OpenWindowList();
    windows.erase(std::remove(windows.begin(), windows.end(), self), windows.end());
    peer_.reset();
    // With no window left there is nothing the user could go on with.
    if (windows.empty() && _RuntimeRunning()) Quit(0);
}

void Window::ShowModal() {
    if (!open_) return;
    const auto self = shared_from_this();
    QEventLoop loop;
    WindowWidget& widget = *Peer().widget;
    widget.hide();
    widget.setWindowModality(Qt::ApplicationModal);
    widget.show();
    widget.activateWindow();
    peer_->modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    if (peer_) peer_->modalLoop = nullptr;
}

std::shared_ptr<RectControl> Window::New(const ClassRecord& controlClass) {
    auto control = RuntimeCheckCast<RectControl>(RuntimeNewObject(controlClass));
    Checked(control).window_ = std::static_pointer_cast<Window>(shared_from_this());
    return control;
}

void Window::_AddControl(const String& name, std::shared_ptr<RectControl> control) {
    controls_.emplace_back(name, std::move(control));
}

std::shared_ptr<RectControl> Window::_ControlByName(const String& name) const {
    for (const auto& [controlName, control] : controls_) {
        if (controlName == name) return control;
    }
    return nullptr;
}

void Window::CreateControl(const ClassRecord& controlClass, const String& name) {
    auto control = New(controlClass);
    Checked(control).Constructor();
    _AddControl(name, std::move(control));
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> menuBar) {
    menuBar_ = std::move(menuBar);
    if (peer_ && menuBar_) {
        ShowMenuBar(*peer_->widget, *menuBar_);
        ApplyMenuBarVisible(*this);
    }
}

std::shared_ptr<MenuBar> Window::GetMenuBar() const { return menuBar_; }

std::optional<PropertyType> Window::DeclaredType(std::string_view name) const {
    return RuleType<Window>(kRules, name);
}

void Window::ApplyProperty(std::string_view name) {
    if (peer_) ApplyRule<Window>(kRules, *this, name);
}

void Window::OrderTabStops() {
    std::vector<RectControl*> order;
    for (const auto& [name, control] : controls_) {
        if (control && control->Peer()) order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const RectControl* a, const RectControl* b) {
        return a->Int32Property("TabIndex") < b->Int32Property("TabIndex");
    });
    for (std::size_t index = 1; index < order.size(); ++index) {
        QWidget::setTabOrder(order[index - 1]->Peer()->widget, order[index]->Peer()->widget);
    }
}

std::shared_ptr<Window> _GetImplicitWindow(const std::string& className) {
    for (const auto& window : OpenWindowList()) {
        if (window->Record().name == className) return window;
    }
    return nullptr;
}

const std::vector<std::shared_ptr<Window>>& OpenWindows() { return OpenWindowList(); }

void _ReleaseOpenWindows() {
    const auto windows = OpenWindowList();
    for (const auto& window : windows) window->Close();
}

}  // namespace fw

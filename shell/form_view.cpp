#include "shell/form_view.h"

#include "shell/binders.h"
#include "shell/conversions.h"
#include "shell/pictures.h"
#include "shell/widgets.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <string>
#include <vector>

namespace zoki::qt {

namespace {

// Every window has a fixed size: a title, a close box and a minimize box, no
// maximize box.
constexpr Qt::WindowFlags kFixedWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

// The local files of a drag; none when anything else comes along (text, web
// links), which is then no drop of files.
std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files.push_back(url.toLocalFile().toStdString());
    }
    return files;
}

// While it lives, widgets are set from the controls.
class Syncing {
public:
    explicit Syncing(int& depth) : depth_(depth) { ++depth_; }
    ~Syncing() { --depth_; }
    Syncing(const Syncing&) = delete;
    Syncing& operator=(const Syncing&) = delete;

private:
    int& depth_;
};

} // namespace

FormView::FormView(Form& form, Hooks hooks, Dispatch dispatch)
    : form_(&form), hooks_(std::move(hooks)), dispatch_(std::move(dispatch)) {
    // Timers run whether or not the window has been built.
    for (Control* c : form.controls()) {
        if (c->kind() != Kind::Timer)
            continue;
        auto& t = static_cast<Timer&>(*c);
        timers_[&t] = TimerBinder::make(t, *this, *this, hooks_.ticksAllowed);
        syncTimer(t);
    }

    form.listener = [this](Control* c, Prop p) {
        if (!c) {
            syncForm(p);
        } else if (c->kind() == Kind::Timer) {
            syncTimer(static_cast<Timer&>(*c));
        } else if (window_) {
            sync(*c, p);
        }
    };

    // The main window exists from the start; the others are built when they
    // are first shown, from whatever their controls hold by then.
    if (form.id() == FormId::Form1 || form.visible())
        build();
    if (form.visible())
        syncForm(Prop::Visible);
}

FormView::~FormView() {
    detach();
    delete window_.data();
}

QMainWindow* FormView::mainWindow() const { return qobject_cast<QMainWindow*>(window_.data()); }

QWidget* FormView::widget(const Control& c) const {
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

QTimer* FormView::timer(const Timer& t) const {
    auto it = timers_.find(&t);
    return it == timers_.end() ? nullptr : it->second;
}

void FormView::detach() {
    if (form_)
        form_->listener = nullptr;
    form_ = nullptr;
    for (auto& [control, qtimer] : timers_)
        qtimer->stop();
    if (window_)
        window_->hide();
}

void FormView::build() {
    Form& form = *form_;
    installAccessibility();
    if (form.id() == FormId::Form1) {
        auto* main = new QMainWindow(nullptr, kFixedWindow);
        client_ = new QWidget(main);
        main->setCentralWidget(client_);
        window_ = main;
        menus_.build(form, *main, *this);
        // The menu bar plus the fixed client area decide the window's size.
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window_ = new FormWindow(kFixedWindow);
        client_ = window_;
    }
    keyboard_.setWindow(*window_);
    window_->setObjectName(qs(form.name()));
    window_->setWindowTitle(qs(form.caption()));
    client_->setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
    window_->installEventFilter(this);
    window_->setAcceptDrops(static_cast<bool>(form.onOLEDragDrop));

    std::vector<QWidget*> inOrder;
    for (Control* c : form.controls())
        if (QWidget* w = ensureWidget(*c))
            inOrder.push_back(w);
    keyboard_.setInputs(inOrder);
}

QWidget* FormView::ensureWidget(Control& c) {
    if (QWidget* w = widget(c))
        return w;
    const Binder* binder = binderFor(c.kind());
    if (!binder)
        return nullptr;
    QWidget* parent = client_;
    if (!c.parent().empty()) {
        if (Control* frame = form_->find(c.parent()))
            if (QWidget* frameWidget = ensureWidget(*frame))
                parent = frameWidget;
    }
    QWidget* w = binder->make(c, parent, *this);
    w->setObjectName(qs(c.objectName()));
    widgets_[&c] = w;
    syncAll(c, *w, *binder);
    return w;
}

void FormView::syncAll(Control& c, QWidget& w, const Binder& binder) {
    // A new widget already is what a fresh control is (enabled, shown with its
    // window, no caption or tip); only what differs is set.
    sync(c, Prop::Geometry);
    {
        const Syncing quiet(syncing_);
        binder.showNew(c, w);
    }
    if (!c.toolTip().empty())
        sync(c, Prop::ToolTip);
    if (!c.enabled())
        sync(c, Prop::Enabled);
    if (!c.visible())
        sync(c, Prop::Visible);
}

void FormView::sync(Control& c, Prop p) {
    if (c.kind() == Kind::MenuItem) {
        menus_.show(static_cast<MenuItem&>(c), p);
        return;
    }
    QWidget* w = widget(c);
    if (!w)
        return;
    const Syncing quiet(syncing_);
    switch (p) {
    case Prop::Geometry:
        w->setGeometry(twipsToPixels(c.left()), twipsToPixels(c.top()), std::max(0, twipsToPixels(c.width())),
                       std::max(0, twipsToPixels(c.height())));
        break;
    case Prop::Visible:
        w->setVisible(c.visible());
        break;
    case Prop::Enabled:
        keyboard_.setEnabled(*w, c.enabled());
        break;
    case Prop::ToolTip:
        // Also what a screen reader reads as the control's description.
        w->setToolTip(qs(c.toolTip()));
        break;
    default:
        if (const Binder* binder = binderFor(c.kind()))
            binder->show(c, *w, p);
        break;
    }
}

void FormView::syncForm(Prop p) {
    if (!form_)
        return;
    if (p == Prop::Caption) {
        if (window_)
            window_->setWindowTitle(qs(form_->caption()));
        return;
    }
    if (p != Prop::Visible)
        return;
    if (!form_->visible()) {
        if (window_ && window_->isVisible()) {
            if (hooks_.hiding)
                hooks_.hiding(*window_);
            window_->hide();
        }
        return;
    }
    if (!window_)
        build();
    if (!window_->isVisible() && hooks_.place)
        hooks_.place(*window_);
    window_->show();
    window_->raise();
    window_->activateWindow();
    // Shown or shown again, the window starts at its first input.
    keyboard_.focusInput(keyboard_.firstInput());
    if (!shownOnce_) {
        shownOnce_ = true;
        if (form_->onFirstShown)
            announceWhenExposed();
    }
}

void FormView::announceWhenExposed() {
    QWindow* handle = window_->windowHandle();
    if (handle && !handle->isExposed()) {
        awaitingExposure_ = handle;
        handle->installEventFilter(this);
        return;
    }
    // Queued: the window is drawn first, and the caller of show() goes on.
    QMetaObject::invokeMethod(
        this,
        [this] {
            deliver([this] {
                if (form_->onFirstShown)
                    form_->onFirstShown();
            });
        },
        Qt::QueuedConnection);
}

void FormView::syncTimer(Timer& t) {
    if (QTimer* qtimer = timer(t))
        TimerBinder::show(t, *qtimer, form_ != nullptr);
}

void FormView::deliver(const std::function<void()>& userAction) {
    if (!form_)
        return;
    if (dispatch_)
        dispatch_(userAction);
    else
        userAction();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == awaitingExposure_ && event->type() == QEvent::Expose && awaitingExposure_->isExposed()) {
        awaitingExposure_->removeEventFilter(this);
        awaitingExposure_ = nullptr;
        announceWhenExposed();
        return false;
    }
    if (watched != window_ || !form_)
        return false;
    if (event->type() == QEvent::Close) {
        event->ignore();
        if (hooks_.closed)
            hooks_.closed();
        return true;
    }
    if (escapeCloses(*event, form_->id() == FormId::Form1)) {
        window_->close();
        return true;
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        std::vector<std::string> files = localFiles(drop->mimeData());
        if (files.empty() || !form_->onOLEDragDrop || (form_->acceptsDrop && !form_->acceptsDrop())) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Taken up once the drop has ended, so the program's questions do
        // not keep the file manager waiting.
        if (event->type() == QEvent::Drop)
            QMetaObject::invokeMethod(
                this,
                [this, files = std::move(files)] {
                    deliver([this, &files] {
                        if (form_->onOLEDragDrop)
                            form_->onOLEDragDrop(files);
                    });
                },
                Qt::QueuedConnection);
        return true;
    }
    if (event->type() == QEvent::WindowActivate && form_->onActivate)
        deliver([this] { form_->onActivate(); });
    return false;
}

} // namespace zoki::qt

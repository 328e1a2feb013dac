#include "ui/qt/form_view.h"

#include "program/messages.h"
#include "ui/qt/conversions.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/widgets.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <exception>
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

} // namespace

FormView::FormView(Form& form, Hooks hooks) : form_(&form), hooks_(std::move(hooks)) {
    // Timers run whether or not the window has been built.
    for (Control* c : form.controls()) {
        if (c->kind() != Kind::Timer)
            continue;
        auto& t = static_cast<Timer&>(*c);
        auto* qtimer = new QTimer(this);
        qtimer->setObjectName(qs(t.objectName()));
        qtimer->setTimerType(Qt::PreciseTimer);
        connect(qtimer, &QTimer::timeout, this, [this, &t] {
            if (hooks_.ticksAllowed && !hooks_.ticksAllowed())
                return;
            deliver([&t] { t.tick(); });
        });
        timers_[&t] = qtimer;
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
        if (c->kind() != Kind::MenuItem && c->kind() != Kind::Timer)
            inOrder.push_back(ensureWidget(*c));
    keyboard_.setInputs(inOrder);
}

QWidget* FormView::ensureWidget(Control& c) {
    if (QWidget* w = widget(c))
        return w;
    QWidget* parent = client_;
    if (!c.parent().empty()) {
        if (Control* frame = form_->find(c.parent()))
            parent = ensureWidget(*frame);
    }
    QWidget* w = makeWidget(c, parent);
    w->setObjectName(qs(c.objectName()));
    widgets_[&c] = w;
    syncAll(c);
    return w;
}

QWidget* FormView::makeWidget(Control& c, QWidget* parent) {
    switch (c.kind()) {
    case Kind::Label: {
        auto& label = static_cast<Label&>(c);
        auto* w = new LabelWidget(parent);
        w->setAlignment(alignment(label.align));
        applyFont(*w, label.font);
        if (label.border) {
            w->setFrameShape(QFrame::Box);
            w->setLineWidth(1);
        }
        if (!(label.foreColor == kBlack))
            setColor(*w, QPalette::WindowText, label.foreColor);
        w->setAutoFillBackground(label.opaque);
        w->onClick = [this, &label] {
            deliver([&label] {
                if (label.onClick)
                    label.onClick();
            });
        };
        return w;
    }
    case Kind::Image: {
        auto& image = static_cast<Image&>(c);
        auto* w = new PictureBox(parent);
        w->setStretch(image.stretch);
        if (image.onClick)
            w->setCursor(Qt::PointingHandCursor);
        w->onClick = [this, &image] { deliver([&image] { image.click(); }); };
        w->onDoubleClick = [this, &image] { deliver([&image] { image.dblClick(); }); };
        return w;
    }
    case Kind::Button: {
        auto& button = static_cast<Button&>(c);
        auto* w = new QPushButton(parent);
        // Enter presses a focused button, as Space does.
        w->setAutoDefault(true);
        connect(w, &QPushButton::clicked, this, [this, &button] { deliver([&button] { button.click(); }); });
        return w;
    }
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::ScrollBar: {
        auto& bar = static_cast<ScrollBar&>(c);
        auto* w = new ScrollBarWidget(bar.vertical ? Qt::Vertical : Qt::Horizontal, parent);
        // A change is raised when the user lets go of the thumb, not while dragging.
        w->setTracking(false);
        connect(w, &QScrollBar::valueChanged, this, [this, &bar](int value) {
            if (syncing_)
                return;
            deliver([&bar, value] { bar.setValue(value); });
        });
        return w;
    }
    case Kind::TextField: {
        auto& field = static_cast<TextField&>(c);
        auto* w = new QLineEdit(parent);
        w->setAlignment(alignment(field.align));
        applyFont(*w, field.font);
        // Whatever put the text there (typing, a paste, an input method, an
        // assistive tool) the field holds it; the program's own settings are
        // already in it.
        connect(w, &QLineEdit::textChanged, this, [this, &field](const QString& text) {
            if (syncing_)
                return;
            deliver([&field, &text] { field.setText(text.toStdString()); });
        });
        connect(w, &QLineEdit::returnPressed, this, [this, w] { keyboard_.enterPressed(*w); });
        return w;
    }
    case Kind::Timer:
    case Kind::MenuItem:
        break;
    }
    return new QWidget(parent);
}

void FormView::syncAll(Control& c) {
    // A new widget already is what a fresh control is (enabled, shown with its
    // window, no caption or tip); only what differs is set.
    sync(c, Prop::Geometry);
    switch (c.kind()) {
    case Kind::Label:
        if (!static_cast<Label&>(c).caption().empty())
            sync(c, Prop::Caption);
        sync(c, Prop::BackColor);
        break;
    case Kind::Button:
    case Kind::Frame:
        sync(c, Prop::Caption);
        break;
    case Kind::Image:
        if (static_cast<Image&>(c).picture() != 0)
            sync(c, Prop::Picture);
        break;
    case Kind::ScrollBar:
        sync(c, Prop::Range);
        break;
    case Kind::TextField:
        sync(c, Prop::Text);
        sync(c, Prop::BackColor);
        break;
    case Kind::Timer:
    case Kind::MenuItem:
        break;
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
    ++syncing_;
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
    case Prop::Caption:
        if (c.kind() == Kind::Label) {
            const QString caption = qs(static_cast<Label&>(c).caption());
            static_cast<QLabel*>(w)->setText(caption);
            w->setAccessibleName(caption);
        } else if (c.kind() == Kind::Button) {
            const QString caption = qs(static_cast<Button&>(c).caption());
            static_cast<QPushButton*>(w)->setText(caption);
            w->setAccessibleName(withoutMnemonic(caption));
        } else if (c.kind() == Kind::Frame) {
            const QString caption = qs(static_cast<Frame&>(c).caption());
            static_cast<QGroupBox*>(w)->setTitle(caption);
            w->setAccessibleName(withoutMnemonic(caption));
        }
        break;
    case Prop::BackColor:
        if (c.kind() == Kind::Label && static_cast<Label&>(c).opaque)
            setColor(*w, QPalette::Window, static_cast<Label&>(c).backColor());
        else if (c.kind() == Kind::TextField)
            setColor(*w, QPalette::Base, static_cast<TextField&>(c).backColor());
        break;
    case Prop::Picture:
        if (c.kind() == Kind::Image) {
            const int number = static_cast<Image&>(c).picture();
            static_cast<PictureBox*>(w)->setNumber(number);
            w->setAccessibleName(pictureWord(number));
        }
        break;
    case Prop::Text:
        if (c.kind() == Kind::TextField) {
            auto* edit = static_cast<QLineEdit*>(w);
            const QString text = qs(static_cast<TextField&>(c).text());
            // The user's own typing comes back here; leave the cursor where it is.
            if (edit->text() != text)
                edit->setText(text);
        }
        break;
    case Prop::Range:
    case Prop::Value:
        if (c.kind() == Kind::ScrollBar) {
            auto& bar = static_cast<ScrollBar&>(c);
            auto* qbar = static_cast<QScrollBar*>(w);
            const QSignalBlocker quiet(qbar);
            const ScrollSteps steps = scrollSteps(bar.min(), bar.max());
            qbar->setRange(steps.minimum, steps.maximum);
            qbar->setSingleStep(1);
            qbar->setPageStep(steps.page);
            qbar->setValue(bar.value());
        }
        break;
    case Prop::Checked:
    case Prop::Interval:
        break;
    }
    --syncing_;
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
    QTimer* qtimer = timer(t);
    if (!qtimer)
        return;
    if (form_ && t.enabled() && t.interval() > 0) {
        if (!qtimer->isActive() || qtimer->interval() != t.interval())
            qtimer->start(t.interval());
    } else {
        qtimer->stop();
    }
}

void FormView::deliver(const std::function<void()>& userAction) {
    if (!form_)
        return;
    try {
        userAction();
    } catch (const std::exception& e) {
        // The program's handlers report their own faults; this is the last
        // guard so that nothing the user does can end the program.
        QMessageBox::critical(window_, QString::fromUtf8(msg::kWarning), displayText(msg::stoppedMessage(e)));
    }
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

#include "shell/binders.h"

#include "shell/conversions.h"
#include "shell/keyboard.h"
#include "shell/pictures.h"
#include "shell/view_host.h"
#include "shell/widgets.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

namespace zoki::qt {

namespace {

// A binder for one control type and its widget type: the view holds them
// as Control and QWidget, the binder works on what they are.
template <class C, class W> class BinderOf : public Binder {
public:
    QWidget* make(Control& c, QWidget* parent, ViewHost& host) const final {
        return create(static_cast<C&>(c), parent, host);
    }
    void showNew(const Control& c, QWidget& w) const final { showFresh(static_cast<const C&>(c), static_cast<W&>(w)); }
    void show(const Control& c, QWidget& w, Prop p) const final {
        update(static_cast<const C&>(c), static_cast<W&>(w), p);
    }

protected:
    virtual W* create(C& c, QWidget* parent, ViewHost& host) const = 0;
    virtual void showFresh(const C& c, W& w) const = 0;
    virtual void update(const C& c, W& w, Prop p) const = 0;
};

// A caption (the name a screen reader reads too), a painted back colour on
// opaque labels, and a click.
class LabelBinder final : public BinderOf<Label, LabelWidget> {
    LabelWidget* create(Label& label, QWidget* parent, ViewHost& host) const override {
        auto* w = new LabelWidget(parent);
        w->setAlignment(alignment(label.align) | (label.wordWrap ? Qt::AlignTop : Qt::Alignment()));
        w->setWordWrap(label.wordWrap);
        applyFont(*w, label.font);
        if (label.border) {
            w->setFrameShape(QFrame::Box);
            w->setLineWidth(1);
        }
        if (!(label.foreColor == kBlack))
            setColor(*w, QPalette::WindowText, label.foreColor);
        w->setAutoFillBackground(label.opaque);
        w->onClick = [&host, &label] {
            host.deliver([&label] {
                if (label.onClick)
                    label.onClick();
            });
        };
        return w;
    }
    void showFresh(const Label& label, LabelWidget& w) const override {
        if (!label.caption().empty())
            update(label, w, Prop::Caption);
        update(label, w, Prop::BackColor);
    }
    void update(const Label& label, LabelWidget& w, Prop p) const override {
        if (p == Prop::Caption) {
            const QString caption = qs(label.caption());
            w.setText(caption);
            w.setAccessibleName(caption);
        } else if (p == Prop::BackColor && label.opaque) {
            setColor(w, QPalette::Window, label.backColor());
        }
    }
};

// A numbered picture, named by what it shows, with clicks and double-clicks.
class ImageBinder final : public BinderOf<Image, PictureBox> {
    PictureBox* create(Image& image, QWidget* parent, ViewHost& host) const override {
        auto* w = new PictureBox(parent);
        w->setStretch(image.stretch);
        if (image.onClick)
            w->setCursor(Qt::PointingHandCursor);
        w->onClick = [&host, &image] { host.deliver([&image] { image.click(); }); };
        w->onDoubleClick = [&host, &image] { host.deliver([&image] { image.dblClick(); }); };
        return w;
    }
    void showFresh(const Image& image, PictureBox& w) const override {
        if (image.picture() != 0)
            update(image, w, Prop::Picture);
    }
    void update(const Image& image, PictureBox& w, Prop p) const override {
        if (p != Prop::Picture)
            return;
        w.setNumber(image.picture());
        w.setAccessibleName(pictureWord(image.picture()));
    }
};

// A push button: its caption, named without the mnemonic's "&", and a click.
class ButtonBinder final : public BinderOf<Button, QPushButton> {
    QPushButton* create(Button& button, QWidget* parent, ViewHost& host) const override {
        auto* w = new QPushButton(parent);
        // Enter presses a focused button, as Space does.
        w->setAutoDefault(true);
        QObject::connect(w, &QPushButton::clicked, w,
                         [&host, &button] { host.deliver([&button] { button.click(); }); });
        return w;
    }
    void showFresh(const Button& button, QPushButton& w) const override { update(button, w, Prop::Caption); }
    void update(const Button& button, QPushButton& w, Prop p) const override {
        if (p != Prop::Caption)
            return;
        const QString caption = qs(button.caption());
        w.setText(caption);
        w.setAccessibleName(withoutMnemonic(caption));
    }
};

// A group box around other controls, titled by its caption.
class FrameBinder final : public BinderOf<Frame, QGroupBox> {
    QGroupBox* create(Frame&, QWidget* parent, ViewHost&) const override { return new QGroupBox(parent); }
    void showFresh(const Frame& frame, QGroupBox& w) const override { update(frame, w, Prop::Caption); }
    void update(const Frame& frame, QGroupBox& w, Prop p) const override {
        if (p != Prop::Caption)
            return;
        const QString caption = qs(frame.caption());
        w.setTitle(caption);
        w.setAccessibleName(withoutMnemonic(caption));
    }
};

// A scroll bar whose value the user moves; the program's own moves do not
// come back as the user's.
class ScrollBarBinder final : public BinderOf<ScrollBar, ScrollBarWidget> {
    ScrollBarWidget* create(ScrollBar& bar, QWidget* parent, ViewHost& host) const override {
        auto* w = new ScrollBarWidget(bar.vertical ? Qt::Vertical : Qt::Horizontal, parent);
        // A change is raised when the user lets go of the thumb, not while dragging.
        w->setTracking(false);
        QObject::connect(w, &QScrollBar::valueChanged, w, [&host, &bar](int value) {
            if (host.syncing())
                return;
            host.deliver([&bar, value] { bar.setValue(value); });
        });
        return w;
    }
    void showFresh(const ScrollBar& bar, ScrollBarWidget& w) const override { update(bar, w, Prop::Range); }
    void update(const ScrollBar& bar, ScrollBarWidget& w, Prop p) const override {
        if (p != Prop::Range && p != Prop::Value)
            return;
        const QSignalBlocker quiet(w);
        const ScrollSteps steps = scrollSteps(bar.min(), bar.max());
        w.setRange(steps.minimum, steps.maximum);
        w.setSingleStep(1);
        w.setPageStep(steps.page);
        w.setValue(bar.value());
    }
};

// A one-line field: whatever put the text there (typing, a paste, an input
// method, an assistive tool) the control holds it; Enter goes on.
class TextFieldBinder final : public BinderOf<TextField, QLineEdit> {
    QLineEdit* create(TextField& field, QWidget* parent, ViewHost& host) const override {
        auto* w = new QLineEdit(parent);
        w->setAlignment(alignment(field.align));
        if (!field.accessibleName.empty())
            w->setAccessibleName(qs(field.accessibleName));
        applyFont(*w, field.font);
        // The program's own settings are already in the control.
        QObject::connect(w, &QLineEdit::textChanged, w, [&host, &field](const QString& text) {
            if (host.syncing())
                return;
            host.deliver([&field, &text] { field.setText(text.toStdString()); });
        });
        QObject::connect(w, &QLineEdit::returnPressed, w, [&host, w] { host.keyboard().enterPressed(*w); });
        return w;
    }
    void showFresh(const TextField& field, QLineEdit& w) const override {
        update(field, w, Prop::Text);
        update(field, w, Prop::BackColor);
    }
    void update(const TextField& field, QLineEdit& w, Prop p) const override {
        if (p == Prop::Text) {
            const QString text = qs(field.text());
            // The user's own typing comes back here; leave the cursor where it is.
            if (w.text() != text)
                w.setText(text);
        } else if (p == Prop::BackColor) {
            setColor(w, QPalette::Base, field.backColor());
        }
    }
};

// A grid the user reads and moves through with the arrow keys; Tab leaves
// it, as it leaves every other input.
class TableBinder final : public BinderOf<Table, QTableWidget> {
    QTableWidget* create(Table& table, QWidget* parent, ViewHost&) const override {
        auto* w = new QTableWidget(parent);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->setTabKeyNavigation(false);
        w->setSelectionMode(QAbstractItemView::SingleSelection);
        w->setWordWrap(false);
        w->verticalHeader()->hide();
        w->verticalHeader()->setDefaultSectionSize(w->fontMetrics().height() + 5);
        w->horizontalHeader()->setHighlightSections(false);
        w->setAccessibleName(qs(table.accessibleName));
        return w;
    }
    void showFresh(const Table& table, QTableWidget& w) const override { update(table, w, Prop::Content); }
    void update(const Table& table, QTableWidget& w, Prop p) const override {
        if (p != Prop::Content)
            return;
        const auto& rows = table.rows();
        w.setColumnCount(static_cast<int>(table.headings().size()));
        w.setRowCount(static_cast<int>(rows.size()));
        QStringList headings;
        for (const std::string& h : table.headings())
            headings << qs(h);
        w.setHorizontalHeaderLabels(headings);
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                auto* item = new QTableWidgetItem(qs(rows[r][c]));
                item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
                w.setItem(static_cast<int>(r), static_cast<int>(c), item);
            }
        for (std::size_t c = 0; c < table.columnWidths.size(); ++c)
            w.setColumnWidth(static_cast<int>(c), twipsToPixels(table.columnWidths[c]));
    }
};

// How far a long task has got, named for a screen reader.
class ProgressBarBinder final : public BinderOf<ProgressBar, QProgressBar> {
    QProgressBar* create(ProgressBar& bar, QWidget* parent, ViewHost&) const override {
        auto* w = new QProgressBar(parent);
        w->setAccessibleName(qs(bar.accessibleName));
        return w;
    }
    void showFresh(const ProgressBar& bar, QProgressBar& w) const override { update(bar, w, Prop::Range); }
    void update(const ProgressBar& bar, QProgressBar& w, Prop p) const override {
        if (p != Prop::Range && p != Prop::Value)
            return;
        w.setRange(0, bar.max());
        w.setValue(bar.value());
    }
};

// The chart, and its rows as text for a screen reader.
class ChartBinder final : public BinderOf<IntervalChart, IntervalChartWidget> {
    IntervalChartWidget* create(IntervalChart& chart, QWidget* parent, ViewHost&) const override {
        auto* w = new IntervalChartWidget(parent);
        w->setAccessibleName(qs(chart.accessibleName));
        return w;
    }
    void showFresh(const IntervalChart& chart, IntervalChartWidget& w) const override {
        update(chart, w, Prop::Content);
    }
    void update(const IntervalChart& chart, IntervalChartWidget& w, Prop p) const override {
        if (p != Prop::Content)
            return;
        w.setContent(chart.content());
        QStringList rows;
        for (const ChartRow& row : chart.content().rows)
            rows << qs(row.label + " " + row.text);
        if (!rows.isEmpty())
            rows << qs(chart.content().referenceText);
        w.setAccessibleDescription(rows.join(QStringLiteral("、")));
    }
};

} // namespace

const Binder* binderFor(Kind kind) {
    static const LabelBinder label;
    static const ImageBinder image;
    static const ButtonBinder button;
    static const FrameBinder frame;
    static const ScrollBarBinder scrollBar;
    static const TextFieldBinder textField;
    static const TableBinder table;
    static const ProgressBarBinder progressBar;
    static const ChartBinder chart;
    switch (kind) {
    case Kind::Label:
        return &label;
    case Kind::Image:
        return &image;
    case Kind::Button:
        return &button;
    case Kind::Frame:
        return &frame;
    case Kind::ScrollBar:
        return &scrollBar;
    case Kind::TextField:
        return &textField;
    case Kind::Table:
        return &table;
    case Kind::ProgressBar:
        return &progressBar;
    case Kind::Chart:
        return &chart;
    case Kind::Timer:
    case Kind::MenuItem:
        break;
    }
    return nullptr;
}

QTimer* TimerBinder::make(Timer& t, QObject& owner, ViewHost& host, std::function<bool()> ticksAllowed) {
    auto* qtimer = new QTimer(&owner);
    qtimer->setObjectName(qs(t.objectName()));
    qtimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(qtimer, &QTimer::timeout, qtimer, [&host, &t, ticksAllowed = std::move(ticksAllowed)] {
        if (ticksAllowed && !ticksAllowed())
            return;
        host.deliver([&t] { t.tick(); });
    });
    return qtimer;
}

void TimerBinder::show(const Timer& t, QTimer& qtimer, bool attached) {
    if (attached && t.enabled() && t.interval() > 0) {
        if (!qtimer.isActive() || qtimer.interval() != t.interval())
            qtimer.start(t.interval());
    } else {
        qtimer.stop();
    }
}

} // namespace zoki::qt

#include "shell/widgets.h"

#include "shell/pictures.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace zoki::qt {

namespace {

// The shortest thumb still easy to see and to grab with the mouse.
constexpr int kThumbMinimum = 8;

class ScrollBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        // The usual minimum is longer than one step in our short bars, and
        // longer than the whole groove of the match search window's.
        if (metric == PM_ScrollBarSliderMin)
            return kThumbMinimum;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The usual thumb is nearly as pale as its groove; this one is solid, and
    // takes the highlight colour while the bar has the focus.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider rest(*bar);
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
        if (!(bar->subControls & SC_ScrollBarSlider))
            return;
        const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
        if (thumb.isEmpty())
            return;
        const bool horizontal = bar->orientation == Qt::Horizontal;
        const QRectF shape = QRectF(thumb).adjusted(horizontal ? 0.5 : 2.5, horizontal ? 2.5 : 0.5,
                                                    horizontal ? -0.5 : -2.5, horizontal ? -2.5 : -0.5);
        const QPalette& palette = bar->palette;
        QColor fill = palette.color(QPalette::Dark);
        QColor edge = palette.color(QPalette::Shadow);
        if (!(bar->state & State_Enabled)) {
            fill = palette.color(QPalette::Disabled, QPalette::Midlight);
            edge = palette.color(QPalette::Disabled, QPalette::Mid);
        } else if (bar->state & State_HasFocus) {
            fill = palette.color(QPalette::Highlight);
            edge = fill.darker(130);
        } else if ((bar->state & State_Sunken) && (bar->activeSubControls & SC_ScrollBarSlider)) {
            fill = fill.darker(115);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(edge);
        painter->setBrush(fill);
        painter->drawRoundedRect(shape, 2, 2);
        painter->restore();
    }
};

QStyle* scrollBarStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

// A picture or a label is named by what it shows, and by nothing when it
// shows nothing (Qt would lend it the caption of the frame around it).
class NamedByContent : public QAccessibleWidget {
public:
    NamedByContent(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (auto* label = qobject_cast<QLabel*>(widget()))
            return label->text();
        return widget()->accessibleName();
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(FormWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new NamedByContent(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String(LabelWidget::staticMetaObject.className()))
        return new NamedByContent(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String(IntervalChartWidget::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(accessibleFor);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setNumber(int number) {
    if (number_ == number)
        return;
    number_ = number;
    update();
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QPixmap pixmap = picture(number_, devicePixelRatioF());
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap);
    } else {
        painter.drawPixmap(0, 0, pixmap);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = pressed_ && !swallowRelease_;
    pressed_ = false;
    swallowRelease_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    swallowRelease_ = true;
    if (onDoubleClick)
        onDoubleClick();
}

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

ScrollBarWidget::ScrollBarWidget(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    setStyle(scrollBarStyle());
    setFocusPolicy(Qt::StrongFocus);
}

void ScrollBarWidget::initStyleOption(QStyleOptionSlider* option) const {
    QScrollBar::initStyleOption(option);
    // The thumb's length is one step of the groove; the page keys still move
    // by the bar's own page step.
    option->pageStep = 1;
}

QRect ScrollBarWidget::thumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

QRect ScrollBarWidget::grooveRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
}

void ScrollBarWidget::keyPressEvent(QKeyEvent* event) {
    // Qt's scroll bars turn the arrow keys round so that Up scrolls up, which
    // on a horizontal bar makes Left raise the value. Here Left and Up go
    // where the left and upper arrow go, Right and Down the other way.
    const bool mirrored = orientation() == Qt::Horizontal && isRightToLeft();
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
        action = mirrored ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        action = mirrored ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    // With Ctrl, Alt or Meta the key belongs to a shortcut, not to the bar.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    triggerAction(action);
    event->accept();
}

void ScrollBarWidget::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

namespace {

// The chart's columns: the row labels on the left, the figures on the right.
constexpr int kChartLabels = 130;
constexpr int kChartFigures = 64;
constexpr int kChartAxis = 20;
constexpr QColor kChartInterval{40, 70, 150};
constexpr QColor kChartReference{220, 0, 0};

} // namespace

IntervalChartWidget::IntervalChartWidget(QWidget* parent) : QWidget(parent) {}

void IntervalChartWidget::setContent(const ChartContent& content) {
    content_ = content;
    update();
}

QRect IntervalChartWidget::plotArea() const {
    return QRect(kChartLabels, 2, width() - kChartLabels - kChartFigures, height() - kChartAxis - 2);
}

int IntervalChartWidget::xOf(double value) const {
    const QRect plot = plotArea();
    const double share = content_.axisMax > 0 ? std::clamp(value / content_.axisMax, 0.0, 1.0) : 0.0;
    return plot.left() + static_cast<int>(std::lround(share * plot.width()));
}

void IntervalChartWidget::paintEvent(QPaintEvent*) {
    if (content_.rows.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect plot = plotArea();
    const int rowHeight = plot.height() / static_cast<int>(content_.rows.size());
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    for (const ChartTick& tick : content_.ticks) {
        const int x = xOf(tick.at);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(x, plot.top(), x, plot.bottom() + 3);
        painter.setPen(text);
        painter.drawText(QRect(x - 30, plot.bottom() + 3, 60, kChartAxis - 3), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromStdString(tick.text));
    }
    for (std::size_t i = 0; i < content_.rows.size(); ++i) {
        const ChartRow& row = content_.rows[i];
        const int mid = plot.top() + rowHeight * static_cast<int>(i) + rowHeight / 2;
        painter.setPen(text);
        painter.drawText(QRect(0, mid - rowHeight / 2, kChartLabels - 6, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(row.label));
        painter.drawText(QRect(plot.right() + 6, mid - rowHeight / 2, kChartFigures - 6, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(row.text));
        painter.setPen(QPen(kChartInterval, 2));
        painter.drawLine(xOf(row.low), mid, xOf(row.high), mid);
        for (const double end : {row.low, row.high})
            painter.drawLine(xOf(end), mid - 4, xOf(end), mid + 4);
        painter.setBrush(kChartInterval);
        painter.drawEllipse(QPoint(xOf(row.value), mid), 4, 4);
    }
    const int x = xOf(content_.reference);
    painter.setPen(QPen(kChartReference, 2, Qt::DashLine));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    // Named under the row labels, clear of the ticks' figures.
    painter.setPen(kChartReference);
    painter.drawText(QRect(0, plot.bottom() + 3, kChartLabels - 24, kChartAxis - 3), Qt::AlignRight | Qt::AlignTop,
                     QString::fromStdString(content_.referenceText));
}

FormWindow::FormWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {}

} // namespace zoki::qt

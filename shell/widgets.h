#pragma once

#include "forms/controls.h"

#include <QLabel>
#include <QScrollBar>
#include <QWidget>

#include <functional>

namespace zoki::qt {

// An image control: shows a numbered picture (or nothing), drawn at its own
// size or stretched to the control, and reports clicks and double-clicks.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    int number() const { return number_; }
    void setNumber(int number);
    void setStretch(bool stretch);

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int number_ = 0;
    bool stretch_ = false;
    bool pressed_ = false;
    // The release that ends a double-click is not a second click.
    bool swallowRelease_ = false;
};

// A label control: caption, optional painted back colour, and a click.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent = nullptr);
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A scroll bar control. Every key moves the value the way the arrow on its
// side does; the thumb stands for one step of the value, so where it sits
// reads at a glance; a frame shows that the bar has the focus.
class ScrollBarWidget : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBarWidget(Qt::Orientation orientation, QWidget* parent = nullptr);
    // Where the thumb and its groove are drawn (and take the mouse).
    QRect thumbRect() const;
    QRect grooveRect() const;

protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Estimates with their intervals, a row each, against a red reference line,
// over an axis with labelled ticks. Nothing is drawn while it has no rows.
class IntervalChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit IntervalChartWidget(QWidget* parent = nullptr);
    void setContent(const ChartContent& content);
    const ChartContent& content() const { return content_; }
    // Where a value lies across the plot, in the widget's pixels.
    int xOf(double value) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    ChartContent content_;
};

// A secondary window: a top-level window of its own in the accessibility tree.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(Qt::WindowFlags flags);
};

// Makes the widgets above say what they are to assistive technology: windows
// as windows named by their title, pictures and labels by what they show and
// by nothing when they show nothing. Safe to call more than once.
void installAccessibility();

} // namespace zoki::qt

#pragma once

#include "base/int16.h"

#include <functional>
#include <string>
#include <vector>

namespace zoki {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The controls' own defaults; the colours the program paints are named by
// their role in ui/forms/colors.h.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

enum class Kind { Label, Image, Button, Frame, ScrollBar, TextField, Timer, MenuItem, Table, ProgressBar, Chart };

// What changed, so the adapter updates only that.
enum class Prop {
    Caption,
    Text,
    BackColor,
    Geometry,
    Visible,
    Enabled,
    Picture,
    Checked,
    ToolTip,
    Range,
    Value,
    Interval,
    Content
};

class Form;

// A control of a window, held by value inside its form. Every setter that
// changes a property tells the form's listener (the window-system adapter).
class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "Label8_3" for Label8(3), "Command1" for a single control.
    std::string objectName() const;
    Form& form() const { return form_; }

    // Geometry in twips. Left/top are relative to the parent frame, if any.
    int left() const { return left_; }
    int top() const { return top_; }
    float width() const { return width_; }
    int height() const { return height_; }
    void setGeometry(int left, int top, float width, int height);
    void setWidth(float width);

    // Object name of the enclosing frame, empty for the window's client area.
    const std::string& parent() const { return parent_; }
    void setParent(std::string frameObjectName) { parent_ = std::move(frameObjectName); }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string t);

protected:
    void notify(Prop p);

private:
    Form& form_;
    Kind kind_;
    std::string name_;
    int index_;
    std::string parent_;
    int left_ = 0;
    int top_ = 0;
    float width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
};

struct Font {
    std::string family; // empty: the window's default
    double points = 0;  // 0: the window's default
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Center, Right };

class Label : public Control {
public:
    Label(Form& form, std::string name, int index = -1) : Control(form, Kind::Label, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    Rgb backColor() const { return backColor_; }
    void setBackColor(Rgb c);
    // Design-time look.
    bool opaque = false; // back colour painted (bars, cells, reveal labels)
    Rgb foreColor{0, 0, 0};
    Font font;
    Align align = Align::Left;
    bool border = false;
    bool wordWrap = false; // long captions wrap within the label's width
    std::function<void()> onClick;

private:
    std::string caption_;
    Rgb backColor_{240, 240, 240};
};

class Image : public Control {
public:
    Image(Form& form, std::string name, int index = -1) : Control(form, Kind::Image, std::move(name), index) {}
    // Picture number (101..186, 502, 503, 997, 1001..1005); 0 = no picture.
    int picture() const { return picture_; }
    void setPicture(int number);
    bool stretch = false;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    void click() {
        if (onClick)
            onClick();
    }
    void dblClick() {
        if (onDblClick)
            onDblClick();
    }

private:
    int picture_ = 0;
};

class Button : public Control {
public:
    Button(Form& form, std::string name, int index = -1) : Control(form, Kind::Button, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    std::function<void()> onClick;
    void click() {
        if (onClick)
            onClick();
    }

private:
    std::string caption_;
};

class Frame : public Control {
public:
    Frame(Form& form, std::string name, int index = -1) : Control(form, Kind::Frame, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

private:
    std::string caption_;
};

class ScrollBar : public Control {
public:
    ScrollBar(Form& form, std::string name, bool vertical, int index = -1)
        : Control(form, Kind::ScrollBar, std::move(name), index), vertical(vertical) {}
    const bool vertical;
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setMin(int v);
    void setMax(int v);
    // A change of value raises the change event, whoever made it.
    void setValue(int v);
    // A vertical bar with min < max grows downwards; the program's bars keep
    // that, so the adapter needs nothing more.
    std::function<void()> onChange;

private:
    int min_ = 0;
    int max_ = kInt16Max;
    int value_ = 0;
};

class TextField : public Control {
public:
    TextField(Form& form, std::string name, int index = -1) : Control(form, Kind::TextField, std::move(name), index) {}
    const std::string& text() const { return text_; }
    // Typing by the user and setting by the program both land here.
    void setText(std::string t);
    Rgb backColor() const { return backColor_; }
    void setBackColor(Rgb c);
    Font font;
    Align align = Align::Left;
    // What a screen reader calls the field, where no caption on it says so.
    std::string accessibleName;

private:
    std::string text_;
    Rgb backColor_ = kWhite;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name, int index = -1) : Control(form, Kind::Timer, std::move(name), index) {
        setVisibleQuietly();
    }
    int interval() const { return interval_; }
    void setInterval(int ms);
    std::function<void()> onTick;
    // Delivered by the adapter while enabled; tests call it directly.
    void tick() {
        if (enabled() && onTick)
            onTick();
    }

private:
    void setVisibleQuietly();
    int interval_ = 0;
};

class MenuItem : public Control {
public:
    MenuItem(Form& form, std::string name, std::string caption, int index = -1)
        : Control(form, Kind::MenuItem, std::move(name), index), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    // A line between the items of a menu is an item captioned "-", as the
    // menu designer writes one; it has no command.
    bool isSeparator() const { return caption_ == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool c);
    // Sub-items in display order; empty for a command item.
    std::vector<MenuItem*> items;
    std::function<void()> onClick;
    void click() {
        if (enabled() && onClick)
            onClick();
    }

private:
    std::string caption_;
    bool checked_ = false;
};

// A grid of texts the user reads (and moves through with the arrow keys)
// but does not edit: a row of column headings, then the rows.
class Table : public Control {
public:
    Table(Form& form, std::string name, int index = -1) : Control(form, Kind::Table, std::move(name), index) {}
    const std::vector<std::string>& headings() const { return headings_; }
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }
    void setContent(std::vector<std::string> headings, std::vector<std::vector<std::string>> rows);
    // Design-time: the columns' widths in twips, and the table's name for a
    // screen reader.
    std::vector<int> columnWidths;
    std::string accessibleName;

private:
    std::vector<std::string> headings_;
    std::vector<std::vector<std::string>> rows_;
};

// How far a long task has got: value out of max.
class ProgressBar : public Control {
public:
    ProgressBar(Form& form, std::string name, int index = -1)
        : Control(form, Kind::ProgressBar, std::move(name), index) {}
    int max() const { return max_; }
    int value() const { return value_; }
    void setMax(int v);
    void setValue(int v);
    std::string accessibleName;

private:
    int max_ = 100;
    int value_ = 0;
};

// Estimates with their intervals, one row each, against a reference line
// (what chance gives), on an axis from 0 to axisMax with labelled ticks.
struct ChartRow {
    std::string label;
    double value = 0;
    double low = 0;
    double high = 0;
    std::string text; // the figure, beside the row
    friend bool operator==(const ChartRow&, const ChartRow&) = default;
};
struct ChartTick {
    double at = 0;
    std::string text;
    friend bool operator==(const ChartTick&, const ChartTick&) = default;
};
struct ChartContent {
    std::vector<ChartRow> rows;
    double reference = 0;
    std::string referenceText;
    double axisMax = 1;
    std::vector<ChartTick> ticks;
    friend bool operator==(const ChartContent&, const ChartContent&) = default;
};
class IntervalChart : public Control {
public:
    IntervalChart(Form& form, std::string name, int index = -1) : Control(form, Kind::Chart, std::move(name), index) {}
    const ChartContent& content() const { return content_; }
    void setContent(ChartContent c);
    // For a screen reader: the chart's name; its rows are read as text.
    std::string accessibleName;

private:
    ChartContent content_;
};

} // namespace zoki

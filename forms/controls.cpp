#include "forms/controls.h"

#include "forms/form.h"

namespace zoki {

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    form_.registerControl(*this);
}

std::string Control::objectName() const { return index_ < 0 ? name_ : name_ + "_" + std::to_string(index_); }

void Control::notify(Prop p) { form_.notify(this, p); }

void Control::setGeometry(int left, int top, float width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Prop::Geometry);
}

void Control::setWidth(float width) {
    if (width_ == width)
        return;
    width_ = width;
    notify(Prop::Geometry);
}

void Control::setVisible(bool v) {
    if (visible_ == v)
        return;
    visible_ = v;
    notify(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (enabled_ == v)
        return;
    enabled_ = v;
    notify(Prop::Enabled);
}

void Control::setToolTip(std::string t) {
    if (toolTip_ == t)
        return;
    toolTip_ = std::move(t);
    notify(Prop::ToolTip);
}

void Label::setCaption(std::string c) {
    if (caption_ == c)
        return;
    caption_ = std::move(c);
    notify(Prop::Caption);
}

void Label::setBackColor(Rgb c) {
    if (backColor_ == c)
        return;
    backColor_ = c;
    notify(Prop::BackColor);
}

void Image::setPicture(int number) {
    if (picture_ == number)
        return;
    picture_ = number;
    notify(Prop::Picture);
}

void Button::setCaption(std::string c) {
    caption_ = std::move(c);
    notify(Prop::Caption);
}

void Frame::setCaption(std::string c) {
    if (caption_ == c)
        return;
    caption_ = std::move(c);
    notify(Prop::Caption);
}

void ScrollBar::setMin(int v) {
    if (min_ == v)
        return;
    min_ = v;
    notify(Prop::Range);
}

void ScrollBar::setMax(int v) {
    if (max_ == v)
        return;
    max_ = v;
    notify(Prop::Range);
}

void ScrollBar::setValue(int v) {
    if (value_ == v)
        return;
    value_ = v;
    notify(Prop::Value);
    if (onChange)
        onChange();
}

void TextField::setText(std::string t) {
    if (text_ == t)
        return;
    text_ = std::move(t);
    notify(Prop::Text);
}

void TextField::setBackColor(Rgb c) {
    if (backColor_ == c)
        return;
    backColor_ = c;
    notify(Prop::BackColor);
}

void Timer::setVisibleQuietly() { setVisible(false); }

void Timer::setInterval(int ms) {
    if (interval_ == ms)
        return;
    interval_ = ms;
    notify(Prop::Interval);
}

void MenuItem::setCaption(std::string c) {
    caption_ = std::move(c);
    notify(Prop::Caption);
}

void MenuItem::setChecked(bool c) {
    if (checked_ == c)
        return;
    checked_ = c;
    notify(Prop::Checked);
}

void Table::setContent(std::vector<std::string> headings, std::vector<std::vector<std::string>> rows) {
    if (headings_ == headings && rows_ == rows)
        return;
    headings_ = std::move(headings);
    rows_ = std::move(rows);
    notify(Prop::Content);
}

void ProgressBar::setMax(int v) {
    if (max_ == v)
        return;
    max_ = v;
    notify(Prop::Range);
}

void ProgressBar::setValue(int v) {
    if (value_ == v)
        return;
    value_ = v;
    notify(Prop::Value);
}

void IntervalChart::setContent(ChartContent c) {
    if (content_ == c)
        return;
    content_ = std::move(c);
    notify(Prop::Content);
}

Form::Form(FormId id, std::string name) : id_(id), name_(std::move(name)) {}

void Form::setCaption(std::string c) {
    caption_ = std::move(c);
    notify(nullptr, Prop::Caption);
}

void Form::show() {
    visible_ = true;
    notify(nullptr, Prop::Visible);
}

void Form::hide() {
    if (!visible_)
        return;
    visible_ = false;
    notify(nullptr, Prop::Visible);
}

Control* Form::find(const std::string& objectName) const {
    for (Control* c : controls_)
        if (c->objectName() == objectName)
            return c;
    return nullptr;
}

} // namespace zoki

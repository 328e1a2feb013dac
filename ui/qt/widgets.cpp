#include "ui/qt/widgets.h"

#include "ui/qt/pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace zoki::qt {

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

} // namespace zoki::qt

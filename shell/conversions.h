#pragma once

#include "forms/controls.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace zoki::qt {

// The window definitions' values as Qt's.
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }
Qt::Alignment alignment(Align a);

// "データ(&D)" reads "データ(D)" to a screen reader; "&&" is a plain "&".
QString withoutMnemonic(const QString& caption);

// Windows font names of the design, mapped to the Japanese fonts a Linux
// desktop has; the given font's families follow as fallbacks.
QStringList familiesFor(const std::string& family, const QFont& base);
// The design's font on a widget; a control without one keeps the window's.
void applyFont(QWidget& w, const Font& f);
void setColor(QWidget& w, QPalette::ColorRole role, Rgb c);

// What a scroll bar widget is set to for a control's min and max: the range
// either way round, and a page of a fifth of it, at least one step.
struct ScrollSteps {
    int minimum = 0;
    int maximum = 0;
    int page = 1;
    friend bool operator==(const ScrollSteps&, const ScrollSteps&) = default;
};
ScrollSteps scrollSteps(int min, int max);

} // namespace zoki::qt

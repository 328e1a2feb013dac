#include "shell/conversions.h"

#include <QWidget>

#include <algorithm>

namespace zoki::qt {

Qt::Alignment alignment(Align a) {
    switch (a) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString withoutMnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QStringList familiesFor(const std::string& family, const QFont& base) {
    QStringList families;
    const QString name = qs(family);
    families << name;
    if (name == QStringLiteral("ＭＳ ゴシック") || name == QStringLiteral("MS Gothic"))
        families << QStringLiteral("IPAGothic") << QStringLiteral("Noto Sans Mono CJK JP");
    families << base.families();
    families.removeDuplicates();
    return families;
}

void applyFont(QWidget& w, const Font& f) {
    if (f.family.empty() && f.points <= 0 && !f.bold)
        return;
    QFont font = w.font();
    if (!f.family.empty())
        font.setFamilies(familiesFor(f.family, font));
    if (f.points > 0)
        font.setPointSizeF(f.points);
    font.setBold(f.bold);
    w.setFont(font);
}

void setColor(QWidget& w, QPalette::ColorRole role, Rgb c) {
    QPalette palette = w.palette();
    palette.setColor(role, qcolor(c));
    w.setPalette(palette);
}

ScrollSteps scrollSteps(int min, int max) {
    ScrollSteps steps;
    steps.minimum = std::min(min, max);
    steps.maximum = std::max(min, max);
    // Wide enough for any two ints.
    const long long span = static_cast<long long>(steps.maximum) - steps.minimum;
    steps.page = static_cast<int>(std::max(1LL, span / 5));
    return steps;
}

} // namespace zoki::qt

#include "shell/pictures.h"

#include <QFile>
#include <QPixmapCache>

#include <cmath>

// The resource list lives in a static library; make sure it is linked in.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zoki::qt {

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QPixmap picture(int number, qreal devicePixelRatio) {
    static const bool initialised = (initPictureResources(), true);
    (void)initialised;
    if (number <= 0)
        return {};
    const bool crisp = devicePixelRatio > 1.0;
    const QString key = QStringLiteral("zoki-%1%2").arg(number).arg(crisp ? "@2x" : "");
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QString base = QStringLiteral(":/pictures/%1").arg(number);
    if (crisp && QFile::exists(base + "@2x.png")) {
        pixmap.load(base + "@2x.png");
        pixmap.setDevicePixelRatio(2.0);
    } else {
        pixmap.load(base + ".png");
    }
    if (!pixmap.isNull())
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QString pictureWord(int number) {
    if (number >= 101 && number <= 143)
        return QString::number(number - 100);
    if (number >= 144 && number <= 186)
        return QString::number(number - 143);
    if (number >= 1001 && number <= 1005)
        return QString::number(number - 1000);
    switch (number) {
    case 502:
        return QStringLiteral("HISTORY");
    case 503:
        return QStringLiteral("START");
    case 997:
        return QStringLiteral("PRESS START");
    default:
        return {};
    }
}

} // namespace zoki::qt

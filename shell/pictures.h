#pragma once

#include <QPixmap>
#include <QString>

namespace zoki::qt {

// Layout is held in twips; 15 twips make one pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;
int twipsToPixels(double twips);

// The compiled-in picture with this number, crisp for the given device pixel
// ratio (the @2x file when the ratio is above 1); null for 0 or an unknown
// number.
QPixmap picture(int number, qreal devicePixelRatio = 1.0);

// What a picture shows, in a word, for screen readers: "7" for ball 7 or
// bonus ball 7, "3" for the count picture 3, "START", "HISTORY".
QString pictureWord(int number);

} // namespace zoki::qt

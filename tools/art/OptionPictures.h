// The second build's option-button pictures: hats and girls, birdhouses, the bird and wreaths.
#pragma once

#include <QColor>
#include <QImage>

namespace art {

// The hats' ribbons, one colour for each divisor button, and the houses inside the two wreaths.
inline const QColor kRibbonBlue(40, 90, 210), kRibbonRed(215, 40, 50), kRibbonYellow(250, 205, 30);
inline const QColor kHouseTeal(40, 170, 170), kHousePurple(150, 80, 200);

QImage strawHat(const QColor& ribbon);   // 28 x 30, seen from above
QImage girlInHat(const QColor& ribbon);  // 28 x 30

QImage purpleBirdhouseWithHeart();      // 20 x 28
QImage redRoofBirdhouseWithFlowers();   // 29 x 28
QImage tealBirdhouseWithFence();        // 30 x 30
QImage blueRoofBirdhouseWithFlowers();  // 29 x 28
QImage redBirdhouseWithSunflower();     // 30 x 30
QImage lightBlueBird();                 // 20 x 28

QImage wreathAroundBirdhouse(const QColor& house);  // 29 x 37
QImage flowerWreath();                              // 29 x 37

}  // namespace art

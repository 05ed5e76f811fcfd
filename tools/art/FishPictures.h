// The standard build's feedback pictures: a leaping green fish and a sad goldfish, on white.
#pragma once

#include <QImage>

namespace art {

QImage leapingFishCorrect();   // 115 x 115
QImage sadGoldfishTryAgain();  // 104 x 121

}  // namespace art

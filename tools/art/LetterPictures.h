// The second build's feedback pictures: lettered words with a large flowered initial, on white.
#pragma once

#include <QImage>

namespace art {

QImage letteredCorrect();   // 173 x 119
QImage letteredTryAgain();  // 239 x 118

}  // namespace art

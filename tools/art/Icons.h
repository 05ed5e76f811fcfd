// Icon images: the orange butterfly and the plain window icon, on a transparent ground.
#pragma once

#include <QImage>

namespace art {

QImage butterfly(int size);    // drawn for 48, 32 and 16 pixels
QImage plainWindow(int size);  // a white window with a cyan title bar, for 48, 32 and 16 pixels

}  // namespace art

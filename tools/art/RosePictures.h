// The second build's rose pictures: the patchwork field behind its windows and the title banner.
#pragma once

#include <QImage>

namespace art {

QImage roseFieldWithTulipBlocks();  // 770 x 454
QImage titleBanner();               // 480 x 118

}  // namespace art

// The standard build's harbour scene: set-up, practice and hint window backgrounds (640 x 480).
#pragma once

#include <QImage>

namespace art {

QImage harbourWithTitle();  // set-up window: the title across the sky
QImage harbour();           // practice window: the scene alone
QImage harbourWithPanel();  // hint window: a near-white panel for the worked division

}  // namespace art

// The second build's own colours, shared by its window designs.
#pragma once

#include "designs/Design.h"

namespace designs::second {

// The rose of the second build's windows, boxes and buttons.
inline constexpr design::Colour kRose = 0x00C0C0FF;

}  // namespace designs::second

// The standard build's own colours, shared by its window designs.
#pragma once

#include "designs/Design.h"

namespace designs::standard {

// The grey-blue of the set-up window's fields, the practice window's buttons and the zeros note.
inline constexpr design::Colour kGreyBlue = 0x00C8B7A8;

}  // namespace designs::standard

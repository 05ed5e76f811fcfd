// The second program's designs: rose colours, the title banner, picture option buttons.
#pragma once

#include "designs/Design.h"

namespace designs::second {

extern const design::Window setUp;
extern const design::Window practice;
extern const design::Window hints;
// Written at configure time from the build's version table.
extern const design::Version version;

const design::Build& build();

}  // namespace designs::second

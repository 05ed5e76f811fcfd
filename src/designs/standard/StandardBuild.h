// The standard program's designs: the harbour photograph, grey-blue controls, fish pictures.
#pragma once

#include "designs/Design.h"

namespace designs::standard {

extern const design::Window setUp;
extern const design::Window practice;
extern const design::Window hints;
// Written at configure time from the build's version table.
extern const design::Version version;

const design::Build& build();

}  // namespace designs::standard

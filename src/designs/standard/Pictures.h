// Resource paths of the standard build's pictures and icons, from its list, Pictures.def.
#pragma once

#include "designs/PictureList.h"

namespace designs::standard::pictures {

#define PICTURE(name, file, width, height, ground, use, ...) \
    DESIGN_IF_EMBEDDED(                                      \
        use, inline constexpr const char* name = ":/standard/" DESIGN_EMBEDDED_FILE(file);)
#include "designs/standard/Pictures.def"
#undef PICTURE

inline constexpr const char* butterflyIcon[] = {butterfly48, butterfly32, butterfly16};
inline constexpr const char* defaultWindowIcon[] = {windowIcon32, windowIcon16};

}  // namespace designs::standard::pictures

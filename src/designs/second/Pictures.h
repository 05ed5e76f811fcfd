// Resource paths of the second build's pictures and icons, from its list, Pictures.def.
#pragma once

#include "designs/PictureList.h"

namespace designs::second::pictures {

#define PICTURE(name, file, width, height, ground, use, ...) \
    DESIGN_IF_EMBEDDED(                                      \
        use, inline constexpr const char* name = ":/second/" DESIGN_EMBEDDED_FILE(file);)
#include "designs/second/Pictures.def"
#undef PICTURE

inline constexpr const char* butterflyIcon[] = {butterfly48, butterfly32, butterfly16};
inline constexpr const char* defaultWindowIcon[] = {windowIcon32, windowIcon16};

}  // namespace designs::second::pictures

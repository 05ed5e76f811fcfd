// How C++ reads a build's list of pictures, the Pictures.def beside its designs. Each line
//     PICTURE(name, "file", width, height, ground, use, drawing)
// gives the picture's name in code, its file name without extension, its size in pixels,
// whether its ground is Opaque or Clear, whether the Program embeds it, the Desktop installs it
// (as PNG) or Both, and the tools/art expression that draws it. A reader defines PICTURE,
// includes the list and undefines PICTURE again; cmake/DesignLibrary.cmake reads the same lines.
#pragma once

namespace design {

enum class Ground { Opaque, Clear };
enum class PictureUse { Program, Desktop, Both };

}  // namespace design

// DESIGN_IF_EMBEDDED(use, text...) keeps the text for the pictures that a program embeds.
#define DESIGN_IF_EMBEDDED(use, ...) DESIGN_IF_EMBEDDED_##use(__VA_ARGS__)
#define DESIGN_IF_EMBEDDED_Program(...) __VA_ARGS__
#define DESIGN_IF_EMBEDDED_Both(...) __VA_ARGS__
#define DESIGN_IF_EMBEDDED_Desktop(...)

// The file that a program embeds for a picture, under its build's resource prefix: a bitmap in
// the form src/platform/Dib.h describes.
#define DESIGN_EMBEDDED_FILE(file) file ".bmp"

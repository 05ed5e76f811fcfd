// A window design as data: one table of controls in twips per window per build.
#pragma once

#include <cstdint>
#include <span>

namespace design {

enum class Kind { Label, TextBox, CommandButton, OptionButton, Frame, PictureBox, Line };
enum class Align { Left, Right, Center };

// Colours are 0x00BBGGRR; a system colour of the platform is 0x80000000 plus its index.
using Colour = uint32_t;
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;
inline constexpr Colour kSystemColour = 0x80000000u;
inline constexpr Colour kWindowText = kSystemColour | 8;
inline constexpr Colour kActiveBorder = kSystemColour | 10;

// The hint window's step colours, the same in both builds.
inline constexpr Colour kGreen = 0x0000FF00;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kRed = 0x000000FF;

struct Font {
    const char* family = nullptr;  // nullptr: the window's font
    double points = 0;
};

inline constexpr Font kMsSansSerif825{"MS Sans Serif", 8.25};

enum Flags : unsigned {
    kNone = 0,
    kDisabled = 1u << 0,     // shows its text, takes neither focus nor typing
    kTransparent = 1u << 1,  // a label whose back colour does not show
    kMultiLine = 1u << 2,
    kVScroll = 1u << 3,
    kReadOnly = 1u << 4,
    kGraphical = 1u << 5,  // buttons that show their back colour; option buttons drawn as pictures
    kAutoSize = 1u << 6,   // a picture box that sizes itself to its picture
    kSunken = 1u << 7,     // a picture box with the standard 2-pixel sunken border
};

struct Control {
    const char* name = nullptr;  // "txtName", or "lblAnswer(3)" for a member of an array
    Kind kind = Kind::Label;
    const char* container = nullptr;  // the enclosing group box; nullptr for the window
    int left = 0, top = 0, width = 0, height = 0;  // twips; a line gives x1, y1, x2, y2
    const char* caption = nullptr;
    int tabIndex = -1;
    Font font{};
    Colour backColour = kDefaultColour;
    Colour foreColour = kDefaultColour;
    Align align = Align::Left;
    unsigned flags = kNone;
    const char* picture = nullptr;      // Qt resource path
    const char* downPicture = nullptr;  // shown by a graphical option button while selected
    int lineWidth = 1;                  // pixels
};

struct Window {
    const char* caption;
    int clientWidth, clientHeight;  // twips
    Colour backColour = kDefaultColour;
    const char* picture = nullptr;  // background, drawn from the top-left corner at its own size
    std::span<const char* const> icon{};  // one picture per size, largest first
    Font font = kMsSansSerif825;
    std::span<const Control> controls;
};

// What the program tells Qt about itself, from the build's version table.
struct Version {
    const char* internalName;  // the program's name: Varnel or Zorvane
    const char* productVersion;
    const char* companyName;
    const char* desktopId;  // its desktop entry's file name, without .desktop
};

// Everything that differs between the two programs.
struct Build {
    const Version& version;
    // The icon that a window without one of its own shows.
    std::span<const char* const> defaultWindowIcon;
    const Window& setUp;
    const Window& practice;
    const Window& hints;
};

inline constexpr int kTwipsPerPixel = 15;

}  // namespace design

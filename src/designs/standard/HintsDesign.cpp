// The standard hint window: the worked division on the whitened panel of the photograph.
#include "designs/Texts.h"
#include "designs/standard/Colours.h"
#include "designs/standard/Pictures.h"
#include "designs/standard/StandardBuild.h"

namespace designs::standard {
namespace {

using namespace design;

constexpr Font kDigits{"Arial Black", 12};
constexpr Colour kDigitBack = 0x00E0E0E0;

// clang-format off
constexpr Control kControls[] = {
    {.name = "lblDivisor", .kind = Kind::Label, .left = 3600, .top = 1920, .width = 735, .height = 375,
     .caption = "888", .tabIndex = 0, .font = kDigits, .backColour = kDigitBack, .align = Align::Right, .flags = kTransparent},
    {.name = "lbldividend(0)", .kind = Kind::Label, .left = 4440, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 1, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lbldividend(1)", .kind = Kind::Label, .left = 4560, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 2, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lbldividend(2)", .kind = Kind::Label, .left = 4680, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 3, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lbldividend(3)", .kind = Kind::Label, .left = 4800, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 4, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lbldividend(4)", .kind = Kind::Label, .left = 4920, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 5, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lbldividend(5)", .kind = Kind::Label, .left = 5040, .top = 1920, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 6, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(0)", .kind = Kind::Label, .left = 4440, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 7, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(1)", .kind = Kind::Label, .left = 4560, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 8, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(2)", .kind = Kind::Label, .left = 4680, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 9, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(3)", .kind = Kind::Label, .left = 4800, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 10, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(4)", .kind = Kind::Label, .left = 4920, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 11, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    {.name = "lblAnswer(5)", .kind = Kind::Label, .left = 5040, .top = 1440, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 12, .font = kDigits, .backColour = kDigitBack, .flags = kTransparent},
    // Bring-down boxes before the products, so a product stays readable where they overlap.
    {.name = "lblBringDown(0)", .kind = Kind::Label, .left = 4560, .top = 2640, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 16, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed, .flags = kTransparent},
    {.name = "lblBringDown(1)", .kind = Kind::Label, .left = 4680, .top = 3120, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 22, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(2)", .kind = Kind::Label, .left = 4800, .top = 3600, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 25, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(3)", .kind = Kind::Label, .left = 4920, .top = 4080, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 26, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(4)", .kind = Kind::Label, .left = 5040, .top = 4560, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 27, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblSubtract(0)", .kind = Kind::Label, .left = 4200, .top = 2640, .width = 375, .height = 375,
     .caption = "8", .tabIndex = 15, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblSubtract(1)", .kind = Kind::Label, .left = 4200, .top = 3120, .width = 495, .height = 375,
     .caption = "88", .tabIndex = 21, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblSubtract(2)", .kind = Kind::Label, .left = 4200, .top = 3600, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 24, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblSubtract(3)", .kind = Kind::Label, .left = 4200, .top = 4080, .width = 735, .height = 375,
     .caption = "8", .tabIndex = 31, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblSubtract(4)", .kind = Kind::Label, .left = 4440, .top = 4560, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 32, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblSubtract(5)", .kind = Kind::Label, .left = 4800, .top = 5040, .width = 375, .height = 375,
     .caption = "8", .tabIndex = 36, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right, .flags = kTransparent},
    {.name = "lblMult(0)", .kind = Kind::Label, .left = 4440, .top = 2280, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 13, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .flags = kTransparent},
    {.name = "lblMult(1)", .kind = Kind::Label, .left = 4080, .top = 2880, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 14, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right, .flags = kTransparent},
    {.name = "lblMult(2)", .kind = Kind::Label, .left = 4440, .top = 3360, .width = 375, .height = 375,
     .caption = "8", .tabIndex = 23, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right, .flags = kTransparent},
    {.name = "lblMult(3)", .kind = Kind::Label, .left = 4320, .top = 3840, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 28, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right, .flags = kTransparent},
    {.name = "lblMult(4)", .kind = Kind::Label, .left = 4440, .top = 4320, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 29, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right, .flags = kTransparent},
    {.name = "lblMult(5)", .kind = Kind::Label, .left = 4560, .top = 4800, .width = 615, .height = 375,
     .caption = "8", .tabIndex = 30, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right, .flags = kTransparent},
    {.name = "lblwords(0)", .kind = Kind::Label, .left = 7440, .top = 0, .width = 975, .height = 375,
     .caption = "Divide ", .tabIndex = 17, .font = {"MS Sans Serif", 13.5}, .flags = kTransparent},
    {.name = "lblwords(1)", .kind = Kind::Label, .left = 7440, .top = 480, .width = 1095, .height = 375,
     .caption = "Multiply", .tabIndex = 18, .font = {"MS Sans Serif", 13.5}, .foreColour = kGreen, .flags = kTransparent},
    {.name = "lblwords(2)", .kind = Kind::Label, .left = 7440, .top = 960, .width = 1095, .height = 375,
     .caption = "Subtract", .tabIndex = 19, .font = {"MS Sans Serif", 13.5}, .foreColour = kBlue, .flags = kTransparent},
    {.name = "lblwords(3)", .kind = Kind::Label, .left = 7440, .top = 1440, .width = 1575, .height = 375,
     .caption = "Bring Down", .tabIndex = 20, .font = {"MS Sans Serif", 13.5}, .foreColour = kRed, .flags = kTransparent},
    {.name = "Label1", .kind = Kind::Label, .left = 5280, .top = 1440, .width = 255, .height = 375,
     .caption = "R", .tabIndex = 37, .font = kDigits, .backColour = kDigitBack, .align = Align::Center, .flags = kTransparent},
    {.name = "lblRemainder", .kind = Kind::Label, .left = 5640, .top = 1440, .width = 735, .height = 375,
     .caption = "R", .tabIndex = 38, .font = kDigits, .backColour = kDigitBack, .align = Align::Center, .flags = kTransparent},
    {.name = "txtZeros", .kind = Kind::TextBox, .left = 240, .top = 1320, .width = 2655, .height = 3855,
     .caption = texts::kZerosNoteStandard, .tabIndex = 34, .font = {"Arial", 12}, .backColour = kGreyBlue,
     .flags = kMultiLine},
    {.name = "cmdShowNext", .kind = Kind::CommandButton, .left = 5640, .top = 6480, .width = 1935, .height = 615,
     .caption = "Show Next Step", .tabIndex = 33, .backColour = 0x00E0E0E0, .flags = kGraphical},
    {.name = "cmdUnload", .kind = Kind::CommandButton, .left = 7680, .top = 6480, .width = 1815, .height = 615,
     .caption = "Close Help", .tabIndex = 35, .backColour = 0x00E0E0E0, .flags = kGraphical},
    // Lines last, so that the rules show over the opaque digit boxes.
    {.name = "Line1", .kind = Kind::Line, .left = 4320, .top = 1800, .width = 5400, .height = 1800},
    {.name = "Line7", .kind = Kind::Line, .left = 4320, .top = 1800, .width = 4320, .height = 2160},
    {.name = "Line2", .kind = Kind::Line, .left = 4320, .top = 2640, .width = 4680, .height = 2640},
    {.name = "Line3", .kind = Kind::Line, .left = 4320, .top = 3120, .width = 4800, .height = 3120},
    {.name = "Line4", .kind = Kind::Line, .left = 4320, .top = 3600, .width = 4920, .height = 3600},
    {.name = "Line5", .kind = Kind::Line, .left = 4320, .top = 4080, .width = 5040, .height = 4080},
    {.name = "Line6", .kind = Kind::Line, .left = 4440, .top = 4560, .width = 5160, .height = 4560},
    {.name = "Line8", .kind = Kind::Line, .left = 4560, .top = 5040, .width = 5280, .height = 5040},
};
// clang-format on

}  // namespace

const Window hints{
    .caption = "Hints",
    .clientWidth = 9600,
    .clientHeight = 7185,
    .picture = pictures::hintBackground,
    .controls = kControls,
};

}  // namespace designs::standard

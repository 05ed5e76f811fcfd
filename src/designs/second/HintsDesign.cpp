// The second hint window: the worked division on rose boxes beside the patchwork strip.
#include "designs/Texts.h"
#include "designs/second/Colours.h"
#include "designs/second/Pictures.h"
#include "designs/second/SecondBuild.h"

namespace designs::second {
namespace {

using namespace design;

constexpr Font kDigits{"MS Sans Serif", 12};
constexpr Colour kDigitBack = kRose;

// clang-format off
constexpr Control kControls[] = {
    {.name = "lblDivisor", .kind = Kind::Label, .left = 5040, .top = 2520, .width = 495, .height = 255,
     .caption = "888", .tabIndex = 0, .font = kDigits, .backColour = kDigitBack, .align = Align::Right},
    {.name = "lbldividend(0)", .kind = Kind::Label, .left = 5760, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 1, .font = kDigits, .backColour = kDigitBack},
    {.name = "lbldividend(1)", .kind = Kind::Label, .left = 5880, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 2, .font = kDigits, .backColour = kDigitBack},
    {.name = "lbldividend(2)", .kind = Kind::Label, .left = 6000, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 3, .font = kDigits, .backColour = kDigitBack},
    {.name = "lbldividend(3)", .kind = Kind::Label, .left = 6120, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 4, .font = kDigits, .backColour = kDigitBack},
    {.name = "lbldividend(4)", .kind = Kind::Label, .left = 6240, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 5, .font = kDigits, .backColour = kDigitBack},
    {.name = "lbldividend(5)", .kind = Kind::Label, .left = 6360, .top = 2520, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 6, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(0)", .kind = Kind::Label, .left = 5760, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 7, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(1)", .kind = Kind::Label, .left = 5880, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 8, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(2)", .kind = Kind::Label, .left = 6000, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 9, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(3)", .kind = Kind::Label, .left = 6120, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 10, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(4)", .kind = Kind::Label, .left = 6240, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 11, .font = kDigits, .backColour = kDigitBack},
    {.name = "lblAnswer(5)", .kind = Kind::Label, .left = 6360, .top = 2040, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 12, .font = kDigits, .backColour = kDigitBack},
    // Bring-down boxes before the products, so a product stays readable where they overlap.
    {.name = "lblBringDown(0)", .kind = Kind::Label, .left = 5880, .top = 3240, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 16, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(1)", .kind = Kind::Label, .left = 6000, .top = 3720, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 22, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(2)", .kind = Kind::Label, .left = 6120, .top = 4200, .width = 135, .height = 375,
     .caption = "8", .tabIndex = 25, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(3)", .kind = Kind::Label, .left = 6240, .top = 4680, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 26, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblBringDown(4)", .kind = Kind::Label, .left = 6360, .top = 5160, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 27, .font = kDigits, .backColour = kDigitBack, .foreColour = kRed},
    {.name = "lblSubtract(0)", .kind = Kind::Label, .left = 5760, .top = 3240, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 15, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblSubtract(1)", .kind = Kind::Label, .left = 5760, .top = 3720, .width = 255, .height = 255,
     .caption = "88", .tabIndex = 21, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblSubtract(2)", .kind = Kind::Label, .left = 5760, .top = 4200, .width = 375, .height = 255,
     .caption = "8", .tabIndex = 24, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblSubtract(3)", .kind = Kind::Label, .left = 5880, .top = 4680, .width = 375, .height = 255,
     .caption = "8", .tabIndex = 31, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblSubtract(4)", .kind = Kind::Label, .left = 6000, .top = 5160, .width = 375, .height = 255,
     .caption = "8", .tabIndex = 32, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblSubtract(5)", .kind = Kind::Label, .left = 6120, .top = 5640, .width = 375, .height = 255,
     .caption = "8", .tabIndex = 36, .font = kDigits, .backColour = kDigitBack, .foreColour = kBlue, .align = Align::Right},
    {.name = "lblMult(0)", .kind = Kind::Label, .left = 5760, .top = 2880, .width = 135, .height = 255,
     .caption = "8", .tabIndex = 13, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen},
    {.name = "lblMult(1)", .kind = Kind::Label, .left = 5400, .top = 3480, .width = 615, .height = 255,
     .caption = "8", .tabIndex = 14, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right},
    {.name = "lblMult(2)", .kind = Kind::Label, .left = 5760, .top = 3960, .width = 375, .height = 255,
     .caption = "8", .tabIndex = 23, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right},
    {.name = "lblMult(3)", .kind = Kind::Label, .left = 5640, .top = 4440, .width = 615, .height = 255,
     .caption = "8", .tabIndex = 28, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right},
    {.name = "lblMult(4)", .kind = Kind::Label, .left = 5760, .top = 4920, .width = 615, .height = 255,
     .caption = "8", .tabIndex = 29, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right},
    {.name = "lblMult(5)", .kind = Kind::Label, .left = 5880, .top = 5400, .width = 615, .height = 255,
     .caption = "8", .tabIndex = 30, .font = kDigits, .backColour = kDigitBack, .foreColour = kGreen, .align = Align::Right},
    {.name = "lblwords(0)", .kind = Kind::Label, .left = 7920, .top = 2040, .width = 975, .height = 375,
     .caption = "Divide ", .tabIndex = 17, .font = {"MS Sans Serif", 13.5}, .backColour = kRose},
    {.name = "lblwords(1)", .kind = Kind::Label, .left = 7920, .top = 2520, .width = 1095, .height = 375,
     .caption = "Multiply", .tabIndex = 18, .font = {"MS Sans Serif", 13.5}, .backColour = kRose, .foreColour = kGreen},
    {.name = "lblwords(2)", .kind = Kind::Label, .left = 7920, .top = 3000, .width = 1095, .height = 375,
     .caption = "Subtract", .tabIndex = 19, .font = {"MS Sans Serif", 13.5}, .backColour = kRose, .foreColour = kBlue},
    {.name = "lblwords(3)", .kind = Kind::Label, .left = 7920, .top = 3480, .width = 1575, .height = 375,
     .caption = "Bring Down", .tabIndex = 20, .font = {"MS Sans Serif", 13.5}, .backColour = kRose, .foreColour = kRed},
    {.name = "Label1", .kind = Kind::Label, .left = 6600, .top = 2040, .width = 255, .height = 375,
     .caption = "R", .tabIndex = 37, .font = kDigits, .backColour = kDigitBack, .align = Align::Center},
    {.name = "lblRemainder", .kind = Kind::Label, .left = 6960, .top = 2040, .width = 495, .height = 375,
     .caption = "R", .tabIndex = 38, .font = kDigits, .backColour = kDigitBack, .align = Align::Center},
    {.name = "txtZeros", .kind = Kind::TextBox, .left = 1800, .top = 1920, .width = 2655, .height = 4695,
     .caption = texts::kZerosNoteSecond, .tabIndex = 34, .font = {"Arial", 12}, .backColour = 0x008080FF,
     .flags = kMultiLine},
    {.name = "cmdShowNext", .kind = Kind::CommandButton, .left = 7920, .top = 4080, .width = 1215, .height = 615,
     .caption = "Show Next Step", .tabIndex = 33, .backColour = kRose, .flags = kGraphical},
    {.name = "cmdUnload", .kind = Kind::CommandButton, .left = 7920, .top = 4920, .width = 1215, .height = 615,
     .caption = "Close Help", .tabIndex = 35, .backColour = kRose, .flags = kGraphical},
    {.name = "Picture1", .kind = Kind::PictureBox, .left = 2520, .top = 0, .width = 7095, .height = 1695,
     .tabIndex = 39,
     .picture = pictures::banner},
    // Lines last, so that the rules show over the opaque digit boxes.
    {.name = "Line1", .kind = Kind::Line, .left = 5640, .top = 2400, .width = 6480, .height = 2400},
    {.name = "Line7", .kind = Kind::Line, .left = 5640, .top = 2400, .width = 5640, .height = 2760},
    {.name = "Line2", .kind = Kind::Line, .left = 5640, .top = 3240, .width = 6000, .height = 3240},
    {.name = "Line3", .kind = Kind::Line, .left = 5640, .top = 3720, .width = 6120, .height = 3720},
    {.name = "Line4", .kind = Kind::Line, .left = 5640, .top = 4200, .width = 6240, .height = 4200},
    {.name = "Line5", .kind = Kind::Line, .left = 5640, .top = 4680, .width = 6360, .height = 4680},
    {.name = "Line6", .kind = Kind::Line, .left = 5760, .top = 5160, .width = 6480, .height = 5160},
    {.name = "Line8", .kind = Kind::Line, .left = 5880, .top = 5640, .width = 6600, .height = 5640},
};
// clang-format on

}  // namespace

const Window hints{
    .caption = "Hints",
    .clientWidth = 10245,
    .clientHeight = 6795,
    .picture = pictures::background,
    .controls = kControls,
};

}  // namespace designs::second

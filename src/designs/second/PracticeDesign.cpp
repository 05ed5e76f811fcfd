// The second practice window: banner, one row of buttons, rose boxes.
#include "designs/Texts.h"
#include "designs/second/Colours.h"
#include "designs/second/Pictures.h"
#include "designs/second/SecondBuild.h"

namespace designs::second {
namespace {

using namespace design;

constexpr Font kSans18{"MS Sans Serif", 18};

// clang-format off
constexpr Control kControls[] = {
    // Lines first, so that every other control stands above them.
    {.name = "Line1", .kind = Kind::Line, .left = 6240, .top = 4560, .width = 3960, .height = 4560,
     .lineWidth = 5},
    {.name = "Line2", .kind = Kind::Line, .left = 3960, .top = 4560, .width = 3960, .height = 5160,
     .lineWidth = 5},
    {.name = "cmdHint", .kind = Kind::CommandButton, .left = 7200, .top = 1920, .width = 1215,
     .height = 495, .caption = "&Hint", .tabIndex = 0, .backColour = kRose, .flags = kGraphical},
    {.name = "cmdNewQuestion", .kind = Kind::CommandButton, .left = 1560, .top = 1920, .width = 1455,
     .height = 495, .caption = "New &Question", .tabIndex = 1, .backColour = kRose,
     .flags = kGraphical},
    {.name = "txtDividend", .kind = Kind::TextBox, .left = 4200, .top = 4680, .width = 1815,
     .height = 495, .tabIndex = 2, .font = kSans18, .flags = kDisabled},
    {.name = "txtDivisor", .kind = Kind::TextBox, .left = 2640, .top = 4680, .width = 1215,
     .height = 495, .tabIndex = 3, .font = kSans18, .align = Align::Right, .flags = kDisabled},
    {.name = "txtAnswer", .kind = Kind::TextBox, .left = 4200, .top = 3960, .width = 1815,
     .height = 465, .tabIndex = 4, .font = kSans18},
    {.name = "txtRemainder", .kind = Kind::TextBox, .left = 6840, .top = 3960, .width = 1215,
     .height = 495, .tabIndex = 5, .font = kSans18},
    {.name = "cmdCheck", .kind = Kind::CommandButton, .left = 5520, .top = 1920, .width = 1575,
     .height = 495, .caption = "&Check Answer", .tabIndex = 6, .backColour = kRose,
     .flags = kGraphical},
    {.name = "cmdNewLevel", .kind = Kind::CommandButton, .left = 3120, .top = 1920, .width = 2295,
     .height = 495, .caption = "Change Number lengths", .tabIndex = 7, .backColour = kRose,
     .flags = kGraphical},
    {.name = "cmdExit", .kind = Kind::CommandButton, .left = 10080, .top = 1920, .width = 1215,
     .height = 495, .caption = "E&xit", .tabIndex = 8, .backColour = kRose, .flags = kGraphical},
    {.name = "picCorrect", .kind = Kind::PictureBox, .left = 7800, .top = 4800, .width = 2655,
     .height = 1845, .tabIndex = 9, .flags = kAutoSize | kSunken,
     .picture = pictures::correct},
    // The try-again picture lies over the correct one, at the same corner.
    {.name = "picWrong", .kind = Kind::PictureBox, .left = 7800, .top = 4800, .width = 3645,
     .height = 1830, .tabIndex = 10, .flags = kAutoSize | kSunken,
     .picture = pictures::tryAgain},
    {.name = "Label1", .kind = Kind::Label, .left = 6240, .top = 4080, .width = 375, .height = 375,
     .caption = "R", .tabIndex = 11, .font = {"Arial", 15.75}, .backColour = kRose,
     .align = Align::Center},
    {.name = "Label2", .kind = Kind::Label, .left = 2400, .top = 2640, .width = 6255, .height = 855,
     .caption = texts::kPracticeInstructionsSecond, .tabIndex = 12,
     .font = {"MS Sans Serif", 13.5}, .backColour = kRose},
    {.name = "cmdPrint", .kind = Kind::CommandButton, .left = 8520, .top = 1920, .width = 1455,
     .height = 495, .caption = "Print Summary", .tabIndex = 13, .backColour = kRose,
     .flags = kGraphical},
    {.name = "Picture1", .kind = Kind::PictureBox, .left = 2760, .top = 120, .width = 7095,
     .height = 1695, .tabIndex = 14,
     .picture = pictures::banner},
};
// clang-format on

}  // namespace

const Window practice{
    .caption = "Practice",
    .clientWidth = 11520,
    .clientHeight = 6795,
    .picture = pictures::background,
    .icon = pictures::butterflyIcon,
    .controls = kControls,
};

}  // namespace designs::second

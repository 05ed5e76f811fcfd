// The standard practice window: two rows of buttons, the division in the lower right.
#include "designs/Texts.h"
#include "designs/standard/Colours.h"
#include "designs/standard/Pictures.h"
#include "designs/standard/StandardBuild.h"

namespace designs::standard {
namespace {

using namespace design;

constexpr Font kSans18{"MS Sans Serif", 18};

// clang-format off
constexpr Control kControls[] = {
    // Lines first, so that every other control stands above them.
    {.name = "Line1", .kind = Kind::Line, .left = 7680, .top = 6120, .width = 5400, .height = 6120,
     .lineWidth = 5},
    {.name = "Line2", .kind = Kind::Line, .left = 5400, .top = 6120, .width = 5400, .height = 6720,
     .lineWidth = 5},
    {.name = "cmdHint", .kind = Kind::CommandButton, .left = 6360, .top = 840, .width = 1215,
     .height = 495, .caption = "&Hint", .tabIndex = 0, .backColour = kGreyBlue, .flags = kGraphical},
    {.name = "cmdNewQuestion", .kind = Kind::CommandButton, .left = 2160, .top = 120, .width = 1455,
     .height = 495, .caption = "New &Question", .tabIndex = 1, .backColour = kGreyBlue,
     .flags = kGraphical},
    {.name = "txtDividend", .kind = Kind::TextBox, .left = 5640, .top = 6240, .width = 1815,
     .height = 495, .tabIndex = 2, .font = kSans18, .flags = kDisabled},
    {.name = "txtDivisor", .kind = Kind::TextBox, .left = 4080, .top = 6240, .width = 1215,
     .height = 495, .tabIndex = 3, .font = kSans18, .align = Align::Right, .flags = kDisabled},
    {.name = "txtAnswer", .kind = Kind::TextBox, .left = 5640, .top = 5520, .width = 1815,
     .height = 465, .tabIndex = 4, .font = kSans18},
    {.name = "txtRemainder", .kind = Kind::TextBox, .left = 8280, .top = 5520, .width = 1215,
     .height = 495, .tabIndex = 5, .font = kSans18},
    {.name = "cmdCheck", .kind = Kind::CommandButton, .left = 4680, .top = 840, .width = 1575,
     .height = 495, .caption = "&Check Answer", .tabIndex = 6, .backColour = kGreyBlue,
     .flags = kGraphical},
    {.name = "cmdNewLevel", .kind = Kind::CommandButton, .left = 3720, .top = 120, .width = 2295,
     .height = 495, .caption = "Change Number lengths", .tabIndex = 7, .backColour = kGreyBlue,
     .flags = kGraphical},
    {.name = "cmdExit", .kind = Kind::CommandButton, .left = 8280, .top = 120, .width = 1215,
     .height = 495, .caption = "E&xit", .tabIndex = 8, .backColour = kGreyBlue, .flags = kGraphical},
    {.name = "picCorrect", .kind = Kind::PictureBox, .left = 240, .top = 5160, .width = 1785,
     .height = 1785, .tabIndex = 9, .flags = kAutoSize | kSunken,
     .picture = pictures::correct},
    // The try-again picture lies over the correct one, at the same corner.
    {.name = "picWrong", .kind = Kind::PictureBox, .left = 240, .top = 5160, .width = 1620,
     .height = 1875, .tabIndex = 10, .flags = kAutoSize | kSunken,
     .picture = pictures::tryAgain},
    {.name = "Label1", .kind = Kind::Label, .left = 7680, .top = 5640, .width = 375, .height = 375,
     .caption = "R", .tabIndex = 11, .font = {"Arial", 15.75}, .backColour = kGreyBlue,
     .align = Align::Center},
    {.name = "Label2", .kind = Kind::Label, .left = 5640, .top = 4320, .width = 3855, .height = 1095,
     .caption = texts::kPracticeInstructionsStandard, .tabIndex = 12,
     .font = {"MS Sans Serif", 13.5}, .backColour = 0x00E0E0E0, .foreColour = 0x00FFFFFF,
     .flags = kTransparent},
    {.name = "cmdPrint", .kind = Kind::CommandButton, .left = 6720, .top = 120, .width = 1455,
     .height = 495, .caption = "Print Summary", .tabIndex = 13, .backColour = kGreyBlue,
     .flags = kGraphical},
};
// clang-format on

}  // namespace

const Window practice{
    .caption = "Practice",
    .clientWidth = 9600,
    .clientHeight = 7170,
    .picture = pictures::practiceBackground,
    .controls = kControls,
};

}  // namespace designs::standard

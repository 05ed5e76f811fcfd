// The standard set-up window: option columns with "1 Digit" labels on the harbour photograph.
#include "designs/Texts.h"
#include "designs/standard/Colours.h"
#include "designs/standard/Pictures.h"
#include "designs/standard/StandardBuild.h"

namespace designs::standard {
namespace {

using namespace design;

constexpr Font kSans12{"MS Sans Serif", 12};
constexpr Font kArial975{"Arial", 9.75};
constexpr Font kArial825{"Arial", 8.25};

// clang-format off
constexpr Control kControls[] = {
    {.name = "Label3", .kind = Kind::Label, .left = 2400, .top = 1320, .width = 1815, .height = 375,
     .caption = "Enter your name", .tabIndex = 18, .backColour = kGreyBlue},
    {.name = "txtName", .kind = Kind::TextBox, .left = 4200, .top = 1320, .width = 2895, .height = 375,
     .tabIndex = 0, .font = kMsSansSerif825},
    {.name = "Label1", .kind = Kind::Label, .left = 120, .top = 2040, .width = 3615, .height = 615,
     .caption = "Click on the number of digits you want outside the division house.", .tabIndex = 5,
     .font = kSans12, .backColour = kGreyBlue, .foreColour = 0x00000000},
    {.name = "Frame1", .kind = Kind::Frame, .left = 3120, .top = 2640, .width = 615, .height = 1335,
     .tabIndex = 1, .backColour = kGreyBlue},
    {.name = "Option1", .kind = Kind::OptionButton, .container = "Frame1", .left = 120, .top = 0,
     .width = 255, .height = 375, .tabIndex = 2, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Option2", .kind = Kind::OptionButton, .container = "Frame1", .left = 120, .top = 480,
     .width = 255, .height = 255, .tabIndex = 3, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Option3", .kind = Kind::OptionButton, .container = "Frame1", .left = 120, .top = 960,
     .width = 255, .height = 255, .tabIndex = 4, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Label2", .kind = Kind::Label, .left = 5280, .top = 2040, .width = 3615, .height = 615,
     .caption = "Click on the number of digits you want inside the division house.", .tabIndex = 6,
     .font = kSans12, .backColour = kGreyBlue},
    {.name = "Frame2", .kind = Kind::Frame, .left = 8280, .top = 2640, .width = 615, .height = 2295,
     .tabIndex = 7, .backColour = kGreyBlue},
    {.name = "Opt2", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 0,
     .width = 255, .height = 375, .tabIndex = 13, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Opt3", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 480,
     .width = 255, .height = 375, .tabIndex = 12, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Option4", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 960,
     .width = 255, .height = 375, .tabIndex = 10, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Option5", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 1440,
     .width = 255, .height = 375, .tabIndex = 9, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Option6", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 1920,
     .width = 255, .height = 375, .tabIndex = 8, .font = kMsSansSerif825, .backColour = kGreyBlue},
    {.name = "Frame3", .kind = Kind::Frame, .left = 3000, .top = 4560, .width = 495, .height = 1815,
     .tabIndex = 15, .backColour = kGreyBlue},
    // After the group box, which would hide the end of its last line.
    {.name = "Label4", .kind = Kind::Label, .left = 120, .top = 4560, .width = 3375, .height = 615,
     .caption = "Would you like to have remainders in the problems?", .tabIndex = 19,
     .font = kSans12, .backColour = kGreyBlue},
    {.name = "opoRemainder(0)", .kind = Kind::OptionButton, .container = "Frame3", .left = 120,
     .top = 720, .width = 255, .height = 375, .tabIndex = 16, .backColour = kGreyBlue},
    {.name = "opoRemainder(1)", .kind = Kind::OptionButton, .container = "Frame3", .left = 120,
     .top = 1320, .width = 255, .height = 375, .tabIndex = 17, .backColour = kGreyBlue},
    {.name = "Text1", .kind = Kind::TextBox, .left = 3600, .top = 5640, .width = 6015, .height = 1575,
     .caption = texts::kSetUpInstructions, .tabIndex = 14, .font = kArial825,
     .flags = kMultiLine | kVScroll | kReadOnly},
    {.name = "cmdBeginPractice", .kind = Kind::CommandButton, .left = 7560, .top = 1080,
     .width = 1935, .height = 615, .caption = "Begin Practice", .tabIndex = 11, .font = kSans12,
     .backColour = kGreyBlue, .flags = kGraphical},
    // The labels beside the plain option buttons.
    {.name = "Label8", .kind = Kind::Label, .left = 2400, .top = 2640, .width = 735, .height = 375,
     .caption = "1 Digit", .tabIndex = 30, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label7", .kind = Kind::Label, .left = 2400, .top = 3120, .width = 735, .height = 375,
     .caption = "2 Digit", .tabIndex = 29, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label6", .kind = Kind::Label, .left = 2400, .top = 3600, .width = 735, .height = 375,
     .caption = "3 Digit", .tabIndex = 28, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label9", .kind = Kind::Label, .left = 7440, .top = 2640, .width = 855, .height = 375,
     .caption = "2 Digit", .tabIndex = 21, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label10", .kind = Kind::Label, .left = 7440, .top = 3120, .width = 855, .height = 375,
     .caption = "3 Digit", .tabIndex = 22, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label11", .kind = Kind::Label, .left = 7440, .top = 3600, .width = 855, .height = 375,
     .caption = "4 Digit", .tabIndex = 23, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label15", .kind = Kind::Label, .left = 7440, .top = 4080, .width = 855, .height = 375,
     .caption = "5 Digit", .tabIndex = 27, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label5", .kind = Kind::Label, .left = 7440, .top = 4560, .width = 855, .height = 375,
     .caption = "6 Digit", .tabIndex = 20, .font = kArial975, .backColour = kGreyBlue, .align = Align::Center},
    {.name = "Label13", .kind = Kind::Label, .left = 1440, .top = 5280, .width = 1575, .height = 375,
     .caption = "No Remainder", .tabIndex = 25, .backColour = kGreyBlue},
    {.name = "Label14", .kind = Kind::Label, .left = 1680, .top = 5880, .width = 1335, .height = 375,
     .caption = "Remainder", .tabIndex = 26, .backColour = kGreyBlue},
};
// clang-format on

}  // namespace

const Window setUp{
    .caption = "Varnel Set Up",
    .clientWidth = 9570,
    .clientHeight = 7200,
    .backColour = kActiveBorder,
    .picture = pictures::setUpBackground,
    .icon = pictures::butterflyIcon,
    .font = {"Arial", 12},
    .controls = kControls,
};

}  // namespace designs::standard

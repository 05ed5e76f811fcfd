// The second set-up window: rose field, banner, picture option buttons side by side.
#include "designs/Texts.h"
#include "designs/second/Colours.h"
#include "designs/second/Pictures.h"
#include "designs/second/SecondBuild.h"

namespace designs::second {
namespace {

using namespace design;

constexpr Font kSans12{"MS Sans Serif", 12};

// clang-format off
constexpr Control kControls[] = {
    {.name = "Label3", .kind = Kind::Label, .left = 120, .top = 1800, .width = 1815, .height = 375,
     .caption = "Enter your name", .tabIndex = 19, .backColour = kRose},
    {.name = "txtName", .kind = Kind::TextBox, .left = 120, .top = 2160, .width = 2895, .height = 375,
     .tabIndex = 0, .font = kMsSansSerif825},
    {.name = "Label1", .kind = Kind::Label, .left = 120, .top = 3600, .width = 3615, .height = 615,
     .caption = "Click on the number of digits you want outside the division house.", .tabIndex = 5,
     .font = kSans12, .backColour = kRose},
    {.name = "Frame1", .kind = Kind::Frame, .left = 3840, .top = 3360, .width = 3735, .height = 1095,
     .tabIndex = 1, .backColour = kRose},
    {.name = "Option1", .kind = Kind::OptionButton, .container = "Frame1", .left = 120, .top = 120,
     .width = 975, .height = 855, .caption = "1 digit", .tabIndex = 2, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::hatBlue, .downPicture = pictures::girlBlue},
    {.name = "Option2", .kind = Kind::OptionButton, .container = "Frame1", .left = 1200, .top = 120,
     .width = 1095, .height = 855, .caption = "2 digits", .tabIndex = 3, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::hatRed, .downPicture = pictures::girlRed},
    {.name = "Option3", .kind = Kind::OptionButton, .container = "Frame1", .left = 2400, .top = 120,
     .width = 975, .height = 855, .caption = "3 digits", .tabIndex = 4, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::hatYellow, .downPicture = pictures::girlYellow},
    {.name = "Label2", .kind = Kind::Label, .left = 120, .top = 4680, .width = 3615, .height = 615,
     .caption = "Click on the number of digits you want inside the division house.", .tabIndex = 6,
     .font = kSans12, .backColour = kRose},
    {.name = "Frame2", .kind = Kind::Frame, .left = 3840, .top = 4440, .width = 5415, .height = 1095,
     .tabIndex = 7, .backColour = kRose},
    {.name = "Opt2", .kind = Kind::OptionButton, .container = "Frame2", .left = 120, .top = 0,
     .width = 855, .height = 1095, .caption = " 2 digits", .tabIndex = 13, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::birdhouseHeart, .downPicture = pictures::bird},
    {.name = "Opt3", .kind = Kind::OptionButton, .container = "Frame2", .left = 1080, .top = 0,
     .width = 855, .height = 1095, .caption = " 3 digits", .tabIndex = 12, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::birdhouseRedRoof, .downPicture = pictures::bird},
    {.name = "Option4", .kind = Kind::OptionButton, .container = "Frame2", .left = 2040, .top = 0,
     .width = 855, .height = 1095, .caption = " 4 digits", .tabIndex = 10, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::birdhouseFence, .downPicture = pictures::bird},
    {.name = "Option5", .kind = Kind::OptionButton, .container = "Frame2", .left = 3000, .top = 0,
     .width = 975, .height = 1095, .caption = " 5 digits", .tabIndex = 9, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::birdhouseBlueRoof, .downPicture = pictures::bird},
    {.name = "Option6", .kind = Kind::OptionButton, .container = "Frame2", .left = 4080, .top = 0,
     .width = 975, .height = 1095, .caption = " 6 digits", .tabIndex = 8, .font = kMsSansSerif825,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::birdhouseSunflower, .downPicture = pictures::bird},
    {.name = "Label4", .kind = Kind::Label, .left = 120, .top = 5880, .width = 3255, .height = 615,
     .caption = "Would you like to have remainders in the problems?", .tabIndex = 20,
     .font = kSans12, .backColour = kRose},
    {.name = "Frame3", .kind = Kind::Frame, .left = 3960, .top = 5760, .width = 4455, .height = 975,
     .tabIndex = 15, .backColour = kRose},
    {.name = "opoRemainder(0)", .kind = Kind::OptionButton, .container = "Frame3", .left = 0,
     .top = 0, .width = 2055, .height = 975, .caption = "No Remainder", .tabIndex = 16,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::wreathTeal, .downPicture = pictures::wreathFlowers},
    {.name = "opoRemainder(1)", .kind = Kind::OptionButton, .container = "Frame3", .left = 2280,
     .top = 0, .width = 1935, .height = 975, .caption = "Remainder", .tabIndex = 17,
     .backColour = kRose, .foreColour = kWindowText, .flags = kGraphical,
     .picture = pictures::wreathPurple, .downPicture = pictures::wreathFlowers},
    {.name = "Text1", .kind = Kind::TextBox, .left = 3240, .top = 1800, .width = 6375, .height = 1455,
     .caption = texts::kSetUpInstructions, .tabIndex = 14, .font = {"Arial", 8.25},
     .flags = kMultiLine | kVScroll | kReadOnly},
    {.name = "cmdBeginPractice", .kind = Kind::CommandButton, .left = 8400, .top = 6000,
     .width = 1575, .height = 735, .caption = "Begin Practice", .tabIndex = 11, .font = kSans12,
     .backColour = kRose, .flags = kGraphical},
    {.name = "Picture1", .kind = Kind::PictureBox, .left = 960, .top = 0, .width = 7095,
     .height = 1695, .tabIndex = 18,
     .picture = pictures::banner},
};
// clang-format on

}  // namespace

const Window setUp{
    .caption = "Varnel Set Up",
    .clientWidth = 10185,
    .clientHeight = 6810,
    .backColour = kRose,
    .font = {"Arial", 12},
    .controls = kControls,
};

}  // namespace designs::second

// A design that names a system colour the builder does not know is refused, with the colour named.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QTest>
#include <string>
#include <vector>

#include "designs/standard/StandardBuild.h"
#include "drill/RunTimeError.h"
#include "support/ControlByName.h"
#include "support/FakePlatform.h"
#include "windows/DesignBuilder.h"
#include "windows/FrmSetUp.h"
#include "windows/Program.h"

namespace {

using design::Kind;

// The window background colour of the system palette, which no design of ours uses.
constexpr design::Colour kUnknown = design::kSystemColour | 5;

struct ColourCase {
    const char* what;
    Kind kind;
    unsigned flags = design::kNone;
    design::Colour windowBack = design::kDefaultColour;
    design::Colour back = design::kDefaultColour;
    design::Colour fore = design::kDefaultColour;
    const char* refused;  // the run-time error, or "" when the design builds
};

TEST(SystemColour, TheBuilderTakesTheTwoItKnowsAndRefusesAnyOther) {
    // clang-format off
    const ColourCase cases[] = {
        {.what = "window text on a graphical option", .kind = Kind::OptionButton,
         .flags = design::kGraphical, .fore = design::kWindowText, .refused = ""},
        {.what = "active border behind a window", .kind = Kind::PictureBox,
         .windowBack = design::kActiveBorder, .refused = ""},
        {.what = "unknown window colour", .kind = Kind::Label, .windowBack = kUnknown,
         .refused = "Unknown system colour 0x80000005 for Sample window"},
        {.what = "unknown back colour of a label", .kind = Kind::Label, .back = kUnknown,
         .refused = "Unknown system colour 0x80000005 for Sample"},
        {.what = "unknown fore colour of a text box", .kind = Kind::TextBox, .fore = kUnknown,
         .refused = "Unknown system colour 0x80000005 for Sample"},
        {.what = "unknown back colour of a graphical button", .kind = Kind::CommandButton,
         .flags = design::kGraphical, .back = kUnknown,
         .refused = "Unknown system colour 0x80000005 for Sample"},
    };
    // clang-format on
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.what);
        const design::Control controls[] = {
            {.name = "Sample",
             .kind = c.kind,
             .width = 1200,
             .height = 495,
             .backColour = c.back,
             .foreColour = c.fore,
             .flags = c.flags},
        };
        const design::Window design{.caption = "Sample window",
                                    .clientWidth = 3000,
                                    .clientHeight = 1500,
                                    .backColour = c.windowBack,
                                    .controls = controls};
        QWidget window;
        std::string refused;
        try {
            builder::build(design, window);
        } catch (const RunTimeError& error) {
            refused = error.what();
        }
        EXPECT_EQ(refused, c.refused);
    }
}

// The practice window is built at the first passed Begin Practice, inside its handler.
TEST(SystemColour, AFaultyPracticeDesignIsAReportedRunTimeErrorAtBeginPractice) {
    const design::Build& standard = designs::standard::build();
    std::vector<design::Control> controls(standard.practice.controls.begin(),
                                          standard.practice.controls.end());
    for (design::Control& c : controls)
        if (std::string(c.name) == "Label2")
            c.backColour = kUnknown;
    design::Window practice = standard.practice;
    practice.controls = controls;
    const design::Build faulty{.version = standard.version,
                               .defaultWindowIcon = standard.defaultWindowIcon,
                               .setUp = standard.setUp,
                               .practice = practice,
                               .hints = standard.hints};

    FakePlatform platform;
    Program program(platform, faulty);
    program.start();
    for (const char* button : {"Option1", "Opt2", "cmdBeginPractice"})
        QTest::mouseClick(control<QAbstractButton>(program.frmSetUp(), button), Qt::LeftButton);
    EXPECT_EQ(platform.runTimeErrors,
              std::vector<std::string>{"Unknown system colour 0x80000005 for Label2"});
    EXPECT_FALSE(program.form2Loaded());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace

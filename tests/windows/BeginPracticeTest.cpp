// Begin Practice and the name box, in both programs, through the real set-up window.
#include "support/DrillFixture.h"

namespace {

constexpr const char* kLengthsMessage =
    "Choose number lengths. The number on the left must be the same or smaller than the number "
    "on the right.";

class BeginPractice : public DrillFixture {};

TEST_P(BeginPractice, StartsWithNothingChosenAndTheFocusInTheName) {
    EXPECT_TRUE(setUp().isVisible());
    EXPECT_EQ(setUp().windowTitle(), "Varnel Set Up");
    for (const char* name : {"Option1", "Option2", "Option3", "Opt2", "Opt3", "Option4", "Option5",
                             "Option6", "opoRemainder(0)", "opoRemainder(1)"})
        EXPECT_FALSE(control<QAbstractButton>(setUp(), name)->isChecked()) << name;
    EXPECT_EQ(setUp().focusWidget(), control<QLineEdit>(setUp(), "txtName"));
    EXPECT_FALSE(program->form2Loaded());
}

struct CheckCase {
    const char* what;
    int outside, inside, remainder;
    bool passes;
    int16_t digitsOutside, digitsInside, wantRemainders;
};

TEST_P(BeginPractice, ChecksTheLengthsAndKeepsWhatItRead) {
    // clang-format off
    const CheckCase cases[] = {
        {.what = "nothing selected", .outside = 0, .inside = 0, .remainder = -1, .passes = false,
         .digitsOutside = 0, .digitsInside = 0, .wantRemainders = 0},
        {.what = "only a dividend length", .outside = 0, .inside = 4, .remainder = 1, .passes = false,
         .digitsOutside = 0, .digitsInside = 4, .wantRemainders = 1},
        {.what = "only a divisor length", .outside = 2, .inside = 0, .remainder = 0, .passes = false,
         .digitsOutside = 2, .digitsInside = 0, .wantRemainders = 0},
        {.what = "divisor longer than dividend", .outside = 3, .inside = 2, .remainder = 1, .passes = false,
         .digitsOutside = 3, .digitsInside = 2, .wantRemainders = 1},
        {.what = "equal lengths", .outside = 2, .inside = 2, .remainder = 1, .passes = true,
         .digitsOutside = 2, .digitsInside = 2, .wantRemainders = 1},
        {.what = "three and three", .outside = 3, .inside = 3, .remainder = 0, .passes = true,
         .digitsOutside = 3, .digitsInside = 3, .wantRemainders = 0},
        {.what = "remainder group left empty", .outside = 1, .inside = 5, .remainder = -1, .passes = true,
         .digitsOutside = 1, .digitsInside = 5, .wantRemainders = 0},
    };
    // clang-format on
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        beginPractice(c.outside, c.inside, c.remainder, "Ann");
        EXPECT_EQ(state().digitsOutside, c.digitsOutside);
        EXPECT_EQ(state().digitsInside, c.digitsInside);
        EXPECT_EQ(state().wantRemainders, c.wantRemainders);
        if (c.passes) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(state().studentName, "Ann");
            EXPECT_TRUE(practice().isVisible());
            EXPECT_FALSE(setUp().isVisible());
        } else {
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.messages[0], kLengthsMessage);
            EXPECT_EQ(state().studentName, "");
            EXPECT_FALSE(program->form2Loaded());
            EXPECT_TRUE(setUp().isVisible());
        }
    }
}

TEST_P(BeginPractice, StoresTheNameExactlyAsTyped) {
    for (const char* name : {"", "  Bo Li  "}) {
        restart();
        beginPractice(1, 2, 0, name);
        EXPECT_EQ(state().studentName, name);
    }
}

TEST_P(BeginPractice, FirstPassOpensThePracticeWindowForTheRemainderChoice) {
    for (int remainder : {0, 1}) {
        SCOPED_TRACE(remainder);
        restart();
        // The first passed Begin Practice zeroes the counts whatever they hold.
        state().numQuestions = state().numCorrect = state().numWrong = state().numHints = 9;
        beginPractice(1, 3, remainder);
        Form2& form = practice();
        EXPECT_EQ(form.windowTitle(), "Practice");
        EXPECT_EQ(control<QLineEdit>(form, "txtRemainder")->isVisible(), remainder == 1);
        EXPECT_EQ(control<QLabel>(form, "Label1")->isVisible(), remainder == 1);
        EXPECT_FALSE(control<QLabel>(form, "picCorrect")->isVisible());
        EXPECT_FALSE(control<QLabel>(form, "picWrong")->isVisible());
        for (const char* box : {"txtAnswer", "txtRemainder", "txtDivisor", "txtDividend"})
            EXPECT_TRUE(control<QLineEdit>(form, box)->text().isEmpty());
        EXPECT_EQ(state().numQuestions + state().numCorrect + state().numWrong + state().numHints,
                  0);
    }
}

TEST_P(BeginPractice, EnterInTheNameMovesTheFocusToTheFirstDivisorOption) {
    activate(setUp());
    QLineEdit* name = control<QLineEdit>(setUp(), "txtName");
    QAbstractButton* firstDivisorOption = control<QAbstractButton>(setUp(), "Option1");
    name->setFocus();
    QTest::keyClicks(name, "Ann");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), firstDivisorOption);
    EXPECT_EQ(name->text(), "Ann");
    EXPECT_FALSE(firstDivisorOption->isChecked());
    EXPECT_EQ(state().studentName, "");
}

TEST_P(BeginPractice, TheCloseBoxEndsTheRun) {
    setUp().close();
    EXPECT_EQ(platform.endedWith, std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(Programs, BeginPractice, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

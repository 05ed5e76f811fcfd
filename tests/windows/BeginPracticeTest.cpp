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
    for (QAbstractButton* option :
         {setUp().Option1, setUp().Option2, setUp().Option3, setUp().Opt2, setUp().Opt3,
          setUp().Option4, setUp().Option5, setUp().Option6, setUp().opoRemainder[0],
          setUp().opoRemainder[1]})
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    EXPECT_EQ(setUp().focusWidget(), setUp().txtName);
    EXPECT_FALSE(program->form2Loaded());
}

struct CheckCase {
    const char* what;
    int outside, inside, remainder;
    bool passes;
    int16_t digitsOutside, digitsInside, wantRemainders;
};

TEST_P(BeginPractice, ChecksTheLengthsAndKeepsWhatItRead) {
    const CheckCase cases[] = {
        {"nothing selected", 0, 0, -1, false, 0, 0, 0},
        {"only a dividend length", 0, 4, 1, false, 0, 4, 1},
        {"only a divisor length", 2, 0, 0, false, 2, 0, 0},
        {"divisor longer than dividend", 3, 2, 1, false, 3, 2, 1},
        {"equal lengths", 2, 2, 1, true, 2, 2, 1},
        {"three and three", 3, 3, 0, true, 3, 3, 0},
        {"remainder group left empty", 1, 5, -1, true, 1, 5, 0},
    };
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
        EXPECT_EQ(form.txtRemainder->isVisible(), remainder == 1);
        EXPECT_EQ(form.Label1->isVisible(), remainder == 1);
        EXPECT_FALSE(form.picCorrect->isVisible());
        EXPECT_FALSE(form.picWrong->isVisible());
        for (QLineEdit* box : {form.txtAnswer, form.txtRemainder, form.txtDivisor, form.txtDividend})
            EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(state().numQuestions + state().numCorrect + state().numWrong + state().numHints, 0);
    }
}

TEST_P(BeginPractice, EnterInTheNameMovesTheFocusToTheFirstDivisorOption) {
    activate(setUp());
    setUp().txtName->setFocus();
    QTest::keyClicks(setUp().txtName, "Ann");
    QTest::keyClick(setUp().txtName, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), setUp().Option1);
    EXPECT_EQ(setUp().txtName->text(), "Ann");
    EXPECT_FALSE(setUp().Option1->isChecked());
    EXPECT_EQ(state().studentName, "");
}

TEST_P(BeginPractice, TheCloseBoxEndsTheRun) {
    setUp().close();
    EXPECT_EQ(platform.endedWith, std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(Programs, BeginPractice, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

// Change Number lengths, the road back to the set-up window, and Exit.
#include "support/DrillFixture.h"

namespace {

class LevelChange : public DrillFixture {};

TEST_P(LevelChange, CountsCarryOnAndTheRemainderBoxKeepsItsVisibility) {
    beginPractice(1, 3, 1);
    state().numQuestions = 4;
    state().numCorrect = 2;
    state().numWrong = 1;
    state().numHints = 3;
    control<QLineEdit>(practice(), "txtDivisor")->setText(" 7");
    control<QLineEdit>(practice(), "txtDividend")->setText(" 123");
    control<QLineEdit>(practice(), "txtAnswer")->setText("17");
    control<QLineEdit>(practice(), "txtRemainder")->setText("4");
    control<QLabel>(practice(), "picCorrect")->show();

    click(practice(), "cmdNewLevel");
    EXPECT_EQ(state().keepTallies, 1);
    EXPECT_TRUE(setUp().isVisible());
    EXPECT_FALSE(practice().isVisible());
    for (const char* box : {"txtDivisor", "txtDividend", "txtAnswer", "txtRemainder"})
        EXPECT_TRUE(control<QLineEdit>(practice(), box)->text().isEmpty());
    // The pupil's entries are still there.
    EXPECT_EQ(control<QLineEdit>(setUp(), "txtName")->text(), "Ann");
    EXPECT_TRUE(control<QAbstractButton>(setUp(), "Option1")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>(setUp(), "Opt3")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>(setUp(), "opoRemainder", 1)->isChecked());

    // Remainders off now: the box stays as it was until the next question.
    choose(0, 0, 0);
    click(setUp(), "cmdBeginPractice");
    EXPECT_TRUE(practice().isVisible());
    EXPECT_EQ(state().wantRemainders, 0);
    EXPECT_TRUE(control<QLineEdit>(practice(), "txtRemainder")->isVisible());
    EXPECT_TRUE(control<QLabel>(practice(), "Label1")->isVisible());
    EXPECT_FALSE(control<QLabel>(practice(), "picCorrect")->isVisible());
    EXPECT_EQ(state().numQuestions, 4);
    EXPECT_EQ(state().numCorrect, 2);
    EXPECT_EQ(state().numWrong, 1);
    EXPECT_EQ(state().numHints, 3);
}

TEST_P(LevelChange, HiddenRemainderBoxStaysHiddenAfterSwitchingRemaindersOn) {
    beginPractice(1, 3, 0);
    click(practice(), "cmdNewLevel");
    choose(0, 0, 1);
    click(setUp(), "cmdBeginPractice");
    EXPECT_EQ(state().wantRemainders, 1);
    EXPECT_FALSE(control<QLineEdit>(practice(), "txtRemainder")->isVisible());
    EXPECT_FALSE(control<QLabel>(practice(), "Label1")->isVisible());
}

TEST_P(LevelChange, AFailedCheckAfterALevelChangeLeavesThePracticeWindowHidden) {
    beginPractice(1, 3, 0, "Ann");
    click(practice(), "cmdNewLevel");
    control<QLineEdit>(setUp(), "txtName")->setText("Bob");
    choose(3, 2, -1);
    click(setUp(), "cmdBeginPractice");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(practice().isVisible());
    EXPECT_TRUE(setUp().isVisible());
    EXPECT_EQ(state().studentName, "Ann");
    EXPECT_EQ(state().digitsOutside, 3);
    EXPECT_EQ(state().digitsInside, 2);
}

TEST_P(LevelChange, ExitAndTheCloseBoxEndTheRun) {
    beginPractice(1, 2, 0);
    click(practice(), "cmdExit");
    EXPECT_EQ(platform.endedWith, std::vector<int>{0});
    practice().close();
    EXPECT_EQ(platform.endedWith, (std::vector<int>{0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Programs, LevelChange, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

// The practice window from the keyboard: first focus, tab order and access keys.
#include <functional>

#include "support/DrillFixture.h"

namespace {

class PracticeKeyboard : public DrillFixture {
protected:
    void SetUp() override {
        DrillFixture::SetUp();
        beginPractice(1, 2, 1);
        activate(practice());
    }
};

TEST_P(PracticeKeyboard, HintHasTheFocusFirstAndTabSkipsTheQuestionBoxes) {
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(practice(), "cmdHint"));
    control<QPushButton>(practice(), "cmdNewQuestion")->setFocus();
    QTest::keyClick(control<QPushButton>(practice(), "cmdNewQuestion"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(practice(), "txtAnswer"));
    QTest::keyClick(control<QLineEdit>(practice(), "txtAnswer"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(practice(), "txtRemainder"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_P(PracticeKeyboard, SpaceOnTheFirstFocusPressesHint) {
    QTest::keyClick(control<QPushButton>(practice(), "cmdHint"), Qt::Key_Space);
    EXPECT_EQ(state().numHints, 1);
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Click New Question before selecting Hint"});
}

TEST_P(PracticeKeyboard, AccessKeysPressTheirButtons) {
    const std::pair<Qt::Key, std::function<bool()>> keys[] = {
        {Qt::Key_Q, [&] { return state().numQuestions == 1; }},
        {Qt::Key_C, [&] { return control<QLabel>(practice(), "picWrong")->isVisible(); }},
        {Qt::Key_H, [&] { return state().numHints == 1; }},
        {Qt::Key_X, [&] { return !platform.endedWith.empty(); }},
    };
    for (const auto& [key, pressed] : keys) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        QTest::keyClick(&practice(), key, Qt::AltModifier);
        // An access key presses its button the way a click animates: a moment later.
        EXPECT_TRUE(QTest::qWaitFor(pressed, 1000));
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, PracticeKeyboard,
                         testing::Values(Which::Standard, Which::Second), buildName);

}  // namespace

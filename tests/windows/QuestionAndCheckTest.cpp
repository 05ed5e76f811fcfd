// New Question, Check Answer and the key filter, driven through the real practice window.
#include <QInputMethodEvent>

#include "support/DrillFixture.h"

namespace {

// Scripted draws: 0.7 gives the one-digit divisor 7, 0.025 the two-digit draw 12.
constexpr float kSeven = 0.7f;
constexpr float kTwelve = 0.025f;

class QuestionAndCheck : public DrillFixture {
protected:
    void startWithSevenIntoTwelve(int remainder) {
        beginPractice(1, 2, remainder);
        platform.randoms = {kSeven, kTwelve};
        click(practice(), "cmdNewQuestion");
    }

    void typeInto(QLineEdit* box, const char* keys) {
        activate(practice());
        box->setFocus();
        QTest::keyClicks(box, keys);
    }

    std::string shown() const {
        const bool correct = control<QLabel>(program->form2(), "picCorrect")->isVisible();
        const bool wrong = control<QLabel>(program->form2(), "picWrong")->isVisible();
        if (correct)
            return wrong ? "both" : "correct";
        return wrong ? "wrong" : "none";
    }
};

TEST_P(QuestionAndCheck, NewQuestionPosesTheChosenShape) {
    for (int remainder : {1, 0}) {
        SCOPED_TRACE(remainder);
        restart();
        startWithSevenIntoTwelve(remainder);
        Form2& form = practice();
        EXPECT_EQ(state().numQuestions, 1);
        EXPECT_EQ(platform.reseeds, 1);
        EXPECT_EQ(control<QLineEdit>(form, "txtDivisor")->text(), " 7");
        EXPECT_EQ(control<QLineEdit>(form, "txtDividend")->text(), remainder ? " 12" : " 7");
        EXPECT_EQ(form.Quote, 1);
        EXPECT_EQ(state().expectedRemainder, remainder ? 5 : 0);
        EXPECT_EQ(control<QLineEdit>(form, "txtRemainder")->isVisible(), remainder == 1);
        EXPECT_TRUE(control<QLineEdit>(form, "txtAnswer")->text().isEmpty());
        EXPECT_TRUE(control<QLineEdit>(form, "txtRemainder")->text().isEmpty());
        EXPECT_EQ(form.focusWidget(), control<QLineEdit>(form, "txtAnswer"));
    }
}

TEST_P(QuestionAndCheck, NewQuestionClearsThePreviousAttemptAndStopsCountingAt32767) {
    startWithSevenIntoTwelve(1);
    control<QLineEdit>(practice(), "txtAnswer")->setText("1");
    control<QLineEdit>(practice(), "txtRemainder")->setText("5");
    click(practice(), "cmdCheck");
    ASSERT_EQ(shown(), "correct");
    state().numQuestions = 32767;
    click(practice(), "cmdNewQuestion");
    EXPECT_EQ(state().numQuestions, 32767);
    EXPECT_EQ(shown(), "none");
    EXPECT_TRUE(control<QLineEdit>(practice(), "txtAnswer")->text().isEmpty());
    EXPECT_TRUE(control<QLineEdit>(practice(), "txtRemainder")->text().isEmpty());
    EXPECT_EQ(platform.reseeds, 2);
}

TEST_P(QuestionAndCheck, TheRemainderBoxFollowsANewSettingAtTheNextQuestion) {
    startWithSevenIntoTwelve(1);
    click(practice(), "cmdNewLevel");
    choose(0, 0, 0);
    click(setUp(), "cmdBeginPractice");
    EXPECT_TRUE(control<QLineEdit>(practice(), "txtRemainder")->isVisible());
    click(practice(), "cmdNewQuestion");
    EXPECT_FALSE(control<QLineEdit>(practice(), "txtRemainder")->isVisible());
    EXPECT_FALSE(control<QLabel>(practice(), "Label1")->isVisible());
}

struct CheckCase {
    const char* what;
    const char* answer;
    const char* remainder;
    const char* picture;
    int16_t correct, wrong;
};

TEST_P(QuestionAndCheck, CheckAnswerComparesQuotientAndRemainder) {
    // Against 12 divided by 7: quotient 1, remainder 5.
    const CheckCase cases[] = {
        {"both boxes empty", "", "", "wrong", 0, 0},
        {"right", "1", "5", "correct", 1, 0},
        {"leading zeros", "001", "05", "correct", 1, 0},
        {"remainder left empty", "1", "", "wrong", 0, 1},
        {"wrong quotient", "2", "5", "wrong", 0, 1},
        {"same in the low 16 bits only", "1", "65541", "wrong", 0, 1},
        {"pasted letters", "abc", "5", "wrong", 0, 1},
        {"pasted sign", "1", "-5", "wrong", 0, 1},
        {"above 32 bits", "2147483648", "5", "wrong", 0, 1},
        {"empty answer with a bad remainder", "", "x", "wrong", 0, 0},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        startWithSevenIntoTwelve(1);
        control<QLineEdit>(practice(), "txtAnswer")->setText(c.answer);
        control<QLineEdit>(practice(), "txtRemainder")->setText(c.remainder);
        click(practice(), "cmdCheck");
        EXPECT_EQ(shown(), c.picture);
        EXPECT_EQ(state().numCorrect, c.correct);
        EXPECT_EQ(state().numWrong, c.wrong);
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_P(QuestionAndCheck, EveryCheckCountsAgain) {
    startWithSevenIntoTwelve(0);
    control<QLineEdit>(practice(), "txtAnswer")->setText("1");
    click(practice(), "cmdCheck");
    click(practice(), "cmdCheck");
    EXPECT_EQ(state().numCorrect, 2);
    EXPECT_EQ(practice().Answer, 1);
    state().numWrong = 32767;
    control<QLineEdit>(practice(), "txtAnswer")->setText("9");
    click(practice(), "cmdCheck");
    EXPECT_EQ(state().numWrong, 32767);
    EXPECT_EQ(shown(), "wrong");
}

TEST_P(QuestionAndCheck, BeforeAnyQuestionZeroIsRight) {
    beginPractice(1, 2, 0);
    control<QLineEdit>(practice(), "txtAnswer")->setText("0");
    click(practice(), "cmdCheck");
    EXPECT_EQ(shown(), "correct");
    control<QLineEdit>(practice(), "txtAnswer")->setText("4");
    click(practice(), "cmdCheck");
    EXPECT_EQ(shown(), "wrong");
    EXPECT_EQ(state().numCorrect, 1);
    EXPECT_EQ(state().numWrong, 1);
}

TEST_P(QuestionAndCheck, EnterInEitherBoxChecks) {
    startWithSevenIntoTwelve(1);
    typeInto(control<QLineEdit>(practice(), "txtAnswer"), "1");
    typeInto(control<QLineEdit>(practice(), "txtRemainder"), "5");
    QTest::keyClick(control<QLineEdit>(practice(), "txtRemainder"), Qt::Key_Return);
    EXPECT_EQ(shown(), "correct");
    QTest::keyClick(control<QLineEdit>(practice(), "txtAnswer"), Qt::Key_Enter);
    EXPECT_EQ(state().numCorrect, 2);
    EXPECT_TRUE(platform.messages.empty());

    control<QLineEdit>(practice(), "txtAnswer")->clear();
    QTest::keyClick(control<QLineEdit>(practice(), "txtAnswer"), Qt::Key_Return);
    EXPECT_EQ(shown(), "wrong");
    EXPECT_EQ(state().numWrong, 0);
    EXPECT_TRUE(platform.messages.empty());
}

struct KeyCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool refused;
    const char* text;  // the box's text after the key, typed after "12"
};

TEST_P(QuestionAndCheck, OnlyDigitsBackspaceAndEnterAreTyped) {
    const KeyCase cases[] = {
        {"letter", Qt::Key_A, Qt::NoModifier, true, "12"},
        {"blank", Qt::Key_Space, Qt::NoModifier, true, "12"},
        {"minus", Qt::Key_Minus, Qt::NoModifier, true, "12"},
        {"point", Qt::Key_Period, Qt::NoModifier, true, "12"},
        {"escape", Qt::Key_Escape, Qt::NoModifier, true, "12"},
        {"control V", Qt::Key_V, Qt::ControlModifier, true, "12"},
        {"digit", Qt::Key_7, Qt::NoModifier, false, "127"},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, false, "1"},
        {"left arrow", Qt::Key_Left, Qt::NoModifier, false, "12"},
        {"control Enter", Qt::Key_Return, Qt::ControlModifier, true, "12"},
        {"control Backspace", Qt::Key_Backspace, Qt::ControlModifier, true, "12"},
        {"alt and a letter", Qt::Key_A, Qt::AltModifier, false, "12"},
    };
    startWithSevenIntoTwelve(1);
    for (const char* name : {"txtAnswer", "txtRemainder"}) {
        QLineEdit* box = control<QLineEdit>(practice(), name);
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in " + box->objectName().toStdString());
            box->setText("12");
            box->setCursorPosition(2);
            platform.messages.clear();
            typeInto(box, "");
            QTest::keyClick(box, c.key, c.modifiers);
            if (c.refused)
                EXPECT_EQ(platform.messages, std::vector<std::string>{"YOU MUST USE A NUMBER"});
            else
                EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(box->text(), c.text);
            EXPECT_EQ(shown(), "none");
        }
    }
    QLineEdit* box = control<QLineEdit>(practice(), "txtAnswer");
    box->setText("12");
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_9);
    EXPECT_EQ(box->text(), "19");
}

TEST_P(QuestionAndCheck, EveryCharacterOfAKeyIsFiltered) {
    startWithSevenIntoTwelve(1);
    QLineEdit* box = control<QLineEdit>(practice(), "txtAnswer");
    QKeyEvent twoCharacters(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1a");
    QApplication::sendEvent(box, &twoCharacters);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(platform.messages, std::vector<std::string>{"YOU MUST USE A NUMBER"});
}

TEST_P(QuestionAndCheck, ARunTimeErrorInAHandlerIsReportedNotThrown) {
    startWithSevenIntoTwelve(1);
    // No use of the program can bring this about; the guard still has to catch it.
    state().digitsOutside = 0;
    click(practice(), "cmdNewQuestion");
    ASSERT_EQ(platform.runTimeErrors.size(), 1u);
}

TEST_P(QuestionAndCheck, ComposedInputIsFilteredLikeTyping) {
    startWithSevenIntoTwelve(1);
    QLineEdit* box = control<QLineEdit>(practice(), "txtAnswer");
    for (const char* composed : {"\u00e9", "4x"}) {
        SCOPED_TRACE(composed);
        platform.messages.clear();
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(composed));
        QApplication::sendEvent(box, &event);
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_FALSE(platform.messages.empty());
    }
    QInputMethodEvent digits;
    digits.setCommitString("42");
    QApplication::sendEvent(box, &digits);
    EXPECT_EQ(box->text(), "42");
}

INSTANTIATE_TEST_SUITE_P(Programs, QuestionAndCheck,
                         testing::Values(Which::Standard, Which::Second), buildName);

}  // namespace

// The hint window in both programs: Hint on the practice window, the load, the steps and closing.
#include <QPointer>
#include <QTextEdit>
#include <map>
#include <vector>

#include "support/DrillFixture.h"

namespace {

constexpr const char* kNoQuestionMessage = "Click New Question before selecting Hint";

// One press of Show Next Step, as the window shows it afterwards.
struct Press {
    const char* bordered;  // the step words with a border, left to right, joined by "+"
    const char* label;     // the one caption the press writes
    const char* text;
    bool zeros = false;   // the zeros note visible
    bool closes = false;  // the press unloads the window and changes nothing before it goes
};

const Press kCloses{nullptr, nullptr, nullptr, false, true};

using Presses = std::vector<Press>;

// 156 divided by 12 over three places.
const Presses kWorkedExample = {
    {"Divide ", "lblAnswer(0)", "0", true},
    {"Multiply", "lblMult(0)", "0"},
    {"Subtract", "lblSubtract(0)", "1"},
    {"Bring Down", "lblBringDown(0)", "5"},
    {"Divide ", "lblAnswer(1)", "1"},
    {"Multiply", "lblMult(1)", "12"},
    {"Subtract", "lblSubtract(1)", "3"},
    {"Bring Down", "lblBringDown(1)", "6"},
    {"Divide ", "lblAnswer(2)", "3"},
    {"Multiply", "lblMult(2)", "36"},
    {"Subtract", "lblSubtract(2)", "0"},
    {"Subtract", "lblRemainder", "0"},
    kCloses,
};

// 12345 divided by 7 over five places, up to the Bring Down of column 1.
const Presses kFivePlaces = {
    {"Divide ", "lblAnswer(0)", "0", true}, {"Multiply", "lblMult(0)", "0"},
    {"Subtract", "lblSubtract(0)", "1"},    {"Bring Down", "lblBringDown(0)", "2"},
    {"Divide ", "lblAnswer(1)", "1"},       {"Multiply", "lblMult(1)", "7"},
    {"Subtract", "lblSubtract(1)", "5"},    {"Bring Down", "lblBringDown(1)", "3"},
};

Presses slice(const Presses& presses, size_t first, size_t count = SIZE_MAX) {
    const size_t end = std::min(presses.size(), count == SIZE_MAX ? presses.size() : first + count);
    return Presses(presses.begin() + static_cast<std::ptrdiff_t>(first),
                   presses.begin() + static_cast<std::ptrdiff_t>(end));
}

class HintWindow : public DrillFixture {
protected:
    void startWith(int inside, int remainder, int32_t divisor, int32_t dividend) {
        beginPractice(1, inside, remainder);
        setQuestion(divisor, dividend);
    }

    void hint() { click(practice(), "cmdHint"); }

    // The hint window when it is loaded, without loading it.
    FrmHints* window() { return program->frmHintsLoaded() ? &program->frmHints() : nullptr; }

    static std::map<std::string, std::string> captions(const FrmHints& w) {
        std::map<std::string, std::string> byName;
        for (const QLabel* label : w.findChildren<QLabel*>())
            byName[label->objectName().toStdString()] = label->text().toStdString();
        return byName;
    }

    static std::string borderedWords(const FrmHints& w) {
        std::string joined;
        for (int16_t i = 0; i < kStepWords; ++i) {
            const QLabel* word = control<QLabel>(w, "lblwords", i);
            if (word->frameStyle() == QFrame::NoFrame)
                continue;
            EXPECT_EQ(word->frameStyle(), QFrame::Box | QFrame::Plain);
            EXPECT_EQ(word->lineWidth(), 1);
            joined += (joined.empty() ? "" : "+") + word->text().toStdString();
        }
        return joined;
    }

    // What every load leaves, whatever the question.
    static void expectFreshLoad(const FrmHints& w, bool remainders) {
        const std::pair<const char*, int16_t> stepLabels[] = {
            {"lblAnswer", kColumnLabels},
            {"lblMult", kColumnLabels},
            {"lblSubtract", kColumnLabels},
            {"lblBringDown", kBringDownLabels},
        };
        for (const auto& [array, members] : stepLabels)
            for (int16_t i = 0; i < members; ++i) {
                const QLabel* label = control<QLabel>(w, array, i);
                EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
            }
        EXPECT_EQ(borderedWords(w), "");
        EXPECT_TRUE(control<QTextEdit>(w, "txtZeros")->isHidden());
        EXPECT_EQ(control<QLabel>(w, "lblRemainder")->isHidden(), !remainders);
        EXPECT_EQ(control<QLabel>(w, "Label1")->isHidden(), !remainders);
        if (remainders) {
            EXPECT_EQ(control<QLabel>(w, "lblRemainder")->text(), "");
        }
        EXPECT_EQ(control<QLabel>(w, "Label1")->text(), "R");
        EXPECT_EQ(WindowPeer::hintState(w).stepColumn, 0);
        EXPECT_EQ(WindowPeer::hintState(w).stepPhase, StepPhase::kDivide);
        EXPECT_EQ(WindowPeer::hintState(w).doneColumn, 0);
    }

    // Presses Show Next Step once per row and checks that each press wrote just its caption.
    void expectPresses(const Presses& presses) {
        for (size_t i = 0; i < presses.size(); ++i) {
            const Press& p = presses[i];
            SCOPED_TRACE(std::string("press ") + std::to_string(i + 1) +
                         " of the table: " + (p.closes ? "closing" : p.label));
            const QPointer<FrmHints> w = window();
            ASSERT_TRUE(w);
            const auto before = captions(*w);
            const std::string borderedBefore = borderedWords(*w);
            click(*w, "cmdShowNext");
            if (p.closes) {
                EXPECT_FALSE(program->frmHintsLoaded());
                ASSERT_TRUE(w) << "the window goes only once the press is over";
                EXPECT_FALSE(w->isVisible());
                EXPECT_EQ(captions(*w), before);
                EXPECT_EQ(borderedWords(*w), borderedBefore);
                processDeferredDeletes();
                EXPECT_FALSE(w);
                return;
            }
            ASSERT_TRUE(program->frmHintsLoaded());
            auto expected = before;
            expected[p.label] = p.text;
            EXPECT_EQ(captions(*w), expected);
            EXPECT_EQ(borderedWords(*w), p.bordered);
            EXPECT_EQ(control<QTextEdit>(*w, "txtZeros")->isVisible(), p.zeros);
        }
    }
};

TEST_P(HintWindow, HintBeforeAnyQuestionIsCountedAndRefused) {
    beginPractice(1, 3, 1);
    hint();
    EXPECT_EQ(state().numHints, 1);
    EXPECT_EQ(platform.messages, std::vector<std::string>{kNoQuestionMessage});
    EXPECT_FALSE(program->frmHintsLoaded());
    EXPECT_EQ(state().hintDivisor, 0);
    EXPECT_EQ(state().hintDividend, 0);
}

TEST_P(HintWindow, EveryPressCountsUpToTheLimit) {
    beginPractice(1, 3, 1);
    hint();
    setQuestion(12, 156);
    hint();
    hint();
    EXPECT_EQ(state().numHints, 3);
    state().numHints = 32767;
    hint();
    EXPECT_EQ(state().numHints, 32767);
    EXPECT_TRUE(program->frmHintsLoaded());
    EXPECT_EQ(platform.messages.size(), 1u);
}

struct LoadCase {
    const char* what;
    int inside, remainder;
    int32_t divisor, dividend;
    const char* divisorCaption;
    std::vector<std::string> digits;  // lbldividend(0) .. lbldividend(5)
    int32_t workingNumber;
};

TEST_P(HintWindow, LoadLaysOutTheQuestion) {
    const LoadCase cases[] = {
        {"worked example", 3, 1, 12, 156, " 12", {"1", "5", "6", "", "", ""}, 1},
        {"fewer digits than places", 2, 0, 7, 7, " 7", {"0", "7", "", "", "", ""}, 0},
        {"more digits than places", 2, 1, 12, 156, " 12", {"15", "6", "", "", "", ""}, 15},
        {"dividend 0", 3, 0, 5, 0, " 5", {"0", "0", "0", "", "", ""}, 0},
        {"six places", 6, 1, 999, 987654, " 999", {"9", "8", "7", "6", "5", "4"}, 9},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        startWith(c.inside, c.remainder, c.divisor, c.dividend);
        hint();
        FrmHints* w = window();
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), "Hints");
        EXPECT_EQ(control<QLabel>(*w, "lblDivisor")->text().toStdString(), c.divisorCaption);
        for (size_t i = 0; i < c.digits.size(); ++i)
            EXPECT_EQ(control<QLabel>(*w, "lbldividend", static_cast<int>(i))->text().toStdString(),
                      c.digits[i])
                << "column " << i;
        expectFreshLoad(*w, c.remainder != 0);
        EXPECT_EQ(WindowPeer::hintState(*w).workingNumber, c.workingNumber);
        EXPECT_EQ(state().hintDivisor, c.divisor);
        EXPECT_EQ(state().hintDividend, 0);
        EXPECT_EQ(w->focusWidget(), control<QPushButton>(*w, "cmdShowNext"));
        EXPECT_TRUE(platform.messages.empty());
    }
}

struct WorkedCase {
    const char* what;
    int inside, remainder;
    int32_t divisor, dividend;
    Presses presses;
};

TEST_P(HintWindow, WorksTheDivisionPressByPress) {
    const WorkedCase cases[] = {
        {"156 / 12", 3, 1, 12, 156, kWorkedExample},
        {"156 / 12, remainder written while hidden", 3, 0, 12, 156, kWorkedExample},
        {"823 / 4, a zero in the middle",
         3,
         1,
         4,
         823,
         {
             {"Divide ", "lblAnswer(0)", "2"},
             {"Multiply", "lblMult(0)", "8"},
             {"Subtract", "lblSubtract(0)", "0"},
             {"Bring Down", "lblBringDown(0)", "2"},
             {"Divide ", "lblAnswer(1)", "0", true},
             {"Multiply", "lblMult(1)", "0"},
             {"Subtract", "lblSubtract(1)", "2"},
             {"Bring Down", "lblBringDown(1)", "3"},
             {"Divide ", "lblAnswer(2)", "5"},
             {"Multiply", "lblMult(2)", "20"},
             {"Subtract", "lblSubtract(2)", "3"},
             {"Subtract", "lblRemainder", "3"},
             kCloses,
         }},
    };
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        startWith(c.inside, c.remainder, c.divisor, c.dividend);
        hint();
        expectPresses(slice(c.presses, 0, c.presses.size() - 1));
        ASSERT_TRUE(window());
        EXPECT_EQ(control<QLabel>(*window(), "lblRemainder")->isHidden(), c.remainder == 0);
        expectPresses(slice(c.presses, c.presses.size() - 1));
    }
}

TEST_P(HintWindow, SpaceStepsFromTheFirstFocus) {
    startWith(3, 1, 12, 156);
    hint();
    FrmHints& w = *window();
    activate(w);
    ASSERT_EQ(QApplication::focusWidget(), control<QPushButton>(w, "cmdShowNext"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(control<QLabel>(w, "lblAnswer", 0)->text(), "0");
    EXPECT_TRUE(control<QTextEdit>(w, "txtZeros")->isVisible());
}

struct ReopenCase {
    const char* what;
    bool hintAgain;
    int32_t newDivisor, newDividend;
    Presses rest;
};

TEST_P(HintWindow, OpenWindowKeepsItsPlaceAndReadsTheDivisorHintHandsOver) {
    const ReopenCase cases[] = {
        {"Hint again for the same question", true, 12, 156, slice(kWorkedExample, 5)},
        {"a new question without Hint", false, 99, 500, slice(kWorkedExample, 5)},
        {"Hint again for a new question",
         true,
         99,
         500,
         {
             {"Multiply", "lblMult(1)", "99"},
             {"Subtract", "lblSubtract(1)", "-84"},
             {"Bring Down", "lblBringDown(1)", "6"},
             {"Divide ", "lblAnswer(2)", "-9"},
             {"Multiply", "lblMult(2)", "-891"},
             {"Subtract", "lblSubtract(2)", "57"},
             {"Subtract", "lblRemainder", "57"},
             kCloses,
         }},
    };
    for (const ReopenCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        startWith(3, 1, 12, 156);
        hint();
        expectPresses(slice(kWorkedExample, 0, 5));
        FrmHints* opened = window();
        ASSERT_TRUE(opened);
        const auto shown = captions(*opened);

        setQuestion(c.newDivisor, c.newDividend);
        if (c.hintAgain)
            hint();
        EXPECT_EQ(window(), opened);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(captions(*opened), shown);
        EXPECT_EQ(WindowPeer::hintState(*opened).workingNumber, 15);
        EXPECT_EQ(state().numHints, c.hintAgain ? 2 : 1);
        EXPECT_EQ(state().hintDivisor, c.hintAgain ? c.newDivisor : 12);
        expectPresses(c.rest);
    }
}

struct LengthCase {
    const char* what;
    int inside;
    int32_t divisor, dividend;
    Presses before;
    int outside, newInside;  // chosen after Change Number lengths, then Begin Practice
    bool checkPasses;
    Presses rest;
};

TEST_P(HintWindow, DividendLengthChangedWhileOpenTakesEffectAtTheNextPress) {
    const LengthCase cases[] = {
        {"lowered from 5 to 3 after the Divide of column 1",
         5,
         7,
         12345,
         slice(kFivePlaces, 0, 5),
         0,
         3,
         true,
         {
             {"Multiply", "lblMult(1)", "7"},
             {"Subtract", "lblSubtract(1)", "5"},
             {"Bring Down", "lblBringDown(1)", "5"},
             {"Divide ", "lblAnswer(2)", "7"},
             {"Multiply", "lblMult(2)", "49"},
             {"Subtract", "lblSubtract(2)", "6"},
             {"Subtract", "lblRemainder", "6"},
             kCloses,
         }},
        {"lowered to the current column by a failed check",
         5,
         7,
         12345,
         kFivePlaces,
         3,
         2,
         false,
         {kCloses}},
        {"raised from 3 to 4 after the remainder",
         3,
         12,
         156,
         slice(kWorkedExample, 0, 12),
         0,
         4,
         true,
         {
             {"Divide +Subtract", "lblAnswer(3)", "3"},
             {"Multiply+Subtract", "lblMult(3)", "36"},
             {"Subtract", "lblSubtract(3)", "0"},
             {"Subtract", "lblRemainder", "0"},
             kCloses,
         }},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        startWith(c.inside, 1, c.divisor, c.dividend);
        hint();
        expectPresses(c.before);
        FrmHints* opened = window();
        ASSERT_TRUE(opened);
        const auto shown = captions(*opened);

        click(practice(), "cmdNewLevel");
        choose(c.outside, c.newInside, -1);
        click(setUp(), "cmdBeginPractice");
        EXPECT_EQ(platform.messages.size(), c.checkPasses ? 0u : 1u);
        EXPECT_EQ(state().digitsInside, c.newInside);
        EXPECT_EQ(window(), opened);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(captions(*opened), shown);
        expectPresses(c.rest);
    }
}

TEST_P(HintWindow, ClosingAtAnyPointUnloadsAndTheNextHintStartsAfresh) {
    enum class Way { CloseHelp, CloseBox };
    for (const Way way : {Way::CloseHelp, Way::CloseBox}) {
        for (const size_t pressed : {0u, 1u, 4u, 11u, 12u}) {
            SCOPED_TRACE((way == Way::CloseHelp ? "Close Help after " : "close box after ") +
                         std::to_string(pressed) + " presses");
            restart();
            startWith(3, 1, 12, 156);
            hint();
            expectPresses(slice(kWorkedExample, 0, pressed));
            const QPointer<FrmHints> w = window();
            ASSERT_TRUE(w);
            const DrillState drillBefore = state();

            if (way == Way::CloseHelp)
                click(*w, "cmdUnload");
            else
                w->close();
            EXPECT_FALSE(program->frmHintsLoaded());
            processDeferredDeletes();
            EXPECT_FALSE(w);
            EXPECT_EQ(state().numHints, drillBefore.numHints);
            EXPECT_EQ(state().hintDivisor, drillBefore.hintDivisor);
            EXPECT_EQ(state().digitsInside, drillBefore.digitsInside);
            EXPECT_TRUE(practice().isVisible());

            hint();
            FrmHints* reopened = window();
            ASSERT_TRUE(reopened);
            EXPECT_EQ(control<QLabel>(*reopened, "lbldividend", 0)->text(), "1");
            expectFreshLoad(*reopened, true);
            expectPresses(slice(kWorkedExample, 0, 1));
        }
    }
}

TEST_P(HintWindow, HintBringsAMinimisedWindowBack) {
    startWith(3, 1, 12, 156);
    hint();
    window()->showMinimized();
    hint();
    EXPECT_FALSE(window()->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window()->isVisible());
}

TEST_P(HintWindow, AnUnloadedWindowWaitingToGoCannotUnloadItsSuccessor) {
    startWith(3, 1, 12, 156);
    hint();
    const QPointer<FrmHints> old = window();
    click(*old, "cmdUnload");
    hint();
    FrmHints* current = window();
    ASSERT_TRUE(old);
    ASSERT_NE(old.data(), current);
    old->close();
    // A press still on its way: the button of the hidden window is clicked all the same.
    control<QPushButton>(*old, "cmdShowNext")->click();
    EXPECT_TRUE(program->frmHintsLoaded());
    EXPECT_EQ(window(), current);
}

INSTANTIATE_TEST_SUITE_P(Programs, HintWindow, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

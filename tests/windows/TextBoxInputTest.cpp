// What reaches the text boxes of every window by keys with Alt, input methods, paste and drop.
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTextEdit>

#include "support/DrillFixture.h"

namespace {

// Scripted draws: the divisor 7 and the dividend 12.
constexpr float kSeven = 0.7f;
constexpr float kTwelve = 0.025f;

QString textOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return qobject_cast<QTextEdit*>(box)->toPlainText();
}

QString selectionOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->selectedText();
    return qobject_cast<QTextEdit*>(box)->textCursor().selectedText();
}

void selectStart(QWidget* box, int count) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setSelection(0, count);
        return;
    }
    auto* text = qobject_cast<QTextEdit*>(box);
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(count, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
}

// What an input method sends while it composes (preedit) and when it is done (commit).
void compose(QWidget* box, const QString& preedit, const QString& commit = {}) {
    QInputMethodEvent event(preedit, {{QInputMethodEvent::Cursor, int(preedit.size()), 1, {}}});
    if (!commit.isEmpty())
        event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
}

class TextBoxInput : public DrillFixture {
protected:
    void startWithSevenIntoTwelve() {
        beginPractice(1, 2, 1);
        platform.randoms = {kSeven, kTwelve};
        click(practice(), "cmdNewQuestion");
    }

    QWidget* text1() { return control<QWidget>(setUp(), "Text1"); }

    // Every box of the program that the pupil can type into, each with some text in it.
    std::vector<QWidget*> editableBoxes() {
        startWithSevenIntoTwelve();
        control<QLineEdit>(practice(), "txtAnswer")->setText("1");
        control<QLineEdit>(practice(), "txtRemainder")->setText("5");
        control<QLineEdit>(setUp(), "txtName")->setText("Ann");
        click(practice(), "cmdHint");
        return {control<QLineEdit>(setUp(), "txtName"), control<QLineEdit>(practice(), "txtAnswer"),
                control<QLineEdit>(practice(), "txtRemainder"),
                control<QTextEdit>(program->frmHints(), "txtZeros")};
    }
};

struct AltCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

TEST_P(TextBoxInput, KeysWithAltTypeNothingInAnyBox) {
    const AltCase cases[] = {
        {"Alt+A", Qt::Key_A, Qt::AltModifier},
        {"Alt+minus", Qt::Key_Minus, Qt::AltModifier},
        {"Alt+Space", Qt::Key_Space, Qt::AltModifier},
        {"Alt+period", Qt::Key_Period, Qt::AltModifier},
        {"Alt+7", Qt::Key_7, Qt::AltModifier},
        {"Alt+Backspace", Qt::Key_Backspace, Qt::AltModifier},
        {"Alt+Shift+B", Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier},
        {"Ctrl+Alt+A", Qt::Key_A, Qt::AltModifier | Qt::ControlModifier},
    };
    for (QWidget* box : editableBoxes()) {
        box->window()->show();
        box->show();  // the zeros note shows only at a zero of the quotient
        activate(*box->window());
        box->setFocus();
        for (const AltCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in " + box->objectName().toStdString());
            const QString before = textOf(box);
            QTest::keyClick(box, c.key, c.modifiers);
            EXPECT_EQ(textOf(box), before);
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_EQ(state().numWrong, 0);
        }
    }
}

TEST_P(TextBoxInput, AnAnswerWithAltTypedInIsStillOnlyItsDigits) {
    startWithSevenIntoTwelve();
    activate(practice());
    control<QLineEdit>(practice(), "txtRemainder")->setText("5");
    QLineEdit* box = control<QLineEdit>(practice(), "txtAnswer");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_1);
    QTest::keyClick(box, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(state().numCorrect, 1);
    EXPECT_TRUE(platform.messages.empty());
}

// Text1 is read-only, the question boxes are disabled: nothing may change them.
TEST_P(TextBoxInput, BoxesThatTakeNoTextIgnoreInputMethodsPasteAndDrop) {
    startWithSevenIntoTwelve();
    QApplication::clipboard()->setText("99");
    for (QWidget* box : {text1(), control<QWidget>(practice(), "txtDivisor"),
                         control<QWidget>(practice(), "txtDividend")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->window()->show();
        activate(*box->window());
        if (box->isEnabled())
            box->setFocus();
        selectStart(box, 2);
        const QString text = textOf(box);
        const QString selected = selectionOf(box);
        ASSERT_FALSE(selected.isEmpty());

        compose(box, "\u00b4");
        compose(box, {}, "\u00e9");
        compose(box, "12", "3");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);

        QMimeData dropped;
        dropped.setText("42");
        QWidget* target = box;
        if (auto* edit = qobject_cast<QTextEdit*>(box))
            target = edit->viewport();
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);

        EXPECT_EQ(textOf(box), text);
        EXPECT_EQ(selectionOf(box), selected);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_P(TextBoxInput, ACompositionNeverShowsInAnAnswerBoxAndARefusedOneLeavesItAsItWas) {
    startWithSevenIntoTwelve();
    for (const char* name : {"txtAnswer", "txtRemainder"}) {
        QLineEdit* box = control<QLineEdit>(practice(), name);
        SCOPED_TRACE(box->objectName().toStdString());
        activate(practice());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_0);
        QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
        ASSERT_EQ(box->selectedText(), "0");
        const QImage before = box->grab().toImage();
        platform.messages.clear();

        compose(box, "12");
        EXPECT_EQ(box->grab().toImage(), before) << "the preedit shows in the box";
        EXPECT_EQ(box->text(), "0");
        EXPECT_EQ(box->selectedText(), "0");

        compose(box, {}, "x");
        EXPECT_EQ(platform.messages, std::vector<std::string>{"YOU MUST USE A NUMBER"});
        EXPECT_EQ(box->text(), "0");
        EXPECT_EQ(box->selectedText(), "0");
        EXPECT_EQ(box->grab().toImage(), before);

        compose(box, "4", "5");
        EXPECT_EQ(box->text(), "5");
        EXPECT_EQ(platform.messages.size(), 1u);
        box->clear();
    }
}

TEST_P(TextBoxInput, TheNameBoxTakesComposedLetters) {
    activate(setUp());
    QLineEdit* box = control<QLineEdit>(setUp(), "txtName");
    box->setFocus();
    QTest::keyClicks(box, "Ren");
    compose(box, "\u00b4");
    compose(box, {}, "\u00e9");
    EXPECT_EQ(box->text(), "Ren\u00e9");
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Programs, TextBoxInput, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

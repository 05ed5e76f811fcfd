// Renders every window of both programs as the pupil sees it and keeps the pictures to look at.
#include <QDir>
#include <QImage>

#include <QAbstractTextDocumentLayout>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "support/DrillFixture.h"

namespace {

class Screenshots : public DrillFixture {
protected:
    // Saved beside the test binary, so a developer can open them after a run.
    QImage keep(QWidget& window, const char* name) {
        const QString folder = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(folder);
        const QImage image = window.grab().toImage();
        const QString program = QString::fromUtf8(buildOf(GetParam()).version.internalName);
        image.save(QString("%1/%2-%3.png").arg(folder, program, name));
        return image;
    }
};

TEST_P(Screenshots, EveryWindowDrawsAtItsDesignSize) {
    const design::Build& build = buildOf(GetParam());
    control<QLineEdit>(setUp(), "txtName")->setText("Ann");
    choose(2, 4, 1);
    QImage image = keep(setUp(), "setup");
    EXPECT_EQ(image.width(), build.setUp.clientWidth / design::kTwipsPerPixel);
    EXPECT_EQ(image.height(), build.setUp.clientHeight / design::kTwipsPerPixel);

    click(setUp(), "cmdBeginPractice");
    platform.randoms = {0.3f, 0.6f};
    click(practice(), "cmdNewQuestion");
    control<QLineEdit>(practice(), "txtAnswer")->setText("1");
    click(practice(), "cmdCheck");
    image = keep(practice(), "practice");
    EXPECT_EQ(image.width(), build.practice.clientWidth / design::kTwipsPerPixel);

    control<QLabel>(practice(), "picWrong")->hide();
    control<QLineEdit>(practice(), "txtAnswer")->setText(QString::number(practice().Quote));
    control<QLineEdit>(practice(), "txtRemainder")
        ->setText(QString::number(state().expectedRemainder));
    click(practice(), "cmdCheck");
    keep(practice(), "practice-correct");

    click(practice(), "cmdHint");
    ASSERT_TRUE(program->frmHintsLoaded());
    // Most of the way through 6400 divided by 37, so every row of the layout is in use.
    for (int press = 0; press < 15; ++press)
        click(program->frmHints(), "cmdShowNext");
    image = keep(program->frmHints(), "hints");
    EXPECT_EQ(image.width(), build.hints.clientWidth / design::kTwipsPerPixel);

    // The note about zeros has no scroll bar, so all of its text has to show inside its box.
    QTextEdit* note = control<QTextEdit>(program->frmHints(), "txtZeros");
    note->show();
    keep(program->frmHints(), "hints-zeros-note");
    QTextCursor last(note->document());
    last.movePosition(QTextCursor::End);
    last.movePosition(QTextCursor::PreviousCharacter);  // the note ends with a line break
    EXPECT_EQ(last.block().text().trimmed().isEmpty(), false);
    EXPECT_LE(note->cursorRect(last).bottom(), note->viewport()->height())
        << note->document()->documentLayout()->documentSize().height() << " lines";
}

// The edge of a box, left to right across its middle row, up to where its text may begin.
std::vector<QRgb> edgeOf(QWidget* box) {
    const QImage image = box->grab().toImage();
    std::vector<QRgb> edge;
    for (int x = 0; x < 3; ++x)
        edge.push_back(image.pixel(x, image.height() / 2) & 0xFFFFFF);
    return edge;
}

TEST_P(Screenshots, MultiLineBoxesHaveTheFrameOfTheSingleLineBoxes) {
    beginPractice(1, 2, 1);
    setQuestion(12, 15);
    click(practice(), "cmdHint");
    control<QTextEdit>(program->frmHints(), "txtZeros")->show();
    for (QTextEdit* box : {control<QTextEdit>(setUp(), "Text1"),
                           control<QTextEdit>(program->frmHints(), "txtZeros")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        // A single-line box in the same place and colours, as the window would draw one.
        QLineEdit single(box->parentWidget());
        single.setPalette(box->palette());
        single.setGeometry(box->geometry());
        single.show();
        const std::vector<QRgb> edge = edgeOf(box);
        EXPECT_EQ(edge[0], edgeOf(&single)[0]);
        // Inside the frame the box's back colour, then a margin before the text, as in a line edit.
        EXPECT_EQ(edge[2], box->palette().color(QPalette::Base).rgb() & 0xFFFFFF);
        EXPECT_GE(box->document()->documentMargin(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Screenshots, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

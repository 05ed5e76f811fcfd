// Renders every window of both programs as the pupil sees it and keeps the pictures to look at.
#include <QDir>
#include <QImage>

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

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
    setUp().txtName->setText("Ann");
    choose(2, 4, 1);
    QImage image = keep(setUp(), "setup");
    EXPECT_EQ(image.width(), build.setUp.clientWidth / design::kTwipsPerPixel);
    EXPECT_EQ(image.height(), build.setUp.clientHeight / design::kTwipsPerPixel);

    click(setUp().cmdBeginPractice);
    platform.randoms = {0.3f, 0.6f};
    click(practice().cmdNewQuestion);
    practice().txtAnswer->setText("1");
    click(practice().cmdCheck);
    image = keep(practice(), "practice");
    EXPECT_EQ(image.width(), build.practice.clientWidth / design::kTwipsPerPixel);

    practice().picWrong->hide();
    practice().txtAnswer->setText(QString::number(practice().Quote));
    practice().txtRemainder->setText(QString::number(state().expectedRemainder));
    click(practice().cmdCheck);
    keep(practice(), "practice-correct");

    click(practice().cmdHint);
    ASSERT_TRUE(program->frmHintsLoaded());
    // Most of the way through 6400 divided by 37, so every row of the layout is in use.
    for (int press = 0; press < 15; ++press)
        click(program->frmHints().cmdShowNext);
    image = keep(program->frmHints(), "hints");
    EXPECT_EQ(image.width(), build.hints.clientWidth / design::kTwipsPerPixel);

    // The note about zeros has no scroll bar, so all of it has to fit in its box.
    QPlainTextEdit* note = program->frmHints().txtZeros;
    note->show();
    keep(program->frmHints(), "hints-zeros-note");
    const QTextDocument* text = note->document();
    const double lineHeight = note->fontMetrics().lineSpacing();
    const int lines = note->document()->documentLayout()->documentSize().height();
    EXPECT_LE(lines * lineHeight + 2 * text->documentMargin(), note->viewport()->height())
        << lines << " lines";
}

INSTANTIATE_TEST_SUITE_P(Programs, Screenshots, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

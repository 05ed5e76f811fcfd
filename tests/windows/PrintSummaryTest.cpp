// Print Summary on the real practice window: one job per press, and an honest failure.
#include "drill/SummaryPage.h"
#include "support/DrillFixture.h"
#include "support/PageLines.h"
#include "support/WindowPeer.h"

namespace {

class PrintSummary : public DrillFixture {};

TEST_P(PrintSummary, EachPressIsOneJobAndChangesNothingElse) {
    beginPractice(2, 4, 1, " Ann ");
    platform.randoms = {0.5f, 0.5f};
    click(practice(), "cmdNewQuestion");
    control<QLineEdit>(practice(), "txtAnswer")->setText("1");
    click(practice(), "cmdCheck");
    const DrillState before = state();
    const QString answer = control<QLineEdit>(practice(), "txtAnswer")->text();

    click(practice(), "cmdPrint");
    click(practice(), "cmdPrint");
    const auto& jobs = platform.printerStandIn.jobs;
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0], jobs[1]);
    const std::vector<std::string> page = pageLines(jobs[0]);
    ASSERT_GE(page.size(), 14u);
    EXPECT_EQ(page[5], std::string(11, ' ') + " Ann " + std::string(12, ' ') + platform.today);
    EXPECT_EQ(page[7], std::string(summary::questionsLabel) + " 1");
    EXPECT_EQ(page[12], std::string(summary::outsideLabel) + " 2");
    EXPECT_EQ(page[13], std::string(summary::insideLabel) + " 4");
    EXPECT_EQ(WindowPeer::printWork(practice()).marginCount, 5);

    EXPECT_EQ(state().numQuestions, before.numQuestions);
    EXPECT_EQ(state().numCorrect, before.numCorrect);
    EXPECT_EQ(state().numWrong, before.numWrong);
    EXPECT_EQ(control<QLineEdit>(practice(), "txtAnswer")->text(), answer);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_P(PrintSummary, TodaysDateIsTakenOnceTheFontIsSet) {
    beginPractice(1, 2, 0);
    click(practice(), "cmdPrint");
    EXPECT_EQ(platform.printerStandIn.calls,
              (std::vector<std::string>{"fontName Comic Sans MS", "fontSize 20", "today", "print 1",
                                        "print 3", "endDoc"}));
}

TEST_P(PrintSummary, NoPrinterIsSaidPlainly) {
    beginPractice(1, 2, 0);
    platform.printerStandIn.acceptJobs = false;
    click(practice(), "cmdPrint");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{
                  "The summary could not be printed: no default printer is set up."});
    EXPECT_TRUE(practice().isVisible());
    EXPECT_EQ(state().numQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(Programs, PrintSummary, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

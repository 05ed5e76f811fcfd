// QtPrinter through a real print service: one private CUPS scheduler for the whole program,
// which keeps no history of finished jobs, as many school machines are set up.
// libcups takes its server from the environment once per process, so every press runs in a
// child process of this binary, pointed at the scheduler by CUPS_SERVER.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include "drill/SummaryPage.h"
#include "platform/QtPrinter.h"
#include "print/PrivateScheduler.h"

namespace {

constexpr char childTest[] = "QtPrinterChild.DISABLED_PressesOnTheDefaultPrinter";
constexpr char dateText[] = "24/12/2025";
constexpr char printedReport[] = "printed";

// The four queues: one holds every job it takes, so its documents stay to be read; one prints
// and forgets; one refuses jobs; one is paused, so it takes jobs and prints none.
constexpr char keepingQueue[] = "keeps";
constexpr char forgettingQueue[] = "forgets";
constexpr char refusingQueue[] = "refuses";
constexpr char pausedQueue[] = "paused";

// Plain strings, so that a failed comparison prints readable text.
std::vector<std::string> toStd(const QStringList& lines) {
    std::vector<std::string> out;
    for (const QString& line : lines)
        out.push_back(line.toStdString());
    return out;
}

// The drill state at press 1, 2, ...: counts grow from one press to the next.
DrillState pressState(int press) {
    DrillState s;
    s.studentName = "Mia Lund";
    s.numQuestions = static_cast<int16_t>(10 * press);
    s.numCorrect = static_cast<int16_t>(10 * press - 3);
    s.numWrong = 3;
    s.numHints = static_cast<int16_t>(press);
    s.digitsOutside = 2;
    s.digitsInside = 5;
    return s;
}

// The page's words as pdftotext gives them back, one entry per line that holds text.
std::vector<std::string> expectedWords(int press) {
    const DrillState s = pressState(press);
    return toStd({QStringLiteral("Mia Lund %1").arg(QLatin1String(dateText)),
                  QStringLiteral("Number of Questions %1").arg(s.numQuestions),
                  QStringLiteral("Number Correct %1").arg(s.numCorrect),
                  QStringLiteral("Number Wrong %1").arg(s.numWrong),
                  QStringLiteral("Number of Hints %1").arg(s.numHints),
                  QStringLiteral("Number of digits outside %1").arg(s.digitsOutside),
                  QStringLiteral("Number of digits inside %1").arg(s.digitsInside)});
}

// Runs `presses` presses of Print Summary in a child and returns one report line per press.
std::vector<std::string> pressInChild(
    const QString& cupsServer, const QString& workDir, int presses,
    const QString& cupsLibrary = QLatin1String(kCupsLibraryName)) {
    const QString reportPath = workDir + QStringLiteral("/report.txt");
    QFile::remove(reportPath);
    int rc = -1;
    const QString output = runChildTest(
        childTest, &rc,
        printingChild(cupsServer, workDir,
                      {{QStringLiteral("VARNEL_PRINT_REPORT"), reportPath},
                       {QStringLiteral("VARNEL_PRINT_PRESSES"), QString::number(presses)},
                       {QStringLiteral("VARNEL_PRINT_LIBRARY"), cupsLibrary}}),
        120000);
    EXPECT_EQ(rc, 0) << output.toStdString();
    QFile report(reportPath);
    if (!report.open(QIODevice::ReadOnly))
        return {};
    return toStd(QString::fromUtf8(report.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

// The child's side: presses Print Summary on the default printer and writes down each outcome.
TEST(QtPrinterChild, DISABLED_PressesOnTheDefaultPrinter) {
    const QString reportPath = qEnvironmentVariable("VARNEL_PRINT_REPORT");
    if (reportPath.isEmpty())
        GTEST_SKIP() << "runs only as the child of the QtPrinter print tests";
    QFile report(reportPath);
    ASSERT_TRUE(report.open(QIODevice::WriteOnly));
    QtPrinter printer(qEnvironmentVariable("VARNEL_PRINT_LIBRARY").toStdString());
    SummaryPress press;
    const int presses = qEnvironmentVariableIntValue("VARNEL_PRINT_PRESSES");
    for (int i = 1; i <= presses; ++i) {
        const bool printed = printSummary(
            printer, pressState(i), [] { return std::string(dateText); }, press);
        report.write(printed ? printedReport : printer.failureText().c_str());
        report.write("\n");
    }
}

TEST(QtPrinterNoService, NoSchedulerIsSaidPlainly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(pressInChild(dir.filePath(QStringLiteral("nobody.sock")), dir.path(), 1),
              std::vector<std::string>{
                  "The summary could not be printed: the print service does not answer."});
}

std::unique_ptr<PrivateScheduler>& sharedScheduler() {
    static std::unique_ptr<PrivateScheduler> scheduler;
    return scheduler;
}

// Stops the scheduler once every test has run, while the application still stands.
class StopScheduler : public ::testing::Environment {
public:
    void TearDown() override { sharedScheduler().reset(); }
};
const auto* const stopScheduler = ::testing::AddGlobalTestEnvironment(new StopScheduler);

class QtPrinterCups : public ::testing::Test {
protected:
    // Started by the first test that needs it and stopped when the tests end.
    static PrivateScheduler& scheduler() {
        std::unique_ptr<PrivateScheduler>& shared = sharedScheduler();
        if (!shared) {
            shared = std::make_unique<PrivateScheduler>(false);
            if (shared->failure().empty()) {
                int rc = -1;
                EXPECT_TRUE(
                    shared->addQueue(QLatin1String(keepingQueue),
                                     {QStringLiteral("job-hold-until-default=indefinite")}) &&
                    shared->addQueue(QLatin1String(forgettingQueue)) &&
                    shared->addQueue(QLatin1String(refusingQueue)) &&
                    shared->addQueue(QLatin1String(pausedQueue)))
                    << "the queues could not be set up";
                shared->cupsTool(QStringLiteral("cupsreject"), {QLatin1String(refusingQueue)}, &rc);
                EXPECT_EQ(rc, 0) << "the refusing queue still accepts jobs";
                shared->cupsTool(QStringLiteral("cupsdisable"), {QLatin1String(pausedQueue)}, &rc);
                EXPECT_EQ(rc, 0) << "the paused queue could not be paused";
            }
        }
        return *shared;
    }
    // Where the scheduler cannot run, the test shows as skipped; CI has the packages, so there
    // a missing scheduler is a failure.
    void SetUp() override {
        if (scheduler().failure().empty())
            return;
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << "no private print service: " << scheduler().failure();
        GTEST_SKIP() << "no private print service: " << scheduler().failure();
    }

    static QString socket() { return scheduler().socket(); }
    static QString workDir() { return scheduler().directory(); }

    static void lpadmin(const QStringList& args) {
        int rc = -1;
        const QString out = scheduler().cupsTool(QStringLiteral("lpadmin"), args, &rc);
        ASSERT_EQ(rc, 0) << out.toStdString();
    }
    static void makeDefault(const char* queue) {
        lpadmin({QStringLiteral("-d"), QLatin1String(queue)});
    }

    // The documents the scheduler holds, one per job, oldest first.
    static QStringList jobDocuments() {
        QDir spool(scheduler().path(QStringLiteral("spool")));
        QStringList docs;
        for (const QString& name :
             spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name))
            docs << spool.filePath(name);
        return docs;
    }

    // The scheduler's own record, which outlives the jobs it forgets.
    static QString log() {
        QFile file(scheduler().path(QStringLiteral("log/error_log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // Ids of the jobs queued on the queue in the log's text.
    static std::set<int> jobsQueuedOn(const QString& logText, const char* queue) {
        std::set<int> jobs;
        const QRegularExpression queued(
            QStringLiteral("\\[Job (\\d+)\\] Queued on \"%1\"").arg(QLatin1String(queue)));
        for (auto it = queued.globalMatch(logText); it.hasNext();)
            jobs.insert(it.next().captured(1).toInt());
        return jobs;
    }
    // Whether each of these jobs is written down as printed within a few seconds.
    static bool allCompleted(const std::set<int>& jobs) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            const QString text = log();
            const bool all = std::all_of(jobs.begin(), jobs.end(), [&](int job) {
                return text.contains(QStringLiteral("[Job %1] Job completed.").arg(job));
            });
            if (all || waited.elapsed() > 10000)
                return all;
            QThread::msleep(50);
        }
    }

    static QString documentText(const QString& document) {
        int rc = -1;
        const QString text =
            runTool(findTool(QStringLiteral("pdftotext")),
                    {QStringLiteral("-layout"), document, QStringLiteral("-")}, &rc);
        EXPECT_EQ(rc, 0) << text.toStdString();
        return text;
    }

    // The lines that hold text, each with its runs of blanks made single.
    static std::vector<std::string> wordLines(const QString& text) {
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        return toStd(lines);
    }
};

TEST_F(QtPrinterCups, EachPressArrivesAsOneJobWithItsPage) {
    makeDefault(keepingQueue);
    const QStringList before = jobDocuments();
    EXPECT_EQ(pressInChild(socket(), workDir(), 2),
              (std::vector<std::string>{printedReport, printedReport}));

    const QStringList docs = jobDocuments();
    ASSERT_EQ(docs.size(), before.size() + 2) << "one job per end of the document";
    for (int press = 1; press <= 2; ++press)
        EXPECT_EQ(wordLines(documentText(docs[before.size() + press - 1])), expectedWords(press))
            << "press " << press;
}

TEST_F(QtPrinterCups, NameAndDateStandApartOnOneLine) {
    makeDefault(keepingQueue);
    const QStringList before = jobDocuments();
    ASSERT_EQ(pressInChild(socket(), workDir(), 1), std::vector<std::string>{printedReport});
    const QStringList docs = jobDocuments();
    ASSERT_EQ(docs.size(), before.size() + 1);
    const QString text = documentText(docs.last());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto nameLine = std::find_if(lines.begin(), lines.end(), [](const QString& l) {
        return l.contains(QStringLiteral("Mia Lund"));
    });
    ASSERT_NE(nameLine, lines.end()) << text.toStdString();
    EXPECT_TRUE(nameLine->contains(QRegularExpression(QStringLiteral("Mia Lund {2,}24/12/2025"))))
        << nameLine->toStdString();
}

TEST_F(QtPrinterCups, QueueWithoutHistoryPrintsEveryPressAndSaysNothing) {
    makeDefault(forgettingQueue);
    const std::set<int> before = jobsQueuedOn(log(), forgettingQueue);
    EXPECT_EQ(pressInChild(socket(), workDir(), 2),
              (std::vector<std::string>{printedReport, printedReport}));

    std::set<int> jobs = jobsQueuedOn(log(), forgettingQueue);
    for (int job : before)
        jobs.erase(job);
    EXPECT_EQ(jobs.size(), 2u) << "one job per press";
    EXPECT_TRUE(allCompleted(jobs)) << log().toStdString();
}

TEST_F(QtPrinterCups, QueueThatRefusesJobsIsSaidAndTakesNone) {
    makeDefault(refusingQueue);
    const QStringList before = jobDocuments();
    const QString logBefore = log();
    EXPECT_EQ(
        pressInChild(socket(), workDir(), 1),
        std::vector<std::string>{"The summary could not be printed: the printer refuses jobs."});
    EXPECT_EQ(jobDocuments(), before);
    EXPECT_EQ(jobsQueuedOn(log(), refusingQueue), jobsQueuedOn(logBefore, refusingQueue));
}

TEST_F(QtPrinterCups, PausedQueueHoldsTheJobAndSaysNothing) {
    makeDefault(pausedQueue);
    const std::set<int> before = jobsQueuedOn(log(), pausedQueue);
    EXPECT_EQ(pressInChild(socket(), workDir(), 1), std::vector<std::string>{printedReport});

    std::set<int> jobs = jobsQueuedOn(log(), pausedQueue);
    for (int job : before)
        jobs.erase(job);
    ASSERT_EQ(jobs.size(), 1u) << "one job per press";
    const QString waiting = scheduler().cupsTool(
        QStringLiteral("lpstat"), {QStringLiteral("-o"), QLatin1String(pausedQueue)});
    EXPECT_TRUE(waiting.contains(
        QStringLiteral("%1-%2").arg(QLatin1String(pausedQueue)).arg(*jobs.begin())))
        << waiting.toStdString();
}

TEST_F(QtPrinterCups, NoDefaultQueueIsSaidPlainly) {
    // A default queue that then goes away leaves the scheduler with none.
    ASSERT_TRUE(scheduler().addQueue(QStringLiteral("gone")));
    lpadmin({QStringLiteral("-d"), QStringLiteral("gone")});
    lpadmin({QStringLiteral("-x"), QStringLiteral("gone")});
    EXPECT_EQ(pressInChild(socket(), workDir(), 1),
              std::vector<std::string>{
                  "The summary could not be printed: no default printer is set up."});
}

}  // namespace

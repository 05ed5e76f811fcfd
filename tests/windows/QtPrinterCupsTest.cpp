// QtPrinter through a real print service: a private CUPS scheduler under a temporary directory.
// Qt and libcups look printers up once per process, so every press runs in a child process of
// this binary, pointed at its scheduler by CUPS_SERVER before it makes its first QPrinter.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "drill/SummaryPage.h"
#include "platform/QtPrinter.h"

namespace {

constexpr char childTest[] = "QtPrinterChild.DISABLED_PressesOnTheDefaultPrinter";
constexpr char queueName[] = "summary";
constexpr char dateText[] = "24/12/2025";
constexpr char printedReport[] = "printed";

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

// A variable that a tool gets on top of this process's environment; no value unsets it.
struct EnvOverride {
    QString name;
    std::optional<QString> value;
};

// Runs a tool to its end and returns what it wrote; exitCode gets -1 when it did not finish
// normally within the time.
QString runTool(const QString& program, const QStringList& args, const QString& cupsServer,
                int* exitCode = nullptr, const std::vector<EnvOverride>& overrides = {},
                int timeoutMs = 30000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!cupsServer.isEmpty())
        env.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
    for (const EnvOverride& o : overrides) {
        if (o.value)
            env.insert(o.name, *o.value);
        else
            env.remove(o.name);
    }
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool finished = p.waitForFinished(timeoutMs);
    if (exitCode)
        *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

// Runs `presses` presses of Print Summary in a child and returns one report line per press.
std::vector<std::string> pressInChild(const QString& cupsServer, const QString& workDir, int presses) {
    const QString reportPath = workDir + QStringLiteral("/report.txt");
    QFile::remove(reportPath);
    int rc = -1;
    const QString output = runTool(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=") + QLatin1String(childTest), QStringLiteral("--gtest_also_run_disabled_tests")},
        cupsServer, &rc,
        {{QStringLiteral("HOME"), workDir},  // no lpoptions of the machine's user
         {QStringLiteral("PRINTER"), std::nullopt},
         {QStringLiteral("LPDEST"), std::nullopt},
         {QStringLiteral("VARNEL_PRINT_REPORT"), reportPath},
         {QStringLiteral("VARNEL_PRINT_PRESSES"), QString::number(presses)}},
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
    QtPrinter printer;
    SummaryPress press;
    const int presses = qEnvironmentVariableIntValue("VARNEL_PRINT_PRESSES");
    for (int i = 1; i <= presses; ++i) {
        const bool printed = printSummary(printer, pressState(i), dateText, press);
        report.write(printed ? printedReport : printer.failureText().c_str());
        report.write("\n");
    }
}

TEST(QtPrinterNoService, DeadSocketMeansNoPrinter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(pressInChild(dir.filePath(QStringLiteral("nobody.sock")), dir.path(), 1),
              std::vector<std::string>{"The summary could not be printed: no printer is available."});
}

class QtPrinterCups : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/varnel-cups-XXXXXX"));
        if (!dir_->isValid()) {
            skipReason_ = "no temporary directory for the scheduler";
            return;
        }
        int rc = -1;
        const QString out = runTool(QStringLiteral("sh"),
                                    {QStringLiteral(PRIVATE_CUPS_CONF), dir_->path()}, {}, &rc);
        if (rc != 0) {
            skipReason_ = "could not write the scheduler's configuration: " + out.toStdString();
            return;
        }
        cupsd_ = new QProcess;
        cupsd_->setProcessChannelMode(QProcess::MergedChannels);
        cupsd_->start(QStringLiteral("cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), dir_->filePath(QStringLiteral("cupsd.conf")),
                       QStringLiteral("-s"), dir_->filePath(QStringLiteral("cups-files.conf"))});
        if (!cupsd_->waitForStarted(10000)) {
            skipReason_ = "cupsd could not be started: " + cupsd_->errorString().toStdString();
            return;
        }
        // The scheduler is up once it answers on its socket (lpstat -r exits 0 either way).
        for (int i = 0; i < 100 && cupsd_->state() == QProcess::Running; ++i) {
            const QString answer = runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, socket());
            if (answer.trimmed() == QStringLiteral("scheduler is running"))
                return;
            QThread::msleep(100);
        }
        skipReason_ = "the private cupsd did not come up: " +
                      QString::fromLocal8Bit(cupsd_->readAll()).toStdString();
    }

    static void TearDownTestSuite() {
        if (cupsd_ && cupsd_->state() != QProcess::NotRunning) {
            cupsd_->terminate();
            if (!cupsd_->waitForFinished(10000)) {
                cupsd_->kill();
                cupsd_->waitForFinished(5000);
            }
        }
        delete cupsd_;
        cupsd_ = nullptr;
        delete dir_;
        dir_ = nullptr;
        skipReason_.clear();
    }

    // Every test starts from one accepting queue that is the scheduler's default.
    void SetUp() override {
        if (!skipReason_.empty())
            GTEST_SKIP() << "no private print service: " << skipReason_;
        lpadmin({QStringLiteral("-p"), QLatin1String(queueName), QStringLiteral("-E"),
                 QStringLiteral("-v"), QStringLiteral("file:") + dir_->filePath(QStringLiteral("out/summary.out")),
                 QStringLiteral("-m"), QStringLiteral("raw")});
        lpadmin({QStringLiteral("-d"), QLatin1String(queueName)});
    }

    static QString socket() { return dir_->filePath(QStringLiteral("cups.sock")); }

    static void lpadmin(const QStringList& args) {
        int rc = -1;
        const QString out = runTool(QStringLiteral("lpadmin"), args, socket(), &rc);
        ASSERT_EQ(rc, 0) << out.toStdString();
    }

    // The documents the scheduler has kept, one per job, oldest first.
    static QStringList jobDocuments() {
        QDir spool(dir_->filePath(QStringLiteral("spool")));
        QStringList docs;
        for (const QString& name : spool.entryList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name))
            docs << spool.filePath(name);
        return docs;
    }

    static QString documentText(const QString& document) {
        int rc = -1;
        const QString text = runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), document, QStringLiteral("-")}, {}, &rc);
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

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QProcess* cupsd_ = nullptr;
    static inline std::string skipReason_;
};

TEST_F(QtPrinterCups, EachPressArrivesAsOneJobWithItsPage) {
    const QStringList before = jobDocuments();
    EXPECT_EQ(pressInChild(socket(), dir_->path(), 2), (std::vector<std::string>{printedReport, printedReport}));

    const QStringList docs = jobDocuments();
    ASSERT_EQ(docs.size(), before.size() + 2) << "one job per end of the document";
    for (int press = 1; press <= 2; ++press)
        EXPECT_EQ(wordLines(documentText(docs[before.size() + press - 1])), expectedWords(press))
            << "press " << press;
}

TEST_F(QtPrinterCups, NameAndDateStandApartOnOneLine) {
    const QStringList before = jobDocuments();
    ASSERT_EQ(pressInChild(socket(), dir_->path(), 1), std::vector<std::string>{printedReport});
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

TEST_F(QtPrinterCups, QueueThatRejectsJobsIsReportedAsFailure) {
    int rc = -1;
    const QString out = runTool(QStringLiteral("cupsreject"), {QLatin1String(queueName)}, socket(), &rc);
    ASSERT_EQ(rc, 0) << out.toStdString();
    const QStringList before = jobDocuments();
    EXPECT_EQ(pressInChild(socket(), dir_->path(), 1),
              std::vector<std::string>{"The summary could not be printed: the print service did not take the job."});
    EXPECT_EQ(jobDocuments(), before);
}

TEST_F(QtPrinterCups, NoDefaultQueueMeansNoPrinter) {
    lpadmin({QStringLiteral("-x"), QLatin1String(queueName)});
    EXPECT_EQ(pressInChild(socket(), dir_->path(), 1),
              std::vector<std::string>{"The summary could not be printed: no printer is available."});
}

}  // namespace

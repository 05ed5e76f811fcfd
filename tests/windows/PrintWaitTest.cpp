// Print Summary through the real printer against print services that stall in each way they can:
// the press answers within five seconds, the window keeps turning meanwhile, and nothing the
// pupil does meanwhile starts a job, changes a count or ends the run.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <utility>

#include "platform/QtPrinter.h"
#include "print/FakePrintService.h"
#include "support/DrillFixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using Service = FakePrintService;
using Reply = Service::Reply;

constexpr char noAnswer[] = "The summary could not be printed: the print service does not answer.";

struct StallCase {
    const char* name;
    Service::Policy policy;
    std::vector<std::string> messages;
    int jobsCreated;
    std::vector<int> jobsCancelled;  // the fake numbers its jobs from 41
    bool keepsThePressWaiting;       // long enough for the pupil to act during it
};

std::string caseName(const testing::TestParamInfo<StallCase>& info) { return info.param.name; }
void PrintTo(const StallCase& c, std::ostream* out) { *out << c.name; }

std::string operationList(const std::vector<uint16_t>& operations) {
    std::string list;
    for (uint16_t op : operations)
        list += (list.empty() ? "" : " ") + std::to_string(op);
    return list;
}

// How long this thread has waited, ready to run, for a processor: time that the machine's other
// work takes, not the program. Zero where the system does not keep the figure.
std::chrono::nanoseconds timeWaitingForAProcessor() {
    std::ifstream schedstat("/proc/thread-self/schedstat");
    long long running = 0;
    long long waiting = 0;
    if (schedstat >> running >> waiting)
        return std::chrono::nanoseconds(waiting);
    return {};
}

// Counts the paint events a window gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The longest turn of the window's event loop: from the first event it hands out after a wait to
// the moment it is ready to wait again, less the time its thread waited for a processor. How
// long the wait itself lasts is the machine's affair: a loaded machine may wake the thread late,
// which no program can help. Qt's loop says when it is about to wait, but not when it woke, so
// the turn starts with its first event.
class LoopWatch final : public QObject {
public:
    LoopWatch() {
        QCoreApplication::instance()->installEventFilter(this);
        aboutToBlock_ =
            QObject::connect(QAbstractEventDispatcher::instance(),
                             &QAbstractEventDispatcher::aboutToBlock, [this] { endTurn(); });
        startTurn();
    }
    ~LoopWatch() override {
        QObject::disconnect(aboutToBlock_);
        QCoreApplication::instance()->removeEventFilter(this);
    }
    LoopWatch(const LoopWatch&) = delete;
    LoopWatch& operator=(const LoopWatch&) = delete;

    // The turn under way is the test's own work, not the program's.
    void leaveOutThisTurn() { leaveOut_ = true; }
    // Ends the turn under way, as the loop does before it waits.
    void endTurn() {
        if (!startedAt_)
            return;
        const auto turn = std::chrono::duration_cast<std::chrono::milliseconds>(
            Clock::now() - *startedAt_ - (timeWaitingForAProcessor() - waitingAtStart_));
        if (!std::exchange(leaveOut_, false))
            longest_ = std::max(longest_, turn);
        startedAt_.reset();
    }
    std::chrono::milliseconds longestTurn() const { return longest_; }

protected:
    bool eventFilter(QObject*, QEvent*) override {
        startTurn();
        return false;
    }

private:
    void startTurn() {
        if (startedAt_)
            return;
        startedAt_ = Clock::now();
        waitingAtStart_ = timeWaitingForAProcessor();
    }

    QMetaObject::Connection aboutToBlock_;
    std::optional<Clock::time_point> startedAt_;
    std::chrono::nanoseconds waitingAtStart_{};
    bool leaveOut_ = false;
    std::chrono::milliseconds longest_{};
};

// What the test saw while the press was open.
struct DuringThePress {
    std::chrono::milliseconds took{};
    std::chrono::milliseconds longestTurn{};  // of the window's event loop, as LoopWatch counts

    bool pupilActed = false;
    bool busyCursor = false;
    int paints = 0;
};

class PrintWait : public testing::TestWithParam<StallCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        // No lpoptions of the machine's user, and no printer named by the environment.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        platform.realPrinter = &printer;
        program = std::make_unique<Program>(platform, designs::standard::build());
        program->start();
        control<QLineEdit>(program->frmSetUp(), "txtName")->setText(QStringLiteral("Mia"));
        QTest::mouseClick(control<QAbstractButton>(program->frmSetUp(), "Option1"), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(program->frmSetUp(), "Opt2"), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(program->frmSetUp(), "cmdBeginPractice"),
                          Qt::LeftButton);
        ASSERT_TRUE(program->form2Loaded());
    }

    Form2& practice() { return program->form2(); }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(practice(), name), Qt::LeftButton);
    }

    // Presses Print Summary while a timer turns with the event loop; at its first turn the pupil
    // clicks every button, types and closes the window.
    DuringThePress press(const Service& service) {
        qputenv("CUPS_SERVER", QByteArray::fromStdString(service.address()));
        DuringThePress seen;
        PaintCounter counter;
        practice().installEventFilter(&counter);
        QTimer tick;
        const Clock::time_point pressed = Clock::now();
        LoopWatch loop;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (seen.pupilActed)
                return;
            seen.pupilActed = true;
            seen.busyCursor = QGuiApplication::overrideCursor() &&
                              QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            for (const char* button :
                 {"cmdPrint", "cmdNewQuestion", "cmdCheck", "cmdHint", "cmdNewLevel", "cmdExit"})
                click(button);
            QTest::keyClicks(control<QLineEdit>(practice(), "txtAnswer"), QStringLiteral("5"));
            practice().close();
            practice().update();
            loop.leaveOutThisTurn();
        });
        tick.start(10);
        click("cmdPrint");
        loop.endTurn();
        tick.stop();
        seen.longestTurn = loop.longestTurn();

        seen.took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - pressed);
        seen.paints = counter.paints;
        practice().removeEventFilter(&counter);
        return seen;
    }

    QTemporaryDir home;
    FakePlatform platform;
    QtPrinter printer;
    std::unique_ptr<Program> program;
};

TEST_P(PrintWait, AnswersInTimeWithTheWindowAliveAndThePupilHeldOff) {
    const StallCase& c = GetParam();
    {
        // A first print, so that what a run sets up once for printing is not counted here.
        Service answering(Service::answersAll());
        qputenv("CUPS_SERVER", QByteArray::fromStdString(answering.address()));
        click("cmdPrint");
        ASSERT_EQ(answering.documents().size(), 1u);
        ASSERT_TRUE(platform.messages.empty());
    }
    Service service(c.policy);
    ASSERT_FALSE(service.address().empty()) << "the fake service could not listen";

    const DuringThePress seen = press(service);
    EXPECT_LT(seen.took, std::chrono::milliseconds(5000));
    EXPECT_LT(seen.longestTurn, std::chrono::milliseconds(100));
    EXPECT_EQ(platform.messages, c.messages);
    EXPECT_EQ(service.count(Service::CreateJob), c.jobsCreated);
    EXPECT_EQ(service.cancelledJobs(), c.jobsCancelled);
    EXPECT_EQ(service.count(Service::GetDefault), 1)
        << "one press asks for the default once; operations: "
        << operationList(service.operations());
    if (c.keepsThePressWaiting) {
        ASSERT_TRUE(seen.pupilActed);
        EXPECT_TRUE(seen.busyCursor);
        EXPECT_GT(seen.paints, 0) << "the window repaints while the press waits";
    }

    // What the pupil did meanwhile came to nothing.
    EXPECT_TRUE(platform.endedWith.empty());
    EXPECT_TRUE(practice().isVisible());
    EXPECT_EQ(program->Module1.numQuestions, 0);
    EXPECT_EQ(program->Module1.numHints, 0);
    EXPECT_EQ(control<QLineEdit>(practice(), "txtAnswer")->text(), QString());
    EXPECT_FALSE(program->frmHintsLoaded());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // And the window takes the pupil's input again.
    click("cmdNewQuestion");
    EXPECT_EQ(program->Module1.numQuestions, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Services, PrintWait,
    testing::Values(
        StallCase{"TakesTheConnectionAndSaysNothing",
                  [](const Service::Request&) { return Reply{Reply::Silence}; },
                  {noAnswer},
                  0,
                  {},
                  true},
        StallCase{"AnswersOneRequestThenStalls",
                  [](const Service::Request& r) {
                      return r.number == 0 ? Reply{} : Reply{Reply::Silence};
                  },
                  {noAnswer},
                  0,
                  {},
                  true},
        StallCase{"TricklesItsAnswers",
                  [](const Service::Request&) {
                      return Reply{Reply::Trickle, 25};
                  },
                  {noAnswer},
                  0,
                  {},
                  true},
        StallCase{"StallsOnTheDocumentSoTheJobIsCancelled",
                  Service::answersAllBut(Service::SendDocument, Reply{Reply::Silence}),
                  {noAnswer},
                  1,
                  {41},
                  true},
        StallCase{"GoesAwayMidJob",
                  Service::answersAllBut(Service::SendDocument, Reply{Reply::GoAway}),
                  {noAnswer},
                  1,
                  {},
                  false},
        // Each answer late, and one later than a second, as a busy service is.
        StallCase{"SlowButInTime",
                  [](const Service::Request& r) {
                      return Reply{Reply::Answer, r.operation == Service::CreateJob ? 1500 : 300};
                  },
                  {},
                  1,
                  {},
                  true}),
    caseName);

}  // namespace

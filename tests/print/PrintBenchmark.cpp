// Times presses of Print Summary through the real printer against a private print service, first
// with an empty job history and then with the service's limit of 500 kept jobs, and prints the
// median of each and their ratio. The press must stay short however much history is kept. Then
// it sets a service that takes the connection and never answers beside the idle one: the longest
// wait between two turns of the event loop during a press, and how long the press takes.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QDate>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include "drill/SummaryPage.h"
#include "platform/QtPrinter.h"
#include "platform/RunEnd.h"
#include "print/FakePrintService.h"
#include "print/PrivateScheduler.h"

namespace {

constexpr int timedPresses = 51;
constexpr int keptJobs = 500;  // the scheduler's default MaxJobs
constexpr char queue[] = "bench";
constexpr int servicePresses = 3;  // a stalled press takes seconds

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Bench {
public:
    explicit Bench(const PrivateScheduler& scheduler) : scheduler_(scheduler) {
        state_.studentName = "Mia Lund";
        state_.numQuestions = 12;
        state_.numCorrect = 9;
        state_.numWrong = 3;
        state_.numHints = 4;
        state_.digitsOutside = 2;
        state_.digitsInside = 5;
    }

    // One press, in milliseconds; a press that did not print ends the benchmark.
    double press() {
        const Timed timed = timedPress();
        if (!timed.printed) {
            std::fprintf(stderr, "the press did not print after %.1f ms: %s\n", timed.ms,
                         printer_.failureText().c_str());
            std::exit(EXIT_FAILURE);
        }
        return timed.ms;
    }

    struct Timed {
        bool printed = false;
        double ms = 0;
        double longestGapMs =
            0;  // between two turns of the event loop, from the press to its answer
    };

    // One press with a timer turning every millisecond beside it.
    Timed timedPress() {
        Timed timed;
        QElapsedTimer timer;
        timer.start();
        qint64 last = 0;
        const auto gap = [&] {
            const qint64 now = timer.nsecsElapsed();
            timed.longestGapMs =
                std::max(timed.longestGapMs, static_cast<double>(now - last) / 1e6);
            last = now;
        };
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, gap);
        tick.start(1);
        timed.printed = printSummary(
            printer_, state_,
            [] { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }, work_);
        gap();
        timed.ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        return timed;
    }

    // Until every job has printed, and a little longer so the service is idle again.
    void waitUntilIdle() const {
        for (int i = 0; i < 600 && !lines({QStringLiteral("-o"), QLatin1String(queue)}).isEmpty();
             ++i)
            QThread::msleep(10);
        QThread::msleep(20);
    }

    // Jobs the scheduler keeps once every job has printed; listing them all is slow, so this
    // is asked only between the timed runs.
    int keptHistory() const {
        waitUntilIdle();
        return static_cast<int>(lines({QStringLiteral("-W"), QStringLiteral("completed"),
                                       QStringLiteral("-o"), QLatin1String(queue)})
                                    .size());
    }

    void forgetHistory() const {
        scheduler_.cupsTool(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("-x")});
    }

private:
    QStringList lines(const QStringList& lpstatArgs) const {
        return scheduler_.cupsTool(QStringLiteral("lpstat"), lpstatArgs)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    const PrivateScheduler& scheduler_;
    QtPrinter printer_;
    DrillState state_;
    SummaryPress work_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const PrivateScheduler scheduler(true);
    if (!scheduler.failure().empty() || !scheduler.addQueue(QLatin1String(queue))) {
        std::fprintf(stderr, "no private print service: %s\n", scheduler.failure().c_str());
        return EXIT_FAILURE;
    }
    scheduler.cupsTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QLatin1String(queue)});
    // The printer finds the scheduler as libcups finds any: through the environment.
    qputenv("CUPS_SERVER", scheduler.socket().toLocal8Bit());
    qputenv("HOME", scheduler.directory().toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    Bench bench(scheduler);
    std::printf("first press of the run (loads the print library): %.2f ms\n", bench.press());

    bench.forgetHistory();
    const int historyAfterForgetting = bench.keptHistory();
    std::vector<double> empty;
    for (int i = 0; i < timedPresses; ++i) {
        bench.waitUntilIdle();
        bench.forgetHistory();
        bench.waitUntilIdle();
        empty.push_back(bench.press());
    }
    for (int kept = bench.keptHistory(); kept < keptJobs; ++kept)
        bench.press();
    const int historyBefore = bench.keptHistory();
    std::vector<double> full;
    for (int i = 0; i < timedPresses; ++i) {
        bench.waitUntilIdle();
        full.push_back(bench.press());
    }

    const double emptyMedian = median(empty);
    const double fullMedian = median(full);
    std::printf("median of %d presses, %3d jobs kept: %6.2f ms\n", timedPresses,
                historyAfterForgetting, emptyMedian);
    std::printf("median of %d presses, %3d jobs kept: %6.2f ms\n", timedPresses, historyBefore,
                fullMedian);
    std::printf("ratio of the two medians: %.2f\n", fullMedian / emptyMedian);

    // The idle scheduler beside a service that takes the connection and never answers.
    bench.forgetHistory();
    FakePrintService stalled([](const FakePrintService::Request&) {
        return FakePrintService::Reply{FakePrintService::Reply::Silence};
    });
    if (stalled.address().empty()) {
        std::fprintf(stderr, "the stalled service could not listen\n");
        return EXIT_FAILURE;
    }
    const std::pair<const char*, QByteArray> services[] = {
        {"idle service   ", scheduler.socket().toLocal8Bit()},
        {"stalled service", QByteArray::fromStdString(stalled.address())},
    };
    for (const auto& [name, address] : services) {
        qputenv("CUPS_SERVER", address);
        std::vector<double> took, gaps;
        int printed = 0;
        for (int i = 0; i < servicePresses; ++i) {
            bench.waitUntilIdle();
            const Bench::Timed timed = bench.timedPress();
            printed += timed.printed ? 1 : 0;
            took.push_back(timed.ms);
            gaps.push_back(timed.longestGapMs);
        }
        std::printf(
            "%s, %d presses: median press %7.2f ms, longest wait of the event loop %5.2f ms, %d "
            "printed\n",
            name, servicePresses, median(took), *std::max_element(gaps.begin(), gaps.end()),
            printed);
    }
    return finishRun(EXIT_SUCCESS);
}

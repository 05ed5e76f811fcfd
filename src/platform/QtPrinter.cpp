// Keeps a press's printed lines and fonts, and at its end has them laid out and handed to the
// print service off the window's thread, waiting for the answer with the windows alive.
#include "platform/QtPrinter.h"

#include <cmath>
#include <utility>

#include "designs/Texts.h"
#include "drill/SummaryPage.h"
#include "platform/BusyWait.h"
#include "platform/PrintHandOver.h"

namespace {

namespace texts = design::texts;

constexpr double largestFontSize = 2048;
constexpr char documentName[] = "Summary";

// From the press: the job must be through by the first, and the answer given by the second,
// which leaves the rest of five seconds for the window. A job left unfinished is cancelled
// between the two.
constexpr std::chrono::milliseconds jobTime(4000);
constexpr std::chrono::milliseconds answerTime(4500);

}  // namespace

QtPrinter::QtPrinter(std::string cupsLibraryName) : cupsLibraryName_(std::move(cupsLibraryName)) {}

QtPrinter::~QtPrinter() = default;

void QtPrinter::begin() {
    if (!begun_)
        begun_ = Clock::now();
}

void QtPrinter::setFontName(const std::string& name) {
    begin();
    fontFamilies_ = {QString::fromStdString(name)};
}

void QtPrinter::setFontSize(double points) {
    begin();
    if (!std::isfinite(points) || points <= 0 || points > largestFontSize) {
        pendingFailure_ = texts::kPrintBadFontSize;
        return;
    }
    fontPoints_ = points;
}

void QtPrinter::print(const std::vector<std::string>& items) {
    begin();
    document_.push_back({fontFamilies_, fontPoints_, printedLines(items)});
}

std::string QtPrinter::failureText() const { return failureText_; }

bool QtPrinter::fail(const std::string& reason) {
    failureText_ = texts::kPrintFailureLead + reason + texts::kPrintFailureEnd;
    return false;
}

bool QtPrinter::endDoc() {
    // Whatever happens, the next print starts a new document.
    std::vector<PrintedBlock> blocks = std::exchange(document_, {});
    const Clock::time_point pressed = std::exchange(begun_, std::nullopt).value_or(Clock::now());
    if (const char* failure = std::exchange(pendingFailure_, nullptr))
        return fail(failure);

    const Clock::time_point stopAt = pressed + jobTime;
    const Clock::time_point giveUpAt = pressed + answerTime;
    BusyWait busy;
    // An earlier hand-over still under way has outlived its own deadline: the service is stuck.
    if (last_ && !busy.until(giveUpAt, [this] { return last_->finished(); }))
        return fail(texts::kPrintNoAnswer);
    last_ =
        PrintHandOver::start(cupsLibraryName_, documentName, std::move(blocks), stopAt, giveUpAt);
    PrintHandOver& handOver = *last_;
    const auto finished = [&handOver] { return handOver.finished(); };
    if (!busy.until(stopAt, finished)) {
        handOver.stop(PrintDeadline::Phase::Job);
        if (!busy.until(giveUpAt, finished)) {
            handOver.stop(PrintDeadline::Phase::Cancel);
            return fail(texts::kPrintNoAnswer);
        }
    }
    const printservice::Answer answer = handOver.answer();
    if (answer.jobId <= 0)
        return fail(answer.reason);
    failureText_.clear();
    return true;
}

#include "platform/PrintHandOver.h"

#include <exception>
#include <thread>
#include <utility>

#include "designs/Texts.h"

PrintHandOver::PrintHandOver(const CupsLibrary& cups, std::string title, std::string pdf, Clock::time_point stopAt,
                             Clock::time_point giveUpAt)
    : cups_(cups), title_(std::move(title)), pdf_(std::move(pdf)), deadline_(stopAt, giveUpAt) {}

std::shared_ptr<PrintHandOver> PrintHandOver::start(const CupsLibrary& cups, std::string title, std::string pdf,
                                                    Clock::time_point stopAt, Clock::time_point giveUpAt) {
    std::shared_ptr<PrintHandOver> handOver(
        new PrintHandOver(cups, std::move(title), std::move(pdf), stopAt, giveUpAt));
    // Detached: a service that holds the thread past the deadline must not hold the window or
    // the end of the run; the thread keeps its hand-over alive until it is done.
    std::thread([handOver] { handOver->run(); }).detach();
    return handOver;
}

void PrintHandOver::run() {
    printservice::Answer answer;
    try {
        answer = printservice::submitPdf(cups_, title_.c_str(), pdf_, deadline_);
    } catch (const std::exception&) {
        // Nothing is left to tell the service; the press says it was not answered.
        answer = {0, design::texts::kPrintNoAnswer};
    }
    {
        std::lock_guard lock(mutex_);
        answer_ = std::move(answer);
    }
    finished_.store(true, std::memory_order_release);
}

printservice::Answer PrintHandOver::answer() const {
    std::lock_guard lock(mutex_);
    return answer_;
}

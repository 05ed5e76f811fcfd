#include "platform/PrintHandOver.h"

#include <exception>
#include <thread>
#include <utility>

#include "designs/Texts.h"
#include "platform/CupsLibrary.h"

PrintHandOver::PrintHandOver(std::string cupsLibraryName, std::string title, std::string pdf,
                             Clock::time_point stopAt, Clock::time_point giveUpAt)
    : cupsLibraryName_(std::move(cupsLibraryName)), title_(std::move(title)), pdf_(std::move(pdf)), deadline_(stopAt, giveUpAt) {}

std::shared_ptr<PrintHandOver> PrintHandOver::start(std::string cupsLibraryName, std::string title,
                                                    std::string pdf, Clock::time_point stopAt,
                                                    Clock::time_point giveUpAt) {
    std::shared_ptr<PrintHandOver> handOver(
        new PrintHandOver(std::move(cupsLibraryName), std::move(title), std::move(pdf), stopAt, giveUpAt));
    // Detached: a service that holds the thread past the deadline must not hold the window or
    // the end of the run; the thread keeps its hand-over alive until it is done.
    std::thread([handOver] { handOver->run(); }).detach();
    return handOver;
}

void PrintHandOver::run() {
    printservice::Answer answer;
    try {
        if (const CupsLibrary* cups = cupsLibrary(cupsLibraryName_))
            answer = printservice::submitPdf(*cups, title_.c_str(), pdf_, deadline_);
        else
            answer = {0, design::texts::kPrintSoftwareMissing};
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

#include "platform/PrintHandOver.h"

#include <exception>
#include <thread>
#include <utility>

#include "designs/Texts.h"
#include "platform/CupsLibrary.h"

PrintHandOver::PrintHandOver(std::string cupsLibraryName, const char* title,
                             std::vector<PrintedBlock> page, Clock::time_point stopAt,
                             Clock::time_point giveUpAt)
    : cupsLibraryName_(std::move(cupsLibraryName)),
      title_(title),
      page_(std::move(page)),
      deadline_(stopAt, giveUpAt) {}

std::shared_ptr<PrintHandOver> PrintHandOver::start(std::string cupsLibraryName, const char* title,
                                                    std::vector<PrintedBlock> page,
                                                    Clock::time_point stopAt,
                                                    Clock::time_point giveUpAt) {
    std::shared_ptr<PrintHandOver> handOver(
        new PrintHandOver(std::move(cupsLibraryName), title, std::move(page), stopAt, giveUpAt));
    // Detached: a service that holds the thread past the deadline must not hold the window or
    // the end of the run; the thread keeps its hand-over alive until it is done.
    std::thread([handOver] { handOver->run(); }).detach();
    return handOver;
}

void PrintHandOver::run() {
    printservice::Answer answer;
    try {
        const CupsLibrary* cups = cupsLibrary(cupsLibraryName_);
        const std::optional<std::string> pdf =
            cups ? layOutPage(page_, title_.c_str()) : std::nullopt;
        if (!cups)
            answer = {0, design::texts::kPrintSoftwareMissing};
        else if (!pdf)
            answer = {0, design::texts::kPrintNoLayout};
        else
            answer = printservice::submitPdf(*cups, title_.c_str(), *pdf, deadline_);
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

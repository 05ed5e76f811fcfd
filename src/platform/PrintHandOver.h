// One page laid out and handed to the print service on a thread of its own, so that the window
// can wait for the answer without freezing and give up on it at its deadline.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/PageLayout.h"
#include "platform/PrintDeadline.h"
#include "platform/PrintService.h"

class PrintHandOver {
public:
    using Clock = PrintDeadline::Clock;

    // Starts the thread at once; it lays the page out and loads the print service's library of
    // that name, each of which takes longer than the window may wait between two events. It
    // holds everything it uses, so it may outlive the caller.
    static std::shared_ptr<PrintHandOver> start(std::string cupsLibraryName, const char* title,
                                                std::vector<PrintedBlock> page,
                                                Clock::time_point stopAt,
                                                Clock::time_point giveUpAt);

    // Waits up to `longest` for the threads of all hand-overs to end, and says whether they all
    // did. A thread that has laid out a page holds Qt's data for that thread and frees it as it
    // ends, which has to happen before Qt itself is torn down at the end of the run.
    static bool threadsEnded(Clock::duration longest);

    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // The service's answer; only once finished.
    printservice::Answer answer() const;

    // Ends the job, or the job and its cancelling, and cuts the connection in use.
    void stop(PrintDeadline::Phase phase) { deadline_.stop(phase); }

private:
    PrintHandOver(std::string cupsLibraryName, const char* title, std::vector<PrintedBlock> page,
                  Clock::time_point stopAt, Clock::time_point giveUpAt);
    void run();

    const std::string cupsLibraryName_;
    const std::string title_;
    const std::vector<PrintedBlock> page_;
    PrintDeadline deadline_;

    mutable std::mutex mutex_;
    printservice::Answer answer_;
    std::atomic<bool> finished_{false};
};

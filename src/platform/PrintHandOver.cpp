#include "platform/PrintHandOver.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <list>
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

namespace {

// The hand-overs' threads that have not been joined yet.
class HandOverThreads {
public:
    void start(std::function<void()> work) {
        std::lock_guard hold(lock_);
        joinReturned();
        Thread& started = threads_.emplace_back();
        try {
            started.thread = std::thread([this, work = std::move(work), &started]() mutable {
                work();
                work = nullptr;  // what the work holds goes before the thread counts as returned
                std::lock_guard hold(lock_);
                started.returned = true;
                changed_.notify_all();
            });
        } catch (...) {
            threads_.pop_back();
            throw;
        }
    }

    bool ended(PrintHandOver::Clock::duration longest) {
        std::unique_lock hold(lock_);
        changed_.wait_for(hold, longest, [this] {
            return std::all_of(threads_.cbegin(), threads_.cend(),
                               [](const Thread& t) { return t.returned; });
        });
        joinReturned();
        return threads_.empty();
    }

private:
    struct Thread {
        std::thread thread;
        bool returned = false;
    };

    // A thread whose work has returned has only its own clean-up left, so joining it is quick.
    void joinReturned() {
        threads_.remove_if([](Thread& t) {
            if (!t.returned)
                return false;
            t.thread.join();
            return true;
        });
    }

    std::mutex lock_;
    std::condition_variable changed_;
    std::list<Thread> threads_;  // a list, so that each thread's entry stays where it is
};

// Never destroyed: a thread still waiting for the service when the run ends keeps its entry.
HandOverThreads& handOverThreads() {
    static auto& threads =  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): shared
        *new HandOverThreads;
    return threads;
}

}  // namespace

std::shared_ptr<PrintHandOver> PrintHandOver::start(std::string cupsLibraryName, const char* title,
                                                    std::vector<PrintedBlock> page,
                                                    Clock::time_point stopAt,
                                                    Clock::time_point giveUpAt) {
    std::shared_ptr<PrintHandOver> handOver(
        new PrintHandOver(std::move(cupsLibraryName), title, std::move(page), stopAt, giveUpAt));
    // The thread keeps its hand-over alive until it is done, so a service that holds it past
    // the deadline holds neither the window nor the hand-over's owner.
    handOverThreads().start([handOver] { handOver->run(); });
    return handOver;
}

bool PrintHandOver::threadsEnded(Clock::duration longest) {
    return handOverThreads().ended(longest);
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

// The time limits of one hand-over to the print service, shared by the thread that talks to the
// service and the window that waits for it, which can cut a connection that runs over.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>

#include <sys/types.h>

class PrintDeadline {
public:
    using Clock = std::chrono::steady_clock;

    // The two parts of a hand-over: the job itself, then the cancelling of a job left unfinished.
    enum class Phase { Job, Cancel };

    // The job may run until stopAt; cancelling it may run until giveUpAt.
    PrintDeadline(Clock::time_point stopAt, Clock::time_point giveUpAt);
    ~PrintDeadline();
    PrintDeadline(const PrintDeadline&) = delete;
    PrintDeadline& operator=(const PrintDeadline&) = delete;

    // The service's thread: whether the phase may still go on, and for how many milliseconds.
    bool open(Phase phase) const;
    int millisecondsLeft(Phase phase) const;
    // The connection that the phase now uses, so that stop() can cut it; called after every
    // step too, since the library may have opened a new one meanwhile.
    void watch(Phase phase, int socket);
    void unwatch();

    // The window's thread: ends the job phase, or both, and cuts the connection in use at once,
    // even while the service is sending an answer byte by byte.
    void stop(Phase phase);

private:
    const Clock::time_point stopAt_;
    const Clock::time_point giveUpAt_;
    std::atomic<bool> jobStopped_{false};
    std::atomic<bool> cancelStopped_{false};

    std::mutex mutex_;
    int watched_ = -1;  // our own duplicate of the socket, so its number is never reused under us
    ino_t watchedInode_ = 0;
    Phase watchedPhase_ = Phase::Job;
};

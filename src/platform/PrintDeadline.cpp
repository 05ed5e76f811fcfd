#include "platform/PrintDeadline.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

PrintDeadline::PrintDeadline(Clock::time_point stopAt, Clock::time_point giveUpAt)
    : stopAt_(stopAt), giveUpAt_(std::max(stopAt, giveUpAt)) {}

PrintDeadline::~PrintDeadline() { unwatch(); }

bool PrintDeadline::open(Phase phase) const { return millisecondsLeft(phase) > 0; }

int PrintDeadline::millisecondsLeft(Phase phase) const {
    const bool stopped = phase == Phase::Job ? jobStopped_.load() : cancelStopped_.load();
    if (stopped)
        return 0;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        (phase == Phase::Job ? stopAt_ : giveUpAt_) - Clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 60000));
}

void PrintDeadline::watch(Phase phase, int socket) {
    struct stat found {};
    if (socket < 0 || fstat(socket, &found) != 0)
        return;
    std::lock_guard lock(mutex_);
    watchedPhase_ = phase;
    if (watched_ >= 0 && found.st_ino == watchedInode_)
        return;
    if (watched_ >= 0)
        close(watched_);
    watched_ = fcntl(socket, F_DUPFD_CLOEXEC, 0);
    watchedInode_ = found.st_ino;
    // A stop that came before this connection was opened cuts it at once.
    if (watched_ >= 0 && !open(phase))
        shutdown(watched_, SHUT_RDWR);
}

void PrintDeadline::unwatch() {
    std::lock_guard lock(mutex_);
    if (watched_ >= 0)
        close(watched_);
    watched_ = -1;
    watchedInode_ = 0;
}

void PrintDeadline::stop(Phase phase) {
    jobStopped_ = true;
    if (phase == Phase::Cancel)
        cancelStopped_ = true;
    std::lock_guard lock(mutex_);
    // Shutting the socket down ends every wait on it in the other thread; the number stays ours.
    if (watched_ >= 0 && (phase == Phase::Cancel || watchedPhase_ == Phase::Job))
        shutdown(watched_, SHUT_RDWR);
}

// Keeps the program's windows painting while a handler waits for something slow: the event loop
// turns, the pupil's input to every window is held off and the cursor shows that it is busy.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

class QObject;

class BusyWait {
public:
    using Clock = std::chrono::steady_clock;

    // From here until the end of the object: busy cursor, no clicks, keys or close boxes.
    BusyWait();
    ~BusyWait();
    BusyWait(const BusyWait&) = delete;
    BusyWait& operator=(const BusyWait&) = delete;

    // Runs the event loop until done() or the time; true when done.
    // A member, so that only a live BusyWait, holding input off, turns the loop.
    bool until(Clock::time_point deadline, const std::function<bool()>& done);

private:
    std::unique_ptr<QObject> inputHold_;
    bool cursorShown_ = false;
};

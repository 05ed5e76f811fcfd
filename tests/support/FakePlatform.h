// A platform for tests: records message boxes, prints and the end of a run; scripted randoms;
// a test may put a real printer in place of the recording one.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "support/RecordingPrinter.h"

class FakePlatform : public Platform {
public:
    void messageBox(const std::string& text) override { messages.push_back(text); }
    void reseedFromClock() override { ++reseeds; }
    float nextRandom() override {
        if (randoms.empty())
            return 0.0f;
        const float value = randoms.front();
        randoms.pop_front();
        return value;
    }
    // Written down among the printer's operations, so a test sees when the press takes the date.
    std::string todayText() override {
        printerStandIn.calls.push_back("today");
        return today;
    }
    Printer& printer() override { return realPrinter ? *realPrinter : printerStandIn; }
    void endRun(int status) override { endedWith.push_back(status); }
    void runTimeError(const std::string& what) override { runTimeErrors.push_back(what); }

    std::vector<std::string> messages;
    std::deque<float> randoms;
    int reseeds = 0;
    std::string today = "10/12/2026";
    RecordingPrinter printerStandIn;
    Printer* realPrinter = nullptr;  // set by tests that print through a print service
    std::vector<int> endedWith;
    std::vector<std::string> runTimeErrors;
};

// The platform layer on Qt: message box, clock-seeded random source, date, printer, end of a run.
#pragma once

#include <memory>
#include <random>

#include "platform/Platform.h"

class QtPlatform : public Platform {
public:
    QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    void messageBox(const std::string& text) override;
    void reseedFromClock() override;
    float nextRandom() override;
    std::string todayText() override;
    Printer& printer() override;
    void endRun(int status) override;
    [[noreturn]] void runTimeError(const std::string& what) override;

private:
    std::mt19937 generator_;
    std::unique_ptr<Printer> printer_;
};

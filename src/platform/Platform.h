// What the windows need from the machine, behind one interface so tests can stand in for it.
#pragma once

#include <string>

class Printer;  // drill/Printer.h

class Platform {
public:
    virtual ~Platform() = default;
    // Application-modal box with the text, one OK button, no icon, the program's title; waits.
    virtual void messageBox(const std::string& text) = 0;
    virtual void reseedFromClock() = 0;
    // Uniform in [0, 1), never 1.
    virtual float nextRandom() = 0;
    virtual std::string todayText() = 0;
    virtual Printer& printer() = 0;
    // Ends the run at once: no window is unloaded and nothing further runs.
    virtual void endRun(int status) = 0;
    // A failed test that no use of the program can bring about: says which, then ends the run.
    virtual void runTimeError(const std::string& what) = 0;
};

// A platform for tests: records message boxes, prints and the end of a run; scripted randoms.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Printer.h"

class RecordingPrinter : public Printer {
public:
    struct Operation {
        std::string kind;  // "font", "size", "print", "end"
        std::vector<std::string> items;
        double size = 0;
    };
    void setFontName(const std::string& name) override { operations.push_back({"font", {name}}); }
    void setFontSize(double points) override { operations.push_back({"size", {}, points}); }
    void print(const std::vector<std::string>& items) override { operations.push_back({"print", items}); }
    bool endDoc() override {
        operations.push_back({"end", {}});
        return works;
    }
    std::string failureText() const override { return "The summary could not be printed: no printer is available."; }

    std::vector<Operation> operations;
    bool works = true;
};

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
    std::string todayText() override { return today; }
    Printer& printer() override { return printerStandIn; }
    void endRun(int status) override { endedWith.push_back(status); }

    std::vector<std::string> messages;
    std::deque<float> randoms;
    int reseeds = 0;
    std::string today = "10/12/2026";
    RecordingPrinter printerStandIn;
    std::vector<int> endedWith;
};

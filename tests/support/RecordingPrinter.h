// A printer that keeps every operation and every finished document, for tests of the press.
#pragma once

#include <string>
#include <vector>

#include "drill/Printer.h"

class RecordingPrinter : public Printer {
public:
    using Operations = std::vector<std::vector<std::string>>;

    std::vector<std::string> calls;  // operation names in order, with their arguments
    Operations current;              // print operations since the last end of a document
    std::vector<Operations> jobs;    // one entry per successful endDoc
    bool acceptJobs = true;

    void setFontName(const std::string& name) override { calls.push_back("fontName " + name); }
    void setFontSize(double points) override {
        calls.push_back("fontSize " + std::to_string(static_cast<int>(points)));
    }
    void print(const std::vector<std::string>& items) override {
        calls.push_back("print " + std::to_string(items.size()));
        current.push_back(items);
    }
    bool endDoc() override {
        calls.push_back("endDoc");
        Operations done = std::move(current);
        current.clear();
        if (!acceptJobs)
            return false;
        jobs.push_back(std::move(done));
        return true;
    }
    std::string failureText() const override {
        return acceptJobs ? "" : "The summary could not be printed: no default printer is set up.";
    }
};

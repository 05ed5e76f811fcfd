// The default printer: Qt lays the printed lines out as a PDF page, the print service takes it
// as one job at endDoc, which keeps the windows painting while it waits and answers in bounded time.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFont>

#include "drill/Printer.h"
#include "platform/CupsLibrary.h"

class PrintHandOver;

class QtPrinter final : public Printer {
public:
    // The print service's library is looked up under cupsLibraryName at the first endDoc.
    explicit QtPrinter(std::string cupsLibraryName = kCupsLibraryName);
    ~QtPrinter() override;

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void print(const std::vector<std::string>& items) override;
    bool endDoc() override;
    std::string failureText() const override;

private:
    // The lines of one print operation in the font that was set when it ran.
    struct Block {
        QFont font;
        std::vector<std::string> lines;
    };

    using Clock = std::chrono::steady_clock;

    bool fail(const std::string& reason);
    // The press begins with the document's first operation; its deadline counts from there.
    void begin();
    // The page as PDF, every line wrapped to the page's width; empty when it could not be made.
    std::optional<std::string> layOut(const std::vector<Block>& blocks) const;

    std::string cupsLibraryName_;
    QFont font_;  // every press sets its family and size before it prints
    std::vector<Block> document_;
    const char* pendingFailure_ = nullptr;  // an operation that failed since the last endDoc
    std::string failureText_;
    std::optional<Clock::time_point> begun_;
    // The last hand-over; the next press waits for it, so two never talk to the service at once.
    std::shared_ptr<PrintHandOver> last_;
};

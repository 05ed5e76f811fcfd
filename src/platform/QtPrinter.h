// The default printer: at endDoc the printed lines become a PDF page that the print service takes
// as one job; the windows keep painting meanwhile and the answer comes in bounded time.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drill/Printer.h"
#include "platform/CupsLibrary.h"
#include "platform/PageLayout.h"

class PrintHandOver;

class QtPrinter final : public Printer {
public:
    // The print service's library is looked up under cupsLibraryName at the first endDoc.
    explicit QtPrinter(std::string cupsLibraryName = kCupsLibraryName);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void print(const std::vector<std::string>& items) override;
    bool endDoc() override;
    std::string failureText() const override;

private:
    using Clock = std::chrono::steady_clock;

    bool fail(const std::string& reason);
    // The press begins with the document's first operation; its deadline counts from there.
    void begin();

    std::string cupsLibraryName_;
    // Every press sets the font's family and size before it prints.
    QStringList fontFamilies_;
    double fontPoints_ = 0;
    std::vector<PrintedBlock> document_;
    const char* pendingFailure_ = nullptr;  // an operation that failed since the last endDoc
    std::string failureText_;
    std::optional<Clock::time_point> begun_;
    // The last hand-over; the next press waits for it, so two never talk to the service at once.
    std::shared_ptr<PrintHandOver> last_;
};

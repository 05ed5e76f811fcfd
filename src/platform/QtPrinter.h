// The default printer: Qt lays the printed lines out as a PDF page, the print service takes it
// as one job at endDoc.
#pragma once

#include <string>
#include <vector>

#include <QFont>

#include "drill/Printer.h"
#include "platform/CupsLibrary.h"

class QtPrinter final : public Printer {
public:
    // The print service's library is looked up under cupsLibraryName at the first endDoc.
    explicit QtPrinter(std::string cupsLibraryName = kCupsLibraryName);

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

    bool fail(const std::string& reason);

    std::string cupsLibraryName_;
    QFont font_;  // every press sets its family and size before it prints
    std::vector<Block> document_;
    const char* pendingFailure_ = nullptr;  // an operation that failed since the last endDoc
    std::string failureText_;
};

// The default printer through Qt PrintSupport: keeps what is printed and sends it as one job at endDoc.
#pragma once

#include <string>
#include <vector>

#include <QFont>

#include "drill/Printer.h"

class QtPrinter final : public Printer {
public:
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

    bool fail(const char* reason);
    bool render(std::vector<Block>& blocks);

    QFont font_;  // every press sets its family and size before it prints
    std::vector<Block> document_;
    const char* pendingFailure_ = nullptr;  // an operation that failed since the last endDoc
    std::string failureText_;
};

#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <chrono>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/RandomUnit.h"

namespace {

// Stands in until the real printer lands: it reports honestly that nothing was printed.
class NoPrinter : public Printer {
public:
    void setFontName(const std::string&) override {}
    void setFontSize(double) override {}
    void print(const std::vector<std::string>&) override {}
    bool endDoc() override { return false; }
    std::string failureText() const override {
        return "The summary could not be printed: no printer is available.";
    }
};

}  // namespace

QtPlatform::QtPlatform() : printer_(std::make_unique<NoPrinter>()) { reseedFromClock(); }

QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text) { showPlainMessageBox(text); }

void QtPlatform::reseedFromClock() {
    // Nanosecond ticks, so two presses in a row never share a seed.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
    generator_.seed(seed);
}

float QtPlatform::nextRandom() { return unitFloatFromBits(static_cast<uint32_t>(generator_())); }

std::string QtPlatform::todayText() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

Printer& QtPlatform::printer() { return *printer_; }

void QtPlatform::endRun(int status) {
    // The event loop stops taking events; main returns with the status.
    QApplication::exit(status);
}

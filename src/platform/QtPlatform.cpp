#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/QtPrinter.h"
#include "platform/RandomUnit.h"

namespace {

void seedFromClock(std::mt19937& generator) {
    // Nanosecond ticks, so two presses in a row never share a seed.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
    generator.seed(seed);
}

}  // namespace

// Seeded without the virtual reseedFromClock, which a constructor would not dispatch.
QtPlatform::QtPlatform() : printer_(std::make_unique<QtPrinter>()) { seedFromClock(generator_); }

QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text) { showPlainMessageBox(text); }

void QtPlatform::reseedFromClock() { seedFromClock(generator_); }

float QtPlatform::nextRandom() { return unitFloatFromBits(static_cast<uint32_t>(generator_())); }

std::string QtPlatform::todayText() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

Printer& QtPlatform::printer() { return *printer_; }

void QtPlatform::runTimeError(const std::string& what) {
    const std::string text = "Run-time error: " + what;
    std::fprintf(stderr, "%s\n", text.c_str());
    showPlainMessageBox(text);
    std::_Exit(EXIT_FAILURE);
}

void QtPlatform::endRun(int status) {
    // The event loop stops taking events; main returns with the status.
    QApplication::exit(status);
}

// Lays the printed lines out top-down in the chosen font and hands them to the default printer.
#include "platform/QtPrinter.h"

#include <cmath>
#include <utility>

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "drill/SummaryPage.h"
#include "platform/PrintJobs.h"

namespace {
constexpr double largestFontSize = 2048;
}

void QtPrinter::setFontName(const std::string& name) {
    // Qt's font matching falls back to the nearest installed family when this one is missing.
    font_.setFamilies({QString::fromStdString(name)});
}

void QtPrinter::setFontSize(double points) {
    if (!std::isfinite(points) || points <= 0 || points > largestFontSize) {
        pendingFailure_ = "the font size is not valid.";
        return;
    }
    font_.setPointSizeF(points);
}

void QtPrinter::print(const std::vector<std::string>& items) {
    document_.push_back({font_, printedLines(items)});
}

std::string QtPrinter::failureText() const { return failureText_; }

bool QtPrinter::fail(const char* reason) {
    failureText_ = std::string("The summary could not be printed: ") + reason;
    return false;
}

bool QtPrinter::endDoc() {
    // Whatever happens, the next print starts a new document.
    std::vector<Block> blocks = std::exchange(document_, {});
    if (const char* failure = std::exchange(pendingFailure_, nullptr))
        return fail(failure);
    if (!render(blocks))
        return false;
    failureText_.clear();
    return true;
}

bool QtPrinter::render(std::vector<Block>& blocks) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return fail("no printer is available.");
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return fail("the printer is not usable.");
    printer.setDocName(QStringLiteral("Summary"));

    // A queue name may carry an instance after a slash; jobs are listed under the queue itself.
    const std::string queue = info.printerName().section(QLatin1Char('/'), 0, 0).toStdString();
    const std::optional<int> lastBefore = printjobs::lastJobId(queue);
    if (!lastBefore)
        return fail("the print service does not answer.");

    QPainter painter;
    if (!painter.begin(&printer))
        return fail("the printer could not be started.");
    const int pageHeight = printer.height();
    int top = 0;
    for (Block& block : blocks) {
        painter.setFont(block.font);
        const QFontMetrics metrics = painter.fontMetrics();
        for (const std::string& line : block.lines) {
            if (top > 0 && top + metrics.height() > pageHeight) {
                if (!printer.newPage()) {
                    painter.end();
                    return fail("the printer could not start a new page.");
                }
                top = 0;
            }
            if (!line.empty())
                painter.drawText(QPoint(0, top + metrics.ascent()), QString::fromStdString(line));
            top += metrics.lineSpacing();
        }
    }
    if (!painter.end())
        return fail("the print job could not be finished.");

    // Qt does not say whether the service took the job, so look for it.
    const std::optional<int> lastAfter = printjobs::lastJobId(queue);
    if (!lastAfter || *lastAfter <= *lastBefore)
        return fail("the print service did not take the job.");
    return true;
}

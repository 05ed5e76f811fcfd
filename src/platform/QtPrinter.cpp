// Lays the printed lines out top-down in the chosen font and hands the page to the print service.
#include "platform/QtPrinter.h"

#include <cmath>
#include <utility>

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "drill/SummaryPage.h"
#include "platform/PrintService.h"

namespace {

constexpr double largestFontSize = 2048;
constexpr char documentName[] = "Summary";

// The paper a printer without settings of its own would use here, with a narrow margin.
QPageLayout pageLayout() {
    const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                      : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

}  // namespace

QtPrinter::QtPrinter(std::string cupsLibraryName) : cupsLibraryName_(std::move(cupsLibraryName)) {}

void QtPrinter::setFontName(const std::string& name) {
    // Qt's font matching falls back to the nearest installed family when this one is missing.
    font_.setFamilies({QString::fromStdString(name)});
}

void QtPrinter::setFontSize(double points) {
    if (!std::isfinite(points) || points <= 0 || points > largestFontSize) {
        pendingFailure_ = "the font size is not valid";
        return;
    }
    font_.setPointSizeF(points);
}

void QtPrinter::print(const std::vector<std::string>& items) {
    document_.push_back({font_, printedLines(items)});
}

std::string QtPrinter::failureText() const { return failureText_; }

bool QtPrinter::fail(const std::string& reason) {
    failureText_ = "The summary could not be printed: " + reason + ".";
    return false;
}

bool QtPrinter::endDoc() {
    // Whatever happens, the next print starts a new document.
    const std::vector<Block> blocks = std::exchange(document_, {});
    if (const char* failure = std::exchange(pendingFailure_, nullptr))
        return fail(failure);
    const CupsLibrary* cups = cupsLibrary(cupsLibraryName_);
    if (!cups)
        return fail("the printing software on this computer is missing or damaged");

    QByteArray pdf;
    {
        QBuffer out(&pdf);
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setTitle(QLatin1String(documentName));
        writer.setPageLayout(pageLayout());
        QPainter painter;
        if (!painter.begin(&writer))
            return fail("the page could not be laid out");
        const int pageHeight = writer.height();
        int top = 0;
        for (const Block& block : blocks) {
            painter.setFont(block.font);
            const QFontMetrics metrics = painter.fontMetrics();
            for (const std::string& line : block.lines) {
                if (top > 0 && top + metrics.height() > pageHeight) {
                    writer.newPage();
                    top = 0;
                }
                if (!line.empty())
                    painter.drawText(QPoint(0, top + metrics.ascent()), QString::fromStdString(line));
                top += metrics.lineSpacing();
            }
        }
        if (!painter.end())
            return fail("the page could not be laid out");
    }

    const printservice::Answer answer = printservice::submitPdf(*cups, documentName, {pdf.constData(), size_t(pdf.size())});
    if (answer.jobId <= 0)
        return fail(answer.reason);
    failureText_.clear();
    return true;
}

// Lays the printed lines out top-down in the chosen font and hands the page to the print service.
#include "platform/QtPrinter.h"

#include <cmath>
#include <utility>

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include "designs/Texts.h"
#include "drill/SummaryPage.h"
#include "platform/BusyWait.h"
#include "platform/PrintHandOver.h"

namespace {

namespace texts = design::texts;

constexpr double largestFontSize = 2048;
constexpr char documentName[] = "Summary";

// From the press: the job must be through by the first, and the answer given by the second,
// which leaves the rest of five seconds for the window. A job left unfinished is cancelled
// between the two.
constexpr std::chrono::milliseconds jobTime(4000);
constexpr std::chrono::milliseconds answerTime(4500);

// The paper a printer without settings of its own would use here, with a narrow margin.
QPageLayout pageLayout() {
    const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                      : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

}  // namespace

QtPrinter::QtPrinter(std::string cupsLibraryName) : cupsLibraryName_(std::move(cupsLibraryName)) {}

QtPrinter::~QtPrinter() = default;

void QtPrinter::begin() {
    if (!begun_)
        begun_ = Clock::now();
}

void QtPrinter::setFontName(const std::string& name) {
    begin();
    // Qt's font matching falls back to the nearest installed family when this one is missing.
    font_.setFamilies({QString::fromStdString(name)});
}

void QtPrinter::setFontSize(double points) {
    begin();
    if (!std::isfinite(points) || points <= 0 || points > largestFontSize) {
        pendingFailure_ = texts::kPrintBadFontSize;
        return;
    }
    font_.setPointSizeF(points);
}

void QtPrinter::print(const std::vector<std::string>& items) {
    begin();
    document_.push_back({font_, printedLines(items)});
}

std::string QtPrinter::failureText() const { return failureText_; }

bool QtPrinter::fail(const std::string& reason) {
    failureText_ = texts::kPrintFailureLead + reason + texts::kPrintFailureEnd;
    return false;
}

std::optional<std::string> QtPrinter::layOut(const std::vector<Block>& blocks) const {
    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setTitle(QLatin1String(documentName));
    writer.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return std::nullopt;
    const int pageHeight = writer.height();
    const qreal pageWidth = writer.width();
    // A line too long for the paper goes on below, broken at a blank where there is one.
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int top = 0;
    for (const Block& block : blocks) {
        painter.setFont(block.font);
        const QFontMetrics metrics = painter.fontMetrics();
        for (const std::string& line : block.lines) {
            QTextLayout layout(QString::fromStdString(line), block.font, &writer);
            layout.setTextOption(wrapping);
            layout.beginLayout();
            for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
                part.setLineWidth(pageWidth);
                part.setPosition(QPointF(0, 0));
            }
            layout.endLayout();
            for (int i = 0; i < layout.lineCount(); ++i) {
                if (top > 0 && top + metrics.height() > pageHeight) {
                    writer.newPage();
                    top = 0;
                }
                if (!line.empty())
                    layout.lineAt(i).draw(&painter, QPointF(0, top + metrics.ascent() - layout.lineAt(i).ascent()));
                top += metrics.lineSpacing();
            }
        }
    }
    if (!painter.end())
        return std::nullopt;
    return pdf.toStdString();
}

bool QtPrinter::endDoc() {
    // Whatever happens, the next print starts a new document.
    const std::vector<Block> blocks = std::exchange(document_, {});
    const Clock::time_point pressed = std::exchange(begun_, std::nullopt).value_or(Clock::now());
    if (const char* failure = std::exchange(pendingFailure_, nullptr))
        return fail(failure);
    std::optional<std::string> pdf = layOut(blocks);
    if (!pdf)
        return fail(texts::kPrintNoLayout);

    const Clock::time_point stopAt = pressed + jobTime;
    const Clock::time_point giveUpAt = pressed + answerTime;
    BusyWait busy;
    // An earlier hand-over still under way has outlived its own deadline: the service is stuck.
    if (last_ && !busy.until(giveUpAt, [this] { return last_->finished(); }))
        return fail(texts::kPrintNoAnswer);
    last_ = PrintHandOver::start(cupsLibraryName_, documentName, std::move(*pdf), stopAt, giveUpAt);
    PrintHandOver& handOver = *last_;
    const auto finished = [&handOver] { return handOver.finished(); };
    if (!busy.until(stopAt, finished)) {
        handOver.stop(PrintDeadline::Phase::Job);
        if (!busy.until(giveUpAt, finished)) {
            handOver.stop(PrintDeadline::Phase::Cancel);
            return fail(texts::kPrintNoAnswer);
        }
    }
    const printservice::Answer answer = handOver.answer();
    if (answer.jobId <= 0)
        return fail(answer.reason);
    failureText_.clear();
    return true;
}

#include "platform/PageLayout.h"

#include <QBuffer>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace {

// The paper a printer without settings of its own would use here, with a narrow margin.
QPageLayout pageLayout() {
    const QPageSize paper(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

}  // namespace

std::optional<std::string> layOutPage(const std::vector<PrintedBlock>& blocks, const char* title) {
    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setTitle(QString::fromUtf8(title));
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
    for (const PrintedBlock& block : blocks) {
        QFont font;
        // Qt's font matching falls back to the nearest installed family when this one is missing.
        font.setFamilies(block.fontFamilies);
        if (block.fontPoints > 0)
            font.setPointSizeF(block.fontPoints);
        painter.setFont(font);
        const QFontMetrics metrics = painter.fontMetrics();
        for (const std::string& line : block.lines) {
            QTextLayout layout(QString::fromStdString(line), font, &writer);
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
                // Every part of the line sits on the same baseline as an unwrapped line would.
                const QTextLine part = layout.lineAt(i);
                if (!line.empty())
                    part.draw(&painter, QPointF(0, top + metrics.ascent() - part.ascent()));
                top += metrics.lineSpacing();
            }
        }
    }
    if (!painter.end())
        return std::nullopt;
    return pdf.toStdString();
}

// Builds the summary page from the drill state and drives the printer through one press.
#include "drill/SummaryPage.h"

#include "drill/NumberText.h"
#include "drill/Printer.h"

bool printSummary(Printer& printer, const DrillState& state,
                  const std::function<std::string()>& today, SummaryPress& press) {
    using namespace summary;
    printer.setFontName(fontName);
    printer.setFontSize(fontSize);
    press.printDate = today();

    press.blankLines.clear();
    for (press.marginCount = 0; press.marginCount < 5; ++press.marginCount)
        press.blankLines += lineBreak;

    press.summaryText = press.blankLines + std::string(11, ' ') + state.studentName +
                        std::string(12, ' ') + press.printDate + lineBreak + lineBreak +
                        questionsLabel + numberText(state.numQuestions) + lineBreak + correctLabel +
                        numberText(state.numCorrect) + lineBreak + wrongLabel +
                        numberText(state.numWrong) + lineBreak;
    printer.print({press.summaryText});
    printer.print({
        hintsLabel + numberText(state.numHints) + lineBreak,
        outsideLabel + numberText(state.digitsOutside) + lineBreak,
        insideLabel + numberText(state.digitsInside) + lineBreak,
    });
    return printer.endDoc();
}

std::vector<std::string> printedLines(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += summary::itemSeparator;
        text += items[i];
    }
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

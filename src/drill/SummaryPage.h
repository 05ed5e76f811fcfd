// The page that Print Summary sends to the printer, and the lines a printer puts on paper for it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/DrillState.h"

class Printer;

// The practice window's own variables for a press; every press sets all four afresh.
struct SummaryPress {
    std::string printDate;
    std::string blankLines;
    int16_t marginCount = 0;
    std::string summaryText;
};

namespace summary {

inline constexpr char lineBreak[] = "\r\n";
inline constexpr char fontName[] = "Comic Sans MS";
inline constexpr double fontSize = 20;

// Each label starts with 11 blanks; the outside label is one blank longer than the others.
inline constexpr char questionsLabel[] = "           Number of Questions     ";
inline constexpr char correctLabel[] = "           Number Correct          ";
inline constexpr char wrongLabel[] = "           Number Wrong            ";
inline constexpr char hintsLabel[] = "           Number of Hints         ";
inline constexpr char outsideLabel[] = "           Number of digits outside ";
inline constexpr char insideLabel[] = "           Number of digits inside ";

// What a print operation puts between two of its items: no horizontal space.
inline constexpr char itemSeparator[] = "";

}  // namespace summary

// One press of Print Summary: font, today's date, two print operations, end of the document, in
// that order. Returns what the printer's endDoc returned; on false its failureText() says why.
bool printSummary(Printer& printer, const DrillState& state,
                  const std::function<std::string()>& today, SummaryPress& press);

// The lines one print operation leaves on paper: its items joined by the separator, split at
// every line break (CR LF, or a lone CR or LF), the last line ended by the operation itself.
std::vector<std::string> printedLines(const std::vector<std::string>& items);

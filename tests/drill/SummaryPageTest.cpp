#include <gtest/gtest.h>

#include <cctype>

#include "drill/SummaryPage.h"
#include "support/PageLines.h"
#include "support/RecordingPrinter.h"

namespace {

std::string blanks(size_t n) { return std::string(n, ' '); }

// Today's date as the press takes it.
std::function<std::string()> on(std::string date) {
    return [date] { return date; };
}

struct Counts {
    int16_t questions, correct, wrong, hints, outside, inside;
};

// The page written out from its own description, independent of the labels in the code.
std::vector<std::string> expectedPage(const std::string& name, const std::string& date, Counts n) {
    auto num = [](int v) { return " " + std::to_string(v); };
    return {
        "",
        "",
        "",
        "",
        "",
        blanks(11) + name + blanks(12) + date,
        "",
        blanks(11) + "Number of Questions" + blanks(5) + num(n.questions),
        blanks(11) + "Number Correct" + blanks(10) + num(n.correct),
        blanks(11) + "Number Wrong" + blanks(12) + num(n.wrong),
        "",
        blanks(11) + "Number of Hints" + blanks(9) + num(n.hints),
        blanks(11) + "Number of digits outside" + blanks(1) + num(n.outside),
        blanks(11) + "Number of digits inside" + blanks(1) + num(n.inside),
    };
}

DrillState stateWith(const std::string& name, Counts n) {
    DrillState s;
    s.studentName = name;
    s.numQuestions = n.questions;
    s.numCorrect = n.correct;
    s.numWrong = n.wrong;
    s.numHints = n.hints;
    s.digitsOutside = n.outside;
    s.digitsInside = n.inside;
    return s;
}

void expectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ("[" + actual[i] + "]", "[" + expected[i] + "]") << "line " << i + 1;
}

struct PageCase {
    const char* what;
    std::string name;
    Counts counts;
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.what; }

class SummaryPageCases : public ::testing::TestWithParam<PageCase> {};

TEST_P(SummaryPageCases, WholePageLineByLine) {
    const PageCase& c = GetParam();
    RecordingPrinter printer;
    SummaryPress press;
    ASSERT_TRUE(printSummary(printer, stateWith(c.name, c.counts), on("03/07/2025"), press));
    ASSERT_EQ(printer.jobs.size(), 1u);
    expectSameLines(pageLines(printer.jobs[0]), expectedPage(c.name, "03/07/2025", c.counts));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, SummaryPageCases,
    ::testing::Values(
        PageCase{.what = "right after the first Begin Practice", .name = "Mia",
                 .counts = {.questions = 0, .correct = 0, .wrong = 0, .hints = 0, .outside = 2, .inside = 5}},
        PageCase{.what = "empty name", .name = "",
                 .counts = {.questions = 4, .correct = 3, .wrong = 1, .hints = 2, .outside = 1, .inside = 2}},
        PageCase{.what = "name typed with blanks around it", .name = "  Ola Berg ",
                 .counts = {.questions = 1, .correct = 1, .wrong = 0, .hints = 0, .outside = 3, .inside = 6}},
        PageCase{.what = "counts at their largest", .name = "Kit",
                 .counts = {.questions = 32767, .correct = 32767, .wrong = 32767, .hints = 32767, .outside = 3, .inside = 6}},
        PageCase{.what = "name in UTF-8", .name = "Zoë Ødegård",
                 .counts = {.questions = 9, .correct = 5, .wrong = 4, .hints = 7, .outside = 2, .inside = 4}}),
    [](const auto& info) {
        std::string id;
        for (char ch : std::string(info.param.what))
            id += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return id;
    });
// clang-format on

TEST(SummaryPage, EmptyNameLineIs23BlanksThenTheDate) {
    RecordingPrinter printer;
    SummaryPress press;
    printSummary(printer, stateWith("", {0, 0, 0, 0, 1, 2}), on("1.2.2025"), press);
    EXPECT_EQ(pageLines(printer.jobs.at(0)).at(5), blanks(23) + "1.2.2025");
}

TEST(SummaryPage, CountOf32767IsABlankAndFiveDigits) {
    RecordingPrinter printer;
    SummaryPress press;
    printSummary(printer, stateWith("A", {32767, 0, 0, 0, 1, 2}), on("d"), press);
    const std::string line8 = pageLines(printer.jobs.at(0)).at(7);
    EXPECT_EQ(line8.substr(line8.size() - 7), "  32767");
}

TEST(SummaryPage, PrinterOperationsInOrder) {
    RecordingPrinter printer;
    SummaryPress press;
    const auto today = [&] {
        printer.calls.push_back("today");
        return std::string("d");
    };
    printSummary(printer, stateWith("Mia", {3, 2, 1, 4, 2, 5}), today, press);
    EXPECT_EQ(printer.calls, (std::vector<std::string>{"fontName Comic Sans MS", "fontSize 20",
                                                       "today", "print 1", "print 3", "endDoc"}));
    const auto& second = printer.jobs.at(0).at(1);
    EXPECT_EQ(second, (std::vector<std::string>{"           Number of Hints          4\r\n",
                                                "           Number of digits outside  2\r\n",
                                                "           Number of digits inside  5\r\n"}));
}

TEST(SummaryPage, PressSetsItsFourVariables) {
    RecordingPrinter printer;
    SummaryPress press;
    press.summaryText = "left from before";
    press.blankLines = "stale";
    printSummary(printer, stateWith("Mia", {3, 2, 1, 0, 2, 5}), on("7/3/25"), press);
    EXPECT_EQ(press.printDate, "7/3/25");
    EXPECT_EQ(press.blankLines, "\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(press.marginCount, 5);
    EXPECT_EQ(press.summaryText,
              "\r\n\r\n\r\n\r\n\r\n           Mia            7/3/25\r\n\r\n"
              "           Number of Questions      3\r\n"
              "           Number Correct           2\r\n"
              "           Number Wrong             1\r\n");
    EXPECT_EQ(printer.jobs.at(0).at(0), std::vector<std::string>{press.summaryText});
}

TEST(SummaryPage, LabelsKeepTheirBlanks) {
    struct Label {
        const char* text;
        size_t length;
        const char* words;
    };
    const Label labels[] = {
        {summary::questionsLabel, 35, "Number of Questions"},
        {summary::correctLabel, 35, "Number Correct"},
        {summary::wrongLabel, 35, "Number Wrong"},
        {summary::hintsLabel, 35, "Number of Hints"},
        {summary::outsideLabel, 36, "Number of digits outside"},
        {summary::insideLabel, 35, "Number of digits inside"},
    };
    for (const auto& l : labels) {
        const std::string text = l.text;
        EXPECT_EQ(text.size(), l.length) << l.words;
        EXPECT_EQ(text.find(l.words), 11u) << l.words;
        EXPECT_EQ(text.find_last_not_of(' ') + 1, 11 + std::string(l.words).size()) << l.words;
    }
}

TEST(SummaryPage, OutsideLineHasOneCharacterMoreBeforeItsNumber) {
    RecordingPrinter printer;
    SummaryPress press;
    printSummary(printer, stateWith("Mia", {0, 0, 0, 0, 3, 3}), on("d"), press);
    const auto page = pageLines(printer.jobs.at(0));
    const std::string& outside = page.at(12);
    const std::string& inside = page.at(13);
    EXPECT_EQ(outside.find('3'), 37u);
    EXPECT_EQ(inside.find('3'), 36u);
}

TEST(SummaryPage, TwoPressesGiveTwoJobsWithTheSameLayout) {
    RecordingPrinter printer;
    SummaryPress press;
    DrillState state = stateWith("Mia", {2, 1, 1, 0, 2, 5});
    ASSERT_TRUE(printSummary(printer, state, on("03/07/2025"), press));
    state.numQuestions = 3;
    state.numCorrect = 2;
    state.numHints = 1;
    ASSERT_TRUE(printSummary(printer, state, on("04/07/2025"), press));

    ASSERT_EQ(printer.jobs.size(), 2u);
    expectSameLines(pageLines(printer.jobs[0]),
                    expectedPage("Mia", "03/07/2025", {2, 1, 1, 0, 2, 5}));
    expectSameLines(pageLines(printer.jobs[1]),
                    expectedPage("Mia", "04/07/2025", {3, 2, 1, 1, 2, 5}));
    EXPECT_EQ(printer.jobs[1].size(), 2u)
        << "the second job holds only its own two print operations";
}

TEST(SummaryPage, LevelChangeShowsNewDigitCountsAndCountsGoOn) {
    RecordingPrinter printer;
    SummaryPress press;
    DrillState state = stateWith("Mia", {5, 3, 2, 1, 1, 2});
    printSummary(printer, state, on("d"), press);
    state.keepTallies = 1;  // Change Number lengths, then Begin Practice with other lengths
    state.digitsOutside = 3;
    state.digitsInside = 6;
    printSummary(printer, state, on("d"), press);
    expectSameLines(pageLines(printer.jobs.at(1)), expectedPage("Mia", "d", {5, 3, 2, 1, 3, 6}));
}

TEST(SummaryPage, FailedEndOfDocumentIsPassedOn) {
    RecordingPrinter printer;
    printer.acceptJobs = false;
    SummaryPress press;
    EXPECT_FALSE(printSummary(printer, stateWith("Mia", {0, 0, 0, 0, 1, 2}), on("d"), press));
    EXPECT_EQ(printer.calls.back(), "endDoc");
}

TEST(PrintedLines, LineBreaksAndTheEndOfTheOperation) {
    struct Case {
        std::vector<std::string> items;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{"abc"}, {"abc"}},
        {{"abc\r\n"}, {"abc", ""}},  // a text ending in a break leaves an empty line
        {{"a\r\nb"}, {"a", "b"}},
        {{"a", "b", "c"}, {"abc"}},  // the separator adds no space
        {{"a\r\n", "b\r\n"}, {"a", "b", ""}},
        {{"a\nb\rc"}, {"a", "b", "c"}},  // a lone LF or CR breaks the line too
        {{"\r\n\r\n"}, {"", "", ""}},
        {{""}, {""}},
        {{}, {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printedLines(c.items), c.lines) << ::testing::PrintToString(c.items);
}

TEST(PageLines, JoinsOperationsAndDropsEmptyLinesAtTheBottom) {
    EXPECT_EQ(pageLines({{"a\r\n"}, {"b\r\n"}}), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(pageLines({{"\r\n"}, {""}}), std::vector<std::string>{});
    EXPECT_EQ(pageLines({}), std::vector<std::string>{});
}

}  // namespace

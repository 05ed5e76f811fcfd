// The printed page as the service receives it, read back from the PDF: every line stays on the
// paper, and a name too long for its line goes on below it, whole, with the date after it.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "drill/SummaryPage.h"
#include "platform/QtPrinter.h"
#include "print/FakePrintService.h"
#include "print/PrivateScheduler.h"

namespace {

constexpr char dateText[] = "24/12/2025";

struct Word {
    double xMin, xMax;
    std::string text;
};

struct Page {
    double width = 0;
    std::vector<Word> words;  // in reading order
};

// The words of the document's first page with where they stand, as pdftotext finds them.
Page readPage(const std::string& pdf, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf.data(), qint64(pdf.size()));
    file.close();
    int rc = -1;
    const QString xml = runTool(findTool(QStringLiteral("pdftotext")),
                                {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"),
                                 path, QStringLiteral("-")},
                                &rc);
    EXPECT_EQ(rc, 0) << xml.toStdString();
    Page page;
    const auto pageSize =
        QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\"")).match(xml);
    if (pageSize.hasMatch())
        page.width = pageSize.captured(1).toDouble();
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.-]+)\" yMin=\"[0-9.-]+\" xMax=\"([0-9.-]+)\" "
                       "yMax=\"[0-9.-]+\">([^<]*)</word>"));
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        page.words.push_back(
            {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toStdString()});
    }
    return page;
}

struct LongName {
    const char* name;
    std::string studentName;
};

std::string caseName(const testing::TestParamInfo<LongName>& info) { return info.param.name; }
void PrintTo(const LongName& c, std::ostream* out) { *out << c.name; }

std::string repeated(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

class QtPrinterPage : public testing::TestWithParam<LongName> {};

TEST_P(QtPrinterPage, NameTooLongForItsLineGoesOnBelowAndEveryLineStaysOnThePaper) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakePrintService service(FakePrintService::answersAll());
    ASSERT_FALSE(service.address().empty());
    qputenv("CUPS_SERVER", QByteArray::fromStdString(service.address()));
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    DrillState state;
    state.studentName = GetParam().studentName;
    state.digitsOutside = 2;
    state.digitsInside = 5;
    QtPrinter printer;
    SummaryPress press;
    ASSERT_TRUE(printSummary(
        printer, state, [] { return std::string(dateText); }, press))
        << printer.failureText();
    ASSERT_EQ(service.documents().size(), 1u);

    const Page page = readPage(service.documents().front(), dir);
    ASSERT_GT(page.width, 0);
    ASSERT_FALSE(page.words.empty());
    for (const Word& w : page.words) {
        EXPECT_GE(w.xMin, 0) << w.text;
        EXPECT_LE(w.xMax, page.width) << w.text;
    }
    // The name's letters, all of them and in order, then the date; where a line breaks inside a
    // word the page shows no blank, so blanks are left out of the comparison.
    std::string beforeDate;
    size_t at = 0;
    for (; at < page.words.size() && page.words[at].text != dateText; ++at)
        beforeDate += page.words[at].text;
    ASSERT_LT(at, page.words.size()) << "no date on the page";
    std::string letters = state.studentName;
    std::erase(letters, ' ');
    EXPECT_EQ(beforeDate, letters);
}

INSTANTIATE_TEST_SUITE_P(
    Names, QtPrinterPage,
    testing::Values(LongName{"OneWordOf150Letters", repeated("Abcdefghij", 15)},
                    LongName{"ManyWords", repeated("Maria Josefine ", 9) + "Lund"}),
    caseName);

}  // namespace

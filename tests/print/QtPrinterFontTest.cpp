#include <gtest/gtest.h>

#include <limits>

#include "platform/QtPrinter.h"

namespace {

// A bad size fails the document before any printer is looked up, so no printer is needed here.
TEST(QtPrinterFont, SizeThatCannotBeSetFailsTheDocument) {
    const double badSizes[] = {0, -20, 1e6, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()};
    for (double size : badSizes) {
        QtPrinter printer;
        printer.setFontName("Comic Sans MS");
        printer.setFontSize(size);
        printer.print({"text"});
        EXPECT_FALSE(printer.endDoc()) << size;
        EXPECT_EQ(printer.failureText(),
                  "The summary could not be printed: the font size is not valid.")
            << size;
    }
}

}  // namespace

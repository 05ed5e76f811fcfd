// The print service's library: loaded by the first press of the run, and said plainly at the
// press when it is missing or broken.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <QTemporaryDir>

#include "drill/SummaryPage.h"
#include "platform/QtPlatform.h"
#include "platform/QtPrinter.h"

namespace {

DrillState someState() {
    DrillState s;
    s.studentName = "Mia";
    s.digitsOutside = 1;
    s.digitsInside = 2;
    return s;
}

std::string today() { return "24/12/2025"; }

bool cupsLibraryIsLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find("/libcups.so.2") != std::string::npos;
}

// Neither case gets as far as the print service, so none is needed.
TEST(PrintLibrary, MissingOrBrokenLibraryIsSaidAtThePress) {
    const char* libraries[] = {"libcups-not-installed.so.2", "libm.so.6"};
    for (const char* library : libraries) {
        QtPrinter printer(library);
        SummaryPress press;
        EXPECT_FALSE(printSummary(printer, someState(), today, press)) << library;
        EXPECT_EQ(printer.failureText(),
                  "The summary could not be printed: the printing software on this computer is "
                  "missing or damaged.")
            << library;
    }
}

// The platform of a run is made at start-up; only a press brings the library in. The press goes
// to a scheduler that is not there, so nothing is printed anywhere.
TEST(PrintLibrary, LoadedByTheFirstPressNotAtStartUp) {
    ASSERT_FALSE(cupsLibraryIsLoaded()) << "this test needs a process that has not printed yet";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("nobody.sock")).toLocal8Bit());
    QtPlatform platform;
    EXPECT_FALSE(cupsLibraryIsLoaded());

    SummaryPress press;
    EXPECT_FALSE(printSummary(platform.printer(), someState(), today, press));
    EXPECT_EQ(platform.printer().failureText(),
              "The summary could not be printed: the print service does not answer.");
    EXPECT_TRUE(cupsLibraryIsLoaded());
    qunsetenv("CUPS_SERVER");
}

}  // namespace

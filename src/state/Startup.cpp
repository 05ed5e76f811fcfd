#include "state/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "drill/RunTimeError.h"
#include "platform/MessageBox.h"
#include "platform/QtPlatform.h"
#include "windows/DesignBuilder.h"
#include "windows/Program.h"

namespace {

// A failed test that no use of the program can bring about ends the run with a message naming it.
class DrillApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            endWithError(error.what());
        } catch (...) {
            endWithError("unknown error");
        }
        return false;
    }

private:
    [[noreturn]] static void endWithError(const char* what) {
        const std::string text = std::string("Run-time error: ") + what;
        std::fprintf(stderr, "%s\n", text.c_str());
        showPlainMessageBox(text);
        std::_Exit(EXIT_FAILURE);
    }
};

}  // namespace

int runDrill(int argc, char** argv, const design::Build& build) {
    DrillApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(build.programName));
    QApplication::setApplicationVersion("1.02");
    QApplication::setOrganizationName("Ombrelin");
    // The same look on every desktop, and button colours that the designs can set.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    if (!build.programIcon.empty())
        QApplication::setWindowIcon(builder::icon(build.programIcon));
    // The hint window may be the last one closed while the run goes on.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    Program program(platform, build);
    program.start();
    return QApplication::exec();
}

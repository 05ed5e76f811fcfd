#include "app/Startup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "app/PlatformStart.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtPlatform.h"
#include "platform/RunEnd.h"
#include "windows/DesignBuilder.h"
#include "windows/Handlers.h"
#include "windows/Program.h"

int runDrill(int argc, char** argv, const design::Build& build) {
    PlatformStart platformStart(build.version.internalName);
    QApplication app(argc, argv);
    platformStart.started();
    installFontSubstitutes();
    QApplication::setApplicationName(QString::fromUtf8(build.version.internalName));
    QApplication::setApplicationVersion(QString::fromUtf8(build.version.productVersion));
    QApplication::setOrganizationName(QString::fromUtf8(build.version.companyName));
    // Lets the desktop match the program's windows to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(build.version.desktopId));
    // The same look on every desktop, and button colours that the designs can set.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setWindowIcon(builder::icon(build.defaultWindowIcon));
    // The hint window may be the last one closed while the run goes on.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    Program program(platform, build);
    // A fault in the set-up window's design ends the run with its message, as in any handler.
    runGuarded(platform, [&program] { program.start(); });
    return finishRun(QApplication::exec());
}

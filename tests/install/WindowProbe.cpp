// Preloaded into an installed program: once its event loop runs, prints the title of each window
// it shows and what it told Qt about itself, then ends the run.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void reportOnceRunning() {
    QTimer::singleShot(0, [] {
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                std::printf("window: %s\n", qUtf8Printable(window->windowTitle()));
        std::printf("name: %s\nversion: %s\norganisation: %s\ndesktop entry: %s\n",
                    qUtf8Printable(QCoreApplication::applicationName()),
                    qUtf8Printable(QCoreApplication::applicationVersion()),
                    qUtf8Printable(QCoreApplication::organizationName()),
                    qUtf8Printable(QGuiApplication::desktopFileName()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(reportOnceRunning)

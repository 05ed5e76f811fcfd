// Runs the window tests headless: Qt's offscreen platform unless the caller chose another.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/FontSubstitutes.h"
#include "platform/RunEnd.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return finishRun(RUN_ALL_TESTS());
}

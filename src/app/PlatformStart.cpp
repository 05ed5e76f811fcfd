#include "app/PlatformStart.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>

namespace {

// One message as Qt gave it; the context's texts are static strings of Qt's.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
std::string program;
QtMessageHandler previous = nullptr;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort after this handler returns: the plugin list and a core dump tell a
        // teacher nothing, so the run ends here, before any window or exit step exists.
        std::fprintf(stderr, "%s needs a desktop session to show its windows, and no display could be opened.\n",
                     program.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldLock);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

PlatformStart::PlatformStart(const char* programName) {
    program = programName;
    previous = qInstallMessageHandler(holdOrEnd);
}

void PlatformStart::started() {
    if (!holding_)
        return;
    holding_ = false;
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

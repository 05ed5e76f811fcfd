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

// Qt calls the handler as a plain function, so what it needs lives here for the run.
struct Holding {
    std::mutex lock;
    std::vector<HeldMessage> messages;
    std::string program;
    QtMessageHandler previous = nullptr;
};

Holding& holding() {
    static Holding state;
    return state;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort after this handler returns: the plugin list and a core dump tell a
        // teacher nothing, so the run ends here, before any window or exit step exists.
        std::fprintf(
            stderr,
            "%s needs a desktop session to show its windows, and no display could be opened.\n",
            holding().program.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    Holding& state = holding();
    const std::lock_guard lock(state.lock);
    state.messages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

PlatformStart::PlatformStart(const char* programName) {
    holding().program = programName;
    holding().previous = qInstallMessageHandler(holdOrEnd);
}

void PlatformStart::started() {
    if (!holding_)
        return;
    holding_ = false;
    Holding& state = holding();
    qInstallMessageHandler(state.previous);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(state.lock);
        messages.swap(state.messages);
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

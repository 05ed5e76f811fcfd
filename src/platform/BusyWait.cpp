#include "platform/BusyWait.h"

#include <thread>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace {

// How often the loop looks whether the wait is over; far below what a pupil notices.
constexpr std::chrono::milliseconds checkEvery(10);

// Swallows what the pupil does: a handler is still running, so like a message box's, it lets
// no window take input, and nothing done now is carried out once the wait is over.
class InputHold final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Close:
            // Qt goes on to close the window unless the event is refused.
            event->ignore();
            return true;
        case QEvent::ShortcutOverride:
            // Claimed for the key press, which is swallowed, so no access key fires a button.
            event->accept();
            return true;
        case QEvent::Shortcut:
        case QEvent::InputMethod: return true;
        default: return event->isInputEvent();
        }
    }
};

}  // namespace

BusyWait::BusyWait() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        inputHold_ = std::make_unique<InputHold>();
        app->installEventFilter(inputHold_.get());
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        cursorShown_ = true;
    }
}

BusyWait::~BusyWait() {
    if (cursorShown_)
        QGuiApplication::restoreOverrideCursor();
    if (inputHold_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(inputHold_.get());
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): see the header
bool BusyWait::until(Clock::time_point deadline, const std::function<bool()>& done) {
    if (done() || Clock::now() >= deadline)
        return done();
    if (!QCoreApplication::instance()) {
        // No window to keep alive.
        while (!done() && Clock::now() < deadline)
            std::this_thread::sleep_for(checkEvery);
        return done();
    }
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || Clock::now() >= deadline)
            loop.quit();
    });
    check.start(checkEvery);
    loop.exec();
    return done();
}

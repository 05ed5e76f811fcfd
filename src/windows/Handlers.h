// Runs the windows' handlers so that a run-time error never unwinds through Qt's own code.
#pragma once

#include <QAbstractButton>
#include <functional>

#include "platform/Platform.h"
#include "windows/KeyPress.h"
#include "windows/TextBoxGuard.h"

// Runs body to its end; a failed test inside it is reported and ends the run.
void runGuarded(Platform& platform, const std::function<void()>& body);

// Connects a button's click to a handler of its window, run guarded.
template <typename Window>
void onClick(QAbstractButton* button, Window* window, void (Window::*handler)(),
             Platform& platform) {
    QObject::connect(button, &QAbstractButton::clicked, window, [window, handler, &platform] {
        runGuarded(platform, [window, handler] { (window->*handler)(); });
    });
}

// Runs a box's key handler on the characters an event types, guarded; true when it cancelled one.
template <typename Handler>
bool keyHandled(Platform& platform, QEvent* event, Handler&& handler) {
    bool cancelled = false;
    runGuarded(platform, [&] { cancelled = keyCancelled(event, handler); });
    return cancelled;
}

// Gives a text box its window's key handler (txtAnswer_KeyPress), run guarded by the box's guard.
template <typename Window>
void onKeyPress(QWidget* box, Window* window, void (Window::*handler)(int16_t&),
                Platform& platform) {
    TextBoxGuard::setKeyHandler(box, [window, handler, &platform](QEvent* event) {
        return keyHandled(platform, event,
                          [window, handler](int16_t& key) { (window->*handler)(key); });
    });
}

// Delivers the typed characters of a box to a key handler that may cancel them.
#pragma once

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <cstdint>
#include <vector>

#include "drill/KeyFilter.h"

// The character codes that a key press types; none for keys that type nothing. A key with Alt
// never gets here: the box's guard (TextBoxGuard) has refused it.
std::vector<int16_t> typedCharacters(const QKeyEvent& event);

// The characters that composed input (an input method) would put into a box.
std::vector<int16_t> composedCharacters(const QInputMethodEvent& event);

// Runs handler on every character that an event types; true when the handler cancelled one,
// so the event must not reach the box.
template <typename Handler>
bool keyCancelled(QEvent* event, Handler&& handler) {
    std::vector<int16_t> codes;
    if (event->type() == QEvent::KeyPress)
        codes = typedCharacters(*static_cast<QKeyEvent*>(event));
    else if (event->type() == QEvent::InputMethod)
        codes = composedCharacters(*static_cast<QInputMethodEvent*>(event));
    bool cancelled = false;
    for (int16_t code : codes) {
        int16_t KeyAscii = code;
        handler(KeyAscii);
        cancelled = cancelled || KeyAscii == kKeyCancelled;
    }
    return cancelled;
}

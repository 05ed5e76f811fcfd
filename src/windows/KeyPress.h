// Delivers the typed characters of a box to a key handler that may cancel them.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <cstdint>
#include <optional>

// The character code that a key press types, or nothing for keys that type none.
std::optional<int16_t> typedCharacter(const QKeyEvent& event);

// Runs handler on a key press that types a character; true when the handler cancelled it.
template <typename Handler>
bool keyCancelled(QEvent* event, Handler&& handler) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    int16_t KeyAscii = *code;
    handler(KeyAscii);
    return KeyAscii == 0;
}

#include "windows/KeyPress.h"

namespace {

// A character beyond 16 signed bits is still a character that is no digit.
int16_t characterCode(char16_t unit) { return static_cast<int16_t>(unit > 0x7FFF ? 0x7FFF : unit); }

}  // namespace

std::optional<int16_t> typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        // These move the focus or edit without typing a character.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return int16_t{13};
        case Qt::Key_Backspace:
            return int16_t{8};
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return characterCode(text.at(0).unicode());
}

std::vector<int16_t> composedCharacters(const QInputMethodEvent& event) {
    std::vector<int16_t> codes;
    for (const QChar character : event.commitString())
        codes.push_back(characterCode(character.unicode()));
    return codes;
}

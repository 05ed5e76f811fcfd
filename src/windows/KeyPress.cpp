#include "windows/KeyPress.h"

#include "drill/KeyFilter.h"

namespace {

// A character beyond 16 signed bits is still a character that is no digit.
int16_t characterCode(char16_t unit) { return static_cast<int16_t>(unit > 0x7FFF ? 0x7FFF : unit); }

std::vector<int16_t> codesOf(const QString& text) {
    std::vector<int16_t> codes;
    for (const QChar character : text)
        codes.push_back(characterCode(character.unicode()));
    return codes;
}

}  // namespace

std::vector<int16_t> typedCharacters(const QKeyEvent& event) {
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    // These move the focus or edit without typing a character.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return {};
    // With Ctrl these type line feed and delete, which are no digits.
    case Qt::Key_Return:
    case Qt::Key_Enter: return {control ? kKeyLineFeed : kKeyEnter};
    case Qt::Key_Backspace: return {control ? kKeyDelete : kKeyBackspace};
    default: return codesOf(event.text());
    }
}

std::vector<int16_t> composedCharacters(const QInputMethodEvent& event) {
    return codesOf(event.commitString());
}

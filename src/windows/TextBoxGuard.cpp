#include "windows/TextBoxGuard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <utility>

#include "drill/RunTimeError.h"

namespace {

bool takesText(const QWidget* box) {
    if (!box->isEnabled())
        return false;
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(box))
        return !text->isReadOnly();
    return false;
}

bool carriesText(QEvent::Type type) {
    switch (type) {
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

}  // namespace

TextBoxGuard::TextBoxGuard(QWidget* box) : QObject(box), box_(box) {}

void TextBoxGuard::guard(QWidget* box) {
    auto* guard = new TextBoxGuard(box);
    box->installEventFilter(guard);
    // Text dropped on a multi-line box arrives at its viewport.
    if (auto* text = qobject_cast<QTextEdit*>(box))
        text->viewport()->installEventFilter(guard);
}

void TextBoxGuard::setKeyHandler(QWidget* box, KeyHandler handler) {
    auto* guard = box->findChild<TextBoxGuard*>(QString(), Qt::FindDirectChildrenOnly);
    if (guard == nullptr)
        throw RunTimeError("Text box without a guard: " + box->objectName().toStdString());
    guard->keyHandler_ = std::move(handler);
}

// The one filter on a box, so the order of these steps is written here rather than left to the
// order in which filters were installed.
bool TextBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    const bool atBox = watched == box_;
    // An access key has been taken before the box sees the press; any other key with Alt types
    // no character, so no key handler hears of it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier))
        return true;
    if (carriesText(event->type()) && !takesText(box_)) {
        event->ignore();
        return true;
    }
    const bool typing = event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod;
    if (atBox && typing && keyHandler_ && keyHandler_(event))
        return true;
    if (event->type() == QEvent::InputMethod && atBox) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->preeditString().isEmpty() && input->attributes().isEmpty())
            return false;
        // Only the committed text goes on to the box, as if the preedit had never been; sent to
        // the box itself, past this filter, since the key handler has had it already.
        if (!input->commitString().isEmpty() || input->replacementLength() != 0) {
            QInputMethodEvent committed;
            committed.setCommitString(input->commitString(), input->replacementStart(),
                                      input->replacementLength());
            static_cast<QObject*>(box_)->event(&committed);
        }
        return true;
    }
    return false;
}

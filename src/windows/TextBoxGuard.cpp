#include "windows/TextBoxGuard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

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
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

void TextBoxGuard::guard(QWidget* box) {
    box->installEventFilter(new TextBoxGuard(box));
    if (auto* text = qobject_cast<QTextEdit*>(box))
        text->viewport()->installEventFilter(new TextBoxGuard(box));
}

bool TextBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QWidget*>(parent());
    if (event->type() == QEvent::KeyPress &&
        (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier))
        return true;  // an access key has been taken before the box sees the press
    if (carriesText(event->type()) && !takesText(box)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::InputMethod && watched == box) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->preeditString().isEmpty() && input->attributes().isEmpty())
            return false;
        // Only the committed text goes on to the box, as if the preedit had never been.
        if (!input->commitString().isEmpty() || input->replacementLength() != 0) {
            QInputMethodEvent committed;
            committed.setCommitString(input->commitString(), input->replacementStart(),
                                      input->replacementLength());
            static_cast<QObject*>(box)->event(&committed);
        }
        return true;
    }
    return false;
}

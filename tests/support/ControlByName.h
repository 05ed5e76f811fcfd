// Finds a window's control by the name its design gives it, as the builder set it on the widget.
#pragma once

#include <QWidget>
#include <stdexcept>
#include <string>

#include "support/CallSite.h"

// Thrown rather than returning null, so the test stops at the call with the reason as its failure.
class ControlNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one control named name inside window; fails the test when there is none, more than one,
// or one of another kind than W.
template <typename W>
W* control(const QWidget& window, const std::string& name, CallSite where = {}) {
    const auto fail = [&](const std::string& why) {
        throw ControlNotFound(std::string(where.file) + ":" + std::to_string(where.line) +
                              ": in the window \"" + window.windowTitle().toStdString() +
                              "\": " + why);
    };
    const QList<QWidget*> found = window.findChildren<QWidget*>(QString::fromStdString(name));
    if (found.isEmpty())
        fail("no control named " + name);
    if (found.size() > 1)
        fail(std::to_string(found.size()) + " controls named " + name);
    W* widget = qobject_cast<W*>(found.front());
    if (!widget)
        fail(name + " is a " + found.front()->metaObject()->className() + ", not a " +
             W::staticMetaObject.className());
    return widget;
}

// A member of a control array: "lblAnswer", 3 is "lblAnswer(3)".
template <typename W>
W* control(const QWidget& window, const std::string& array, int index, CallSite where = {}) {
    return control<W>(window, array + "(" + std::to_string(index) + ")", where);
}

// The controls of one window, addressed by name as the handlers know them.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "drill/RunTimeError.h"

class Controls {
public:
    void add(const std::string& name, QWidget* widget) { byName_[name] = widget; }

    // A control that the design does not have is a fault of the build, not of the pupil.
    template <typename W>
    W* get(const std::string& name) const {
        const auto found = byName_.find(name);
        W* widget = found == byName_.end() ? nullptr : qobject_cast<W*>(found->second);
        if (!widget)
            throw RunTimeError("Control not found: " + name);
        return widget;
    }

    // A member of a control array: "lblAnswer", 3 is "lblAnswer(3)".
    template <typename W>
    W* get(const std::string& array, int index) const {
        return get<W>(array + "(" + std::to_string(index) + ")");
    }

private:
    std::map<std::string, QWidget*> byName_;
};

#include "platform/FontSubstitutes.h"

#include <QString>
#include <QUtf8StringView>
#include <cmath>

namespace {

struct Substitute {
    std::string_view family;
    double points;  // 0: every size
    InstalledFace face;
};

// Chosen by measuring captions and wrap points against the boxes of both programs' designs:
// - MS Sans Serif, a bitmap face: FreeSans keeps the widths of its 8 and 12 point cuts closest
//   (within about 1 %), and each button caption inside its frame. Its 13.5 point cut is wider:
//   the practice windows' instructions put each sentence on a line of its own only with a face
//   about 6 % wider than Arial, and the step word "Subtract" fits its box only up to that, so
//   Liberation Sans drawn 6 % wide.
// - Arial: Liberation Sans has Arial's widths. At 12 points the zeros notes' longest designed
//   lines fit their boxes only with a face at most about 95.5 % as wide, and the set-up windows'
//   captions keep their line breaks down to 95 %, so Liberation Sans drawn 95 % wide.
// - Arial Black: its digits are wider than the hint window's 8-pixel columns, so the heaviest
//   installed face whose digits fit them, Nimbus Sans Narrow Bold.
// - Comic Sans MS: Comic Neue, drawn after it.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", 13.5, {"Liberation Sans", QFont::Normal, 106}},
    {"MS Sans Serif", 0, {"FreeSans"}},
    {"Arial", 12, {"Liberation Sans", QFont::Normal, 95}},
    {"Arial", 0, {"Liberation Sans"}},
    {"Arial Black", 0, {"Nimbus Sans Narrow", QFont::Bold}},
    {"Comic Sans MS", 0, {"Comic Neue"}},
};

}  // namespace

InstalledFace installedFace(std::string_view family, double points) {
    for (const Substitute& s : kSubstitutes)
        if (s.family == family && (s.points == 0 || std::abs(s.points - points) < 0.01))
            return s.face;
    return {family.data()};
}

void installFontSubstitutes() {
    for (const Substitute& s : kSubstitutes)
        if (s.points == 0)
            QFont::insertSubstitution(QUtf8StringView(s.family).toString(),
                                      QString::fromUtf8(s.face.family));
}

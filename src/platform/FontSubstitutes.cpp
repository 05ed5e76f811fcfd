#include "platform/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes() {
    static const bool installed = [] {
        // Liberation Sans keeps Arial's widths, so captions wrap where the designs expect.
        const QStringList sans{"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans"};
        QFont::insertSubstitutions("MS Sans Serif", sans);
        QFont::insertSubstitutions("Arial", sans);
        QFont::insertSubstitutions("Arial Black", sans);
        QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue", "Liberation Sans"});
        return true;
    }();
    (void)installed;
}

// The installed faces that stand in for the fonts the designs and the printout name.
#pragma once

#include <QFont>
#include <string_view>

struct InstalledFace {
    const char* family = nullptr;
    QFont::Weight weight = QFont::Normal;
    int stretch = QFont::Unstretched;  // per cent of the face's own width
};

// The face for a named font at a size in points, chosen so that texts measure and wrap as the
// designs meant them to; a family that is installed stands for itself.
InstalledFace installedFace(std::string_view family, double points);

// Lets a font made from a named family alone (the printout's) find its face too. Called once
// where a program or a test run makes its application, before any window or page is made.
void installFontSubstitutes();

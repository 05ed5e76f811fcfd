// Turns a design table into widgets: twips to pixels, fonts, colours, pictures, tab order.
#pragma once

#include <QIcon>
#include <QWidget>
#include <span>

#include "designs/Design.h"
#include "windows/Controls.h"

namespace builder {

QIcon icon(std::span<const char* const> sizes);

// Creates every control of the design inside window and returns them by name. A system colour
// that the builder does not know is a RunTimeError that names it.
Controls build(const design::Window& design, QWidget& window);

}  // namespace builder

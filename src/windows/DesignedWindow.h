// A top-level window laid out from a design table, with its background picture.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "designs/Design.h"
#include "windows/Controls.h"

class DesignedWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignedWindow(const design::Window& design);

protected:
    // The window's own controls by name, for its handlers; tests find them by object name.
    const Controls& controls() const { return controls_; }

    void paintEvent(QPaintEvent* event) override;

private:
    Controls controls_;
    QPixmap background_;
};

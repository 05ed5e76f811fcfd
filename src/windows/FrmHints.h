// The hint window: works the current question one step per press of Show Next Step.
#pragma once

#include "windows/DesignedWindow.h"

class Program;

class FrmHints : public DesignedWindow {
    Q_OBJECT
public:
    explicit FrmHints(Program& program);

    void cmdShowNext_Click();
    void cmdUnload_Click();
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
};

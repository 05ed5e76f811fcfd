// The hint window: works the current question one step per press of Show Next Step.
#pragma once

#include <array>

#include "hints/HintEffects.h"
#include "hints/HintState.h"
#include "windows/DesignedWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Program;

class FrmHints : public DesignedWindow {
    Q_OBJECT
public:
    explicit FrmHints(Program& program);

    void cmdShowNext_Click();
    void cmdUnload_Click();
    void Form_Load();

    QLabel* lblDivisor;
    std::array<QLabel*, 6> lbldividend;
    std::array<QLabel*, 6> lblAnswer;
    std::array<QLabel*, 6> lblMult;
    std::array<QLabel*, 6> lblSubtract;
    std::array<QLabel*, 5> lblBringDown;
    QLabel* lblRemainder;
    QLabel* Label1;
    std::array<QLabel*, 4> lblwords;
    QPlainTextEdit* txtZeros;
    QPushButton *cmdShowNext, *cmdUnload;

    // Where the worked division stands: set by the load, advanced by each press.
    HintState hintState;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* stepLabel(HintLabel label, int16_t member) const;
    void setBorder(int16_t word, bool bordered);

    Program& program_;
};

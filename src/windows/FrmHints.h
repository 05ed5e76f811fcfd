// The hint window: works the current question one step per press of Show Next Step.
#pragma once

#include <array>

#include "hints/HintEffects.h"
#include "hints/HintState.h"
#include "hints/HintView.h"
#include "windows/DesignedWindow.h"

class QLabel;
class QTextEdit;
class QPushButton;
class Program;

class FrmHints : public DesignedWindow, private HintView {
    Q_OBJECT
public:
    explicit FrmHints(Program& program);

    // Run by the program at every load of the window.
    void Form_Load();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The tests read where the worked division stands, which no control shows.
    friend struct WindowPeer;

    void cmdShowNext_Click();
    void cmdUnload_Click();

    QLabel* lblDivisor;
    std::array<QLabel*, kColumnLabels> lbldividend{};
    std::array<QLabel*, kColumnLabels> lblAnswer{};
    std::array<QLabel*, kColumnLabels> lblMult{};
    std::array<QLabel*, kColumnLabels> lblSubtract{};
    std::array<QLabel*, kBringDownLabels> lblBringDown{};
    QLabel* lblRemainder;
    QLabel* Label1;
    std::array<QLabel*, kStepWords> lblwords{};
    QTextEdit* txtZeros;
    QPushButton *cmdShowNext, *cmdUnload;

    // Where the worked division stands: set by the load, advanced by each press.
    HintState hintState;

    QLabel* stepLabel(HintLabel label, int16_t index) const;

    // How a press's effects reach the controls.
    void showZeros(bool visible) override;
    void setBorder(StepWord word, bool bordered) override;
    std::string caption(HintLabel label, int16_t member) const override;
    void setCaption(HintLabel label, int16_t member, const std::string& text) override;
    void unload() override;

    Program& program_;
};

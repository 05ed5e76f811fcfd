#include "windows/FrmHints.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "hints/HintLoad.h"
#include "hints/HintSteps.h"
#include "hints/Subscript.h"
#include "windows/Handlers.h"
#include "windows/Program.h"

namespace {

template <size_t Size>
std::array<QLabel*, Size> labelArray(const Controls& c, const char* name) {
    std::array<QLabel*, Size> members{};
    for (size_t i = 0; i < Size; ++i)
        members[i] = c.get<QLabel>(name, static_cast<int>(i));
    return members;
}

template <size_t Size>
QLabel* member(const std::array<QLabel*, Size>& members, int16_t index) {
    return members[static_cast<size_t>(subscript(index, static_cast<int16_t>(Size - 1)))];
}

}  // namespace

FrmHints::FrmHints(Program& program) : DesignedWindow(program.build.hints), program_(program) {
    const Controls& c = controls();
    lblDivisor = c.get<QLabel>("lblDivisor");
    lbldividend = labelArray<kColumnLabels>(c, "lbldividend");
    lblAnswer = labelArray<kColumnLabels>(c, "lblAnswer");
    lblMult = labelArray<kColumnLabels>(c, "lblMult");
    lblSubtract = labelArray<kColumnLabels>(c, "lblSubtract");
    lblBringDown = labelArray<kBringDownLabels>(c, "lblBringDown");
    lblRemainder = c.get<QLabel>("lblRemainder");
    Label1 = c.get<QLabel>("Label1");
    lblwords = labelArray<kStepWords>(c, "lblwords");
    txtZeros = c.get<QTextEdit>("txtZeros");
    cmdShowNext = c.get<QPushButton>("cmdShowNext");
    cmdUnload = c.get<QPushButton>("cmdUnload");

    onClick(cmdShowNext, this, &FrmHints::cmdShowNext_Click, program_.platform);
    onClick(cmdUnload, this, &FrmHints::cmdUnload_Click, program_.platform);
}

void FrmHints::cmdShowNext_Click() {
    // A press that was still on its way when the window unloaded works on nothing.
    if (!program_.isLoadedHints(this))
        return;
    const DrillState& drill = program_.Module1;
    applyPress(showNextStep(hintState, drill.digitsInside, drill.hintDivisor), *this);
}

void FrmHints::cmdUnload_Click() { program_.unloadHints(this); }

void FrmHints::Form_Load() {
    // Nothing of the window shows before the load ends, so the layout can be worked out first.
    DrillState& drill = program_.Module1;
    const HintLoad load =
        loadHints(drill.hintDivisor, drill.hintDividend, drill.digitsInside, drill.wantRemainders);
    // The design's placeholder digits never show.
    for (auto* labels : {&lblAnswer, &lbldividend, &lblMult, &lblSubtract})
        for (QLabel* label : *labels)
            label->clear();
    for (QLabel* label : lblBringDown)
        label->clear();
    lblDivisor->clear();

    txtZeros->hide();
    lblRemainder->setVisible(load.remainderShown);
    Label1->setVisible(load.remainderShown);
    if (load.remainderShown)
        lblRemainder->clear();
    for (int16_t word = 0; word < kStepWords; ++word)
        setBorder(static_cast<StepWord>(word), false);

    lblDivisor->setText(QString::fromStdString(load.divisorCaption));
    for (size_t column = 0; column < load.dividendCaptions.size(); ++column)
        member(lbldividend, static_cast<int16_t>(column))
            ->setText(QString::fromStdString(load.dividendCaptions[column]));
    hintState = load.state;
}

QLabel* FrmHints::stepLabel(HintLabel label, int16_t index) const {
    switch (label) {
    case HintLabel::lblAnswer: return member(lblAnswer, index);
    case HintLabel::lblMult: return member(lblMult, index);
    case HintLabel::lblSubtract: return member(lblSubtract, index);
    case HintLabel::lblBringDown: return member(lblBringDown, index);
    case HintLabel::lblRemainder: return lblRemainder;
    }
    throw RunTimeError("Invalid label");
}

void FrmHints::showZeros(bool visible) { txtZeros->setVisible(visible); }

std::string FrmHints::caption(HintLabel label, int16_t member) const {
    return stepLabel(label, member)->text().toStdString();
}

void FrmHints::setCaption(HintLabel label, int16_t member, const std::string& text) {
    stepLabel(label, member)->setText(QString::fromStdString(text));
}

void FrmHints::unload() { cmdUnload_Click(); }

void FrmHints::setBorder(StepWord word, bool bordered) {
    QLabel* label = member(lblwords, static_cast<int16_t>(word));
    if (bordered) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    } else {
        label->setFrameStyle(QFrame::NoFrame);
    }
}

void FrmHints::closeEvent(QCloseEvent* event) {
    // The close box unloads the window, as Close Help does.
    event->accept();
    cmdUnload_Click();
}

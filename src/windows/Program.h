// One run of the drill: the drill state, the platform, the build's designs and the three windows.
#pragma once

#include <memory>

#include "designs/Design.h"
#include "state/DrillState.h"

class Platform;
class FrmSetUp;
class Form2;
class FrmHints;

class Program {
public:
    Program(Platform& platform, const design::Build& build);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates and shows the set-up window; nothing of the drill runs until the pupil acts.
    void start();

    DrillState Module1;
    Platform& platform;
    const design::Build& build;

    // Each window is one instance; touching one that is not loaded loads it first.
    FrmSetUp& frmSetUp();
    Form2& form2();
    FrmHints& frmHints();

    bool form2Loaded() const { return form2_ != nullptr; }
    bool frmHintsLoaded() const { return frmHints_ != nullptr; }

    // Discards the hint window and its variables; the next touch loads it afresh. A window
    // already unloaded and waiting to be deleted unloads nothing.
    void unloadHints(const FrmHints* which);
    bool isLoadedHints(const FrmHints* which) const {
        return which != nullptr && which == frmHints_.get();
    }

private:
    std::unique_ptr<FrmSetUp> frmSetUp_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<FrmHints> frmHints_;
};

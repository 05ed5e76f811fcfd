#include "windows/Program.h"

#include "windows/Form2.h"
#include "windows/FrmHints.h"
#include "windows/FrmSetUp.h"

Program::Program(Platform& platform_, const design::Build& build_)
    : platform(platform_), build(build_) {}

Program::~Program() = default;

void Program::start() { frmSetUp().show(); }

FrmSetUp& Program::frmSetUp() {
    if (!frmSetUp_)
        frmSetUp_ = std::make_unique<FrmSetUp>(*this);
    return *frmSetUp_;
}

Form2& Program::form2() {
    if (!form2_) {
        form2_ = std::make_unique<Form2>(*this);
        form2_->Form_Load();
    }
    return *form2_;
}

FrmHints& Program::frmHints() {
    if (!frmHints_) {
        frmHints_ = std::make_unique<FrmHints>(*this);
        frmHints_->Form_Load();
    }
    return *frmHints_;
}

void Program::unloadHints(const FrmHints* which) {
    if (!isLoadedHints(which))
        return;
    // The window may be unloading itself from inside one of its own handlers.
    FrmHints* window = frmHints_.release();
    window->hide();
    window->deleteLater();
}

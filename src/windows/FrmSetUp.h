// The set-up window: the pupil's name, the two digit counts and the remainder choice.
#pragma once

#include <cstdint>

#include "windows/DesignedWindow.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;
class Program;

class FrmSetUp : public DesignedWindow {
    Q_OBJECT
public:
    explicit FrmSetUp(Program& program);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdBeginPractice_Click();
    void txtName_KeyPress(int16_t& KeyAscii);

    QLineEdit* txtName;
    QAbstractButton *Option1, *Option2, *Option3;
    QAbstractButton *Opt2, *Opt3, *Option4, *Option5, *Option6;
    QAbstractButton* opoRemainder[2]{};
    QPushButton* cmdBeginPractice;

    Program& program_;
};

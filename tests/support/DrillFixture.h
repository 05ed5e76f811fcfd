// One fresh run of the drill per test, with either program's designs, driven through real windows.
#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

#include "designs/second/SecondBuild.h"
#include "designs/standard/StandardBuild.h"
#include "support/CallSite.h"
#include "support/ControlByName.h"
#include "support/FakePlatform.h"
#include "support/WindowPeer.h"
#include "windows/Form2.h"
#include "windows/FrmHints.h"
#include "windows/FrmSetUp.h"
#include "windows/Program.h"

enum class Which { Standard, Second };

inline const design::Build& buildOf(Which which) {
    return which == Which::Standard ? designs::standard::build() : designs::second::build();
}

inline std::string buildName(const testing::TestParamInfo<Which>& info) {
    return info.param == Which::Standard ? "Varnel" : "Zorvane";
}

class DrillFixture : public testing::TestWithParam<Which> {
protected:
    void SetUp() override {
        platform = FakePlatform();
        program = std::make_unique<Program>(platform, buildOf(GetParam()));
        program->start();
    }
    void TearDown() override {
        program.reset();
        // Let windows unloaded with deleteLater go before the next test.
        processDeferredDeletes();
    }

    // An unloaded hint window is deleted later; this lets it go now.
    static void processDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A fresh run within one test, for tables of cases.
    void restart() {
        TearDown();
        SetUp();
    }

    DrillState& state() { return program->Module1; }
    FrmSetUp& setUp() { return program->frmSetUp(); }
    Form2& practice() { return program->form2(); }

    // Offscreen windows take keys only once they are the active window.
    static void activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Clicks the button that window's design names name.
    static void click(const QWidget& window, const std::string& name, CallSite where = {}) {
        click(control<QAbstractButton>(window, name, where));
    }

    // Chooses the lengths (0 leaves a group as it is) and the remainder option (-1 leaves it).
    void choose(int outside, int inside, int remainder) {
        const char* outsideButtons[] = {nullptr, "Option1", "Option2", "Option3"};
        const char* insideButtons[] = {nullptr,   nullptr,   "Opt2",   "Opt3",
                                       "Option4", "Option5", "Option6"};
        if (outside)
            click(setUp(), outsideButtons[outside]);
        if (inside)
            click(setUp(), insideButtons[inside]);
        if (remainder >= 0)
            click(control<QAbstractButton>(setUp(), "opoRemainder", remainder));
    }

    // The question as New Question would leave it, set straight on the practice window.
    void setQuestion(int32_t divisor, int32_t dividend) {
        WindowPeer::setQuestion(practice(), divisor, dividend);
    }

    void beginPractice(int outside, int inside, int remainder, const char* name = "Ann") {
        control<QLineEdit>(setUp(), "txtName")->setText(QString::fromUtf8(name));
        choose(outside, inside, remainder);
        click(setUp(), "cmdBeginPractice");
    }

    FakePlatform platform;
    std::unique_ptr<Program> program;
};

// Tab and Shift+Tab walk every window in the order of its design's tab indexes.
#include <QTextEdit>
#include <algorithm>
#include <map>

#include "support/DrillFixture.h"

namespace {

bool takesFocus(design::Kind kind) {
    switch (kind) {
    case design::Kind::TextBox:
    case design::Kind::CommandButton:
    case design::Kind::OptionButton:
    case design::Kind::PictureBox: return true;
    default: return false;
    }
}

// The names the walk must meet: labels, lines, hidden and disabled controls are passed over,
// and the option buttons of one group box are one stop, where the group's first button stands:
// the selected button, or the first when none is.
std::vector<std::string> designOrder(const design::Window& design, const DesignedWindow& window) {
    std::vector<const design::Control*> sorted;
    for (const design::Control& c : design.controls)
        if (c.tabIndex >= 0)
            sorted.push_back(&c);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<std::string> names;
    std::map<std::string, size_t> groupStop;
    for (const design::Control* c : sorted) {
        const QWidget* widget = control<QWidget>(window, c->name);
        if (!takesFocus(c->kind) || (c->flags & design::kDisabled) || !widget->isVisible())
            continue;
        if (c->kind != design::Kind::OptionButton) {
            names.push_back(c->name);
            continue;
        }
        const auto [group, first] = groupStop.try_emplace(c->container, names.size());
        if (first)
            names.push_back(c->name);
        else if (qobject_cast<const QAbstractButton*>(widget)->isChecked())
            names[group->second] = c->name;
    }
    return names;
}

std::vector<std::string> walk(QWidget& window, size_t steps, bool backwards) {
    std::vector<std::string> names;
    for (size_t i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != &window)
            break;
        QTest::keyClick(focus, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        names.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    return names;
}

class TabWalk : public DrillFixture {
protected:
    void expectWalk(DesignedWindow& window, const design::Window& design) {
        activate(window);
        const std::vector<std::string> order = designOrder(design, window);
        ASSERT_GE(order.size(), 2u);
        control<QWidget>(window, order.front())->setFocus();
        std::vector<std::string> forwards(order.begin() + 1, order.end());
        forwards.push_back(order.front());
        EXPECT_EQ(walk(window, order.size(), false), forwards);
        std::vector<std::string> backwards(order.rbegin() + 1, order.rend());
        backwards.push_back(order.back());
        std::rotate(backwards.rbegin(), backwards.rbegin() + 1, backwards.rend());
        EXPECT_EQ(walk(window, order.size(), true), backwards);
    }
};

TEST_P(TabWalk, EveryWindowInTheOrderOfItsTabIndexes) {
    const design::Build& build = buildOf(GetParam());
    choose(0, 5, -1);
    {
        SCOPED_TRACE("set-up window");
        expectWalk(setUp(), build.setUp);
    }
    beginPractice(1, 3, 1);
    platform.randoms = {0.5f, 0.5f};
    click(practice(), "cmdNewQuestion");
    {
        SCOPED_TRACE("practice window");
        expectWalk(practice(), build.practice);
    }
    // 12 into 156: the first step writes a 0 above the first digit and shows the zeros note.
    setQuestion(12, 156);
    click(practice(), "cmdHint");
    FrmHints& hints = program->frmHints();
    click(hints, "cmdShowNext");
    ASSERT_TRUE(control<QTextEdit>(hints, "txtZeros")->isVisible());
    {
        SCOPED_TRACE("hint window");
        expectWalk(hints, build.hints);
    }
}

TEST_P(TabWalk, TabLeavesTheZerosNoteForCloseHelp) {
    beginPractice(1, 3, 1);
    setQuestion(12, 156);
    click(practice(), "cmdHint");
    FrmHints& hints = program->frmHints();
    click(hints, "cmdShowNext");
    activate(hints);
    QTextEdit* zeros = control<QTextEdit>(hints, "txtZeros");
    zeros->setFocus();
    const QString note = zeros->toPlainText();
    QTest::keyClick(zeros, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(hints, "cmdUnload"));
    zeros->setFocus();
    QTest::keyClick(zeros, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(hints, "cmdShowNext"));
    EXPECT_EQ(zeros->toPlainText(), note);
}

INSTANTIATE_TEST_SUITE_P(Programs, TabWalk, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

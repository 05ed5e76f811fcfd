// The practice window: poses questions, checks answers, opens hints, prints the summary.
#pragma once

#include <cstdint>
#include <string>

#include "drill/SummaryPage.h"
#include "windows/DesignedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Program;

class Form2 : public DesignedWindow {
    Q_OBJECT
public:
    explicit Form2(Program& program);

    // The current quotient and the one last typed: public, though no other window uses them.
    int32_t Quote = 0;
    int32_t Answer = 0;

    // Run by the program when it loads the window.
    void Form_Load();

    // Hides both feedback pictures: the correct one first. Begin Practice does this too.
    void hideFeedback();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The tests set a question and read the print's working texts, which no control shows.
    friend struct WindowPeer;

    void cmdCheck_Click();
    void cmdExit_Click();
    void cmdHint_Click();
    void cmdNewLevel_Click();
    void cmdNewQuestion_Click();
    void cmdPrint_Click();
    void txtAnswer_KeyPress(int16_t& KeyAscii);
    void txtRemainder_KeyPress(int16_t& KeyAscii);

    void keyFilter(int16_t& KeyAscii);
    // The remainder box with its "R" label.
    void showRemainderBox(bool visible);

    QPushButton *cmdNewQuestion, *cmdNewLevel, *cmdPrint, *cmdExit, *cmdCheck, *cmdHint;
    QLineEdit *txtAnswer, *txtRemainder, *txtDivisor, *txtDividend;
    QLabel *Label1, *Label2;
    QLabel *picCorrect, *picWrong;

    // The current question; a divisor of 0 means there is none yet.
    int32_t divisor = 0;
    std::string divisorText;
    int32_t dividendDraw = 0;
    int32_t dividend = 0;
    std::string dividendText;
    int32_t typedRemainder = 0;

    // Working texts of the last print: printDate, blankLines, marginCount, summaryText.
    SummaryPress printWork;

    Program& program_;
};

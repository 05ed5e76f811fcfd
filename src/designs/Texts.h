// Texts that the programs show, kept apart so their blanks and line breaks stay exact.
#pragma once

namespace design::texts {

// The message boxes, the same in both programs.

// A key in the answer or remainder box that is no digit, Backspace or Enter.
inline constexpr const char* kNotANumberMessage = "YOU MUST USE A NUMBER";
// Begin Practice with a digit count unchosen, or more digits outside than inside.
inline constexpr const char* kLengthsMessage =
    "Choose number lengths. The number on the left must be the same or smaller than the number "
    "on the right.";
// Hint before the first question.
inline constexpr const char* kNoQuestionMessage = "Click New Question before selecting Hint";

// The texts that the window designs show.

// The set-up window's instructions, the same in both programs.
inline constexpr const char* kSetUpInstructions =
    "This program will give as much extra practice with Varnel as you want. \r\n"
    "\r\n"
    "USE PAPER AND PENCIL!\r\n"
    " \r\n"
    "Choose the number of digits to go outside the Varnel sign.\r\n"
    "Choose the number of digits  to go inside the Varnel sign.\r\n"
    "      \r\n"
    "The outside must be the same number or smaller than the inside.                  \r\n"
    "      \r\n"
    "Click on New Question to get a new question.                                              \r\n"
    "Click on hint to get the steps for Varnel.\r\n"
    "Click on Check answer to see if you are correct.\r\n"
    "Click on print to get a printout of your score.\r\n";

// The practice window's instruction line of each program.
inline constexpr const char* kPracticeInstructionsStandard =
    "Type the whole answer.   Then hit Check Answer.          If you need help click Hint.";
inline constexpr const char* kPracticeInstructionsSecond =
    "Type the whole answer. Then hit Check Answer.  If you need help click Hint.";

// The hint window's note about zeros in the quotient, per program.
inline constexpr const char* kZerosNoteStandard =
    "When the final answer is \r\n"
    "written, any leading \r\n"
    "zeros are left off.              \r\n"
    "                   \r\n"
    "There is a number \r\n"
    "above every digit in the \r\n"
    "dividend.\r\n"
    "Someimes that number \r\n"
    "is zero.\r\n"
    "Leave the zeros in the final answer if they are in the middle or at the end of the "
    "number.\r\n";

inline constexpr const char* kZerosNoteSecond =
    "When you write a final \r\n"
    "answer, DON'T write the \r\n"
    "zeros in the front.\r\n"
    "                                    \r\n"
    "Here, the zeros are \r\n"
    "written in to show that \r\n"
    "each digit in the question \r\n"
    "has a digit above it.          \r\n"
    "                                           \r\n"
    "If the zero falls after \r\n"
    "another digit, then it must \r\n"
    "be in the final answer.\r\n";

}  // namespace design::texts

namespace design::texts {

// What Print Summary says when its page did not print: the lead, one reason, the full stop.
inline constexpr const char* kPrintFailureLead = "The summary could not be printed: ";
inline constexpr const char* kPrintFailureEnd = ".";

inline constexpr const char* kPrintNoDefaultPrinter = "no default printer is set up";
inline constexpr const char* kPrintRefused = "the printer refuses jobs";
inline constexpr const char* kPrintNoAnswer = "the print service does not answer";
inline constexpr const char* kPrintBusy = "the print service is busy, try again later";
inline constexpr const char* kPrintNotAllowed = "the print service does not let this user print";
inline constexpr const char* kPrintWrongFormat = "the printer cannot print this kind of document";
// The service's own words go between these two; kPrintNoReasonGiven when it gave none.
inline constexpr const char* kPrintNotTakenLead = "the print service did not take the job (";
inline constexpr const char* kPrintNotTakenEnd = ")";
inline constexpr const char* kPrintNoReasonGiven = "no reason given";
inline constexpr const char* kPrintSoftwareMissing =
    "the printing software on this computer is missing or damaged";
inline constexpr const char* kPrintBadFontSize = "the font size is not valid";
inline constexpr const char* kPrintNoLayout = "the page could not be laid out";

}  // namespace design::texts

// A window's own variables that a test sets or reads where no control shows them; each window
// that has such variables names this as its friend.
#pragma once

#include <cstdint>

#include "drill/SummaryPage.h"
#include "hints/HintState.h"
#include "windows/Form2.h"
#include "windows/FrmHints.h"

struct WindowPeer {
    static void setQuestion(Form2& form, int32_t divisor, int32_t dividend) {
        form.divisor = divisor;
        form.dividend = dividend;
    }

    static const SummaryPress& printWork(const Form2& form) { return form.printWork; }

    static const HintState& hintState(const FrmHints& hints) { return hints.hintState; }
};

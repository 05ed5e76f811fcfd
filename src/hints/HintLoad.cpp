#include "hints/HintLoad.h"

#include "drill/CheckedMath.h"
#include "drill/NumberText.h"
#include "drill/PowerOfTen.h"
#include "hints/Subscript.h"

namespace {
constexpr int16_t kLastDividendLabel = kColumnLabels - 1;
}  // namespace

HintLoad loadHints(int32_t hintDivisor, int32_t& hintDividend, int16_t digitsInside,
                   int16_t wantRemainders) {
    HintLoad load;
    HintState& s = load.state;
    s.doneColumn = 0;
    s.stepPhase = StepPhase::kDivide;
    load.remainderShown = wantRemainders != 0;
    load.divisorCaption = numberText(hintDivisor);

    const int16_t n = digitsInside;
    if (n > 0)  // a length beyond the digit table fails here, before anything is sized by it
        load.dividendCaptions.resize(static_cast<size_t>(subscript(n, kLastDigitEntry)));
    for (int16_t k = n; k >= 1; --k) {
        // Exact in a double for every k that passes the bounds test.
        const double place = powerOfTen(static_cast<int16_t>(k - 1));
        const int16_t entry = subscript(k, kLastDigitEntry);
        const int32_t digit =
            checked::require(checked::floorToInt32(hintDividend / place), "Overflow");
        s.dividendDigits[entry] = digit;
        hintDividend =
            checked::require(checked::roundToInt32(hintDividend - place * digit), "Overflow");
        s.digitText = trimmedNumberText(digit);
        load.dividendCaptions[subscript(static_cast<int16_t>(n - k), kLastDividendLabel)] =
            s.digitText;
    }
    s.workingNumber = s.dividendDigits[subscript(n, kLastDigitEntry)];
    s.stepColumn = 0;
    return load;
}

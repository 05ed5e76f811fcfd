#include "drill/NDigitDraw.h"

#include "drill/CheckedMath.h"
#include "drill/PowerOfTen.h"
#include "drill/RunTimeError.h"

int32_t nDigitDraw(int16_t n, float r) {
    // 10^10 would not fit 32 bits; the negated test also refuses a NaN r.
    if (n < 1 || n > 9)
        throw RunTimeError("Invalid digit count for a random number");
    if (!(r >= 0.0f && r < 1.0f))
        throw RunTimeError("Invalid random value");

    const double low = powerOfTen(static_cast<int16_t>(n - 1));
    const double high = powerOfTen(n);
    const double value = (high - low) * static_cast<double>(r) + low;
    return checked::require(checked::floorToInt32(value), "Overflow");
}

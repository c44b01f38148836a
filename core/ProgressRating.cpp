#include "ProgressRating.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

// The rating reproduces the arithmetic of an x87 unit in 64-bit-mantissa precision:
// every intermediate is an 80-bit extended value and only the stored results (the sum
// and the percentage) are rounded to double. A few records land on a different frame
// with plain double arithmetic, so both paths below follow that rule to the bit.

namespace {

constexpr int FramePercentStep = 5;

// ---- A software 80-bit extended value: 64-bit mantissa, round to nearest even. ----
// Only what the rating needs: add, divide and multiply by small integers, conversions.

using u128 = unsigned __int128;

struct Ext {
    bool negative = false;
    int exponent = 0;         // value = mantissa * 2^exponent
    std::uint64_t mantissa = 0; // 0, or with its top bit set
};

int highestBit(u128 v)
{
    const auto high = static_cast<std::uint64_t>(v >> 64);
    if (high != 0)
        return 127 - __builtin_clzll(high);
    return 63 - __builtin_clzll(static_cast<std::uint64_t>(v));
}

// Rounds ±m·2^e to 64 significant bits. Bits lost before the call must be folded into
// the lowest bit of m ("sticky"), and m must then carry at least two bits below the
// 64 kept ones, so the folded bit can never sit on a rounding boundary.
Ext roundToExt(bool negative, u128 m, int e)
{
    if (m == 0)
        return Ext{};
    const int top = highestBit(m);
    if (top <= 63)
        return Ext{negative, e - (63 - top), static_cast<std::uint64_t>(m << (63 - top))};
    const int shift = top - 63;
    u128 kept = m >> shift;
    const u128 rest = m & ((u128(1) << shift) - 1);
    const u128 half = u128(1) << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept;
    e += shift;
    if ((kept >> 64) != 0) { // rounded up to 2^64
        kept >>= 1;
        ++e;
    }
    return Ext{negative, e, static_cast<std::uint64_t>(kept)};
}

Ext extFromDouble(double d)
{
    if (d == 0)
        return Ext{};
    int e = 0;
    const double fraction = std::frexp(std::fabs(d), &e); // [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 64)); // exact: 53 bits
    return Ext{d < 0, e - 64, m};
}

double extToDouble(const Ext &x)
{
    if (x.mantissa == 0)
        return 0.0;
    std::uint64_t kept = x.mantissa >> 11;
    const std::uint64_t rest = x.mantissa & 0x7FF;
    int e = x.exponent + 11;
    if (rest > 0x400 || (rest == 0x400 && (kept & 1) != 0))
        ++kept;
    if (kept == (std::uint64_t(1) << 53)) {
        kept >>= 1;
        ++e;
    }
    const double magnitude = std::ldexp(static_cast<double>(kept), e); // the rating stays in the normal range
    return x.negative ? -magnitude : magnitude;
}

Ext extAdd(const Ext &a, const Ext &b)
{
    if (a.mantissa == 0)
        return b;
    if (b.mantissa == 0)
        return a;
    // With normalised mantissas the larger exponent holds the larger magnitude.
    const Ext &big = a.exponent >= b.exponent ? a : b;
    const Ext &small = a.exponent >= b.exponent ? b : a;
    const int gap = big.exponent - small.exponent;
    const u128 m = u128(big.mantissa) << 63;
    u128 s;
    if (gap <= 63) {
        s = u128(small.mantissa) << (63 - gap);
    } else {
        const int drop = gap - 63;
        const bool sticky = drop >= 64 || (small.mantissa & ((std::uint64_t(1) << drop) - 1)) != 0;
        s = drop >= 64 ? 0 : u128(small.mantissa >> drop);
        if (sticky)
            s |= 1;
    }
    const int e = big.exponent - 63;
    if (big.negative == small.negative)
        return roundToExt(big.negative, m + s, e);
    if (m >= s)
        return roundToExt(big.negative, m - s, e);
    return roundToExt(small.negative, s - m, e);
}

Ext extDivide(const Ext &a, unsigned divisor)
{
    if (a.mantissa == 0)
        return Ext{};
    const u128 dividend = u128(a.mantissa) << 64;
    u128 quotient = dividend / divisor;
    if (dividend % divisor != 0)
        quotient |= 1;
    return roundToExt(a.negative, quotient, a.exponent - 64);
}

Ext extMultiply(const Ext &a, unsigned factor)
{
    return roundToExt(a.negative, u128(a.mantissa) * factor, a.exponent);
}

// The extended value nearest to 0.2.
Ext extOneFifth()
{
    const u128 scaled = u128(1) << 127;
    u128 quotient = scaled / 5;
    if (scaled % 5 != 0)
        quotient |= 1;
    return roundToExt(false, quotient, -127);
}

int extRoundHalfEven(const Ext &x)
{
    if (x.mantissa == 0)
        return 0;
    if (x.exponent >= 0) // far beyond any frame
        return x.negative ? INT32_MIN : INT32_MAX;
    const int shift = -x.exponent;
    int magnitude = 0;
    if (shift <= 64) {
        u128 kept = u128(x.mantissa) >> shift;
        const u128 rest = u128(x.mantissa) & ((u128(1) << shift) - 1);
        const u128 half = u128(1) << (shift - 1);
        if (rest > half || (rest == half && (kept & 1) != 0))
            ++kept;
        magnitude = static_cast<int>(kept);
    } // else below one half: rounds to 0
    return x.negative ? -magnitude : magnitude;
}

ProgressRating finishRating(double percentage, int frame)
{
    ProgressRating rating;
    rating.percentage = percentage;
    rating.frame = frame;
    rating.blink = percentage >= 100;
    return rating;
}

} // namespace

ProgressRating ProgressRating::computePortable(const ResultsRecord &record)
{
    const Ext oneFifth = extOneFifth();
    const Ext one = extFromDouble(1.0);
    const Ext minusTwo = extFromDouble(-2.0);
    double sum = 0;
    for (const std::int32_t status : record.statuses) {
        switch (status) {
        case ExamPassed:
            sum = extToDouble(extAdd(extFromDouble(sum), one));
            break;
        case Failed:
            sum = extToDouble(extAdd(extFromDouble(sum), minusTwo));
            break;
        case TrainingPassed:
            sum = extToDouble(extAdd(oneFifth, extFromDouble(sum)));
            break;
        default: // NotTaken and values a foreign file may hold
            break;
        }
    }
    double percentage = extToDouble(extMultiply(extDivide(extFromDouble(sum), TicketCount), 100));
    if (percentage < 0)
        percentage = 0;
    const int frame = extRoundHalfEven(extDivide(extFromDouble(percentage), FramePercentStep));
    return finishRating(percentage, frame);
}

#if LDBL_MANT_DIG == 64

namespace {

// Ties go to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2), whatever the FPU's
// rounding mode happens to be.
int roundHalfEven(long double x)
{
    const long double lower = std::floor(x);
    const long double diff = x - lower; // exact: both are close in magnitude
    long double result = lower;
    if (diff > 0.5L || (diff == 0.5L && std::fmod(lower, 2.0L) != 0))
        result = lower + 1;
    return static_cast<int>(result);
}

} // namespace

ProgressRating ProgressRating::compute(const ResultsRecord &record)
{
    const long double oneFifth = 0.2L;
    double sum = 0;
    for (const std::int32_t status : record.statuses) {
        switch (status) {
        case ExamPassed:
            sum = static_cast<double>(static_cast<long double>(sum) + 1.0L);
            break;
        case Failed:
            sum = static_cast<double>(static_cast<long double>(sum) - 2.0L);
            break;
        case TrainingPassed:
            sum = static_cast<double>(oneFifth + static_cast<long double>(sum));
            break;
        default:
            break;
        }
    }
    double percentage = static_cast<double>(static_cast<long double>(sum) / TicketCount * 100.0L);
    if (percentage < 0)
        percentage = 0;
    const int frame = roundHalfEven(static_cast<long double>(percentage) / FramePercentStep);
    return finishRating(percentage, frame);
}

#else

// No native 80-bit type here: the software one gives the same results.
ProgressRating ProgressRating::compute(const ResultsRecord &record)
{
    return computePortable(record);
}

#endif

// Sums the 40 ticket results into the speedometer's percentage, frame and blink.
#pragma once

#include "ResultsStore.h"

struct ProgressRating {
    double percentage = 0; // 0..100
    int frame = 0;         // SpeedometerFrame 0..20
    bool blink = false;    // percentage >= 100

    // The arithmetic is that of 80-bit extended intermediates rounded to double
    // where stored; the frame numbers of some records depend on it.
    static ProgressRating compute(const ResultsRecord &record);
    // The same rule on a software extended type, exact on every platform.
    static ProgressRating computePortable(const ResultsRecord &record);
};

// SPDX-License-Identifier: MIT
#pragma once

// Decimal tick steps: 1, 2 or 5 times a power of ten, so that at least n intervals fit between
// start and finish, and the first multiple of that step at or past start.

struct TTickStep {
    long double First = 0;
    long double Step = 0;  // signed: negative when finish lies below start
    int MinorIntervals = 1;
};

// Equal or non-finite ends give step 0 with first = start; n below 1 counts as 1.
TTickStep ChooseTickStep(int n, long double start, long double finish);

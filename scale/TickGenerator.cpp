// SPDX-License-Identifier: MIT
#include "TickGenerator.h"

#include "CalendarTicks.h"
#include "ElapsedTicks.h"
#include "NumericTicks.h"

TTickRun TTickGenerator::Generate(const TTickSettings& s, TTickSink& sink) {
    if (s.LabelType == ftDateTime) return TCalendarTicks::Generate(s, sink);
    TTickRun run;
    if (s.LabelType == ftTime && TElapsedTicks::Generate(s, sink, run)) return run;
    return s.Logarithmic ? TNumericTicks::Logarithmic(s, sink) : TNumericTicks::Linear(s, sink);
}

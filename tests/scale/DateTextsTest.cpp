// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLocale>

#include "CalendarTicks.h"
#include "DateTexts.h"
#include "DateTime.h"
#include "TDTLabel.h"
#include "TickCollector.h"
#include "TickLabeler.h"
#include "VexaError.h"

using Vexa::EncodeDate;
using Vexa::EncodeTime;

namespace {

// the settings a scale starts with
void ScaleDefaults(TDTLabel& f) {
    f.SetTimeFormat(tfHHMMSS);
    f.SetDateSeparator(u'-');
    f.SetTimeSeparator(u':');
    f.SetYearLength(ylYYYY);
    f.SetMonthName(true);
    f.SetDateOrder(doDDMMYY);
    f.SetDateForTime(dtOnePerDay);
}

QString ShortMonth(int m) {
    return QLocale().standaloneMonthName(m, QLocale::ShortFormat);
}

QString Time(TTickFamily family, const TDTLabel& f, double v) {
    return TDateTexts::TimeText(family, TDateTexts::TimePattern(family, f), f, v);
}

}  // namespace

TEST(DateTexts, TimeOfDayTextsForEveryTimeFormat) {
    TDTLabel f;
    ScaleDefaults(f);
    const double day = EncodeDate(2024, 3, 5);
    const double t1400 = day + EncodeTime(14, 0, 0, 0), t1405 = day + EncodeTime(14, 5, 0, 0);
    const double t140530 = day + EncodeTime(14, 5, 30, 0), t140530_25 = day + EncodeTime(14, 5, 30, 250);
    struct TCase {
        TTimeFormat Format;
        const char *Hours, *Minutes, *Seconds, *Hundredths;
    } cases[] = {{tfHHMMSS, "14:00", "14:05", "14:05:30", "14:05:30.25"},
                 {tfHHhMM, "14h", "14h05", "14h05:30", "14h05:30.25"},
                 {tfAMPM, "2pm", "2:05pm", "2:05.30pm", "2:05.30.25pm"}};
    for (const TCase& c : cases) {
        f.SetTimeFormat(c.Format);
        EXPECT_EQ(Time(TTickFamily::Hours, f, t1400), c.Hours);
        EXPECT_EQ(Time(TTickFamily::Minutes, f, t1405), c.Minutes);
        EXPECT_EQ(Time(TTickFamily::Seconds, f, t140530), c.Seconds);
        EXPECT_EQ(Time(TTickFamily::Hundredths, f, t140530_25), c.Hundredths);
    }
    // hundredths always show two digits of hundredths
    f.SetTimeFormat(tfHHMMSS);
    EXPECT_EQ(Time(TTickFamily::Hundredths, f, day + EncodeTime(9, 0, 0, 10)), "09:00:00.01");
    EXPECT_EQ(Time(TTickFamily::Hundredths, f, day + EncodeTime(9, 0, 0, 100)), "09:00:00.10");
    f.SetTimeSeparator(u'.');
    EXPECT_EQ(Time(TTickFamily::Seconds, f, t140530), "14.05.30");
    f.SetTimeSeparator(u'"');  // a quote character is a separator like any other
    EXPECT_EQ(Time(TTickFamily::Minutes, f, t1405), "14\"05");
    f.SetTimeSeparator(QChar());  // none at all
    EXPECT_EQ(Time(TTickFamily::Minutes, f, t1405), "1405");
}

TEST(DateTexts, DateLinePatterns) {
    TDTLabel f;
    ScaleDefaults(f);
    EXPECT_EQ(TDateTexts::BuildDateFormat(f), "dd\"-\"mmm\"-\"yyyy");
    const double v = EncodeDate(2024, 3, 5) + 0.5;
    EXPECT_EQ(TDateTexts::FormatTickDate(TDateTexts::BuildDateFormat(f), v), "05-" + ShortMonth(3) + "-2024");
    f.SetMonthName(false);
    struct TCase {
        TDateOrder Order;
        TYearLength Year;
        const char* Text;
    } cases[] = {{doMMDDYY, ylNone, "03-05"}, {doMMDDYY, ylYY, "03-05-24"},
                 {doDDMMYY, ylNone, "05-03"}, {doDDMMYY, ylYYYY, "05-03-2024"},
                 {doYYMMDD, ylNone, "03-05"}, {doYYMMDD, ylYYYY, "2024-03-05"}};
    for (const TCase& c : cases) {
        f.SetDateOrder(c.Order);
        f.SetYearLength(c.Year);
        EXPECT_EQ(TDateTexts::FormatTickDate(TDateTexts::BuildDateFormat(f), v), c.Text);
    }
}

TEST(DateTexts, DayMonthAndYearTexts) {
    TDTLabel f;
    ScaleDefaults(f);
    const double v = EncodeDate(2024, 3, 5);
    EXPECT_EQ(TDateTexts::FormatTickDate(TDateTexts::DayPattern(f), v), "05-" + ShortMonth(3) + "-2024");
    f.SetMonthName(false);
    f.SetDateSeparator(u'/');
    struct TCase {
        TDateOrder Order;
        TYearLength Year;
        const char *Day, *Month;
    } cases[] = {{doMMDDYY, ylYY, "03/05/24", "03/24"},
                 {doDDMMYY, ylNone, "05/03/", "03/"},
                 {doYYMMDD, ylNone, "/03/05", "/03"},
                 {doYYMMDD, ylYYYY, "2024/03/05", "2024/03"},
                 {doMMDDYY, ylYYYY, "03/05/2024", "03/2024"}};
    for (const TCase& c : cases) {
        f.SetDateOrder(c.Order);
        f.SetYearLength(c.Year);
        EXPECT_EQ(TDateTexts::FormatTickDate(TDateTexts::DayPattern(f), v), c.Day);
        EXPECT_EQ(TDateTexts::FormatTickDate(TDateTexts::MonthPattern(f), v), c.Month);
    }
    f.SetYearLength(ylNone);
    EXPECT_EQ(TDateTexts::YearText(TDateTexts::YearPattern(f), f, v), "");
    f.SetYearLength(ylYY);
    EXPECT_EQ(TDateTexts::YearText(TDateTexts::YearPattern(f), f, v), "24");
    EXPECT_EQ(TDateTexts::YearText(TDateTexts::YearPattern(f), f, EncodeDate(2005, 1, 1)), "05");
    f.SetYearLength(ylYYYY);
    EXPECT_EQ(TDateTexts::YearText(TDateTexts::YearPattern(f), f, EncodeDate(800, 1, 1)), "800");
    EXPECT_EQ(TDateTexts::YearText(TDateTexts::YearPattern(f), f, EncodeDate(1, 1, 1)), "1");
    // a value a hair off day 0 is day 0
    EXPECT_EQ(TDateTexts::FormatTickDate("yyyy-mm-dd hh:nn", -1e-9), "1899-12-30 00:00");
}

namespace {

// date lines of the major ticks of a calendar run, in order ("" where there is none)
std::vector<QString> DateLines(double low, double high, TDateForTime mode,
                               std::vector<QString>* times = nullptr) {
    TDTLabel f;
    ScaleDefaults(f);
    f.SetMonthName(false);
    f.SetDateForTime(mode);
    TTickSettings s = Settings(low, high, 3, true);
    s.LabelType = ftDateTime;
    TTickCollector c;
    const TTickRun run = TCalendarTicks::Generate(s, c);
    TLabelSettings l;
    l.LabelType = ftDateTime;
    l.DateFormat = &f;
    TTickLabeler labeler;
    labeler.Begin(l, run);
    std::vector<QString> lines;
    for (const TScaleTick& t : c.Ticks) {
        QString line;
        if (!t.Major) {
            EXPECT_FALSE(labeler.DateLine(t, line));
            EXPECT_TRUE(labeler.Text(t).isEmpty());
            continue;
        }
        if (times) times->push_back(labeler.Text(t));
        lines.push_back(labeler.DateLine(t, line) ? line : QString());
    }
    return lines;
}

}  // namespace

TEST(DateTexts, DateLinesOfAnHourScaleSpanningTwoDays) {
    const double start = EncodeDate(2024, 3, 5) + 0.5;  // 12:00 to 12:00 two days later
    std::vector<QString> times;
    const std::vector<QString> perDay = DateLines(start, start + 2, dtOnePerDay, &times);
    // 16 hours per interval: 12-hour steps
    ASSERT_EQ(perDay.size(), 5u);
    EXPECT_EQ(times, (std::vector<QString>{"12:00", "00:00", "12:00", "00:00", "12:00"}));
    EXPECT_EQ(perDay, (std::vector<QString>{"05-03-2024", "06-03-2024", "", "07-03-2024", ""}));
    EXPECT_EQ(DateLines(start, start + 2, dtOnePerChart),
              (std::vector<QString>{"05-03-2024", "", "", "", ""}));
    EXPECT_EQ(DateLines(start, start + 2, dtNone), (std::vector<QString>(5, QString())));
    const std::vector<QString> all = DateLines(start, start + 2, dtAllTicks);
    EXPECT_EQ(all[2], "06-03-2024");
    EXPECT_EQ(all[4], "07-03-2024");
}

TEST(DateTexts, DayTicksHaveNoDateLine) {
    std::vector<QString> times;
    const std::vector<QString> lines =
        DateLines(EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 11), dtAllTicks, &times);
    for (const QString& l : lines) EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(times.front(), "01-03-2024");
}

TEST(DTLabel, SettersNotifyAndAssignCopiesAllSettings) {
    TDTLabel f;
    EXPECT_EQ(f.TimeFormat(), tfHHMMSS);
    EXPECT_TRUE(f.DateSeparator().isNull());
    EXPECT_FALSE(f.MonthName());
    EXPECT_EQ(f.DateForTime(), dtNone);
    int changes = 0;
    f.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetDateOrder(doMMDDYY);  // the same value still notifies
    f.SetTimeFormat(tfHHMMSS);
    EXPECT_EQ(changes, 2);
    f.SetYearLength(ylNone);  // unchanged values do not
    f.SetMonthName(false);
    f.SetDateSeparator(QChar());
    f.SetTimeSeparator(QChar());
    f.SetDateForTime(dtNone);
    EXPECT_EQ(changes, 2);
    f.SetMonthName(true);
    EXPECT_EQ(changes, 3);

    TDTLabel g;
    ScaleDefaults(g);
    g.SetTimeFormat(tfAMPM);
    f.Assign(&g);
    EXPECT_EQ(changes, 4);  // once
    EXPECT_TRUE(f.SameAs(g));
    QObject other;
    EXPECT_THROW(f.Assign(&other), EVexaError);
}

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace tandora {

// Dates are wall-clock seconds since 1970-01-01 00:00:00 counted as if local time were UTC
// (see core/clock.h); negative means no date, and from date_limit on they show empty.
// The calendar is plain proleptic Gregorian arithmetic: no time zones, no QDateTime.

struct civil_time
{
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The calendar date and time of a date. Dates outside the years 0 to 9999 are clamped to
// 0000-01-01 00:00:00 and 9999-12-31 23:59:59, so every year has four digits.
civil_time civil_from_date(qint64 date);
// Seconds of a calendar date and time; fields are not checked: a month outside 1..12 moves
// the year, and days, hours, minutes and seconds count on linearly (day 32 of January is
// the first of February).
qint64 date_from_civil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// Whole days since 1970-01-01 (the date set back to the start of its day).
qint64 day_number(qint64 date);
// 0 Sunday .. 6 Saturday.
int weekday(qint64 date);

// Date masks. Tokens: "%dd" day, "%mm" month, "%yyyy" year, "%hh" hours, "%ii" minutes,
// "%ss" seconds; every other character stands for itself.

// Any date with a mask, whatever its value: two digits for each token, four for the year.
QString format_date(qint64 date, QStringView mask);
// The text read with the mask (surrounding spaces ignored): a date, or -1 when the text does
// not match the mask, names an impossible date (31.02.2020) or lies before 1970. Day, month,
// hour, minute and second take one or two digits, the year exactly four; tokens the mask
// lacks default to 1970-01-01 00:00:00.
qint64 parse_date_with_mask(QStringView text, QStringView mask);

} // namespace tandora

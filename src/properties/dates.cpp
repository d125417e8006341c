// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/dates.h"

#include <algorithm>

namespace tandora {

namespace {

constexpr qint64 seconds_per_day = 86400;

// Division rounding towards minus infinity, so that dates before 1970 fall on the right day.
constexpr qint64 floor_div(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return a % b < 0 ? q - 1 : q;
}

constexpr qint64 floor_mod(qint64 a, qint64 b)
{
    return a - floor_div(a, b) * b;
}

// Days since 1970-01-01 of a proleptic Gregorian date, month 1..12 (Howard Hinnant's
// days_from_civil: years counted from March so the leap day ends the year).
constexpr qint64 days_from_civil(qint64 year, qint64 month, qint64 day)
{
    year -= month <= 2 ? 1 : 0;
    const qint64 era = floor_div(year, 400);
    const qint64 year_of_era = year - era * 400;
    const qint64 day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

// The clamp keeps the year within four digits, which also keeps it within an int.
constexpr qint64 first_date = days_from_civil(0, 1, 1) * seconds_per_day;
constexpr qint64 last_date = days_from_civil(9999, 12, 31) * seconds_per_day + seconds_per_day - 1;

bool is_leap_year(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29 : days[month - 1];
}

struct mask_token
{
    QStringView name; // as written in the mask
    int civil_time::*field;
    int min_digits; // when reading; written with max_digits
    int max_digits;
    int lowest; // accepted when reading
    int highest;
};

// The day is checked against its month once the whole text is read.
constexpr mask_token mask_tokens[] = {
    {u"%yyyy", &civil_time::year, 4, 4, 1970, 9999}, {u"%mm", &civil_time::month, 1, 2, 1, 12},
    {u"%dd", &civil_time::day, 1, 2, 1, 31},         {u"%hh", &civil_time::hour, 1, 2, 0, 23},
    {u"%ii", &civil_time::minute, 1, 2, 0, 59},      {u"%ss", &civil_time::second, 1, 2, 0, 59},
};

const mask_token *token_at(QStringView mask, qsizetype pos)
{
    if (mask[pos] != u'%')
        return nullptr;
    const QStringView rest = mask.sliced(pos);
    for (const mask_token &token : mask_tokens) {
        if (rest.startsWith(token.name))
            return &token;
    }
    return nullptr;
}

void append_digits(QString &out, int value, int width)
{
    char16_t digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
    out.append(reinterpret_cast<const QChar *>(digits), width);
}

} // namespace

civil_time civil_from_date(qint64 date)
{
    date = std::clamp(date, first_date, last_date);
    const qint64 days = floor_div(date, seconds_per_day);
    const qint64 seconds = date - days * seconds_per_day;

    // Howard Hinnant's civil_from_days.
    const qint64 z = days + 719468;
    const qint64 era = floor_div(z, 146097);
    const qint64 day_of_era = z - era * 146097;
    const qint64 year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const qint64 day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const qint64 month_from_march = (5 * day_of_year + 2) / 153;

    civil_time t;
    t.day = int(day_of_year - (153 * month_from_march + 2) / 5 + 1);
    t.month = int(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
    t.year = int(year_of_era + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = int(seconds / 3600);
    t.minute = int(seconds / 60 % 60);
    t.second = int(seconds % 60);
    return t;
}

qint64 date_from_civil(int year, int month, int day, int hour, int minute, int second)
{
    // 64-bit throughout: any int fields give a defined result.
    const qint64 months = qint64(month) - 1;
    const qint64 days =
        days_from_civil(year + floor_div(months, 12), floor_mod(months, 12) + 1, 1) + qint64(day) -
        1;
    return days * seconds_per_day + qint64(hour) * 3600 + qint64(minute) * 60 + second;
}

qint64 day_number(qint64 date)
{
    return floor_div(date, seconds_per_day);
}

int weekday(qint64 date)
{
    // 1970-01-01 was a Thursday.
    return int(floor_mod(day_number(date) + 4, 7));
}

QString format_date(qint64 date, QStringView mask)
{
    const civil_time t = civil_from_date(date);
    QString out;
    out.reserve(mask.size() + 4);
    for (qsizetype i = 0; i < mask.size();) {
        if (const mask_token *token = token_at(mask, i)) {
            append_digits(out, t.*(token->field), token->max_digits);
            i += token->name.size();
        } else {
            out.append(mask[i]);
            ++i;
        }
    }
    return out;
}

qint64 parse_date_with_mask(QStringView text, QStringView mask)
{
    text = text.trimmed();
    if (text.isEmpty())
        return -1;
    civil_time t;
    qsizetype at = 0;
    for (qsizetype i = 0; i < mask.size();) {
        if (const mask_token *token = token_at(mask, i)) {
            int value = 0;
            int digits = 0;
            while (digits < token->max_digits && at < text.size() && text[at] >= u'0' &&
                   text[at] <= u'9') {
                value = value * 10 + (text[at].unicode() - u'0');
                ++digits;
                ++at;
            }
            if (digits < token->min_digits || value < token->lowest || value > token->highest)
                return -1;
            t.*(token->field) = value;
            i += token->name.size();
        } else {
            if (at == text.size() || text[at] != mask[i])
                return -1;
            ++at;
            ++i;
        }
    }
    if (at != text.size() || t.day > days_in_month(t.year, t.month))
        return -1;
    return date_from_civil(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

} // namespace tandora

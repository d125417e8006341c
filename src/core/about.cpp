// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about.h"

#include "store/records.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <cstring>

namespace tandora {

namespace {

int two_digits(const char *text)
{
    const int high = text[0] == ' ' ? 0 : text[0] - '0';
    return high * 10 + (text[1] - '0');
}

// __DATE__ is "Mmm dd yyyy" (day padded with a blank), __TIME__ is "hh:mm:ss", both in the
// local time of the build machine.
qint64 compiled_at(const char *date, const char *time)
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    int month = 1;
    for (int m = 0; m < 12; ++m) {
        if (std::strncmp(months + 3 * m, date, 3) == 0)
            month = m + 1;
    }
    const int day = two_digits(date + 4);
    const int year = two_digits(date + 7) * 100 + two_digits(date + 9);
    const QDateTime at(QDate(year, month, day),
                       QTime(two_digits(time), two_digits(time + 3), two_digits(time + 6)),
                       QTimeZone::utc());
    return at.toSecsSinceEpoch();
}

QString two(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

qint64 build_date()
{
    static const qint64 date = compiled_at(__DATE__, __TIME__);
    return date;
}

QString about_title()
{
    return QString(program_name) + QLatin1Char(' ') + program_version;
}

QString about_text(qint64 build)
{
    const QDateTime at = QDateTime::fromSecsSinceEpoch(build, QTimeZone::utc());
    const QDate d = at.date();
    const QTime t = at.time();
    // "%dd.%mm.%yyyy %hh:%ii:%ss"
    const QString compiled = two(d.day()) + QLatin1Char('.') + two(d.month()) + QLatin1Char('.') +
                             QString::number(d.year()) + QLatin1Char(' ') + two(t.hour()) +
                             QLatin1Char(':') + two(t.minute()) + QLatin1Char(':') +
                             two(t.second());
    return QString(first_year) + QStringLiteral(" - ") + QString::number(d.year()) +
           QStringLiteral("\nCompiled: ") + compiled + QStringLiteral("\n\nLibrary version: ") +
           current_format_version;
}

QString about_text()
{
    return about_text(build_date());
}

} // namespace tandora

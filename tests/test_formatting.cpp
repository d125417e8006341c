// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "store/records.h"

#include <QTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace tandora;

namespace {

// The number styles the tables refer to by name.
struct style_row
{
    const char *name;
    char16_t decimal;
    char16_t thousand;
    bool show_zero;
    bool plain;
};

constexpr style_row styles[] = {
    {"de", u',', u'.', false, false},      {"de zero", u',', u'.', true, false},
    {"de plain", u',', u'.', false, true}, {"en", u'.', u',', false, false},
    {"en zero", u'.', u',', true, false},  {"swiss", u'.', u'\'', false, false},
    {"space", u',', u' ', false, false},   {"ungrouped", u'.', 0, false, false},
};

NumberFormat number_style(const QString &name)
{
    for (const style_row &row : styles) {
        if (name == QLatin1String(row.name)) {
            NumberFormat format;
            format.decimal = row.decimal;
            format.thousand = row.thousand;
            format.show_zero = row.show_zero;
            format.plain = row.plain;
            format.not_available = QStringLiteral("n/a");
            return format;
        }
    }
    qFatal("unknown style");
}

NumberFormat with_mask(const QString &mask)
{
    NumberFormat format;
    format.date_mask = mask;
    return format;
}

const QString time_mask = QStringLiteral("%yyyy-%mm-%ddT%hh:%ii:%ssZ");
constexpr qint64 day = 86400;

bool is_leap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

class TestFormatting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatNumber_data();
    void formatNumber();
    void extremeArguments();
    void numberFormatOf_data();
    void numberFormatOf();

    void knownDates_data();
    void knownDates();
    void calendarWalk();
    void uncheckedFields();
    void extremeDates();

    void dateText_data();
    void dateText();
    void parseDate_data();
    void parseDate();
    void roundTrip();

    void parseAmount_data();
    void parseAmount();

    void menuTexts();
    void currencyItems();
};

void TestFormatting::formatNumber_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("decimals");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<qint64>("flags");
    QTest::addColumn<QString>("expected");

    const QString euro = QStringLiteral("\u20AC");
    const auto row = [](const char *name, const char *style, double value, qint64 decimals,
                        const QString &unit, qint64 flags, const QString &expected) {
        QTest::newRow(name) << QString::fromLatin1(style) << value << decimals << unit << flags
                            << expected;
    };

    row("amount", "de", 1234.5, 2, euro, 2, QStringLiteral("1.234,50 \u20AC"));
    row("amount, plain", "de plain", 1234.5, 2, euro, 2, QStringLiteral("1.234,50"));
    row("negative, plain: ASCII minus", "de plain", -1234.5, 2, euro, 3, "-1.234,50");
    row("signed, plain: no plus", "de plain", 5, 0, {}, 1, "5");
    row("negative signed", "en", -3, 0, {}, 1, QStringLiteral("\u22123"));
    row("positive signed", "en", 3, 0, {}, 1, "+3");
    row("positive unsigned", "en", 3, 0, {}, 0, "3");
    row("negative unsigned", "en", -3, 0, {}, 0, QStringLiteral("\u22123"));

    row("zero hidden", "de", 0, 2, euro, 2, "");
    row("zero shown", "de zero", 0, 2, euro, 2, QStringLiteral("0,00 \u20AC"));
    row("minus zero hidden", "de", -0.0, 2, euro, 2, "");
    row("minus zero shown without sign", "de zero", -0.0, 2, {}, 1, "0,00");
    row("zero shown, signed: no plus", "en zero", 0, 0, {}, 1, "0");
    row("zero hidden, plain", "de plain", 0, 2, {}, 0, "");

    row("not available", "de", -1, 0, {}, 4, "n/a");
    row("not available, zero shown", "de zero", -1, 2, euro, 6, "n/a");
    row("not available, plain", "de plain", -1, 0, {}, 4, "n/a");
    row("-1 without flag 4", "en", -1, 0, {}, 2, QStringLiteral("\u22121"));
    row("near -1 is a number", "en", -1.0000001, 2, {}, 4, QStringLiteral("\u22121.00"));

    row("decimals -1, whole", "en", 12, -1, {}, 0, "12");
    row("decimals -1, tie of the stored double", "en", 12.25, -1, {}, 0, "12.2");
    row("decimals -1, fraction", "en", 12.26, -1, {}, 0, "12.3");
    row("decimals -1, negative", "en", -12.25, -1, {}, 0, QStringLiteral("\u221212.2"));
    row("decimals -2, fraction", "en", 0.5, -2, {}, 0, "0.50");
    row("decimals -2, whole grouped", "en", 12000, -2, {}, 2, "12,000");

    row("tiny negative", "en", -0.004, 2, {}, 0, QStringLiteral("\u22120.00"));
    row("tiny negative, plain", "de plain", -0.004, 2, {}, 0, "-0,00");
    row("-0.005 is below the tie", "en", -0.005, 2, {}, 0, QStringLiteral("\u22120.01"));
    row("tiny positive signed", "en", 0.001, 2, {}, 1, "+0.00");

    row("grouped en", "en", 1234567.891, 2, {}, 2, "1,234,567.89");
    row("grouped de", "de", 1234567.891, 2, {}, 2, "1.234.567,89");
    row("grouped apostrophe", "swiss", 1234567.891, 2, {}, 2, "1'234'567.89");
    row("grouped space", "space", 1234567.891, 2, {}, 2, "1 234 567,89");
    row("grouping with no separator", "ungrouped", 1234567.891, 2, {}, 2, "1234567.89");
    row("not grouped without flag 2", "en", 1234567.891, 2, {}, 0, "1234567.89");
    row("grouped negative", "en", -1234567.891, 2, {}, 2, QStringLiteral("\u22121,234,567.89"));
    row("grouped negative, six digits", "en", -123456, 0, {}, 3, QStringLiteral("\u2212123,456"));
    row("grouped below 1000", "en", 999, 0, {}, 2, "999");
    row("grouped below 1000, negative", "en", -999.5, 1, {}, 2, QStringLiteral("\u2212999.5"));
    row("rounding carries into a group", "en", 999.999, 2, {}, 2, "1,000.00");
    row("just below the carry", "en", 999.994, 2, {}, 2, "999.99");
    row("four digits", "de", 1000, 0, {}, 2, "1.000");

    row("0.125: exact tie", "en", 0.125, 2, {}, 0, "0.12");
    row("2.675 is stored below", "en", 2.675, 2, {}, 0, "2.67");
    row("1.005 is stored below", "en", 1.005, 2, {}, 0, "1.00");
    row("0.675 is stored above", "en", 0.675, 2, {}, 0, "0.68");

    row("big", "en", 1e15, 2, {}, 2, "1,000,000,000,000,000.00");
    row("big, not representable", "en", 123456789012345678.0, 0, {}, 2, "123,456,789,012,345,680");
    row("2^53 + 1", "de", 9007199254740993.0, 0, {}, 2, "9.007.199.254.740.992");
    row("1e22", "ungrouped", 1e22, 1, {}, 2, "10000000000000000000000.0");

    row("unit after blank", "en", 7.1, -1, "cm", 2, "7.1 cm");
    row("unit, signed", "de", 2.5, 2, euro, 3, QStringLiteral("+2,50 \u20AC"));
    row("unit, negative", "de", -5, 2, euro, 3, QStringLiteral("\u22125,00 \u20AC"));
    row("unit, plain: dropped", "de plain", 7.1, 1, "cm", 0, "7,1");
    row("not available has no unit", "en", -1, 0, "cm", 4, "n/a");

    const double inf = std::numeric_limits<double>::infinity();
    row("infinity", "en", inf, 2, {}, 2, QStringLiteral("\u221E"));
    row("infinity, signed with unit", "en", inf, 2, "%", 1, QStringLiteral("+\u221E %"));
    row("minus infinity", "en", -inf, -1, euro, 0, QStringLiteral("\u2212\u221E \u20AC"));
    row("minus infinity, plain", "de plain", -inf, 2, euro, 0, QStringLiteral("-\u221E"));
    row("NaN", "en zero", std::nan(""), 2, euro, 1, "");
}

void TestFormatting::formatNumber()
{
    QFETCH(QString, style);
    QFETCH(double, value);
    QFETCH(qint64, decimals);
    QFETCH(QString, unit);
    QFETCH(qint64, flags);
    QFETCH(QString, expected);
    QCOMPARE(format_number(number_style(style), value, decimals, unit, flags), expected);
}

void TestFormatting::extremeArguments()
{
    const NumberFormat en = number_style(QStringLiteral("en"));

    // The largest double has 309 integer digits: every one is exact and grouped.
    const QString biggest = format_number(en, DBL_MAX, 0, {}, 2);
    char expected[400];
    std::snprintf(expected, sizeof expected, "%.0f", DBL_MAX);
    QCOMPARE(biggest.count(u','), 102);
    QCOMPARE(QString(biggest).remove(u','), QString::fromLatin1(expected));
    const QString lowest =
        format_number(number_style(QStringLiteral("de plain")), -DBL_MAX, 2, {}, 2);
    QVERIFY(lowest.startsWith(u'-'));
    QVERIFY(lowest.endsWith(QLatin1String(",00")));

    // Absurd place counts are capped instead of overflowing the digit buffer.
    std::snprintf(expected, sizeof expected, "%.40f", 0.1);
    QCOMPARE(format_number(en, 0.1, 1000, {}, 0), QString::fromLatin1(expected));
    QCOMPARE(format_number(en, 0.1, std::numeric_limits<qint64>::min(), {}, 0),
             QString::fromLatin1(expected));
    QCOMPARE(format_number(en, 5, std::numeric_limits<qint64>::min(), {}, 0), QStringLiteral("5"));
    QCOMPARE(format_number(en, 5, std::numeric_limits<qint64>::max(), {}, 0).size(), 42);

    // Only an exact zero counts as zero.
    QCOMPARE(format_number(en, DBL_TRUE_MIN, 2, {}, 0), QStringLiteral("0.00"));
}

void TestFormatting::numberFormatOf_data()
{
    QTest::addColumn<qint64>("fmt_decimal");
    QTest::addColumn<qint64>("fmt_thousand");
    QTest::addColumn<qint64>("view_settings");
    QTest::addColumn<int>("decimal");
    QTest::addColumn<int>("thousand");
    QTest::addColumn<bool>("show_zero");

    QTest::newRow("comma, dot, zero shown") << 44LL << 46LL << 1LL << int(',') << int('.') << true;
    QTest::newRow("dot, comma") << 46LL << 44LL << 0LL << int('.') << int(',') << false;
    QTest::newRow("no grouping, other view bits") << 46LL << 0LL << 6LL << int('.') << 0 << false;
    QTest::newRow("apostrophe, all view bits")
        << 44LL << 39LL << -1LL << int(',') << int('\'') << true;
    QTest::newRow("space") << 44LL << 32LL << 0LL << int(',') << int(' ') << false;
    QTest::newRow("unknown codes") << 39LL << 65LL << 0LL << int('.') << 0 << false;
    QTest::newRow("zero decimal code") << 0LL << -46LL << 0LL << int('.') << 0 << false;
    QTest::newRow("code beyond 16 bits")
        << 44LL + 65536 << 46LL + 65536 << 0LL << int('.') << 0 << false;
}

void TestFormatting::numberFormatOf()
{
    QFETCH(qint64, fmt_decimal);
    QFETCH(qint64, fmt_thousand);
    QFETCH(qint64, view_settings);
    QFETCH(int, decimal);
    QFETCH(int, thousand);
    QFETCH(bool, show_zero);

    collection c;
    c.fmt_date = QStringLiteral("%yyyy/%mm/%dd");
    c.fmt_decimal = fmt_decimal;
    c.fmt_thousand = fmt_thousand;
    c.view_settings = view_settings;
    Texts texts;
    texts.set(QStringLiteral("txt_na"), QStringLiteral("n. a."));

    const NumberFormat format = NumberFormat::of(c, texts);
    QCOMPARE(int(format.decimal), decimal);
    QCOMPARE(int(format.thousand), thousand);
    QCOMPARE(format.show_zero, show_zero);
    QCOMPARE(format.plain, false);
    QCOMPARE(format.date_mask, c.fmt_date);
    QCOMPARE(format.not_available, QStringLiteral("n. a."));
}

void TestFormatting::knownDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("mday");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<int>("wday");

    QTest::newRow("epoch") << 1970 << 1 << 1 << 0LL << 4;
    QTest::newRow("day before the epoch") << 1969 << 12 << 31 << -1LL << 3;
    QTest::newRow("2019-12-24, Tuesday") << 2019 << 12 << 24 << 18254LL << 2;
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 11016LL << 2;
    QTest::newRow("leap day 2020") << 2020 << 2 << 29 << 18321LL << 6;
    QTest::newRow("1900-01-01") << 1900 << 1 << 1 << -25567LL << 1;
    QTest::newRow("1900 has no leap day") << 1900 << 3 << 1 << -25508LL << 4;
    QTest::newRow("2100 has no leap day") << 2100 << 3 << 1 << 47541LL << 1;
    QTest::newRow("last 32-bit day") << 2038 << 1 << 19 << 24855LL << 2;
    QTest::newRow("9999-12-31") << 9999 << 12 << 31 << 2932896LL << 5;
    QTest::newRow("1600-01-01") << 1600 << 1 << 1 << -135140LL << 6;
}

void TestFormatting::knownDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, mday);
    QFETCH(qint64, days);
    QFETCH(int, wday);

    const qint64 start = days * day;
    QCOMPARE(date_from_civil(year, month, mday), start);
    QCOMPARE(date_from_civil(year, month, mday, 23, 59, 59), start + day - 1);
    for (qint64 date : {start, start + 1, start + day - 1}) {
        QCOMPARE(day_number(date), days);
        QCOMPARE(weekday(date), wday);
    }
    // The second before midnight belongs to the day before, also before 1970.
    QCOMPARE(day_number(start - 1), days - 1);
    QCOMPARE(weekday(start - 1), (wday + 6) % 7);

    const civil_time t = civil_from_date(start + 13 * 3600 + 4 * 60 + 5);
    QCOMPARE(t.year, year);
    QCOMPARE(t.month, month);
    QCOMPARE(t.day, mday);
    QCOMPARE(t.hour, 13);
    QCOMPARE(t.minute, 4);
    QCOMPARE(t.second, 5);
}

void TestFormatting::calendarWalk()
{
    // Every day from 1900 to 9999, counted with the plain leap-year rule.
    int year = 1900;
    int month = 1;
    int mday = 1;
    int wday = 1;
    constexpr int month_days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (qint64 days = -25567; year <= 9999; ++days) {
        const qint64 date = days * day + (days % 7 + 7) * 3571 % day; // some time of the day
        const civil_time t = civil_from_date(date);
        if (t.year != year || t.month != month || t.day != mday || weekday(date) != wday ||
            date_from_civil(year, month, mday) != days * day || day_number(date) != days)
            QFAIL(qPrintable(QStringLiteral("wrong at %1-%2-%3").arg(year).arg(month).arg(mday)));
        wday = (wday + 1) % 7;
        if (++mday > month_days[month - 1] + (month == 2 && is_leap(year) ? 1 : 0)) {
            mday = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

void TestFormatting::uncheckedFields()
{
    QCOMPARE(date_from_civil(2020, 13, 1), date_from_civil(2021, 1, 1));
    QCOMPARE(date_from_civil(2020, 0, 1), date_from_civil(2019, 12, 1));
    QCOMPARE(date_from_civil(2020, -11, 1), date_from_civil(2019, 1, 1));
    QCOMPARE(date_from_civil(2020, 1, 32), date_from_civil(2020, 2, 1));
    QCOMPARE(date_from_civil(2020, 3, 0), date_from_civil(2020, 2, 29));
    QCOMPARE(date_from_civil(2020, 1, 1, 24), date_from_civil(2020, 1, 2));
    QCOMPARE(date_from_civil(2020, 1, 1, 0, -1), date_from_civil(2019, 12, 31, 23, 59));
    // Any int fields give a result (64-bit arithmetic throughout).
    QVERIFY(date_from_civil(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX) > 0);
    QVERIFY(date_from_civil(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN) < 0);
}

void TestFormatting::extremeDates()
{
    const qint64 min = std::numeric_limits<qint64>::min();
    const qint64 max = std::numeric_limits<qint64>::max();

    // Clamped to the four-digit years.
    const civil_time first = civil_from_date(min);
    QCOMPARE(first.year, 0);
    QCOMPARE(first.month, 1);
    QCOMPARE(first.day, 1);
    QCOMPARE(first.hour, 0);
    const civil_time last = civil_from_date(max);
    QCOMPARE(last.year, 9999);
    QCOMPARE(last.month, 12);
    QCOMPARE(last.day, 31);
    QCOMPARE(last.second, 59);
    QCOMPARE(format_date(max, time_mask), QStringLiteral("9999-12-31T23:59:59Z"));
    QCOMPARE(format_date(min, QStringLiteral("%dd.%mm.%yyyy")), QStringLiteral("01.01.0000"));
    QCOMPARE(format_date(-1, time_mask), QStringLiteral("1969-12-31T23:59:59Z"));

    QCOMPARE(day_number(min), min / day - 1);
    QCOMPARE(day_number(max), max / day);
    QVERIFY(weekday(min) >= 0 && weekday(min) < 7);
    QVERIFY(weekday(max) >= 0 && weekday(max) < 7);
}

void TestFormatting::dateText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<qint64>("date");
    QTest::addColumn<QString>("expected");

    const QString iso = QStringLiteral("%yyyy-%mm-%dd");
    QTest::newRow("no date") << iso << -1LL << "";
    QTest::newRow("other negative") << iso << -86400LL << "";
    QTest::newRow("limit") << iso << 2147483647LL << "";
    QTest::newRow("beyond the limit") << iso << 4107542400LL << "";
    QTest::newRow("last shown") << time_mask << 2147483646LL << "2038-01-19T03:14:06Z";
    QTest::newRow("epoch") << iso << 0LL << "1970-01-01";
    QTest::newRow("leap day at noon")
        << QStringLiteral("%dd.%mm.%yyyy") << 1582977600LL << "29.02.2020";
    QTest::newRow("time tokens") << time_mask << 1577192645LL << "2019-12-24T13:04:05Z";
    QTest::newRow("unknown tokens stay")
        << QStringLiteral("%d %m %yy %% %hhh 100%") << 1577192645LL << "%d %m %yy %% 13h 100%";
    QTest::newRow("empty mask") << QString() << 1577192645LL << "";

    // 2021-03-05: day and month differ and have a leading zero.
    const char *const expected[] = {"05.03.2021", "05-03-2021", "03-05-2021", "2021-03-05",
                                    "05/03/2021", "03/05/2021", "2021/03/05"};
    for (size_t i = 0; i < date_masks.size(); ++i)
        QTest::newRow(qPrintable(date_masks[i].toString()))
            << date_masks[i].toString() << 1614902400LL + 86399 << expected[i];
}

void TestFormatting::dateText()
{
    QFETCH(QString, mask);
    QFETCH(qint64, date);
    QFETCH(QString, expected);
    QCOMPARE(date_text(with_mask(mask), date), expected);
}

void TestFormatting::parseDate_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    const qint64 march5 = 1614902400;
    const char *const texts[] = {"05.03.2021", "05-03-2021", "03-05-2021", "2021-03-05",
                                 "05/03/2021", "03/05/2021", "2021/03/05"};
    for (size_t i = 0; i < date_masks.size(); ++i)
        QTest::newRow(qPrintable(date_masks[i].toString()))
            << date_masks[i].toString() << QString::fromLatin1(texts[i]) << march5;

    const QString de = QStringLiteral("%dd.%mm.%yyyy");
    const QString us = QStringLiteral("%mm/%dd/%yyyy");
    const auto row = [](const char *name, const QString &mask, const QString &text, qint64 date) {
        QTest::newRow(name) << mask << text << date;
    };
    row("single-digit day and month", de, "5.3.2021", march5);
    row("single-digit month", de, "05.3.2021", march5);
    row("single-digit, month first", us, "3/5/2021", march5);
    row("surrounding blanks", de, " \t 05.03.2021  ", march5);
    row("epoch", de, "01.01.1970", 0);
    row("leap day", de, "29.02.2020", 1582934400);
    row("leap day of 2000", de, "29.02.2000", 951782400);
    row("last day", de, "31.12.9999", 253402214400);

    row("31 February", de, "31.02.2020", -1);
    row("29 February, no leap year", de, "29.02.2021", -1);
    row("29 February 2100", de, "29.02.2100", -1);
    row("31 April", de, "31.04.2021", -1);
    row("day 0", de, "00.01.2021", -1);
    row("day 32", de, "32.01.2021", -1);
    row("month 0", de, "01.00.2021", -1);
    row("month 13", de, "01.13.2021", -1);
    row("month-first mask, day-first text", us, "24/12/2019", -1);
    row("before 1970", de, "31.12.1969", -1);
    row("year 0000", de, "01.01.0000", -1);

    row("wrong separator", de, "05-03-2021", -1);
    row("missing separator", de, "0503.2021", -1);
    row("blank inside", de, "05. 03.2021", -1);
    row("trailing junk", de, "05.03.2021x", -1);
    row("trailing digit", de, "05.03.20211", -1);
    row("three-digit day", de, "005.03.2021", -1);
    row("two-digit year", de, "05.03.21", -1);
    row("text ends early", de, "05.03.", -1);
    row("sign", de, "+5.03.2021", -1);
    row("non-ASCII digits", de, QStringLiteral("\u0660\u0665.03.2021"), -1);
    row("empty", de, "", -1);
    row("blanks only", de, "   ", -1);
    row("empty mask", QString(), "05.03.2021", -1);

    row("time mask", time_mask, "2019-12-24T13:04:05Z", 1577192645);
    row("time mask, single digits", time_mask, "2019-12-24T13:4:5Z", 1577192645);
    row("time mask, midnight", time_mask, "2019-12-24T00:00:00Z", 1577145600);
    row("hour 24", time_mask, "2019-12-24T24:00:00Z", -1);
    row("minute 60", time_mask, "2019-12-24T23:60:00Z", -1);
    row("second 60", time_mask, "2019-12-24T23:59:60Z", -1);
    row("time mask, no Z", time_mask, "2019-12-24T13:04:05", -1);
    row("mask without a year", QStringLiteral("%dd.%mm."), "24.12.", 30844800);
}

void TestFormatting::parseDate()
{
    QFETCH(QString, mask);
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(parse_date(with_mask(mask), text), expected);
    QCOMPARE(parse_date_with_mask(text, mask), expected);
}

void TestFormatting::roundTrip()
{
    // Shown and read back, a date keeps its day; the time mask keeps it to the second.
    const NumberFormat timed = with_mask(time_mask);
    for (qint64 date = 0; date < date_limit; date += 3 * day + 4567) {
        for (QStringView mask : date_masks) {
            const NumberFormat format = with_mask(mask.toString());
            QCOMPARE(parse_date(format, date_text(format, date)), day_number(date) * day);
        }
        QCOMPARE(parse_date(timed, date_text(timed, date)), date);
    }
}

void TestFormatting::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma") << "12,50" << 12.5;
    QTest::newRow("point") << "12.50" << 12.5;
    QTest::newRow("grouped German: stops at the second point") << "1.234,56" << 1.234;
    QTest::newRow("exponent, junk after") << " -3e2x" << -300.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks") << " \t " << 0.0;
    QTest::newRow("plus sign") << "+7.5" << 7.5;
    QTest::newRow("no integer digits") << "-.5" << -0.5;
    QTest::newRow("comma first") << ",5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("trailing comma") << "5," << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("negative exponent") << "2E-2" << 0.02;
    QTest::newRow("comma and exponent") << "1,5e1" << 15.0;
    QTest::newRow("blank ends the number") << "12 50" << 12.0;
    QTest::newRow("unit after") << QStringLiteral("5 \u20AC") << 5.0;
    QTest::newRow("unit before") << QStringLiteral("\u20AC 5") << 0.0;
    QTest::newRow("hex is not a number") << "0x1A" << 0.0;
    QTest::newRow("inf is not a number") << "inf" << 0.0;
    QTest::newRow("infinity is not a number") << "-infinity" << 0.0;
    QTest::newRow("nan is not a number") << "nan" << 0.0;
    QTest::newRow("overflow") << "1e400" << 0.0;
    QTest::newRow("minus zero") << "-0,0" << 0.0;
    QTest::newRow("long text") << QString(5000, u'0').append(QStringLiteral("12,5")) << 12.5;
}

void TestFormatting::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = parse_amount(text);
    QCOMPARE(value, expected);
    QVERIFY(!std::signbit(value) || value < 0); // no -0 reaches the collection
}

void TestFormatting::menuTexts()
{
    QCOMPARE(date_menu_texts(), QStringList({"24.12.2019", "24-12-2019", "12-24-2019", "2019-12-24",
                                             "24/12/2019", "12/24/2019", "2019/12/24"}));
    QCOMPARE(decimal_menu_texts(), QStringList({"149,95", "149.95"}));
    QCOMPARE(thousands_menu_texts(),
             QStringList({"12345", "12.345", "12,345", "12'345", "12 345"}));
}

void TestFormatting::currencyItems()
{
    Texts texts;
    texts.set(QStringLiteral("VAL_UVP"), QStringLiteral("RRP"));
    const QString auto_text = QStringLiteral(" \u2192 Auto-Brickset-RRP: ");

    const auto dump = [](const std::vector<currency_menu_item> &items) {
        QStringList out;
        for (const currency_menu_item &item : items)
            out.append(QString::number(item.row) + u'=' + item.text);
        return out;
    };

    const QStringList built_in = {
        "0=EUR (\u20AC)",
        "1=EUR-DE (\u20AC)" + auto_text + "DE",
        "2=EUR-FR (\u20AC)",
        "21=GBP (\u00A3)" + auto_text + "UK",
        "22=USD ($)" + auto_text + "US",
        "23=CAD ($)" + auto_text + "CA",
        "24=AUD ($)",
        "25=CHF (Fr)",
        "26=CZK (K\u010D)",
        "27=PLN (Z\u0142)",
        "28=DKK (Dkr)",
        "29=SEK (Skr)",
        "30=NOK (Nkr)",
        "31=NZD ($)",
        "32=MXN ($)",
    };
    QCOMPARE(dump(currency_menu_items(CurrencyTable::built_in(), texts)), built_in);

    // Row order, not file order; a missing region is DE, an empty one none.
    const CurrencyTable file = CurrencyTable::parse("[Later]\nid = 50\nsymbol1 = L\n"
                                                    "[Earlier]\nid = 3\nuvp_get =\n");
    QCOMPARE(
        dump(currency_menu_items(file, texts)),
        QStringList({QStringLiteral("3=Earlier (\u20AC)"), "50=Later (L)" + auto_text + "DE"}));
}

QTEST_GUILESS_MAIN(TestFormatting)
#include "test_formatting.moc"

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/formatting.h"

#include "core/texts.h"
#include "properties/currency_table.h"
#include "store/records.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace tandora {

namespace {

constexpr char16_t minus_sign = u'\u2212';
constexpr char16_t infinity_sign = u'\u221E';
// More places than a double carries; bounds the digit buffer whatever the caller asks.
constexpr qint64 max_places = 40;
// The largest double has 309 integer digits.
constexpr size_t max_fixed_length = 309 + 1 + size_t(max_places) + 8;

int decimal_places(double value, qint64 decimals)
{
    if (decimals >= 0)
        return int(std::min(decimals, max_places));
    if (std::trunc(value) == value)
        return 0;
    return int(decimals < -max_places ? max_places : -decimals);
}

template<size_t N> bool offered(const std::array<qint64, N> &codes, qint64 code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool is_digit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

NumberFormat NumberFormat::of(const collection &c, const Texts &texts)
{
    NumberFormat format;
    format.date_mask = c.fmt_date;
    // The codes are the separator characters themselves.
    format.decimal = offered(decimal_separators, c.fmt_decimal) ? char16_t(c.fmt_decimal) : u'.';
    format.thousand = offered(thousands_separators, c.fmt_thousand) ? char16_t(c.fmt_thousand) : 0;
    format.show_zero = (c.view_settings & 1) != 0;
    format.plain = false;
    format.not_available = texts.text(u"txt_na");
    return format;
}

QString format_number(const NumberFormat &format, double value, qint64 decimals, QStringView unit,
                      qint64 flags)
{
    if ((flags & 4) != 0 && value == -1)
        return format.not_available;
    if (std::isnan(value))
        return {};
    const int places = decimal_places(value, decimals);
    if (value == 0) {
        if (!format.show_zero)
            return {};
        value = 0; // drops the sign of -0.0
    }
    // Anything below zero keeps its sign, even when it rounds to 0.00.
    const bool negative = value < 0;
    const bool infinite = std::isinf(value);

    // Digits of the magnitude; the exact binary value decides the rounding.
    char digits[max_fixed_length];
    const char *integer_end = digits;
    const char *end = digits;
    if (!infinite) {
        const auto [ptr, ec] = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                             std::chars_format::fixed, places);
        if (ec != std::errc())
            return {};
        end = ptr;
        integer_end = places > 0 ? end - places - 1 : end;
    }
    const qsizetype integer_digits = infinite ? 1 : integer_end - digits;
    const qsizetype fraction_length = infinite || places == 0 ? 0 : places + 1;
    const char16_t group = (flags & 2) != 0 ? format.thousand : char16_t(0);
    const qsizetype separators = group != 0 ? (integer_digits - 1) / 3 : 0;

    char16_t sign = 0;
    if (negative)
        sign = format.plain ? u'-' : minus_sign;
    else if (!format.plain && value > 0 && (flags & 1) != 0)
        sign = u'+';
    const bool with_unit = !format.plain && !unit.isEmpty();

    QString out(qsizetype(sign != 0) + integer_digits + separators + fraction_length +
                    (with_unit ? unit.size() + 1 : 0),
                Qt::Uninitialized);
    char16_t *p = reinterpret_cast<char16_t *>(out.data());
    if (sign != 0)
        *p++ = sign;
    if (infinite) {
        *p++ = infinity_sign;
    } else {
        for (qsizetype i = 0; i < integer_digits; ++i) {
            if (separators != 0 && i > 0 && (integer_digits - i) % 3 == 0)
                *p++ = group;
            *p++ = char16_t(digits[i]);
        }
        if (fraction_length != 0) {
            *p++ = format.decimal;
            p = std::copy(integer_end + 1, end, p);
        }
    }
    if (with_unit) {
        *p++ = u' ';
        std::copy(unit.utf16(), unit.utf16() + unit.size(), p);
    }
    return out;
}

QString date_text(const NumberFormat &format, qint64 date)
{
    if (date < 0 || date >= date_limit)
        return {};
    return format_date(date, format.date_mask);
}

qint64 parse_date(const NumberFormat &format, QStringView text)
{
    return parse_date_with_mask(text, format.date_mask);
}

double parse_amount(QStringView text)
{
    text = text.trimmed();
    const auto at = [text](qsizetype i) { return i < text.size() ? text[i].unicode() : u'\0'; };

    // The extent of the leading number; the exponent counts only when digits follow it.
    qsizetype i = 0;
    if (at(i) == u'-' || at(i) == u'+')
        ++i;
    const qsizetype start = at(0) == u'+' ? 1 : 0; // the reader takes no plus sign
    qsizetype mantissa_digits = 0;
    for (; is_digit(at(i)); ++i)
        ++mantissa_digits;
    if (at(i) == u'.' || at(i) == u',') {
        for (++i; is_digit(at(i)); ++i)
            ++mantissa_digits;
    }
    if (mantissa_digits == 0)
        return 0;
    qsizetype end = i;
    if (at(i) == u'e' || at(i) == u'E') {
        qsizetype k = i + 1;
        if (at(k) == u'-' || at(k) == u'+')
            ++k;
        if (is_digit(at(k))) {
            while (is_digit(at(k)))
                ++k;
            end = k;
        }
    }

    std::string number(size_t(end - start), '\0');
    for (qsizetype k = start; k < end; ++k)
        number[size_t(k - start)] = text[k] == u',' ? '.' : char(text[k].unicode());
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    // Out of range gives 0 rather than an infinity that no file could store.
    if (ec != std::errc() || !std::isfinite(value) || value == 0)
        return 0;
    return value;
}

QStringList date_menu_texts()
{
    const qint64 sample = date_from_civil(2019, 12, 24);
    QStringList texts;
    for (QStringView mask : date_masks)
        texts.append(format_date(sample, mask));
    return texts;
}

QStringList decimal_menu_texts()
{
    NumberFormat format;
    format.thousand = 0;
    QStringList texts;
    for (qint64 code : decimal_separators) {
        format.decimal = char16_t(code);
        texts.append(format_number(format, 149.95, 2, {}, 0));
    }
    return texts;
}

QStringList thousands_menu_texts()
{
    NumberFormat format;
    QStringList texts;
    for (qint64 code : thousands_separators) {
        format.thousand = char16_t(code);
        texts.append(format_number(format, 12345, 0, {}, 2));
    }
    return texts;
}

std::vector<currency_menu_item> currency_menu_items(const CurrencyTable &currencies,
                                                    const Texts &texts)
{
    const QString retail_price = texts.text(u"VAL_UVP");
    std::vector<currency_menu_item> items;
    for (int row = 0; row < currency_row_count; ++row) {
        const currency_row &currency = currencies.row(row);
        if (!currency.valid)
            continue;
        QString text = currency.name + QLatin1String(" (") + currency.symbol1 + u')';
        if (!currency.uvp_get.isEmpty())
            text += QStringLiteral(" \u2192 Auto-Brickset-") + retail_price + QLatin1String(": ") +
                    currency.uvp_get;
        items.push_back({row, text});
    }
    return items;
}

} // namespace tandora

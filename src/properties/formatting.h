// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "properties/dates.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

namespace tandora {

struct collection;
class CurrencyTable;
class Texts;

// The calendar, format_date and parse_date_with_mask live in properties/dates.h.

// The date masks offered, in menu order (tokens as in format_date).
inline constexpr std::array<QStringView, 7> date_masks = {
    u"%dd.%mm.%yyyy", u"%dd-%mm-%yyyy", u"%mm-%dd-%yyyy", u"%yyyy-%mm-%dd",
    u"%dd/%mm/%yyyy", u"%mm/%dd/%yyyy", u"%yyyy/%mm/%dd",
};
// Decimal separators (character codes) in menu order, and the thousands separators
// (0 = none).
inline constexpr std::array<qint64, 2> decimal_separators = {44, 46};
inline constexpr std::array<qint64, 5> thousands_separators = {0, 46, 44, 39, 32};

// The user's number and date choices of the current collection, and the switches that
// change every shown number.
struct NumberFormat
{
    QString date_mask = QStringLiteral("%dd.%mm.%yyyy");
    char16_t decimal = u'.';
    char16_t thousand = u','; // 0: no grouping
    bool show_zero = false;   // view option: zero values are shown
    bool plain = false;       // plain output: bare numbers, no decorations (table export)
    QString not_available;    // text of #txt_na

    static NumberFormat of(const collection &c, const Texts &texts);
};

// A number as shown. flags are the format bits of the catalogue: 1 signed ("+" before
// positive values), 2 grouped, 4 the value -1 shows the not-available text. Negative
// decimals -n: none for whole values, else n. A negative value starts with U+2212 unless
// plain output is on; a non-empty unit follows after a blank.
QString format_number(const NumberFormat &format, double value, qint64 decimals, QStringView unit,
                      qint64 flags);
// Empty for a negative date or one from date_limit on; otherwise the date with the mask.
QString date_text(const NumberFormat &format, qint64 date);
// The text read with the collection's mask; -1 when it does not match (also the empty text).
qint64 parse_date(const NumberFormat &format, QStringView text);
// A typed amount: surrounding spaces removed, every "," read as ".", then the longest
// leading decimal number (sign, digits, one point, exponent); 0 when there is none.
double parse_amount(QStringView text);

// Texts of the Format submenus, in menu order.
QStringList date_menu_texts();
QStringList decimal_menu_texts();
QStringList thousands_menu_texts();
struct currency_menu_item
{
    int row; // the item's id is 141 + row
    QString text;
};
std::vector<currency_menu_item> currency_menu_items(const CurrencyTable &currencies,
                                                    const Texts &texts);

} // namespace tandora

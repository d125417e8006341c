// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace tandora {

class Texts;

// Every column, sort key and filter condition addresses one of these properties by id.
inline constexpr int property_count = 102;

enum class PropertyKind : qint64 {
    TextList = -2,
    Text = -1,
    None = 0,
    Number = 1,
    Money = 2,
    Choice = 3,
    Date = 4,
    Colour = 5,
};

enum class Align : quint8 { Left = 0, Right = 1, Centre = 2 };

// Bits of a property's number format.
enum FormatFlag : qint64 {
    format_signed = 1,  // "+" before positive values, green and red in the list
    format_grouped = 2, // thousands separator
    format_na = 4,      // -1 shows the not-available text
    format_minor = 8,   // money in the hundredth unit
};

enum class ChoiceList : quint8 {
    None,
    CheckMark,
    Presence,
    Template,
    Condition,
    State,
    Completeness
};

// One entry of a choice list: a literal prefix followed by the text of a language key.
struct choice_entry
{
    std::string_view prefix;
    std::string_view key;
};

// The static description of a property, one row per property in catalogue order.
struct property_def
{
    qint64 valID;
    std::string_view label_key;
    bool brickset;                 // value taken from downloaded set data: label begins "~"
    std::string_view label_suffix; // region of the retail price columns
    PropertyKind kind;
    qint64 width;
    Align align;
    qint64 cHide;
    qint64 print;
    qint64 sortDir; // 0 ascending, 1 descending
    qint64 format;
    ChoiceList choices;
    qint64 decimals; // -n: none for whole values, else n
    std::string_view unit_key;
    int unit_currency_row; // first symbol of this currency row as unit; -1 none
};

// All rows in catalogue order (the default column order).
std::span<const property_def> property_table();
bool is_property_id(qint64 id);
// The row of a property id; an id outside 0..101 gets an empty row of no kind.
const property_def &property_def_of(qint64 id);
// Position of the id in catalogue order; -1 for an id that is no property.
int catalogue_position(qint64 id);

std::span<const choice_entry> choice_entries(ChoiceList list);
// Spaces put before the displayed text: 3 for the two mark lists.
qint64 property_indent(qint64 id);

// Index into the strip of eight kind icons: no kind 0, text 1, choice 2, number 3, text list 4,
// date 5, money 6, colour 7.
int kind_icon(PropertyKind kind);

// The registration check: every id once, so the ids add up to 0 + 1 + ... + 101.
bool catalogue_ids_complete();

column default_column(qint64 id);
// One default column per property, in catalogue order.
std::vector<column> default_columns();

// Labels, units and choice texts in the user's language.
class Catalogue final
{
public:
    // symbol1 gives the first symbol of a currency row, for the regional retail prices.
    Catalogue(const Texts &texts, const std::function<QString(int row)> &symbol1);

    // Empty for an id that is no property.
    const QString &label(qint64 id) const { return at(m_label, id); }
    const QString &unit(qint64 id) const { return at(m_unit, id); }
    QString label_with_unit(qint64 id) const;
    const QStringList &choices(qint64 id) const { return at(m_choices, id); }

private:
    template<typename T> static const T &at(const std::vector<T> &values, qint64 id)
    {
        static const T none;
        return is_property_id(id) ? values[size_t(id)] : none;
    }

    std::vector<QString> m_label;
    std::vector<QString> m_unit;
    std::vector<QStringList> m_choices;
};

} // namespace tandora

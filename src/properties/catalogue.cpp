// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/catalogue.h"

#include "core/texts.h"

#include <array>

namespace tandora {

namespace {

using K = PropertyKind;
using A = Align;
using C = ChoiceList;

// id, label key, "~", label suffix, kind, width, align, cHide, print, sortDir, format, choices,
// decimals, unit key, unit currency row -- in catalogue order.
constexpr property_def catalogue_rows[] = {
    {0, "VAL_Index", false, "", K::Number, 55, A::Left, 0, 1, 1, 0, C::None, 0, "", -1},
    {1, "VAL_Number", false, "", K::Number, 95, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {2, "VAL_Version", false, "", K::Number, 60, A::Centre, 1, 0, 0, 0, C::None, 0, "", -1},
    {3, "VAL_Setnum", false, "", K::Text, 95, A::Left, 0, 1, 0, 0, C::None, 0, "", -1},
    {4, "VAL_Name", true, "", K::Text, 220, A::Left, 0, 1, 0, 0, C::None, 0, "", -1},
    {5, "VAL_Year", true, "", K::Number, 60, A::Centre, 0, 0, 1, 0, C::None, 0, "", -1},
    {6, "VAL_P_Date", false, "", K::Date, 95, A::Centre, 0, 0, 1, 0, C::None, 0, "", -1},
    {7, "VAL_P_Platform", false, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {8, "VAL_P_Person", false, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {9, "VAX_P_Platform", false, "", K::Text, 155, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {10, "VAL_P_Condition", false, "", K::Choice, 165, A::Left, 1, 0, 0, 0, C::Condition, 0, "",
     -1},
    {11, "VAL_P_Number", false, "", K::Text, 165, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {12, "VAL_P_Price", false, "", K::Money, 75, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {13, "VAX_P_Shipc", false, "", K::Money, 65, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {14, "VAX_P_Costs", false, "", K::Money, 65, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {95, "VAL_P_Items", false, "", K::Number, 60, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {15, "VAX_VIP_Get", false, "", K::Number, 85, A::Right, 1, 0, 1, 2, C::None, -1, "", -1},
    {16, "VAX_VIP_Sub", false, "", K::Number, 85, A::Right, 1, 0, 1, 2, C::None, -1, "", -1},
    {17, "VAX_VIP_Sum", false, "", K::Number, 85, A::Right, 1, 0, 1, 3, C::None, -1, "", -1},
    {18, "VAX_VIP_Sum", false, "", K::Money, 75, A::Right, 1, 0, 1, 1, C::None, 0, "", -1},
    {19, "VAL_Cashback", false, "", K::Number, 75, A::Right, 1, 0, 1, 1, C::None, 1, "unit_perc",
     -1},
    {20, "VAL_Cashback", false, "", K::Money, 75, A::Right, 1, 0, 1, 1, C::None, 0, "", -1},
    {21, "VAL_P_Total", false, "", K::Money, 75, A::Right, 0, 0, 1, 0, C::None, 0, "", -1},
    {97, "VAL_UVP", true, "* US", K::Number, 75, A::Right, 1, 0, 1, 0, C::None, 2, "", 22},
    {98, "VAL_UVP", true, "* UK", K::Number, 75, A::Right, 1, 0, 1, 0, C::None, 2, "", 21},
    {99, "VAL_UVP", true, "* CA", K::Number, 75, A::Right, 1, 0, 1, 0, C::None, 2, "", 23},
    {100, "VAL_UVP", true, "* DE", K::Number, 75, A::Right, 1, 0, 1, 0, C::None, 2, "", 1},
    {22, "VAL_UVP", true, "", K::Money, 75, A::Right, 0, 0, 1, 0, C::None, 0, "", -1},
    {23, "VAL_DIF", true, "", K::Number, 75, A::Right, 0, 0, 0, 1, C::None, 1, "unit_perc", -1},
    {24, "VAL_DIF", true, "", K::Money, 75, A::Right, 1, 0, 0, 1, C::None, 0, "", -1},
    {25, "VAL_Quantity", false, "", K::Number, 65, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {26, "VAL_Location", false, "", K::Text, 130, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {27, "VAL_Addition", false, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {28, "VAX_Location", false, "", K::Text, 180, A::Left, 0, 1, 0, 0, C::None, 0, "", -1},
    {29, "VAL_State", false, "", K::Choice, 165, A::Left, 0, 1, 0, 0, C::State, 0, "", -1},
    {30, "VAL_Completeness", false, "", K::Choice, 110, A::Left, 0, 1, 0, 0, C::Completeness, 0, "",
     -1},
    {31, "VAL_Packaging", false, "", K::Choice, 60, A::Left, 0, 1, 1, 0, C::Presence, 0, "", -1},
    {32, "VAL_Instructions", false, "", K::Choice, 60, A::Left, 0, 1, 1, 0, C::Presence, 0, "", -1},
    {33, "VAL_To_Sell", false, "", K::Choice, 60, A::Left, 1, 0, 1, 0, C::CheckMark, 0, "", -1},
    {34, "VAL_Sales_Value", false, "", K::Money, 80, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {35, "VAL_S_Date", false, "", K::Date, 95, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {36, "VAL_S_Platform", false, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {37, "VAL_S_Person", false, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {38, "VAX_S_Platform", false, "", K::Text, 155, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {39, "VAL_S_Condition", false, "", K::Choice, 165, A::Left, 1, 0, 0, 0, C::Condition, 0, "",
     -1},
    {40, "VAL_S_Number", false, "", K::Text, 165, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {41, "VAL_S_Price", false, "", K::Money, 75, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {42, "VAX_S_Shipc", false, "", K::Money, 65, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {43, "VAX_S_Costs", false, "", K::Money, 65, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {96, "VAL_S_Items", false, "", K::Number, 60, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {44, "VAL_S_Total", false, "", K::Money, 75, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {45, "VAL_Profit", false, "", K::Money, 75, A::Right, 1, 0, 1, 1, C::None, 0, "", -1},
    {46, "VAL_Notes", false, "", K::Choice, 60, A::Left, 0, 0, 1, 0, C::CheckMark, 0, "", -1},
    {47, "VAL_Notes", false, "", K::Text, 200, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {48, "VAL_Packtyp", true, "", K::Text, 110, A::Left, 0, 1, 0, 0, C::None, 0, "", -1},
    {49, "VAL_Group", true, "", K::Text, 150, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {50, "VAL_Theme", true, "", K::Text, 150, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {51, "VAL_Subtheme", true, "", K::Text, 150, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {52, "VAX_Group", true, "", K::TextList, 250, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {53, "VAL_Tags", true, "", K::TextList, 250, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {54, "VAL_FigTags", true, "", K::TextList, 180, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {55, "VAL_Mytags", false, "", K::TextList, 180, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {56, "VAL_Mygroup", false, "", K::Text, 130, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {57, "VAL_Documents", false, "", K::TextList, 300, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {58, "VAX_Documents_WP", false, "", K::TextList, 300, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {59, "VAX_Documents_ST", false, "", K::Number, 65, A::Centre, 1, 0, 1, 4, C::None, 0, "", -1},
    {60, "VAL_Availability", true, "", K::Text, 120, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {61, "VAL_Released", true, "", K::Choice, 60, A::Left, 0, 0, 1, 0, C::CheckMark, 0, "", -1},
    {62, "VAL_Category", true, "", K::Text, 100, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {63, "VAL_Minage", true, "", K::Number, 65, A::Centre, 0, 0, 1, 0, C::None, 0, "unit_plus", -1},
    {64, "VAL_FigAnz", true, "", K::Number, 65, A::Centre, 0, 0, 1, 0, C::None, 0, "", -1},
    {65, "VAL_FigIDs", true, "", K::TextList, 250, A::Left, 0, 0, 0, 0, C::None, 0, "", -1},
    {101, "VAL_Altparts", false, "", K::Number, 65, A::Right, 1, 0, 1, 2, C::None, 0, "", -1},
    {66, "VAL_Pieces", true, "", K::Number, 65, A::Right, 0, 0, 1, 2, C::None, 0, "", -1},
    {67, "VAL_Weight", true, "", K::Number, 75, A::Right, 0, 0, 1, 2, C::None, 0, "unit_g", -1},
    {68, "VAL_Weight", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, 2, "unit_kg", -1},
    {69, "VAX_PPP_UVP", true, "", K::Money, 75, A::Right, 0, 0, 0, 8, C::None, 0, "", -1},
    {70, "VAX_PPP_TOT", true, "", K::Money, 75, A::Right, 1, 0, 0, 8, C::None, 0, "", -1},
    {71, "VAX_PPG_UVP", true, "", K::Money, 75, A::Right, 0, 0, 0, 8, C::None, 0, "", -1},
    {72, "VAX_PPG_TOT", true, "", K::Money, 75, A::Right, 1, 0, 0, 8, C::None, 0, "", -1},
    {73, "VAL_Boxsize_w", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, -1, "unit_cm",
     -1},
    {74, "VAL_Boxsize_h", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, -1, "unit_cm",
     -1},
    {75, "VAL_Boxsize_d", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, -1, "unit_cm",
     -1},
    {76, "VAL_Boxsize_v", true, "", K::Number, 90, A::Right, 1, 0, 1, 2, C::None, 0, "unit_cm3",
     -1},
    {77, "VAL_Boxsize", true, "", K::Text, 160, A::Right, 0, 0, 0, 0, C::None, 0, "", -1},
    {78, "VAL_Description", true, "", K::Text, 200, A::Left, 1, 0, 0, 0, C::None, 0, "", -1},
    {79, "VAL_Code_EAN", true, "", K::Text, 120, A::Right, 1, 0, 0, 0, C::None, 0, "", -1},
    {80, "VAL_Code_UPC", true, "", K::Text, 120, A::Right, 1, 0, 0, 0, C::None, 0, "", -1},
    {81, "VAL_OwnedBy", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, 0, "", -1},
    {82, "VAL_WantedBy", true, "", K::Number, 75, A::Right, 1, 0, 1, 2, C::None, 0, "", -1},
    {83, "VAL_Rating", true, "", K::Number, 75, A::Right, 1, 0, 1, 0, C::None, 2, "", -1},
    {84, "VAL_Brickset", true, "", K::Choice, 60, A::Left, 1, 0, 1, 0, C::CheckMark, 0, "", -1},
    {85, "VAL_Alternate", true, "", K::Choice, 60, A::Left, 1, 0, 1, 0, C::CheckMark, 0, "", -1},
    {86, "VAL_Modified_BS", true, "", K::Date, 95, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {87, "VAL_Received_BS", false, "", K::Date, 95, A::Centre, 0, 0, 1, 0, C::None, 0, "", -1},
    {88, "VAL_Last_Edit", false, "", K::Date, 95, A::Centre, 0, 0, 1, 0, C::None, 0, "", -1},
    {89, "VAL_Reminder", false, "", K::Date, 95, A::Centre, 1, 0, 1, 0, C::None, 0, "", -1},
    {90, "VAL_Reminder", false, "", K::Number, 80, A::Right, 1, 0, 1, 1, C::None, 0, "unit_days",
     -1},
    {91, "VAL_Template", false, "", K::Choice, 120, A::Left, 1, 0, 0, 0, C::Template, 0, "", -1},
    {92, "VAL_Thumbsize", false, "", K::Number, 100, A::Right, 1, 0, 1, 6, C::None, 0, "unit_byte",
     -1},
    {94, "VAL_Marker", false, "", K::Number, 60, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
    {93, "VAL_Color", false, "", K::Colour, 100, A::Right, 1, 0, 1, 0, C::None, 0, "", -1},
};
static_assert(std::size(catalogue_rows) == property_count);

constexpr choice_entry check_mark[] = {{"", ""}, {"✓", ""}};
constexpr choice_entry presence_marks[] = {{"", ""},    {"✓", ""},    {"✓-", ""},
                                           {"✓--", ""}, {"✓---", ""}, {"✓*", ""}};
constexpr choice_entry template_texts[] = {{"", ""},        {"", "templ_1"}, {"", "templ_2"},
                                           {"", "templ_3"}, {"", "templ_4"}, {"", "templ_5"}};
constexpr choice_entry condition_texts[] = {{"", ""},        {"", "condi_1"}, {"", "condi_2"},
                                            {"", "condi_3"}, {"", "condi_4"}, {"", "condi_5"}};
constexpr choice_entry state_texts[] = {
    {"", ""},
    {"", "state_01_sealed"},
    {"", "state_02_opened"},
    {"", "state_03_under_construction"},
    {"", "state_04_assembled"},
    {"", "state_05_loose_parts_set"},
    {"", "state_06_loose_parts_mix"},
    {"", "state_07_loose_parts_sale"},
    {"", "state_08_packed_up"},
    {"", "state_09_lend_out"},
    {"✝ ", "state_10_sold"},
    {"✝ ", "state_11_given_away"},
    {"✝ ", "state_12_lost"},
};
constexpr choice_entry completeness_texts[] = {
    {"", ""}, {"", "compl_1"}, {"", "compl_2"}, {"", "compl_3"}, {"", "compl_4"}};

const std::array<int, property_count> &positions()
{
    static const std::array<int, property_count> table = [] {
        std::array<int, property_count> p{};
        for (int i = 0; i < property_count; ++i)
            p[size_t(catalogue_rows[i].valID)] = i;
        return p;
    }();
    return table;
}

QString utf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

std::span<const property_def> property_table()
{
    return catalogue_rows;
}

bool is_property_id(qint64 id)
{
    return id >= 0 && id < property_count;
}

int catalogue_position(qint64 id)
{
    return is_property_id(id) ? positions()[size_t(id)] : -1;
}

const property_def &property_def_of(qint64 id)
{
    // Ids come from files; one that names no property gets a row without kind or label.
    static constexpr property_def no_property{-1, "", false, "",      K::None, 0,  A::Left, 1,
                                              0,  0,  0,     C::None, 0,       "", -1};
    return is_property_id(id) ? catalogue_rows[catalogue_position(id)] : no_property;
}

std::span<const choice_entry> choice_entries(ChoiceList list)
{
    switch (list) {
    case ChoiceList::None:
        return {};
    case ChoiceList::CheckMark:
        return check_mark;
    case ChoiceList::Presence:
        return presence_marks;
    case ChoiceList::Template:
        return template_texts;
    case ChoiceList::Condition:
        return condition_texts;
    case ChoiceList::State:
        return state_texts;
    case ChoiceList::Completeness:
        return completeness_texts;
    }
    return {};
}

qint64 property_indent(qint64 id)
{
    const ChoiceList list = property_def_of(id).choices;
    return list == ChoiceList::CheckMark || list == ChoiceList::Presence ? 3 : 0;
}

int kind_icon(PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::None:
        return 0;
    case PropertyKind::Text:
        return 1;
    case PropertyKind::Choice:
        return 2;
    case PropertyKind::Number:
        return 3;
    case PropertyKind::TextList:
        return 4;
    case PropertyKind::Date:
        return 5;
    case PropertyKind::Money:
        return 6;
    case PropertyKind::Colour:
        return 7;
    }
    return 0;
}

bool catalogue_ids_complete()
{
    qint64 sum = 0;
    for (const property_def &p : catalogue_rows)
        sum += p.valID;
    return sum == qint64(property_count) * (property_count - 1) / 2;
}

column default_column(qint64 id)
{
    const property_def &p = property_def_of(id);
    return column{p.valID, p.cHide, p.width, p.print};
}

std::vector<column> default_columns()
{
    std::vector<column> columns;
    columns.reserve(property_count);
    for (const property_def &p : catalogue_rows)
        columns.push_back(column{p.valID, p.cHide, p.width, p.print});
    return columns;
}

Catalogue::Catalogue(const Texts &texts, const std::function<QString(int row)> &symbol1)
    : m_label(property_count)
    , m_unit(property_count)
    , m_choices(property_count)
{
    for (const property_def &p : catalogue_rows) {
        const auto id = size_t(p.valID);
        m_label[id] = (p.brickset ? QStringLiteral("~") : QString()) +
                      texts.text(utf8(p.label_key)) + utf8(p.label_suffix);
        if (!p.unit_key.empty())
            m_unit[id] = texts.text(utf8(p.unit_key));
        else if (p.unit_currency_row >= 0)
            m_unit[id] = symbol1(p.unit_currency_row);
        for (const choice_entry &e : choice_entries(p.choices))
            m_choices[id].append(utf8(e.prefix) +
                                 (e.key.empty() ? QString() : texts.text(utf8(e.key))));
    }
}

QString Catalogue::label_with_unit(qint64 id) const
{
    const QString &u = unit(id);
    return u.isEmpty() ? label(id) : label(id) + QStringLiteral(" (") + u + u')';
}

} // namespace tandora

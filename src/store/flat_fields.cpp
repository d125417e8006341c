// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/flat_fields.h"

#include "store/field_table.h"

namespace tandora {

namespace {

using field_detail::member_ref;
using field_detail::nested_ref;

constexpr flat_field own_set_flat[] = {
    {"number", FlatKind::Text, &member_ref<&own_set::number>},
    {"version", FlatKind::Integer, &member_ref<&own_set::version>},
    {"marker", FlatKind::Integer, &member_ref<&own_set::marker>},
    {"color", FlatKind::Colour, &member_ref<&own_set::color>},
    {"template", FlatKind::Integer, &member_ref<&own_set::template_>},
    {"mygroup", FlatKind::Text, &member_ref<&own_set::mygroup>},
    {"state", FlatKind::Integer, &member_ref<&own_set::state>},
    {"purc_condition", FlatKind::Integer, &nested_ref<&own_set::purc, &trading::condition>},
    {"purc_platform", FlatKind::Text, &nested_ref<&own_set::purc, &trading::platform>},
    {"purc_person", FlatKind::Text, &nested_ref<&own_set::purc, &trading::person>},
    {"purc_date", FlatKind::Date, &nested_ref<&own_set::purc, &trading::date>},
    {"purc_number", FlatKind::Text, &nested_ref<&own_set::purc, &trading::number>},
    {"purc_price", FlatKind::Number, &nested_ref<&own_set::purc, &trading::price>},
    {"purc_shipc", FlatKind::Number, &nested_ref<&own_set::purc, &trading::shipc>},
    {"purc_costs", FlatKind::Number, &nested_ref<&own_set::purc, &trading::costs>},
    {"purc_items", FlatKind::Integer, &nested_ref<&own_set::purc, &trading::items>},
    {"sell_condition", FlatKind::Integer, &nested_ref<&own_set::sell, &trading::condition>},
    {"sell_platform", FlatKind::Text, &nested_ref<&own_set::sell, &trading::platform>},
    {"sell_person", FlatKind::Text, &nested_ref<&own_set::sell, &trading::person>},
    {"sell_date", FlatKind::Date, &nested_ref<&own_set::sell, &trading::date>},
    {"sell_number", FlatKind::Text, &nested_ref<&own_set::sell, &trading::number>},
    {"sell_price", FlatKind::Number, &nested_ref<&own_set::sell, &trading::price>},
    {"sell_shipc", FlatKind::Number, &nested_ref<&own_set::sell, &trading::shipc>},
    {"sell_costs", FlatKind::Number, &nested_ref<&own_set::sell, &trading::costs>},
    {"sell_items", FlatKind::Integer, &nested_ref<&own_set::sell, &trading::items>},
    {"vip_points_get", FlatKind::Number, &member_ref<&own_set::vip_points_get>},
    {"vip_points_sub", FlatKind::Number, &member_ref<&own_set::vip_points_sub>},
    {"cashback", FlatKind::Number, &member_ref<&own_set::cashback>},
    {"cashback_type", FlatKind::Integer, &member_ref<&own_set::cashback_type>},
    {"location", FlatKind::Text, &member_ref<&own_set::location>},
    {"addition", FlatKind::Text, &member_ref<&own_set::addition>},
    {"completeness", FlatKind::Integer, &member_ref<&own_set::completeness>},
    {"altern_pieces", FlatKind::Integer, &member_ref<&own_set::altern_pieces>},
    {"packaging", FlatKind::Integer, &member_ref<&own_set::packaging>},
    {"instructions", FlatKind::Integer, &member_ref<&own_set::instructions>},
    {"sales_value", FlatKind::Number, &member_ref<&own_set::sales_value>},
    {"to_sell", FlatKind::Integer, &member_ref<&own_set::to_sell>},
    {"notes", FlatKind::Text, &member_ref<&own_set::notes>},
    {"mytags", FlatKind::List, &member_ref<&own_set::mytags>},
    {"documents", FlatKind::List, &member_ref<&own_set::documents>},
    {"reminder_date", FlatKind::Date, &member_ref<&own_set::reminder_date>},
    {"last_edit", FlatKind::Integer, &member_ref<&own_set::last_edit>},
};

} // namespace

std::span<const flat_field> own_set_flat_fields()
{
    return own_set_flat;
}

const flat_field *find_own_set_flat_field(QStringView name)
{
    for (const flat_field &f : own_set_flat) {
        if (name == QLatin1StringView(f.name.data(), qsizetype(f.name.size())))
            return &f;
    }
    return nullptr;
}

} // namespace tandora

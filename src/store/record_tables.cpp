// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/record_tables.h"

namespace tandora {

namespace {

// Fields in declaration order; the file is written in this order.
const FieldDesc trading_fields[] = {
    field<&trading::condition>("condition"), field<&trading::platform>("platform"),
    field<&trading::person>("person"),       field<&trading::date>("date"),
    field<&trading::number>("number"),       field<&trading::price>("price"),
    field<&trading::shipc>("shipc"),         field<&trading::costs>("costs"),
    field<&trading::items>("items"),
};

const FieldDesc own_set_fields[] = {
    field<&own_set::_str>("_str", true),
    field<&own_set::_val>("_val", true),
    field<&own_set::_lst>("_lst", true),
    link_field("bs"),
    link_field("bl"),
    field<&own_set::template_>("template"),
    field<&own_set::number>("number"),
    field<&own_set::version>("version"),
    field<&own_set::state>("state"),
    field<&own_set::packaging>("packaging"),
    field<&own_set::instructions>("instructions"),
    field<&own_set::completeness>("completeness"),
    field<&own_set::altern_pieces>("altern_pieces"),
    field<&own_set::location>("location"),
    field<&own_set::addition>("addition"),
    field<&own_set::mygroup>("mygroup"),
    field<&own_set::notes>("notes"),
    field<&own_set::vip_points_get>("vip_points_get"),
    field<&own_set::vip_points_sub>("vip_points_sub"),
    field<&own_set::to_sell>("to_sell"),
    field<&own_set::cashback>("cashback"),
    field<&own_set::cashback_type>("cashback_type"),
    field<&own_set::sales_value>("sales_value"),
    field<&own_set::reminder_date>("reminder_date"),
    field<&own_set::marker>("marker"),
    field<&own_set::color>("color"),
    field<&own_set::last_edit>("last_edit"),
    field<&own_set::purc>("purc"),
    field<&own_set::sell>("sell"),
    field<&own_set::mytags>("mytags"),
    field<&own_set::documents>("documents"),
};

const FieldDesc column_fields[] = {
    field<&column::valID>("valID"),
    field<&column::cHide>("cHide"),
    field<&column::width>("width"),
    field<&column::print>("print"),
};

const FieldDesc condi_fields[] = {
    field<&condi::valID>("valID"),
    field<&condi::opera>("opera"),
    field<&condi::input>("input"),
};

const FieldDesc filter_fields[] = {
    field<&filter::name>("name"),     field<&filter::logic>("logic"),
    field<&filter::invert>("invert"), field<&filter::sensitiv>("sensitiv"),
    field<&filter::condis>("condis"),
};

const FieldDesc collection_fields[] = {
    field<&collection::version>("version"),
    field<&collection::vip_stock>("vip_stock"),
    field<&collection::view_settings>("view_settings"),
    field<&collection::load_settings>("load_settings"),
    field<&collection::sort_col>("sort_col"),
    field<&collection::sort_dir>("sort_dir"),
    field<&collection::last_saved>("last_saved"),
    field<&collection::fmt_date>("fmt_date"),
    field<&collection::fmt_decimal>("fmt_decimal"),
    field<&collection::fmt_thousand>("fmt_thousand"),
    field<&collection::fmt_currency>("fmt_currency"),
    field<&collection::data_folder>("data_folder"),
    field<&collection::json_format>("json_format"),
    field<&collection::backup_steps>("backup_steps"),
    field<&collection::columns>("columns"),
    field<&collection::sets>("sets"),
    field<&collection::user_links>("user_links"),
    field<&collection::UVP_overwrite>("UVP_overwrite"),
    field<&collection::extra_figs>("extra_figs"),
    field<&collection::filters>("filters"),
    field<&collection::gear_sets>("gear_sets"),
};

} // namespace

TANDORA_RECORD_TABLE(trading)
TANDORA_RECORD_TABLE(own_set)
TANDORA_RECORD_TABLE(column)
TANDORA_RECORD_TABLE(condi)
TANDORA_RECORD_TABLE(filter)
TANDORA_RECORD_TABLE(collection)

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/status_sums.h"

#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/cache_records.h"
#include "setlist/set_list.h"

namespace tandora {

status_sums sum_up(const PropertyContext &ctx, const SetList &rows,
                   const std::function<bool(size_t row)> &selected)
{
    const collection &c = ctx.coll;
    status_sums sums;
    sums.rows = qint64(rows.size());
    sums.sets = qint64(c.sets.size());
    sums.vip_total = c.vip_stock;
    for (const own_set &s : c.sets)
        sums.vip_total += vip_balance(ctx, s);

    const bool wishlist = c.view_settings & (1 << 4);
    const bool gone = c.view_settings & (1 << 5);
    const bool selection_only = c.view_settings & (1 << 6);
    for (size_t row = 0; row < rows.size(); ++row) {
        const own_set &s = c.sets[rows.set_at(row)];
        if ((!wishlist && s.template_ == 2) || (!gone && s.state > 9) ||
            (selection_only && !selected(row)))
            continue;
        ++sums.counted;
        sums.retail += retail_price(ctx, s);
        sums.purchase += purchase_total(ctx, s);
        sums.sales += s.sales_value;
        sums.pieces += double(piece_count(s));
        sums.minifigs += double(set_data(s).minifigs);
    }
    return sums;
}

std::array<QString, 16> status_texts(const PropertyContext &ctx, const Texts &texts,
                                     const status_sums &sums)
{
    const QString gap = QStringLiteral(":  ");
    const auto count = [&](double v) { return format_number(ctx.format, v, 0, {}, 0); };
    const auto amount = [&](double v) {
        return format_number(ctx.format, v, 2, ctx.currency.symbol1, format_grouped);
    };
    std::array<QString, 16> fields;
    fields[0] = texts.text(u"txt_sets") + gap + QString::number(sums.rows) + QStringLiteral(" / ") +
                QString::number(sums.sets);
    fields[2] = QString::number(sums.counted) + QStringLiteral(" =");
    fields[4] = texts.text(u"VAL_Pieces") + gap + count(sums.pieces);
    fields[6] = texts.text(u"VAL_FigAnz") + gap + count(sums.minifigs);
    fields[8] = texts.text(u"VAL_UVP") + gap + amount(sums.retail);
    fields[10] = texts.text(u"VAL_P_Total") + gap + amount(sums.purchase);
    fields[12] = texts.text(u"VAL_Sales_Value") + gap + amount(sums.sales);
    fields[14] =
        texts.text(u"VAL_VIP") + gap + format_number(ctx.format, sums.vip_total, -1, {}, 0);
    return fields;
}

} // namespace tandora

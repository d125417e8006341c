// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/collection_ops.h"

#include "core/texts.h"
#include "properties/catalogue.h"

#include <algorithm>
#include <array>

namespace tandora {

namespace {

// The leading whole number of a language text ("46"); 0 when there is none.
qint64 leading_integer(const QString &text)
{
    qint64 value = 0;
    qsizetype i = 0;
    const QString t = text.trimmed();
    const bool negative = i < t.size() && t[i] == u'-';
    if (negative || (i < t.size() && t[i] == u'+'))
        ++i;
    for (; i < t.size() && t[i].isDigit() && value < 1'000'000'000'000; ++i)
        value = value * 10 + t[i].digitValue();
    return negative ? -value : value;
}

} // namespace

void reset_columns(collection &c)
{
    c.columns = default_columns();
    c.sort_col = 6;
    c.sort_dir = 1;
}

void reset_collection(collection &c, const Texts &texts)
{
    c = collection{};
    c.fmt_date = texts.text(u"fmt_date");
    c.fmt_decimal = leading_integer(texts.text(u"fmt_decimal"));
    c.fmt_thousand = leading_integer(texts.text(u"fmt_thousand"));
    c.fmt_currency = leading_integer(texts.text(u"fmt_currency"));
    c.load_settings = 3;
    c.view_settings = 0;
    c.json_format = 0;
    c.backup_steps = 2;
    reset_columns(c);
}

void check_columns(collection &c, const Catalogue &catalogue, const Texts &texts, QString &report)
{
    // Entries that name no property, or a property a second time, cannot be shown.
    std::array<bool, property_count> present{};
    std::erase_if(c.columns, [&](const column &col) {
        if (!is_property_id(col.valID) || present[size_t(col.valID)])
            return true;
        present[size_t(col.valID)] = true;
        return false;
    });

    if (std::none_of(c.columns.begin(), c.columns.end(),
                     [](const column &col) { return col.print != 0; })) {
        for (column &col : c.columns)
            col.print = property_def_of(col.valID).print;
    }

    const auto order = property_table();
    for (qint64 id = 0; id < property_count; ++id) {
        if (present[size_t(id)])
            continue;
        // After the nearest predecessor in catalogue order that has a column; first otherwise.
        auto where = c.columns.begin();
        for (int pos = catalogue_position(id) - 1; pos >= 0; --pos) {
            const qint64 before = order[size_t(pos)].valID;
            if (!present[size_t(before)])
                continue;
            where = std::find_if(c.columns.begin(), c.columns.end(),
                                 [&](const column &col) { return col.valID == before; }) +
                    1;
            break;
        }
        c.columns.insert(where, default_column(id));
        present[size_t(id)] = true;
        report += u'\n' + texts.text(u"txt_new_val") + QStringLiteral(": ") +
                  catalogue.label_with_unit(id);
    }
}

} // namespace tandora

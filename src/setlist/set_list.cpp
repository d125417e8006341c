// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/set_list.h"

#include "properties/catalogue.h"
#include "properties/property_values.h"
#include "setlist/sort.h"

#include <algorithm>

namespace tandora {

std::optional<size_t> SetList::refresh(const PropertyContext &ctx, collection &c,
                                       std::optional<size_t> keep)
{
    sort_sets(ctx, c, &m_moved_from);
    m_rows.clear();
    m_rows.reserve(c.sets.size());
    std::optional<size_t> target;
    for (size_t i = 0; i < c.sets.size(); ++i) {
        if (!passes(c.sets[i]))
            continue;
        if (keep && m_moved_from[i] == *keep)
            target = m_rows.size();
        m_rows.push_back(i);
    }
    m_all_shown = m_rows.size() == c.sets.size();
    if (m_rows.empty())
        return std::nullopt;
    return target.value_or(0);
}

std::optional<size_t> SetList::row_of(size_t set_position) const
{
    // Rows follow the collection's order, so the positions are ascending.
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), set_position);
    if (it == m_rows.end() || *it != set_position)
        return std::nullopt;
    return size_t(it - m_rows.begin());
}

bool colour_needs_value(qint64 id)
{
    return id == 23 || id == 24 || id == 90 || (property_def_of(id).format & format_signed);
}

CellColour cell_colour(qint64 id, const own_set &set, double value)
{
    switch (id) {
    case 7:
        return set.template_ == 2 ? CellColour::orange : CellColour::standard;
    case 23:
    case 24:
        // Bought below the retail price is good news.
        return value < 0 ? CellColour::green : value > 0 ? CellColour::red : CellColour::standard;
    case 29:
        return set.state > 9 ? CellColour::red : CellColour::standard;
    case 90:
        return value > 0 ? CellColour::blue : value < 0 ? CellColour::red : CellColour::standard;
    default:
        break;
    }
    if (property_def_of(id).format & format_signed)
        return value > 0 ? CellColour::green : value < 0 ? CellColour::red : CellColour::standard;
    return CellColour::standard;
}

row_icon row_icon_of(const own_set &set, qint64 view_settings)
{
    if (set.marker != 0)
        return {row_icon::Kind::marker, set.marker};
    if (view_settings & (1 << 2))
        return {};
    return {row_icon::Kind::template_icon, set.template_};
}

QString cell_text(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row)
{
    const QString text = display_text(ctx, set, id, row);
    const qint64 indent = property_indent(id);
    if (indent > 0 && !(ctx.coll.view_settings & (1 << 1)))
        return QString(qsizetype(indent), u' ') + text;
    return text;
}

} // namespace tandora

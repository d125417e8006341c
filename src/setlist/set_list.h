// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tandora {

struct PropertyContext;

// The rows of the main list: the sets that pass the filters, in the collection's order.
class SetList final
{
public:
    using Filter = std::function<bool(const own_set &)>;

    // The test every set must pass to be listed (the quick and extended filters).
    void set_filter(Filter filter) { m_filter = std::move(filter); }
    // Whether a set passes the filters; every set until a filter is set.
    bool passes(const own_set &set) const { return !m_filter || m_filter(set); }

    // Sorts the collection and lists the sets that pass. keep is the position (before the
    // sort) of the set to keep selected; the result is its row, row 0 when it is not listed,
    // or nullopt for an empty list.
    std::optional<size_t> refresh(const PropertyContext &ctx, collection &c,
                                  std::optional<size_t> keep);

    size_t size() const { return m_rows.size(); }
    // The position in the collection of the set of a row.
    size_t set_at(size_t row) const { return m_rows[row]; }
    // The row of a set's position, nullopt when it is not listed.
    std::optional<size_t> row_of(size_t set_position) const;
    // Every set of the collection is listed (no filter hides one).
    bool all_shown() const { return m_all_shown; }

private:
    Filter m_filter;
    std::vector<size_t> m_rows;
    std::vector<size_t> m_moved_from;
    bool m_all_shown = true;
};

// How a cell's text is coloured.
enum class CellColour { standard, green, red, orange, blue };

// The text colour of a cell of property id, from the set and the property's value: signed
// numbers green above 0 and red below, the price difference the other way round, a sold,
// given away or lost state red, the days until a reminder blue ahead and red past, the shop
// of a wishlist entry orange.
CellColour cell_colour(qint64 id, const own_set &set, double value);
// Whether the colour of the property's cells depends on its value.
bool colour_needs_value(qint64 id);

// The icon at the start of a row: the set's marker, else its template unless those are
// hidden.
struct row_icon
{
    enum class Kind { none, template_icon, marker } kind = Kind::none;
    qint64 index = 0;
};
row_icon row_icon_of(const own_set &set, qint64 view_settings);

// A cell as the list shows it: the display text, indented for the mark lists unless the codes
// are shown.
QString cell_text(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row);

} // namespace tandora

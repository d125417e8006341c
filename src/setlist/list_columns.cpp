// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/list_columns.h"

#include "properties/catalogue.h"

namespace tandora {

std::vector<qint64> visible_property_ids(const collection &c)
{
    std::vector<qint64> ids;
    for (const column &col : c.columns) {
        if (col.cHide == 0 && is_property_id(col.valID))
            ids.push_back(col.valID);
    }
    return ids;
}

QString column_title(const Catalogue &catalogue, const collection &c, qint64 id)
{
    if (id != c.sort_col)
        return catalogue.label(id);
    return catalogue.label(id) + (c.sort_dir == 0 ? u'\u25B2' : u'\u25BC');
}

} // namespace tandora

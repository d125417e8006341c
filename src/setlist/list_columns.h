// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

#include <vector>

namespace tandora {

class Catalogue;

// The properties of the shown columns, in layout order.
std::vector<qint64> visible_property_ids(const collection &c);

// A column's title: the property's label, with "▲" or "▼" on the sort column.
QString column_title(const Catalogue &catalogue, const collection &c, qint64 id);

} // namespace tandora

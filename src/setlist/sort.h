// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <vector>

namespace tandora {

struct PropertyContext;

// Sorts the collection's sets in place by its sort_col and sort_dir, stably: sets with equal
// keys keep their previous order, so the last sort decides ties. Texts compare without regard
// to letter case and empty texts come last in both directions; set numbers sort by number
// and variant as numbers; a set without a purchase date sorts by January 1st of its release
// year when sorting by purchase date.
// With moved_from, it receives for every position the position the set had before the sort.
void sort_sets(const PropertyContext &ctx, collection &c,
               std::vector<size_t> *moved_from = nullptr);

// What a click on the header of a column showing property id does to the sort order: the
// current sort column turns around, another one starts in its catalogue direction.
void sort_by_column(collection &c, qint64 id);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"
#include "core/folders.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/set_data_cache.h"
#include "store/records.h"

namespace tandora::test {

// What computing properties needs, in British English with the built-in currencies: a
// collection, its cache and a fixed clock.
struct PropertyFixture
{
    const Texts &texts = british_english_texts();
    CurrencyTable currencies = CurrencyTable::built_in();
    Catalogue catalogue{texts, [this](int row) { return currencies.row(row).symbol1; }};
    FixedClock clock{0};
    Folders folders;
    SetDataCache cache;
    collection c;
    QuantityTable quantities;
    NumberFormat format;

    // A context for the collection as it is now: its formats and quantities taken afresh.
    PropertyContext context()
    {
        format = NumberFormat::of(c, texts);
        quantities = build_quantity_table(c);
        return PropertyContext{c,          catalogue, format, currencies.row(c.fmt_currency),
                               quantities, clock,     folders};
    }
};

} // namespace tandora::test

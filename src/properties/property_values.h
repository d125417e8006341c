// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace tandora {

class Catalogue;
class Clock;
struct Folders;
struct NumberFormat;
struct api3_sets;
struct currency_row;
struct database_bs;
struct database_bl;

// Number of sets in the collection per set key.
using QuantityTable = QHash<QString, qint64>;
QuantityTable build_quantity_table(const collection &c);

// What computing a property needs besides the set. Cheap to make; make a new one whenever
// the collection's formats or options change.
struct PropertyContext
{
    const collection &coll;
    const Catalogue &catalogue;
    const NumberFormat &format;
    const currency_row &currency; // the row of the collection's fmt_currency
    const QuantityTable &quantities;
    const Clock &clock;
    const Folders &folders; // the home folder stands for "~" in document paths
};

// A property's value: the kind of the property decides which member holds it (numbers,
// money, choice codes, dates and colours in `number`).
struct PropertyValue
{
    double number = 0;
    QString text;
    QStringList list;
};

PropertyValue compute_value(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row);
// The value as the list shows it, with the decorations of its property.
QString display_text(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row);
// The same for a value computed already (the list needs the value for its colours too).
QString display_text(const PropertyContext &ctx, const own_set &set, qint64 id,
                     const PropertyValue &value);

// The cached data of a set, or the shared empty records when it has none.
const database_bs &set_data_record(const own_set &set);
const database_bl &minifig_record(const own_set &set);
const api3_sets &set_data(const own_set &set);

// Derived values, per set.
double vip_points_credited(const PropertyContext &ctx, const own_set &set);
double vip_balance(const PropertyContext &ctx, const own_set &set);
double vip_value(const PropertyContext &ctx, const own_set &set);
double cashback_percent(const own_set &set);
double cashback_amount(const own_set &set);
double purchase_total(const PropertyContext &ctx, const own_set &set);
double sale_total(const own_set &set);
double profit(const PropertyContext &ctx, const own_set &set);
double user_retail_price(const PropertyContext &ctx, const own_set &set);
double region_retail_price(const PropertyContext &ctx, const own_set &set);
double retail_price(const PropertyContext &ctx, const own_set &set);
double price_difference(const PropertyContext &ctx, const own_set &set, bool percent);
qint64 piece_count(const own_set &set);
enum class PricePer { Piece, Gram };
enum class PriceBase { Retail, PurchaseTotal };
double price_per(const PropertyContext &ctx, const own_set &set, PricePer per, PriceBase base);
qint64 days_until(const PropertyContext &ctx, qint64 date);
QString box_text(const PropertyContext &ctx, const own_set &set);

// Text helpers of the set data: surrounding spaces removed, "{Not specified}" as empty.
QString clean(const QString &text);
// a + " (" + b + ")" when b is not empty, else a.
QString join_detail(const QString &a, const QString &b);

} // namespace tandora

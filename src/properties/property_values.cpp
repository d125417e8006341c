// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_values.h"

#include "core/clock.h"
#include "core/folders.h"
#include "core/text_file.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "services/cache_records.h"
#include "services/set_data_cache.h"

#include <QFileInfo>

#include <array>
#include <cmath>

namespace tandora {

QuantityTable build_quantity_table(const collection &c)
{
    QuantityTable table;
    table.reserve(qsizetype(c.sets.size()));
    for (const own_set &s : c.sets)
        ++table[set_key(s)];
    return table;
}

const database_bs &set_data_record(const own_set &set)
{
    return set.bs ? *set.bs : SetDataCache::empty_bs();
}

const database_bl &minifig_record(const own_set &set)
{
    return set.bl ? *set.bl : SetDataCache::empty_bl();
}

const api3_sets &set_data(const own_set &set)
{
    return set_data_record(set).set();
}

QString clean(const QString &text)
{
    const QString t = text.trimmed();
    return t == QLatin1StringView("{Not specified}") ? QString() : t;
}

QString join_detail(const QString &a, const QString &b)
{
    return b.isEmpty() ? a : a + QStringLiteral(" (") + b + u')';
}

namespace {

// Shipping and costs belong to a whole order and are shared by its sets. Files of earlier
// versions may hold no item count at all; such an order counts as one set rather than
// turning every total into a division by zero.
double share(double amount, qint64 items)
{
    return items >= 1 ? amount / double(items) : amount;
}

} // namespace

double vip_points_credited(const PropertyContext &ctx, const own_set &set)
{
    if (set.vip_points_get >= 0)
        return set.vip_points_get;
    return std::round(ctx.currency.vip_factor * set.purc.price * std::fabs(set.vip_points_get));
}

double vip_balance(const PropertyContext &ctx, const own_set &set)
{
    return vip_points_credited(ctx, set) - set.vip_points_sub;
}

double vip_value(const PropertyContext &ctx, const own_set &set)
{
    // A currency without points is worth nothing in points.
    if (ctx.currency.vip_factor == 0)
        return 0;
    return vip_balance(ctx, set) / ctx.currency.vip_factor / 20;
}

double cashback_percent(const own_set &set)
{
    const double price = set.purc.price;
    switch (set.cashback_type) {
    case 0:
        return set.cashback;
    case 1:
        return price != 0 ? set.cashback / price * 100 : 0;
    case 2:
        return price != 0 ? 0.01 * set.cashback / price * 100 : 0;
    default:
        return 0;
    }
}

double cashback_amount(const own_set &set)
{
    switch (set.cashback_type) {
    case 0:
        return set.purc.price * set.cashback / 100;
    case 1:
        return set.cashback;
    case 2:
        return 0.01 * set.cashback;
    default:
        return 0;
    }
}

double purchase_total(const PropertyContext &ctx, const own_set &set)
{
    return set.purc.price + share(set.purc.shipc, set.purc.items) +
           share(set.purc.costs, set.purc.items) - vip_value(ctx, set) - cashback_amount(set);
}

double sale_total(const own_set &set)
{
    return set.sell.price + share(set.sell.shipc, set.sell.items) -
           share(set.sell.costs, set.sell.items);
}

double profit(const PropertyContext &ctx, const own_set &set)
{
    const bool always = ctx.coll.view_settings & (1 << 3);
    if (!always && set.sell.price == 0)
        return 0;
    return sale_total(set) - purchase_total(ctx, set);
}

double user_retail_price(const PropertyContext &ctx, const own_set &set)
{
    return ctx.coll.UVP_overwrite.value(set_key(set), 0.0);
}

double region_retail_price(const PropertyContext &ctx, const own_set &set)
{
    const api3_LEGOCom &prices = set_data(set).LEGOCom;
    const QString &region = ctx.currency.uvp_get;
    if (region == QLatin1StringView("DE"))
        return prices.DE.retailPrice;
    if (region == QLatin1StringView("UK"))
        return prices.UK.retailPrice;
    if (region == QLatin1StringView("US"))
        return prices.US.retailPrice;
    if (region == QLatin1StringView("CA"))
        return prices.CA.retailPrice;
    return 0;
}

double retail_price(const PropertyContext &ctx, const own_set &set)
{
    const double user = user_retail_price(ctx, set);
    return user != 0 ? user : region_retail_price(ctx, set);
}

double price_difference(const PropertyContext &ctx, const own_set &set, bool percent)
{
    const double retail = retail_price(ctx, set);
    if (retail == 0 || set.template_ == 2)
        return 0;
    const double d = purchase_total(ctx, set) - retail;
    return percent ? d / retail * 100 : d;
}

qint64 piece_count(const own_set &set)
{
    return set.altern_pieces != 0 ? set.altern_pieces : set_data(set).pieces;
}

double price_per(const PropertyContext &ctx, const own_set &set, PricePer per, PriceBase base)
{
    const double divisor =
        per == PricePer::Piece ? double(piece_count(set)) : 1000 * set_data(set).dimensions.weight;
    if (divisor == 0)
        return 0;
    const double numerator =
        base == PriceBase::Retail ? retail_price(ctx, set) : purchase_total(ctx, set);
    if (numerator == 0)
        return 0;
    return numerator / divisor * 100;
}

qint64 days_until(const PropertyContext &ctx, qint64 date)
{
    if (date == no_date)
        return 0;
    return day_number(date) - day_number(ctx.clock.now());
}

QString box_text(const PropertyContext &ctx, const own_set &set)
{
    const api3_dimensions &d = set_data(set).dimensions;
    if ((d.width == 0 && d.height == 0) || d.depth == 0)
        return QString();
    const QString x = QStringLiteral(" x ");
    return format_number(ctx.format, d.width, -1, {}, 0) + x +
           format_number(ctx.format, d.height, -1, {}, 0) + x +
           format_number(ctx.format, d.depth, -1, u"cm", format_grouped);
}

namespace {

// The integer at the start of a set number: leading blanks and a sign allowed, reading
// stops at the first character that is not a digit.
qint64 leading_number(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            break;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return negative ? -value : value;
}

QString file_name_part(const QString &path)
{
    QStringView p(path);
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p.mid(p.lastIndexOf(u'/') + 1).toString();
}

qint64 missing_documents(const PropertyContext &ctx, const own_set &set)
{
    if (set.documents.isEmpty())
        return -1;
    qint64 missing = 0;
    for (const QString &d : set.documents)
        missing += QFileInfo::exists(expand_home(d, ctx.folders)) ? 0 : 1;
    return missing;
}

qint64 brickset_modified(const own_set &set)
{
    return parse_date_with_mask(QStringView(set_data(set).lastUpdated).left(10), u"%yyyy-%mm-%dd");
}

PropertyValue num(double v)
{
    PropertyValue value;
    value.number = v;
    return value;
}

PropertyValue txt(QString t)
{
    PropertyValue value;
    value.text = std::move(t);
    return value;
}

PropertyValue lst(QStringList l)
{
    PropertyValue value;
    value.list = std::move(l);
    return value;
}

using Ctx = PropertyContext;
using Set = own_set;
using Compute = PropertyValue (*)(const Ctx &, const Set &, qint64 row);

// How each property's value is obtained, by id. Kinds, units and formats are the catalogue's.
constexpr std::array<Compute, property_count> compute_table = {
    /* 0 */ [](const Ctx &, const Set &, qint64 row) { return num(double(row + 1)); },
    /* 1 */ [](const Ctx &, const Set &s, qint64) { return num(double(leading_number(s.number))); },
    /* 2 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.version)); },
    /* 3 */ [](const Ctx &, const Set &s, qint64) { return txt(set_key(s)); },
    /* 4 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).name)); },
    /* 5 */ [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).year)); },
    /* 6 */
    [](const Ctx &, const Set &s, qint64) {
        // A wishlist entry has no purchase: it shows empty and sorts after every real date.
        return num(double(s.template_ == 2 ? date_limit : s.purc.date));
    },
    /* 7 */ [](const Ctx &, const Set &s, qint64) { return txt(s.purc.platform); },
    /* 8 */ [](const Ctx &, const Set &s, qint64) { return txt(s.purc.person); },
    /* 9 */
    [](const Ctx &, const Set &s, qint64) {
        return txt(join_detail(s.purc.platform, s.purc.person));
    },
    /* 10 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.purc.condition)); },
    /* 11 */ [](const Ctx &, const Set &s, qint64) { return txt(s.purc.number); },
    /* 12 */ [](const Ctx &, const Set &s, qint64) { return num(s.purc.price); },
    /* 13 */
    [](const Ctx &, const Set &s, qint64) { return num(share(s.purc.shipc, s.purc.items)); },
    /* 14 */
    [](const Ctx &, const Set &s, qint64) { return num(share(s.purc.costs, s.purc.items)); },
    /* 15 */ [](const Ctx &c, const Set &s, qint64) { return num(vip_points_credited(c, s)); },
    /* 16 */ [](const Ctx &, const Set &s, qint64) { return num(s.vip_points_sub); },
    /* 17 */ [](const Ctx &c, const Set &s, qint64) { return num(vip_balance(c, s)); },
    /* 18 */ [](const Ctx &c, const Set &s, qint64) { return num(vip_value(c, s)); },
    /* 19 */ [](const Ctx &, const Set &s, qint64) { return num(cashback_percent(s)); },
    /* 20 */ [](const Ctx &, const Set &s, qint64) { return num(cashback_amount(s)); },
    /* 21 */ [](const Ctx &c, const Set &s, qint64) { return num(purchase_total(c, s)); },
    /* 22 */ [](const Ctx &c, const Set &s, qint64) { return num(retail_price(c, s)); },
    /* 23 */ [](const Ctx &c, const Set &s, qint64) { return num(price_difference(c, s, true)); },
    /* 24 */ [](const Ctx &c, const Set &s, qint64) { return num(price_difference(c, s, false)); },
    /* 25 */
    [](const Ctx &c, const Set &s, qint64) {
        return num(double(c.quantities.value(set_key(s), 0)));
    },
    /* 26 */ [](const Ctx &, const Set &s, qint64) { return txt(s.location); },
    /* 27 */ [](const Ctx &, const Set &s, qint64) { return txt(s.addition); },
    /* 28 */
    [](const Ctx &, const Set &s, qint64) { return txt(join_detail(s.location, s.addition)); },
    /* 29 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.state)); },
    /* 30 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.completeness)); },
    /* 31 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.packaging)); },
    /* 32 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.instructions)); },
    /* 33 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.to_sell)); },
    /* 34 */ [](const Ctx &, const Set &s, qint64) { return num(s.sales_value); },
    /* 35 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.sell.date)); },
    /* 36 */ [](const Ctx &, const Set &s, qint64) { return txt(s.sell.platform); },
    /* 37 */ [](const Ctx &, const Set &s, qint64) { return txt(s.sell.person); },
    /* 38 */
    [](const Ctx &, const Set &s, qint64) {
        return txt(join_detail(s.sell.platform, s.sell.person));
    },
    /* 39 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.sell.condition)); },
    /* 40 */ [](const Ctx &, const Set &s, qint64) { return txt(s.sell.number); },
    /* 41 */ [](const Ctx &, const Set &s, qint64) { return num(s.sell.price); },
    /* 42 */
    [](const Ctx &, const Set &s, qint64) { return num(share(s.sell.shipc, s.sell.items)); },
    /* 43 */
    [](const Ctx &, const Set &s, qint64) { return num(share(s.sell.costs, s.sell.items)); },
    /* 44 */ [](const Ctx &, const Set &s, qint64) { return num(sale_total(s)); },
    /* 45 */ [](const Ctx &c, const Set &s, qint64) { return num(profit(c, s)); },
    /* 46 */ [](const Ctx &, const Set &s, qint64) { return num(s.notes.isEmpty() ? 0 : 1); },
    /* 47 */ [](const Ctx &, const Set &s, qint64) { return txt(s.notes); },
    /* 48 */
    [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).packagingType)); },
    /* 49 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).themeGroup)); },
    /* 50 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).theme)); },
    /* 51 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).subtheme)); },
    /* 52 */
    [](const Ctx &, const Set &s, qint64) {
        QStringList groups;
        for (const QString *t :
             {&set_data(s).themeGroup, &set_data(s).theme, &set_data(s).subtheme}) {
            if (!t->isEmpty())
                groups.append(*t);
        }
        return lst(groups);
    },
    /* 53 */ [](const Ctx &, const Set &s, qint64) { return lst(set_data_record(s).tags_norm); },
    /* 54 */ [](const Ctx &, const Set &s, qint64) { return lst(set_data_record(s).tags_figs); },
    /* 55 */ [](const Ctx &, const Set &s, qint64) { return lst(s.mytags); },
    /* 56 */ [](const Ctx &, const Set &s, qint64) { return txt(s.mygroup); },
    /* 57 */
    [](const Ctx &c, const Set &s, qint64) {
        QStringList names;
        for (const QString &d : s.documents)
            names.append(file_name_part(expand_home(d, c.folders)));
        return lst(names);
    },
    /* 58 */
    [](const Ctx &c, const Set &s, qint64) {
        QStringList paths;
        for (const QString &d : s.documents)
            paths.append(expand_home(d, c.folders));
        return lst(paths);
    },
    /* 59 */
    [](const Ctx &c, const Set &s, qint64) { return num(double(missing_documents(c, s))); },
    /* 60 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).availability)); },
    /* 61 */ [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).released)); },
    /* 62 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).category)); },
    /* 63 */
    [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).ageRange.min)); },
    /* 64 */ [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).minifigs)); },
    /* 65 */ [](const Ctx &, const Set &s, qint64) { return lst(minifig_record(s).figure_id); },
    /* 66 */ [](const Ctx &, const Set &s, qint64) { return num(double(piece_count(s))); },
    /* 67 */
    [](const Ctx &, const Set &s, qint64) { return num(1000 * set_data(s).dimensions.weight); },
    /* 68 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).dimensions.weight); },
    /* 69 */
    [](const Ctx &c, const Set &s, qint64) {
        return num(price_per(c, s, PricePer::Piece, PriceBase::Retail));
    },
    /* 70 */
    [](const Ctx &c, const Set &s, qint64) {
        return num(price_per(c, s, PricePer::Piece, PriceBase::PurchaseTotal));
    },
    /* 71 */
    [](const Ctx &c, const Set &s, qint64) {
        return num(price_per(c, s, PricePer::Gram, PriceBase::Retail));
    },
    /* 72 */
    [](const Ctx &c, const Set &s, qint64) {
        return num(price_per(c, s, PricePer::Gram, PriceBase::PurchaseTotal));
    },
    /* 73 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).dimensions.width); },
    /* 74 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).dimensions.height); },
    /* 75 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).dimensions.depth); },
    /* 76 */
    [](const Ctx &, const Set &s, qint64) {
        const api3_dimensions &d = set_data(s).dimensions;
        return num(d.width * d.height * d.depth);
    },
    /* 77 */ [](const Ctx &c, const Set &s, qint64) { return txt(box_text(c, s)); },
    /* 78 */
    [](const Ctx &, const Set &s, qint64) {
        return txt(clean(set_data(s).extendedData.description));
    },
    /* 79 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).barcode.EAN)); },
    /* 80 */ [](const Ctx &, const Set &s, qint64) { return txt(clean(set_data(s).barcode.UPC)); },
    /* 81 */
    [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).collections.ownedBy)); },
    /* 82 */
    [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).collections.wantedBy)); },
    /* 83 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).rating); },
    /* 84 */ [](const Ctx &, const Set &s, qint64) { return num(set_data(s).setID != 0 ? 1 : 0); },
    /* 85 */ [](const Ctx &, const Set &s, qint64) { return num(double(set_data(s).notBrickset)); },
    /* 86 */ [](const Ctx &, const Set &s, qint64) { return num(double(brickset_modified(s))); },
    /* 87 */
    [](const Ctx &, const Set &s, qint64) { return num(double(set_data_record(s).filedate)); },
    /* 88 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.last_edit)); },
    /* 89 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.reminder_date)); },
    /* 90 */
    [](const Ctx &c, const Set &s, qint64) { return num(double(days_until(c, s.reminder_date))); },
    /* 91 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.template_)); },
    /* 92 */
    [](const Ctx &, const Set &s, qint64) {
        return num(double(file_size(set_data_record(s).path_jpg)));
    },
    /* 93 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.color)); },
    /* 94 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.marker)); },
    /* 95 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.purc.items)); },
    /* 96 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.sell.items)); },
    /* 97 */
    [](const Ctx &, const Set &s, qint64) { return num(set_data(s).LEGOCom.US.retailPrice); },
    /* 98 */
    [](const Ctx &, const Set &s, qint64) { return num(set_data(s).LEGOCom.UK.retailPrice); },
    /* 99 */
    [](const Ctx &, const Set &s, qint64) { return num(set_data(s).LEGOCom.CA.retailPrice); },
    /* 100 */
    [](const Ctx &, const Set &s, qint64) { return num(set_data(s).LEGOCom.DE.retailPrice); },
    /* 101 */ [](const Ctx &, const Set &s, qint64) { return num(double(s.altern_pieces)); },
};

QString choice_text(const PropertyContext &ctx, qint64 id, double value)
{
    const qint64 code = qint64(std::llround(std::isfinite(value) ? value : 0));
    const QStringList &choices = ctx.catalogue.choices(id);
    // A code the list has no entry for (from a hand-edited file) shows as the number itself.
    if (code < 0 || code >= choices.size())
        return QString::number(code);
    if (ctx.coll.view_settings & (1 << 1))
        return QString::number(code) + QStringLiteral(" = ") + choices[code].trimmed();
    return choices[code];
}

// A date held as a double; values beyond 64 bits show empty like any far-off date.
qint64 date_of(double value)
{
    if (!(value > -9.2e18))
        return no_date;
    if (!(value < 9.2e18))
        return date_limit;
    return qint64(value);
}

QString colour_text(double value)
{
    if (!(value >= 0))
        return QString();
    const auto c = quint32(qint64(std::fmin(value, 16777215.0)) & 0xFFFFFF);
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

} // namespace

PropertyValue compute_value(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row)
{
    if (!is_property_id(id))
        return PropertyValue();
    return compute_table[size_t(id)](ctx, set, row);
}

QString display_text(const PropertyContext &ctx, const own_set &set, qint64 id, qint64 row)
{
    return display_text(ctx, set, id, compute_value(ctx, set, id, row));
}

QString display_text(const PropertyContext &ctx, const own_set &set, qint64 id,
                     const PropertyValue &value)
{
    const property_def &p = property_def_of(id);
    QString text;
    switch (p.kind) {
    case PropertyKind::Text:
        text = value.text;
        break;
    case PropertyKind::TextList:
        text = value.list.join(QStringLiteral(", "));
        break;
    case PropertyKind::Number:
        text =
            format_number(ctx.format, value.number, p.decimals, ctx.catalogue.unit(id), p.format);
        break;
    case PropertyKind::Money: {
        const bool minor = p.format & format_minor;
        const qint64 flags = (p.format & (format_signed | format_na)) | format_grouped;
        text = minor ? format_number(ctx.format, value.number, 1, ctx.currency.symbol2, flags)
                     : format_number(ctx.format, value.number, 2, ctx.currency.symbol1, flags);
        break;
    }
    case PropertyKind::Choice:
        text = choice_text(ctx, id, value.number);
        break;
    case PropertyKind::Date:
        text = date_text(ctx.format, date_of(value.number));
        break;
    case PropertyKind::Colour:
        text = colour_text(value.number);
        break;
    case PropertyKind::None:
        break;
    }
    if (ctx.format.plain)
        return text;

    switch (id) {
    case 0:
        // Edited since the last save.
        if (set.last_edit > ctx.coll.last_saved)
            text += QStringLiteral(" *");
        break;
    case 65: {
        const qsizetype listed = minifig_record(set).figure_id.size();
        if (listed != set_data(set).minifigs)
            text = QStringLiteral("!!! ") + QString::number(listed) + QStringLiteral(": ") + text;
        break;
    }
    case 22: {
        const bool user = user_retail_price(ctx, set) != 0;
        if (user && region_retail_price(ctx, set) != 0)
            text = QStringLiteral("! ") + text;
        else if (user)
            text = QStringLiteral("* ") + text;
        break;
    }
    default:
        break;
    }
    return text;
}

} // namespace tandora

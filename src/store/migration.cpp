// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/migration.h"

#include "editing/text_lists.h"
#include "store/collection_ops.h"
#include "store/json_reader.h"
#include "store/record_tables.h"

#include <array>
#include <vector>

namespace tandora {

namespace {

// The old layout: purchase data as loose set fields, no sale, tags and documents as one text.
struct L21_condi
{
    qint64 property = 0;
    qint64 operator_ = 0; // "operator" in the file
    QString inputstr;
};

struct L21_filter
{
    QString name;
    qint64 logic = 0;
    qint64 invert = 0;
    qint64 sensitiv = 0;
    std::vector<L21_condi> condis;
};

struct L21_own_set
{
    QString number;
    qint64 version = 0;
    qint64 marker = 0;
    qint64 color = 0;
    qint64 purchase_date = 0;
    qint64 purchase_items = 0;
    double purchase_price = 0;
    double shipping_price = 0;
    double sales_value = 0;
    QString order_number;
    qint64 condition = 0;
    QString seller;
    QString shop;
    QString notes;
    QString location;
    QString zusatz;
    QString mygroup;
    qint64 state = 0;
    QString document;
    double vip_points_get = 0;
    double vip_points_lost = 0;
    double cashback = 0;
    qint64 cashback_type = 0;
    qint64 carton_exists = 0;
    qint64 instr_exists = 0;
    qint64 set_complete = 0;
    QString own_tags;
    qint64 template_ = 0; // "template" in the file
    qint64 to_sell = 0;
    qint64 alarm_date = 0;
    qint64 last_edit = 0;
};

// The old view settings, sort order and column layouts are not taken over, so they are not
// read either.
struct L21_collection
{
    QString version;
    double vip_points_others = 0;
    qint64 load_settings = 0;
    qint64 last_saved = 0;
    QString fmt_date;
    qint64 fmt_decimal = 0;
    qint64 fmt_thousand = 0;
    qint64 fmt_currency = 0;
    std::vector<L21_own_set> sets;
    QStringList user_links;
    QMap<QString, double> UVP_overwrite;
    QStringList additional_figs;
    std::vector<L21_filter> filters;
    QStringList bl_gear;
    QString data_folder;
};

} // namespace

template<> const RecordTable &table_of<L21_condi>();
template<> const RecordTable &table_of<L21_filter>();
template<> const RecordTable &table_of<L21_own_set>();
template<> const RecordTable &table_of<L21_collection>();

namespace {

const FieldDesc L21_condi_fields[] = {
    field<&L21_condi::property>("property"),
    field<&L21_condi::operator_>("operator"),
    field<&L21_condi::inputstr>("inputstr"),
};

const FieldDesc L21_filter_fields[] = {
    field<&L21_filter::name>("name"),     field<&L21_filter::logic>("logic"),
    field<&L21_filter::invert>("invert"), field<&L21_filter::sensitiv>("sensitiv"),
    field<&L21_filter::condis>("condis"),
};

const FieldDesc L21_own_set_fields[] = {
    field<&L21_own_set::number>("number"),
    field<&L21_own_set::version>("version"),
    field<&L21_own_set::marker>("marker"),
    field<&L21_own_set::color>("color"),
    field<&L21_own_set::purchase_date>("purchase_date"),
    field<&L21_own_set::purchase_items>("purchase_items"),
    field<&L21_own_set::purchase_price>("purchase_price"),
    field<&L21_own_set::shipping_price>("shipping_price"),
    field<&L21_own_set::sales_value>("sales_value"),
    field<&L21_own_set::order_number>("order_number"),
    field<&L21_own_set::condition>("condition"),
    field<&L21_own_set::seller>("seller"),
    field<&L21_own_set::shop>("shop"),
    field<&L21_own_set::notes>("notes"),
    field<&L21_own_set::location>("location"),
    field<&L21_own_set::zusatz>("zusatz"),
    field<&L21_own_set::mygroup>("mygroup"),
    field<&L21_own_set::state>("state"),
    field<&L21_own_set::document>("document"),
    field<&L21_own_set::vip_points_get>("vip_points_get"),
    field<&L21_own_set::vip_points_lost>("vip_points_lost"),
    field<&L21_own_set::cashback>("cashback"),
    field<&L21_own_set::cashback_type>("cashback_type"),
    field<&L21_own_set::carton_exists>("carton_exists"),
    field<&L21_own_set::instr_exists>("instr_exists"),
    field<&L21_own_set::set_complete>("set_complete"),
    field<&L21_own_set::own_tags>("own_tags"),
    field<&L21_own_set::template_>("template"),
    field<&L21_own_set::to_sell>("to_sell"),
    field<&L21_own_set::alarm_date>("alarm_date"),
    field<&L21_own_set::last_edit>("last_edit"),
};

const FieldDesc L21_collection_fields[] = {
    field<&L21_collection::version>("version"),
    field<&L21_collection::vip_points_others>("vip_points_others"),
    field<&L21_collection::load_settings>("load_settings"),
    field<&L21_collection::last_saved>("last_saved"),
    field<&L21_collection::fmt_date>("fmt_date"),
    field<&L21_collection::fmt_decimal>("fmt_decimal"),
    field<&L21_collection::fmt_thousand>("fmt_thousand"),
    field<&L21_collection::fmt_currency>("fmt_currency"),
    field<&L21_collection::sets>("sets"),
    field<&L21_collection::user_links>("user_links"),
    field<&L21_collection::UVP_overwrite>("UVP_overwrite"),
    field<&L21_collection::additional_figs>("additional_figs"),
    field<&L21_collection::filters>("filters"),
    field<&L21_collection::bl_gear>("bl_gear"),
    field<&L21_collection::data_folder>("data_folder"),
};

// Old filter property number -> current property id.
constexpr std::array<qint64, 74> old_property_ids = {
    0,  3,  1,  2,  4,  5,  6,  7,  11, 13, 12, 22, 24, 23, 17, 15, 16, 18, 20,
    19, 10, 26, 27, 29, 30, 31, 32, 47, 48, 56, 52, 49, 50, 51, 53, 54, 55, 57,
    59, 60, 62, 61, 63, 64, 65, 66, 67, 70, 69, 72, 71, 81, 83, 73, 74, 75, 76,
    34, 33, 87, 88, 89, 90, 91, 94, 92, 25, 82, 79, 80, 78, 84, 85, 86,
};

constexpr const char *old_versions[] = {
    "0.50",   "0.51", "0.52", "0.53", "0.54", "0.60b1", "0.60b2", "0.60", "0.61",
    "0.70b1", "0.70", "0.71", "0.72", "0.73", "0.74",   "0.80",   "0.81", "1.00",
    "1.01",   "1.02", "1.03", "1.04", "42",   "L20",    "L21",
};

// Old files wrote 0 or the largest 32-bit value for "no date".
qint64 migrated_date(qint64 date)
{
    return date == 0 || date == date_limit ? no_date : date;
}

own_set migrated_set(const L21_own_set &old)
{
    own_set s;
    s.number = old.number;
    s.version = old.version;
    s.marker = old.marker;
    s.mygroup = old.mygroup;
    s.notes = old.notes;
    s.location = old.location;
    s.state = old.state;
    s.template_ = old.template_;
    s.to_sell = old.to_sell;
    s.sales_value = old.sales_value;
    s.vip_points_get = old.vip_points_get;
    s.cashback = old.cashback;
    s.cashback_type = old.cashback_type;
    s.last_edit = old.last_edit;
    s.color = old.color == 0 ? no_color : old.color;
    s.addition = old.zusatz;
    s.vip_points_sub = old.vip_points_lost;
    s.packaging = old.carton_exists;
    s.instructions = old.instr_exists;
    s.completeness = old.set_complete;
    s.reminder_date = migrated_date(old.alarm_date);

    s.purc.condition = old.condition;
    s.purc.platform = old.shop;
    s.purc.person = old.seller;
    s.purc.date = migrated_date(old.purchase_date);
    s.purc.number = old.order_number;
    s.purc.price = old.purchase_price;
    s.purc.shipc = old.shipping_price;
    s.purc.items = old.purchase_items;
    s.purc.costs = 0;

    s.sell.date = no_date;
    s.sell.items = 1;

    const QString bar = QStringLiteral("|");
    list_set(s.mytags, old.own_tags, bar);
    list_set(s.documents, old.document, bar);
    for (QString &path : s.documents)
        path.replace(QStringLiteral("%user%"), QStringLiteral("~"));
    return s;
}

} // namespace

TANDORA_RECORD_TABLE(L21_condi)
TANDORA_RECORD_TABLE(L21_filter)
TANDORA_RECORD_TABLE(L21_own_set)
TANDORA_RECORD_TABLE(L21_collection)

bool is_old_format_version(const QString &version)
{
    for (const char *v : old_versions) {
        if (version == QLatin1StringView(v))
            return true;
    }
    return false;
}

qint64 migrated_property_id(qint64 old_property)
{
    if (old_property < 0 || old_property >= qint64(old_property_ids.size()))
        return 0;
    return old_property_ids[size_t(old_property)];
}

void migrate_collection(const JsonDocument &document, const QString &old_version, collection &into,
                        const Texts &texts, QString &report)
{
    report += u'\n' + old_version + QStringLiteral(" > ") + current_format_version;
    reset_collection(into, texts);

    L21_collection old;
    document.fill(old);

    into.version = current_format_version;
    into.vip_stock = old.vip_points_others;
    into.load_settings = old.load_settings;
    into.last_saved = old.last_saved;
    // The oldest files carry no formats; an empty mask or an unknown decimal separator would
    // hide every date and number, so those keep the defaults of a new collection.
    if (!old.fmt_date.isEmpty())
        into.fmt_date = old.fmt_date;
    if (old.fmt_decimal == 44 || old.fmt_decimal == 46)
        into.fmt_decimal = old.fmt_decimal;
    into.fmt_thousand = old.fmt_thousand;
    into.fmt_currency = old.fmt_currency;
    into.data_folder = old.data_folder;
    into.user_links = old.user_links;
    into.UVP_overwrite = old.UVP_overwrite;
    into.extra_figs = old.additional_figs;
    into.gear_sets = old.bl_gear;

    into.sets.reserve(old.sets.size());
    for (const L21_own_set &s : old.sets)
        into.sets.push_back(migrated_set(s));

    for (const L21_filter &f : old.filters) {
        filter &nf = into.filters.emplace_back();
        nf.name = f.name;
        nf.logic = f.logic;
        nf.invert = f.invert;
        nf.sensitiv = f.sensitiv;
        for (const L21_condi &c : f.condis)
            nf.condis.push_back(condi{migrated_property_id(c.property), c.operator_, c.inputstr});
    }
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace tandora {

// The collection file is the `collection` record written field for field, so these structs
// are at the same time the in-memory model and the file format. Every field starts empty or
// zero: a member missing from a file leaves exactly that. Copies are deep (QString and
// QStringList copy on write).

struct database_bs; // cached set data, owned by the set data cache
struct database_bl; // cached minifigure list, owned by the set data cache

struct trading
{
    qint64 condition = 0;
    QString platform;
    QString person;
    qint64 date = 0;
    QString number;
    double price = 0;
    double shipc = 0;
    double costs = 0;
    qint64 items = 0;
};

struct own_set
{
    // Scratch slots of the last computed property value; written to the file empty.
    QString _str;
    double _val = 0;
    QStringList _lst;
    // Links into the set data cache; written as 0, ignored when read.
    const database_bs *bs = nullptr;
    const database_bl *bl = nullptr;

    qint64 template_ = 0; // "template" in the file
    QString number;
    qint64 version = 0;
    qint64 state = 0;
    qint64 packaging = 0;
    qint64 instructions = 0;
    qint64 completeness = 0;
    qint64 altern_pieces = 0;
    QString location;
    QString addition;
    QString mygroup;
    QString notes;
    double vip_points_get = 0;
    double vip_points_sub = 0;
    qint64 to_sell = 0;
    double cashback = 0;
    qint64 cashback_type = 0;
    double sales_value = 0;
    qint64 reminder_date = 0;
    qint64 marker = 0;
    qint64 color = 0;
    qint64 last_edit = 0;
    trading purc;
    trading sell;
    QStringList mytags;
    QStringList documents;
};

struct column
{
    qint64 valID = 0;
    qint64 cHide = 0;
    qint64 width = 0;
    qint64 print = 0;

    friend bool operator==(const column &, const column &) = default;
};

struct condi
{
    qint64 valID = 0;
    qint64 opera = 0;
    QString input;
};

struct filter
{
    QString name;
    qint64 logic = 0;
    qint64 invert = 0;
    qint64 sensitiv = 0;
    std::vector<condi> condis;
};

struct collection
{
    QString version;
    double vip_stock = 0;
    qint64 view_settings = 0;
    qint64 load_settings = 0;
    qint64 sort_col = 0;
    qint64 sort_dir = 0;
    qint64 last_saved = 0;
    QString fmt_date;
    qint64 fmt_decimal = 0;
    qint64 fmt_thousand = 0;
    qint64 fmt_currency = 0;
    QString data_folder;
    qint64 json_format = 0;
    qint64 backup_steps = 0;
    std::vector<column> columns;
    std::vector<own_set> sets;
    QStringList user_links;
    QMap<QString, double> UVP_overwrite;
    QStringList extra_figs;
    std::vector<filter> filters;
    QStringList gear_sets;
};

} // namespace tandora

// Sets are made of Qt's implicitly shared types and plain values only, so reordering them may
// move their bytes (keep it so when adding fields).
Q_DECLARE_TYPEINFO(tandora::trading, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(tandora::own_set, Q_RELOCATABLE_TYPE);

namespace tandora {

// Dates: a negative value means no date; -1 is what the program writes for an empty date.
inline constexpr qint64 no_date = -1;
// Dates from here on show empty as well.
inline constexpr qint64 date_limit = 2147483647;
inline constexpr qint64 no_color = -1;

// The current file format tag.
inline constexpr QLatin1StringView current_format_version{"L22"};

// "number-version", e.g. 10294-1: identifies a set for the cache, the user retail prices,
// gear sets and additional minifigures.
QString set_key(const own_set &set);

} // namespace tandora

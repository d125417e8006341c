// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/sort.h"

#include "properties/catalogue.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/cache_records.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tandora {

namespace {

// "0000010030-001": number and variant compare as numbers would.
QString set_number_key(const own_set &s)
{
    QString key = s.number.left(10).rightJustified(10, u'0');
    key += u'-';
    key += QString::number(s.version).rightJustified(3, u'0');
    return key;
}

QString text_key(const PropertyContext &ctx, const own_set &s, qint64 id, PropertyKind kind,
                 bool ascending)
{
    QString key;
    if (id == 3) {
        key = set_number_key(s);
    } else {
        PropertyValue v = compute_value(ctx, s, id, 0);
        key =
            kind == PropertyKind::TextList ? v.list.join(QStringLiteral(", ")) : std::move(v.text);
    }
    // Empty texts come last in both directions.
    if (key.isEmpty())
        return ascending ? QStringLiteral("\u00FF") : QStringLiteral(" ");
    return key.toCaseFolded();
}

double number_key(const PropertyContext &ctx, const own_set &s, qint64 id)
{
    double v = compute_value(ctx, s, id, 0).number;
    if (id == 6 && v == double(no_date))
        v = double(date_from_civil(int(std::clamp<qint64>(set_data(s).year, -99999, 99999)), 1, 1));
    // Undefined values (a division by zero) sort below every number, in a fixed place.
    return std::isnan(v) ? -std::numeric_limits<double>::infinity() : v;
}

// Each set's key with its position; sorted by key, ties stay in position order.
template<typename Key> using keyed = std::vector<std::pair<Key, size_t>>;

template<typename Key> void stable_sort_keys(keyed<Key> &keys, bool ascending)
{
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto &a, const auto &b) { return b.first < a.first; });
}

// Puts sets[keys[i].second] at position i, moving every set once along its cycle instead of
// building a second list.
template<typename Key> void apply_order(std::vector<own_set> &sets, keyed<Key> &keys)
{
    for (size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].second == start)
            continue;
        own_set held = std::move(sets[start]);
        size_t to = start;
        for (;;) {
            const size_t from = keys[to].second;
            keys[to].second = to; // placed
            if (from == start) {
                sets[to] = std::move(held);
                break;
            }
            sets[to] = std::move(sets[from]);
            to = from;
        }
    }
}

template<typename Key, typename MakeKey>
void sort_by(std::vector<own_set> &sets, bool ascending, MakeKey make_key)
{
    // Kept between sorts: fresh memory for 50,000 keys costs more than computing them.
    thread_local keyed<Key> keys;
    keys.clear();
    keys.reserve(sets.size());
    for (size_t i = 0; i < sets.size(); ++i)
        keys.emplace_back(make_key(sets[i]), i);
    stable_sort_keys(keys, ascending);
    apply_order(sets, keys);
    keys.clear();
}

} // namespace

void sort_sets(const PropertyContext &ctx, collection &c)
{
    const qint64 id = c.sort_col;
    if (!is_property_id(id) || c.sets.size() < 2)
        return;
    const bool ascending = c.sort_dir == 0;
    const PropertyKind kind = property_def_of(id).kind;

    if (kind == PropertyKind::Text || kind == PropertyKind::TextList)
        sort_by<QString>(c.sets, ascending,
                         [&](const own_set &s) { return text_key(ctx, s, id, kind, ascending); });
    else
        sort_by<double>(c.sets, ascending,
                        [&](const own_set &s) { return number_key(ctx, s, id); });
}

void sort_by_column(collection &c, qint64 id)
{
    if (id == c.sort_col) {
        c.sort_dir = c.sort_dir == 0 ? 1 : 0;
    } else {
        c.sort_col = id;
        c.sort_dir = property_def_of(id).sortDir;
    }
}

} // namespace tandora

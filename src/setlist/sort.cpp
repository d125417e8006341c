// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "setlist/sort.h"

#include "properties/catalogue.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/cache_records.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tandora {

namespace {

// Each set's key with its position; sorted by key, ties stay in position order.
template<typename Key> using keyed = std::vector<std::pair<Key, size_t>>;

// Text keys are folded into one buffer per thread instead of a string each: no allocation
// per set, and the comparisons run over memory that lies together.
struct text_buffers
{
    std::array<std::u16string, 2> arena;
    std::vector<std::pair<size_t, size_t>> spans; // start and length in the arena of its part
};

void append_folded(std::u16string &arena, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        arena.push_back(u < 0x80 ? (u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u)
                                 : char16_t(QChar::toCaseFolded(u)));
    }
}

// "0000010030-001": number and variant compare as numbers would; a longer number is cut.
void append_set_number_key(std::u16string &arena, const own_set &s)
{
    const QStringView number = QStringView(s.number).left(10);
    arena.append(size_t(10 - number.size()), u'0');
    append_folded(arena, number);
    arena.push_back(u'-');
    const QString version = QString::number(s.version);
    arena.append(size_t(std::max<qsizetype>(0, 3 - version.size())), u'0');
    append_folded(arena, version);
}

void append_text_key(std::u16string &arena, const PropertyContext &ctx, const own_set &s, qint64 id,
                     PropertyKind kind, bool ascending)
{
    const size_t start = arena.size();
    if (id == 3) {
        append_set_number_key(arena, s);
    } else {
        const PropertyValue v = compute_value(ctx, s, id, 0);
        if (kind == PropertyKind::TextList) {
            for (qsizetype i = 0; i < v.list.size(); ++i) {
                if (i > 0)
                    arena.append(u", ");
                append_folded(arena, v.list[i]);
            }
        } else {
            append_folded(arena, v.text);
        }
    }
    // Empty texts come last in both directions.
    if (arena.size() == start)
        arena.push_back(ascending ? u'\u00FF' : u' ');
}

double number_key(const PropertyContext &ctx, const own_set &s, qint64 id)
{
    double v = compute_value(ctx, s, id, 0).number;
    if (id == 6 && v == double(no_date))
        v = double(date_from_civil(int(std::clamp<qint64>(set_data(s).year, -99999, 99999)), 1, 1));
    // Undefined values (a division by zero) sort below every number, in a fixed place.
    return std::isnan(v) ? -std::numeric_limits<double>::infinity() : v;
}

// Runs fill(part, begin, end) over the sets, on two threads for a large collection: reading
// every set's data is what a sort spends most of its time on, and it only reads.
template<typename Fill> void for_parts(size_t count, Fill fill)
{
    constexpr size_t parallel_from = 8192;
    if (count < parallel_from || std::thread::hardware_concurrency() < 2) {
        fill(0, size_t(0), count);
        return;
    }
    const size_t half = count / 2;
    std::thread other(fill, 1, half, count);
    fill(0, size_t(0), half);
    other.join();
}

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
// building a second list. A set is made of Qt's relocatable types and plain values, so it is
// moved as its bytes, like Qt's own containers move such types.
template<typename Key>
void apply_order(std::vector<own_set> &sets, keyed<Key> &keys, std::vector<size_t> *moved_from)
{
    static_assert(QTypeInfo<own_set>::isRelocatable);
    if (moved_from) {
        moved_from->resize(keys.size());
        for (size_t i = 0; i < keys.size(); ++i)
            (*moved_from)[i] = keys[i].second;
    }
    alignas(own_set) unsigned char held[sizeof(own_set)];
    const auto bytes = [&](size_t i) { return static_cast<void *>(&sets[i]); };
    for (size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].second == start)
            continue;
        std::memcpy(held, bytes(start), sizeof(own_set));
        size_t to = start;
        for (;;) {
            const size_t from = keys[to].second;
            keys[to].second = to; // placed
            if (from == start) {
                std::memcpy(bytes(to), held, sizeof(own_set));
                break;
            }
            std::memcpy(bytes(to), bytes(from), sizeof(own_set));
            to = from;
        }
    }
}

void sort_by_text(const PropertyContext &ctx, std::vector<own_set> &sets, qint64 id,
                  PropertyKind kind, bool ascending, std::vector<size_t> *moved_from)
{
    // Kept between sorts: fresh memory for 50,000 keys costs more than computing them.
    // (Named through references: inside the lambda a thread-local would be the other thread's.)
    thread_local text_buffers kept_buffers;
    thread_local keyed<std::u16string_view> kept_keys;
    text_buffers &buffers = kept_buffers;
    keyed<std::u16string_view> &keys = kept_keys;
    buffers.spans.resize(sets.size());
    const size_t half = sets.size() / 2;
    for_parts(sets.size(), [&](int part, size_t begin, size_t end) {
        std::u16string &arena = buffers.arena[size_t(part)];
        arena.clear();
        for (size_t i = begin; i < end; ++i) {
            const size_t start = arena.size();
            append_text_key(arena, ctx, sets[i], id, kind, ascending);
            buffers.spans[i] = {start, arena.size() - start};
        }
    });
    keys.resize(sets.size());
    const bool two_parts = !buffers.arena[1].empty() && sets.size() >= 8192;
    for (size_t i = 0; i < sets.size(); ++i) {
        const std::u16string &arena = buffers.arena[two_parts && i >= half ? 1 : 0];
        keys[i] = {
            std::u16string_view(arena.data() + buffers.spans[i].first, buffers.spans[i].second), i};
    }
    stable_sort_keys(keys, ascending);
    apply_order(sets, keys, moved_from);
}

void sort_by_number(const PropertyContext &ctx, std::vector<own_set> &sets, qint64 id,
                    bool ascending, std::vector<size_t> *moved_from)
{
    thread_local keyed<double> kept_keys;
    keyed<double> &keys = kept_keys;
    keys.resize(sets.size());
    for_parts(sets.size(), [&](int, size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i)
            keys[i] = {number_key(ctx, sets[i], id), i};
    });
    stable_sort_keys(keys, ascending);
    apply_order(sets, keys, moved_from);
}

} // namespace

void sort_sets(const PropertyContext &ctx, collection &c, std::vector<size_t> *moved_from)
{
    const qint64 id = c.sort_col;
    if (!is_property_id(id) || c.sets.size() < 2) {
        if (moved_from) {
            moved_from->resize(c.sets.size());
            std::iota(moved_from->begin(), moved_from->end(), size_t(0));
        }
        return;
    }
    const bool ascending = c.sort_dir == 0;
    const PropertyKind kind = property_def_of(id).kind;
    if (kind == PropertyKind::Text || kind == PropertyKind::TextList)
        sort_by_text(ctx, c.sets, id, kind, ascending, moved_from);
    else
        sort_by_number(ctx, c.sets, id, ascending, moved_from);
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

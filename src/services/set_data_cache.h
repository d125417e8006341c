// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/cache_records.h"
#include "store/records.h"

#include <QHashFunctions>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <unordered_map>

namespace tandora {

// Downloaded catalogue data in memory, by set key, and the links of every set to it.
// The maps are node-based, so a record keeps its address while it is in the cache. A reload
// refills the records of the files still there, drops the others and re-links every set.
// Main thread only (a large cache is read with the help of short-lived threads).
class SetDataCache final
{
public:
    SetDataCache();

    // data_folder: the resolved data folder (ends in "/"). The cache folder is
    // data_folder + "brickset/", the minifigure picture folder data_folder + "minifigs/";
    // each is created when no file or folder of that name exists (failures are silent).
    void set_up_folders(const QString &data_folder);
    const QString &data_folder() const { return m_data_folder; }
    const QString &cache_folder() const { return m_cache_folder; }
    const QString &minifig_folder() const { return m_minifig_folder; }

    // Rebuilds both maps from the cache folder, then links every set of the collection.
    void load_cache(collection &c);
    // Links one set to its records, or to the shared empty ones.
    void attach_cache(own_set &set) const;

    const database_bs *find_bs(const QString &key) const; // nullptr when not cached
    const database_bl *find_bl(const QString &key) const;
    size_t bs_count() const { return m_bs.size(); }
    size_t bl_count() const { return m_bl.size(); }

    static const database_bs &empty_bs(); // filedate -1, all else empty
    static const database_bl &empty_bl();

    // Cache files above this size are skipped: a stored answer holds one set and a minifigure
    // list a few dozen entries, so anything this large is not ours and would only eat memory.
    static constexpr qint64 max_file_size = qint64(64) << 20;

private:
    struct KeyHash
    {
        // Not noexcept on purpose: the standard library then keeps each key's hash in its node,
        // which makes lookups and growth compare hashes instead of strings.
        size_t operator()(const QString &key) const { return qHash(key); }
    };
    // A record and the load that last read its file: a reload fills the records of the files
    // still there in place and drops the others.
    template<typename R> struct Entry
    {
        R record;
        quint64 loaded_in = 0;
    };
    using BsMap = std::unordered_map<QString, Entry<database_bs>, KeyHash>;
    using BlMap = std::unordered_map<QString, Entry<database_bl>, KeyHash>;

    QString m_data_folder;
    QString m_cache_folder;
    QString m_minifig_folder;
    BsMap m_bs;
    BlMap m_bl;
    quint64 m_generation = 0;
};

// Tags ending in "|n" name minifigure characters: those go (without the ending) to figs,
// every other non-empty tag to norm, in order. Appends to both lists.
void split_tags(const QStringList &tags, QStringList &norm, QStringList &figs);

// Sorts the list by number (case-sensitive) and returns each number in upper case, repeated
// quantity times. A hostile quantity must not fill the memory: the list ends at max_figure_ids.
inline constexpr qint64 max_figure_ids = 10000;
QStringList figure_ids(minifig_list &list);

} // namespace tandora

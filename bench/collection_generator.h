// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>
#include <QStringList>

#include <cstddef>

// Synthetic collections for the benchmarks: data that looks like a long-kept real collection
// (repeating shops, places and groups, orders of several sets sharing their shipping, a few
// sold and wishlist entries, mostly empty notes), so that file sizes, string lengths and
// value distributions match what users have.
namespace tandora::bench {

// The save time stamped into written files, so the bytes of a file depend on the seed only.
inline constexpr qint64 generated_save_time = 1765443600; // 2025-12-11 09:00:00

// A collection of set_count sets, starting from a new collection in British English. The same
// count and seed give the same collection on every platform.
collection generate_collection(size_t set_count, quint32 seed = 1);

// Writes the collection to path in the given storage format (json_format 0 indented, 1
// compact) through the program's own save at generated_save_time. Sets c.json_format and,
// like every save, c.last_saved and c.version. The file's size, or -1 when it was not written
// (the reason in *error).
qint64 write_collection(const QString &path, collection &c, qint64 json_format,
                        QString *error = nullptr);

// The keys of the collection's sets ("number-version"), each once, in order of appearance.
QStringList distinct_set_keys(const collection &c);

// Writes one ".set" file per key into folder, the way a download stores it: a getSets answer
// of one set in the service's member order and pretty-printed form, with the members the
// service sometimes leaves out missing now and then and extended data (tags, a description)
// for some sets; about 2 KB each. The same keys and seed give the same bytes. Returns the
// bytes written, or -1 when a file could not be written.
qint64 write_set_files(const QString &folder, const QStringList &keys, quint32 seed = 1);

// Writes one ".mini" file per key into folder: a minifigure list of one to a dozen entries as
// the BrickLink reader stores it. Returns the bytes written, or -1.
qint64 write_mini_files(const QString &folder, const QStringList &keys, quint32 seed = 1);

} // namespace tandora::bench

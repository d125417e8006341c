// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

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

} // namespace tandora::bench

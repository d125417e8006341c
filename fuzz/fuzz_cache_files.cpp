// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a downloaded ".set" or ".mini" file.
#include "services/cache_records.h"
#include "services/set_data_cache.h"
#include "store/json_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tandora;
    static JsonDocument doc;
    if (!doc.parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    database_bs set_data;
    doc.fill(set_data.database);
    split_tags(set_data.set().extendedData.tags, set_data.tags_norm, set_data.tags_figs);
    database_bl figures;
    doc.fill(figures.minifigs);
    figures.figure_id = figure_ids(figures.minifigs);
    return 0;
}

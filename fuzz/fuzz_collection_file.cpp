// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a collection file: current and old layouts, then written again.
#include "core/texts.h"
#include "store/collection_ops.h"
#include "store/json_reader.h"
#include "store/json_writer.h"
#include "store/migration.h"
#include "store/record_tables.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tandora;
    static Texts texts;
    JsonDocument doc;
    if (!doc.parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    collection c;
    doc.fill(c);
    QString report;
    collection migrated;
    migrate_collection(doc, QStringLiteral("1.04"), migrated, texts, report);
    to_json(c, JsonLayout::Indented);
    to_json(migrated, JsonLayout::Compact);
    return 0;
}

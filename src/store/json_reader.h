// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/field_table.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <string_view>

namespace tandora {

// A parsed JSON document that fills records through their field tables: members are matched
// to fields by exact name, members a record does not have are ignored, and a field whose
// member is missing or of another JSON type keeps its empty or zero value. Keep one document
// around to read many files: the parser's buffers are reused.
class JsonDocument final
{
public:
    JsonDocument();
    ~JsonDocument();
    JsonDocument(const JsonDocument &) = delete;
    JsonDocument &operator=(const JsonDocument &) = delete;

    // Reads and parses a whole file. False when it cannot be read or is not JSON.
    bool load_file(const QString &path);
    // Parses UTF-8 text. False when it is not JSON.
    bool parse(QByteArrayView text);

    bool is_object() const;
    // A string member of the top-level object; empty when missing or not a string.
    QString string_member(std::string_view name) const;
    // Resets the record and fills it from the top-level object (nothing when not an object).
    void fill(const RecordTable &table, void *record) const;
    template<typename R> void fill(R &record) const { fill(table_of<R>(), &record); }

    // Size in bytes of the last text read.
    qsizetype size() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tandora

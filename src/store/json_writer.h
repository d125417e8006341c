// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/field_table.h"

#include <QStringView>

#include <functional>
#include <string>
#include <string_view>

namespace tandora {

enum class JsonLayout {
    Indented, // a member or element per line; the ": " of one object aligned
    Compact,  // no line breaks or indentation
};

// Takes the composed text piece by piece; false stops the composition.
using JsonSink = std::function<bool(std::string_view piece)>;

// Composes the JSON text of a record. Every field is written, in table order; scratch fields
// as "", 0 or [] and links as 0. Doubles use "%.16g" with "." whatever the locale. The text
// reaches the sink in pieces of about a megabyte, so a large collection never sits in memory
// twice. False when the sink failed.
bool write_json(const JsonSink &sink, const RecordTable &table, const void *record,
                JsonLayout layout);

// The whole text appended to out.
void write_json(std::string &out, const RecordTable &table, const void *record, JsonLayout layout);

template<typename R> std::string to_json(const R &record, JsonLayout layout)
{
    std::string out;
    write_json(out, table_of<R>(), &record, layout);
    return out;
}

// JSON number text of a double: "%.16g", "null" when not finite.
void append_json_double(std::string &out, double value);
// A JSON string literal of the text, UTF-8, with the standard escapes.
void append_json_string(std::string &out, QStringView text);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/field_table.h"

#include <QStringView>

#include <string>

namespace tandora {

enum class JsonLayout {
    Indented, // a member or element per line; the ": " of one object aligned
    Compact,  // no line breaks or indentation
};

// Appends the JSON text of a record. Every field is written, in table order; scratch fields
// as "", 0 or [] and links as 0. Doubles use "%.16g" with "." whatever the locale.
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

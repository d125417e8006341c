// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QStringView>

#include <span>
#include <string_view>

namespace tandora {

// How import and export read and write a set field addressed by its flat name.
enum class FlatKind : quint8 {
    Text,    // QString
    Integer, // qint64
    Number,  // double
    Date,    // qint64, shown with the collection's date mask
    Colour,  // qint64
    List,    // QStringList
};

struct flat_field
{
    std::string_view name; // "purc_price"
    FlatKind kind;
    void *(*ref)(void *set);
};

// The set fields by flat name, in their fixed order (the order exports list them in).
std::span<const flat_field> own_set_flat_fields();
// nullptr for a name that is not in the table (names compare exactly).
const flat_field *find_own_set_flat_field(QStringView name);

// The field inside a set; T must match the kind (QString, qint64, double or QStringList).
template<typename T> T &flat_value(own_set &set, const flat_field &field)
{
    return *static_cast<T *>(field.ref(&set));
}

template<typename T> const T &flat_value(const own_set &set, const flat_field &field)
{
    return *static_cast<const T *>(field.ref(const_cast<own_set *>(&set)));
}

} // namespace tandora

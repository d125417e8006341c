// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tandora {

// One table of plain rows per record drives reading and writing its JSON form: the field
// name, how the value is held, and a function that finds the member inside a record.

enum class FieldKind : quint8 {
    Integer,    // qint64; JSON number (true/false read as 1/0)
    Double,     // double; JSON number, non-finite written as null
    String,     // QString; JSON string
    StringList, // QStringList; JSON array of strings
    DoubleMap,  // QMap<QString, double>; JSON object of numbers
    Record,     // nested record; JSON object
    RecordList, // std::vector of records; JSON array of objects
    FirstOf,    // one record; read from the first object of a JSON array, written as [record]
    Link,       // pointer into the set data cache; written as 0, ignored when read
};

struct RecordTable;

// Operations on a std::vector of records, without knowing the element type.
struct ListOps
{
    size_t (*size)(const void *list);
    void *(*at)(void *list, size_t index);
    void *(*append)(void *list);
    void (*clear)(void *list);
    void (*reserve)(void *list, size_t count);
};

struct FieldDesc
{
    std::string_view name;
    FieldKind kind;
    bool scratch = false; // transient value: always written empty
    void *(*ref)(void *record) = nullptr;
    const RecordTable &(*sub)() = nullptr; // Record, RecordList
    const ListOps *list = nullptr;         // RecordList
};

struct RecordTable
{
    RecordTable(std::string_view name, std::span<const FieldDesc> fields, void (*reset)(void *));

    // The field of that name; `hint` is where the search starts, since files written by the
    // program list the members in table order. nullptr for a member the record does not have.
    const FieldDesc *find(std::string_view member, size_t hint) const;
    size_t index_of(const FieldDesc *field) const { return size_t(field - fields.data()); }

    std::string_view name;
    std::span<const FieldDesc> fields;
    void (*reset)(void *record); // back to all empty and zero
    size_t name_width = 0;       // longest field name, for the aligned layout
    // Each field's name as written before its value: "name"<blanks>: and "name":
    std::vector<std::string> indented_names;
    std::vector<std::string> compact_names;

private:
    std::vector<std::pair<std::string_view, int>> m_sorted;
};

// Each record type provides its table (defined next to the record's other tables).
template<typename R> const RecordTable &table_of();

namespace field_detail {

template<typename T> struct member_of;
template<typename C, typename M> struct member_of<M C::*>
{
    using record = C;
    using type = M;
};

template<typename T> struct is_vector : std::false_type
{
};
template<typename T> struct is_vector<std::vector<T>> : std::true_type
{
    using element = T;
};

template<auto Member> void *member_ref(void *record)
{
    using R = typename member_of<decltype(Member)>::record;
    return &(static_cast<R *>(record)->*Member);
}

template<auto Outer, auto Inner> void *nested_ref(void *record)
{
    using R = typename member_of<decltype(Outer)>::record;
    return &((static_cast<R *>(record)->*Outer).*Inner);
}

template<typename T>
inline const ListOps list_ops = {
    [](const void *l) { return static_cast<const std::vector<T> *>(l)->size(); },
    [](void *l, size_t i) -> void * { return &(*static_cast<std::vector<T> *>(l))[i]; },
    [](void *l) -> void * { return &static_cast<std::vector<T> *>(l)->emplace_back(); },
    [](void *l) { static_cast<std::vector<T> *>(l)->clear(); },
    [](void *l, size_t n) { static_cast<std::vector<T> *>(l)->reserve(n); },
};

} // namespace field_detail

template<typename R> void reset_record(void *record)
{
    *static_cast<R *>(record) = R{};
}

// A row for a member; the kind follows from the member's type.
template<auto Member> constexpr FieldDesc field(std::string_view name, bool scratch = false)
{
    using M = typename field_detail::member_of<decltype(Member)>::type;
    FieldDesc f{name, FieldKind::Integer, scratch, &field_detail::member_ref<Member>};
    if constexpr (std::is_same_v<M, qint64>) {
        f.kind = FieldKind::Integer;
    } else if constexpr (std::is_same_v<M, double>) {
        f.kind = FieldKind::Double;
    } else if constexpr (std::is_same_v<M, QString>) {
        f.kind = FieldKind::String;
    } else if constexpr (std::is_same_v<M, QStringList>) {
        f.kind = FieldKind::StringList;
    } else if constexpr (std::is_same_v<M, QMap<QString, double>>) {
        f.kind = FieldKind::DoubleMap;
    } else if constexpr (field_detail::is_vector<M>::value) {
        using E = typename field_detail::is_vector<M>::element;
        f.kind = FieldKind::RecordList;
        f.sub = &table_of<E>;
        f.list = &field_detail::list_ops<E>;
    } else {
        static_assert(std::is_class_v<M>, "unsupported field type");
        f.kind = FieldKind::Record;
        f.sub = &table_of<M>;
    }
    return f;
}

// Defines table_of<R>() from the array R_fields (declaration order).
#define TANDORA_RECORD_TABLE(R)                                                                    \
    template<> const RecordTable &table_of<R>()                                                    \
    {                                                                                              \
        static const RecordTable table(#R, R##_fields, &reset_record<R>);                          \
        return table;                                                                              \
    }

// A record member that the file holds as the first element of an array: only that one is
// read, and it is written as an array of one.
template<auto Member> constexpr FieldDesc first_of(std::string_view name)
{
    using M = typename field_detail::member_of<decltype(Member)>::type;
    return FieldDesc{name, FieldKind::FirstOf, false, &field_detail::member_ref<Member>,
                     &table_of<M>};
}

// A link to cached data: no member is read or written, the file holds 0.
constexpr FieldDesc link_field(std::string_view name)
{
    return FieldDesc{name, FieldKind::Link};
}

} // namespace tandora

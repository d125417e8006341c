// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/field_table.h"

#include <algorithm>

namespace tandora {

RecordTable::RecordTable(std::string_view name, std::span<const FieldDesc> fields,
                         void (*reset)(void *))
    : name(name)
    , fields(fields)
    , reset(reset)
{
    m_sorted.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        m_sorted.emplace_back(fields[i].name, int(i));
        name_width = std::max(name_width, fields[i].name.size());
    }
    std::sort(m_sorted.begin(), m_sorted.end());
    for (const FieldDesc &f : fields) {
        const std::string quoted = '"' + std::string(f.name) + '"';
        compact_names.push_back(quoted + ':');
        indented_names.push_back(quoted + std::string(name_width - f.name.size(), ' ') + ": ");
    }
}

const FieldDesc *RecordTable::find(std::string_view member, size_t hint) const
{
    if (hint < fields.size() && fields[hint].name == member)
        return &fields[hint];
    const auto it =
        std::lower_bound(m_sorted.begin(), m_sorted.end(), member,
                         [](const auto &entry, std::string_view m) { return entry.first < m; });
    if (it == m_sorted.end() || it->first != member)
        return nullptr;
    return &fields[size_t(it->second)];
}

} // namespace tandora

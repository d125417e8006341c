// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an INI file (settings, currencies, service addresses).
#include "core/ini_file.h"
#include "properties/currency_table.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tandora;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniFile ini = IniFile::parse(bytes);
    for (const QString &group : ini.groups()) {
        for (const IniEntry &e : ini.entries(group)) {
            ini.integer(group, e.key);
            ini.real(group, e.key);
        }
    }
    CurrencyTable::parse(bytes);
    return 0;
}

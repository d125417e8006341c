// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/currency_table.h"

#include "core/ini_file.h"
#include "core/support_files.h"

#include <QFile>

namespace tandora {

CurrencyTable CurrencyTable::parse(QByteArrayView ini_text)
{
    const IniFile ini = IniFile::parse(ini_text);
    CurrencyTable table;
    for (const QString &group : ini.groups()) {
        const int index = ini.integer(group, "id", 0);
        if (index < 0 || index >= currency_row_count)
            continue;
        currency_row &row = table.m_rows[size_t(index)];
        row.valid = true;
        row.name = group;
        row.symbol1 = ini.text(group, "symbol1", QStringLiteral("\u20AC"));
        row.symbol2 = ini.text(group, "symbol2", QStringLiteral("ct"));
        row.vip_factor = ini.real(group, "vip_factor", 7.5);
        row.uvp_get = ini.text(group, "uvp_get", QStringLiteral("DE"));
    }
    return table;
}

CurrencyTable CurrencyTable::load(const QString &path)
{
    QFile file(path);
    return parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

CurrencyTable CurrencyTable::built_in()
{
    return parse(default_file_bytes(QString::fromLatin1(currency_default_resource)));
}

const currency_row &CurrencyTable::row(qint64 index) const
{
    static const currency_row none;
    return index >= 0 && index < currency_row_count ? m_rows[size_t(index)] : none;
}

} // namespace tandora

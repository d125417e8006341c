// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

namespace tandora {

struct currency_row
{
    bool valid = false; // defined by the currency file; only valid rows are offered
    QString name;
    QString symbol1;
    QString symbol2;
    double vip_factor = 0;
    QString uvp_get; // region whose catalogue retail price applies: DE, UK, US, CA
};

inline constexpr int currency_row_count = 51;

// The currencies of the currency file, indexed by row.
class CurrencyTable final
{
public:
    // Reads the currency file's text: one group per currency, the group name is its name.
    static CurrencyTable parse(QByteArrayView ini_text);
    static CurrencyTable load(const QString &path);
    // The built-in default currency file.
    static CurrencyTable built_in();

    // The row; an empty, invalid row for indexes outside the table.
    const currency_row &row(qint64 index) const;

private:
    std::array<currency_row, currency_row_count> m_rows;
};

} // namespace tandora

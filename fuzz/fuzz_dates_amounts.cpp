// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a typed date or amount, and as a date mask.
#include "properties/formatting.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tandora;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    parse_amount(text);
    for (const QStringView mask : date_masks)
        parse_date_with_mask(text, mask);
    const qint64 date = parse_date_with_mask(text, u"%yyyy-%mm-%ddT%hh:%ii:%ssZ");
    format_date(date, text);
    NumberFormat format;
    format_number(format, parse_amount(text), qint64(size % 7) - 3, text, qint64(size % 8));
    return 0;
}

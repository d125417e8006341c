// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/records.h"

namespace tandora {

QString set_key(const own_set &set)
{
    return set.number + QLatin1Char('-') + QString::number(set.version);
}

} // namespace tandora

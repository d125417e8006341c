// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/field_table.h"
#include "store/records.h"

namespace tandora {

template<> const RecordTable &table_of<trading>();
template<> const RecordTable &table_of<own_set>();
template<> const RecordTable &table_of<column>();
template<> const RecordTable &table_of<condi>();
template<> const RecordTable &table_of<filter>();
template<> const RecordTable &table_of<collection>();

} // namespace tandora

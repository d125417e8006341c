// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

namespace tandora {

class Catalogue;
class Texts;

// One default column per property in catalogue order; sorted by purchase date, newest first.
void reset_columns(collection &c);

// Everything empty, then the defaults of a new collection: the formats of the language, all
// downloads on, indented storage, two backups and the default columns.
void reset_collection(collection &c, const Texts &texts);

// Mends the column layout of a loaded file: every property gets exactly one column (missing
// ones are inserted after their predecessor in catalogue order), and a layout without any
// printed column takes the print defaults. Appends a report line per added property.
void check_columns(collection &c, const Catalogue &catalogue, const Texts &texts, QString &report);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

namespace tandora {

class JsonDocument;
class Texts;

// Format tags of files written by earlier versions; all are read with one old layout.
bool is_old_format_version(const QString &version);

// Rebuilds the collection from a file of an earlier version (already parsed) in the current
// layout. Always succeeds: a document that is not an old collection gives a new collection.
// Appends the line "\n<old version> > L22" to the report.
void migrate_collection(const JsonDocument &document, const QString &old_version, collection &into,
                        const Texts &texts, QString &report);

// The current property id of a filter property number of the old layout; 0 when unknown.
qint64 migrated_property_id(qint64 old_property);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QString>

#include <string>

namespace tandora {

class Catalogue;
class JsonDocument;
class Clock;
class Texts;
class UserPrompt;

struct LoadResult
{
    bool ok = false;
    QString version; // the format tag read from the file
    bool migrated = false;
    QString report; // lines, each starting with a line feed: migration, added columns
};

// Reads a collection file into `into` (replaced only on success). Shows the unusual
// extension warning, the unknown-format message and the report through the prompt. A kept
// document saves allocating the parser's memory anew for every load.
LoadResult read_collection_file(const QString &path, collection &into, const Texts &texts,
                                const Catalogue &catalogue, UserPrompt &prompt,
                                JsonDocument *document = nullptr);

// The JSON text of the collection in its storage format (indented for json_format 0,
// compact otherwise).
std::string collection_json(const collection &c);

// Sets last_saved and the format tag, then writes the file: the new text goes to a temporary
// file beside it first, the backups rotate, and the temporary file replaces the old one.
// When the text cannot be written completely the file and its backups stay as they were;
// false with the reason in *error.
bool write_collection_file(const QString &path, collection &c, const Clock &clock,
                           QString *error = nullptr);

// Deletes the oldest backup and moves the others one generation on. True when the current
// file is to become generation 1 as it is replaced.
bool shift_backups(const QString &path, qint64 backup_steps);
QString backup_path(const QString &path, int generation);

// The name a save-as answer is stored under: ".json" is appended unless the name already
// ends in exactly ".json".
QString with_json_extension(const QString &path);

} // namespace tandora

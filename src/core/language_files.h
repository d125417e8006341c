// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace tandora {

// One of the languages built into the program as a Qt resource.
struct BuiltInLanguage
{
    QStringView name;       // entry of the language dialog
    QStringView short_name; // name on the command line
    QStringView resource;   // the language file
};

// The built-in languages in the order of the language dialog; the dialog's index is the
// index into this list.
std::span<const BuiltInLanguage> built_in_languages();

// Index of the language with this short name ("de", "en-gb", "en-us"; letter case does not
// matter), -1 when none has it.
int language_index(QStringView short_name);

// Writes the built-in file of language index to path, byte for byte. False for an index
// outside the list or when the file cannot be written.
bool write_language_file(int index, const QString &path);

class Texts;
class UserPrompt;

// Asks whether to reset the language; on yes deletes the language file, so that the language
// is chosen again at the next start, and says so. The texts in use stay until then. True when
// the file was deleted.
bool reset_language(const QString &language_file, const Texts &texts, UserPrompt &prompt);

} // namespace tandora

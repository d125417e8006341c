// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tandora {

// Where the program keeps its files. Every folder path ends in "/".
struct Folders
{
    QString support;                 // per-user support folder (.../Norvanda/Tandora/)
    QString language_file;           // support + "1.21_strings.txt"
    QString currency_file;           // support + "1.21_currency.txt"
    QString links_file;              // support + "1.21_links.txt"
    QString endpoints_file;          // support + "1.21_urls.txt"
    QString settings_file;           // support + "settings.ini"
    QString default_collection_file; // documents folder + "legosets.json"
    QString home;                    // the user's home folder
    QString log_folder;              // request and exit logs
};

// Computes the folders and creates both levels of the support folder when missing. A folder
// that cannot be created is not reported: the support files then fall back to their defaults.
Folders resolve_folders();

// The collection file named on the command line: the first argument after the program name,
// skipping the process serial number ("-psn_...") some launchers add; empty when none.
QString first_argument(const QStringList &arguments);

// A leading "~" replaced by the home folder; other paths are returned unchanged.
QString expand_home(const QString &path, const Folders &folders);

// The folder for downloaded set data: the collection's own choice (stored with "~" for the
// home folder) or, when it has none, the support folder. Ends in "/".
QString data_folder(const Folders &folders, const QString &collection_data_folder);

} // namespace tandora

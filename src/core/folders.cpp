// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace tandora {

namespace {

QString with_slash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

Folders resolve_folders()
{
    Folders f;
    f.home = with_slash(QDir::homePath());

    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = f.home + QStringLiteral(".local/share");
    f.support = with_slash(data) + QStringLiteral("Norvanda/Tandora/");
    QDir().mkpath(f.support);

    f.language_file = f.support + QStringLiteral("1.21_strings.txt");
    f.currency_file = f.support + QStringLiteral("1.21_currency.txt");
    f.links_file = f.support + QStringLiteral("1.21_links.txt");
    f.endpoints_file = f.support + QStringLiteral("1.21_urls.txt");
    f.settings_file = f.support + QStringLiteral("settings.ini");

    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = f.home;
    f.default_collection_file = with_slash(documents) + QStringLiteral("legosets.json");

    f.log_folder = QStringLiteral("/tmp/");
    return f;
}

QString first_argument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments.at(i).startsWith(QLatin1String("-psn_")))
            return arguments.at(i);
    }
    return {};
}

QString expand_home(const QString &path, const Folders &folders)
{
    if (!path.startsWith(QLatin1Char('~')))
        return path;
    // The stored form is "~" directly followed by the path below the home folder; a "/" after
    // the "~" (typed by hand) must not double the separator.
    qsizetype rest = 1;
    while (rest < path.size() && path.at(rest) == QLatin1Char('/'))
        ++rest;
    return with_slash(folders.home) + path.mid(rest);
}

QString data_folder(const Folders &folders, const QString &collection_data_folder)
{
    if (collection_data_folder.isEmpty())
        return folders.support;
    return with_slash(expand_home(collection_data_folder, folders));
}

} // namespace tandora

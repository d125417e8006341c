// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace tandora::test {

QString isolate_home(const QString &temp_root)
{
    const QString home = temp_root + QStringLiteral("/home");
    QDir().mkpath(home + QStringLiteral("/Documents"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
    qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(home + QStringLiteral("/Documents")));
    return home;
}

QByteArray read_file(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace tandora::test

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/support_files.h"

#include "core/folders.h"
#include "core/text_file.h"

#include <QFile>

namespace tandora {

namespace {

struct DefaultFile
{
    QString Folders::*path;
    const char *resource;
};

const DefaultFile default_files[] = {
    {&Folders::currency_file, currency_default_resource},
    {&Folders::links_file, links_default_resource},
    {&Folders::endpoints_file, endpoints_default_resource},
};

} // namespace

QByteArray default_file_bytes(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool write_default_file(const QString &path, const QString &resource)
{
    if (file_size(path) > 0)
        return false;
    const QByteArray bytes = default_file_bytes(resource);
    if (bytes.isEmpty())
        return false;
    return atomic_write(path, bytes, {.durable = true, .private_file = false});
}

void write_default_support_files(const Folders &folders)
{
    for (const DefaultFile &file : default_files)
        write_default_file(folders.*file.path, QString::fromLatin1(file.resource));
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tandora {

struct Folders;

// Built-in defaults of the user-editable support files (Qt resources).
inline constexpr char currency_default_resource[] = ":/defaults/1.21_currency.txt";
inline constexpr char links_default_resource[] = ":/defaults/1.21_links.txt";
inline constexpr char endpoints_default_resource[] = ":/defaults/1.21_urls.txt";

// The bytes of a built-in default file; empty when there is no such resource. Readers use it
// when the support folder could not be written.
QByteArray default_file_bytes(const QString &resource);

// Writes the built-in default to path when the file is missing or empty. A file with content
// is the user's and is never touched. True when the default was written.
bool write_default_file(const QString &path, const QString &resource);

// The currency, links and endpoints files.
void write_default_support_files(const Folders &folders);

} // namespace tandora

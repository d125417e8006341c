// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace tandora::test {

// Points HOME and the XDG folders of this process at a temporary folder, so nothing a test
// does reaches the user's real folders. Call before the first QStandardPaths lookup.
QString isolate_home(const QString &temp_root);

QByteArray read_file(const QString &path);
void write_file(const QString &path, const QByteArray &bytes);

} // namespace tandora::test

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tandora::test {

// Path of a file of the shared real-service samples.
QString fixture_path(const QString &name);
bool fixtures_present();

// Splits the real getSets answer of the samples (50 sets) into one answer per set, written
// as "<number>-<variant>.set" into folder, the way a download stores them. Returns the set
// keys in the order of the answer.
QStringList write_fixture_set_files(const QString &folder);

} // namespace tandora::test

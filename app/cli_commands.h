// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <cstdio>

namespace tandora::cli {

// Runs one command of the command-line tool with its arguments (the command name first).
// Results go to out as "key: value" lines; a failure is one line on err. Returns the exit code.
int run(const QStringList &arguments, FILE *out, FILE *err);

} // namespace tandora::cli

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <memory>

namespace tandora {

class AppShell;
class Clock;
class UserPrompt;

// The start-up of the program up to its event loop: folders and the default support files,
// the language (chosen at the first start), currencies, the catalogue check, settings and
// fonts, windows and menus, then the collection named on the command line or the default
// one. nullptr when the language dialog was closed without a choice: the program ends.
std::unique_ptr<AppShell> start_program(const QStringList &arguments, UserPrompt &prompt,
                                        const Clock &clock);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_startup.h"

#include "app_shell.h"
#include "core/folders.h"
#include "core/language_files.h"
#include "core/support_files.h"
#include "core/user_prompt.h"
#include "properties/catalogue.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <clocale>

namespace tandora {

std::unique_ptr<AppShell> start_program(const QStringList &arguments, UserPrompt &prompt,
                                        const Clock &clock)
{
    // Numbers are read and written the same whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    const QString argument = first_argument(arguments);

    AppShell::Start start;
    start.folders = resolve_folders();
    write_default_support_files(start.folders);

    if (!QFileInfo::exists(start.folders.language_file)) {
        QStringList names;
        for (const BuiltInLanguage &language : built_in_languages())
            names.append(language.name.toString());
        const int chosen = prompt.choose_language(names);
        if (chosen < 0)
            return nullptr;
        write_language_file(chosen, start.folders.language_file);
    }
    // A language file that cannot be read leaves every text as "?" and its key.
    start.texts.load_file(start.folders.language_file);
    start.currencies = CurrencyTable::load(start.folders.currency_file);
    if (!catalogue_ids_complete())
        prompt.message(QStringLiteral("ERROR"), UserPrompt::Icon::Warning);

    const QScreen *screen = QGuiApplication::primaryScreen();
    start.settings =
        read_settings(start.folders.settings_file, screen ? screen->size() : QSize(1280, 800));

    auto shell = std::make_unique<AppShell>(std::move(start), prompt, clock);
    shell->start(argument);
    return shell;
}

} // namespace tandora

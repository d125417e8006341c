// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"
#include "core/folders.h"
#include "core/session.h"
#include "core/support_files.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "main_window.h"
#include "message_prompt.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"

#include <QApplication>

#include <csignal>

using namespace tandora;

int main(int argc, char *argv[])
{
    // A file size limit then shows up as a failed save instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandora"));
    QApplication::setOrganizationName(QStringLiteral("Norvanda"));

    const QString argument = first_argument(QApplication::arguments());
    const Folders folders = resolve_folders();
    write_default_support_files(folders);

    Texts language_texts;
    const Texts &texts =
        language_texts.load_file(folders.language_file) ? language_texts : british_english_texts();
    const CurrencyTable currencies = CurrencyTable::load(folders.currency_file);
    const Catalogue catalogue(texts, [&](int row) { return currencies.row(row).symbol1; });

    const SystemClock clock;
    MessagePrompt prompt;
    Session session(texts, catalogue, clock, prompt);
    MainWindow window(session);
    prompt.set_parent(&window);

    const QString path = argument.isEmpty() ? folders.default_collection_file : argument;
    session.new_collection(path);
    window.show();
    if (file_size(path) > 0)
        session.load(path);
    window.refresh();
    window.showMaximized();
    return app.exec();
}

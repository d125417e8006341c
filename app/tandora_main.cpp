// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_shell.h"
#include "app_startup.h"
#include "artwork.h"
#include "core/clock.h"
#include "main_window.h"
#include "message_prompt.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // A file size limit then shows up as a failed save instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandora"));
    QApplication::setOrganizationName(QStringLiteral("Norvanda"));
    QApplication::setWindowIcon(tandora::artwork::application_icon());
    // The program ends only through its leave procedure.
    QApplication::setQuitOnLastWindowClosed(false);

    tandora::MessagePrompt prompt;
    const tandora::SystemClock clock;
    const std::unique_ptr<tandora::AppShell> shell =
        tandora::start_program(QApplication::arguments(), prompt, clock);
    if (!shell)
        return 0;
    prompt.set_parent(&shell->main_window());
    return app.exec();
}

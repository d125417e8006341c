// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"
#include "core/session.h"
#include "core/texts.h"
#include "main_window.h"
#include "properties/catalogue.h"
#include "scripted_prompt.h"

#include <QTest>

using namespace tandora;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleFollowsFileAndChanges();
};

void TestMainWindow::titleFollowsFileAndChanges()
{
    const Texts &texts = british_english_texts();
    const Catalogue catalogue(texts, [](int) { return QString(); });
    const FixedClock clock(0);
    test::ScriptedPrompt prompt;
    Session session(texts, catalogue, clock, prompt);
    MainWindow window(session);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tandora 1.21"));

    session.new_collection(QStringLiteral("/home/me/legosets.json"));
    session.current().sets.resize(2);
    session.mark_modified();
    window.refresh();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tandora 1.21 - /home/me/legosets.json *"));
    if (qEnvironmentVariableIsSet("TANDORA_GRAB"))
        window.grab().save(qEnvironmentVariable("TANDORA_GRAB"));
}

QTEST_MAIN(TestMainWindow)
#include "ui_test_main_window.moc"

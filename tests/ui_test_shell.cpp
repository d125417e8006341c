// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_shell.h"
#include "app_startup.h"
#include "brickset_fixture.h"
#include "core/clock.h"
#include "core/commands.h"
#include "core/language_files.h"
#include "core/settings_file.h"
#include "core/texts.h"
#include "main_list.h"
#include "main_window.h"
#include "scripted_prompt.h"
#include "set_list_model.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"
#include "test_folders.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tandora;
using test::ScriptedPrompt;
using Answer = UserPrompt::Answer;

class TestShell : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> dir;
    QString home;
    ScriptedPrompt prompt;
    FixedClock clock{1765443600};

    QString support(const QString &name) const
    {
        return home + QStringLiteral("/.local/share/Norvanda/Tandora/") + name;
    }
    QString documents(const QString &name) const
    {
        return home + QStringLiteral("/Documents/") + name;
    }

    // A start-up with British English already chosen.
    std::unique_ptr<AppShell> started(const QStringList &extra = {})
    {
        QDir().mkpath(support(QString()));
        if (!QFileInfo::exists(support(QStringLiteral("1.21_strings.txt"))))
            write_language_file(1, support(QStringLiteral("1.21_strings.txt")));
        return start_program(QStringList{QStringLiteral("tandora")} + extra, prompt, clock);
    }

    QString saved_collection(const QString &path, size_t sets)
    {
        collection c;
        reset_collection(c, british_english_texts());
        c.sets.resize(sets);
        write_collection_file(path, c, clock);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        dir.emplace();
        home = test::isolate_home(dir->path());
        prompt = ScriptedPrompt();
    }

    void firstStartAsksForTheLanguage();
    void commandLineFile();
    void registry();
    void shortcutReachesItsId();
    void panels();
    void leaveProcedure_data();
    void leaveProcedure();
    void saveAsAsksBeforeReplacing();
    void settingsRoundTrip();
    void formatsTickAndStay();
    void backupStepsAndVipStock();
    void screenshot();
};

void TestShell::firstStartAsksForTheLanguage()
{
    // Closing the dialog ends the program, after the support files were written.
    QVERIFY(!start_program({QStringLiteral("tandora")}, prompt, clock));
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown[0].text, QStringLiteral("Deutsch\nEnglish GB\nEnglish US"));
    for (const char *name : {"1.21_currency.txt", "1.21_links.txt", "1.21_urls.txt"})
        QVERIFY(QFileInfo(support(QString::fromLatin1(name))).size() > 0);
    QVERIFY(!QFileInfo::exists(support(QStringLiteral("1.21_strings.txt"))));

    prompt.languages = {0};
    const std::unique_ptr<AppShell> shell =
        start_program({QStringLiteral("tandora")}, prompt, clock);
    QVERIFY(shell);
    QCOMPARE(test::read_file(support(QStringLiteral("1.21_strings.txt"))),
             test::read_file(QStringLiteral(":/lang/de.txt")));
    QCOMPARE(shell->action(cmd::load)->text(), QStringLiteral("Öffnen\tCmd+L"));
    QCOMPARE(shell->session().file_path(), documents(QStringLiteral("legosets.json")));
}

void TestShell::commandLineFile()
{
    const QString path = saved_collection(dir->filePath(QStringLiteral("mine.json")), 3);
    std::unique_ptr<AppShell> shell = started({path});
    QCOMPARE(shell->session().file_path(), path);
    QCOMPARE(shell->session().current().sets.size(), size_t(3));
    QCOMPARE(shell->main_window().windowTitle(), QStringLiteral("Tandora 1.21 - ") + path);

    // The system's "-psn_" argument is not a file; a file that does not exist yet is the one
    // the next save writes.
    shell = started({QStringLiteral("-psn_0_12345")});
    QCOMPARE(shell->session().file_path(), documents(QStringLiteral("legosets.json")));
    const QString fresh = dir->filePath(QStringLiteral("new.json"));
    shell = started({fresh});
    QCOMPARE(shell->session().file_path(), fresh);
    QVERIFY(shell->session().current().sets.empty());
}

void TestShell::registry()
{
    const std::unique_ptr<AppShell> shell = started();
    QCOMPARE(shell->action(cmd::save)->text(), QStringLiteral("Save\tCmd+S"));
    QCOMPARE(shell->action(cmd::import_bs)->text().section(u'\t', 1), QStringLiteral("Cmd+Alt+1"));
    QVERIFY(!shell->action(cmd::json_reserved)->isEnabled());
    // Quit: on Cmd+Q in the menu and on Escape without a menu entry.
    const std::vector<registry_record> quit = shell->registry().find(cmd::quit);
    QCOMPARE(quit.size(), size_t(2));
    QCOMPARE(quit[0].menu, MenuId::menu_bar);
    QCOMPARE(quit[0].shortcut, key::cmd | key::letter('Q'));
    QCOMPARE(quit[1].menu, MenuId::none);
    QCOMPARE(quit[1].shortcut, key::escape);
    // The set editor's Shift+Return.
    const std::vector<registry_record> store = shell->registry().find(cmd::editor_store_new);
    QCOMPARE(store.size(), size_t(1));
    QCOMPARE(store[0].window, WindowId::editor);
    QCOMPARE(shortcut_name(store[0].shortcut), QStringLiteral("Shift+⏎"));
    // Every id of the menu bar reaches the dispatch table, built or not.
    for (const registry_record &r : shell->registry().records())
        QVERIFY(r.id >= 0);
}

void TestShell::shortcutReachesItsId()
{
    const std::unique_ptr<AppShell> shell = started();
    MainWindow &main = shell->main_window();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(shell->session().current().view_settings & 64, 0);
    QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier); // Cmd+M: sums of the selection
    QCOMPARE(shell->session().current().view_settings & 64, 64);
    QVERIFY(shell->action(cmd::view_option + 6)->isChecked());

    // Escape leaves through the save question; Cancel keeps the program running.
    shell->session().mark_modified();
    prompt.answers = {Answer::Cancel};
    QTest::keyClick(&main, Qt::Key_Escape);
    QCOMPARE(prompt.shown.last().text, QStringLiteral("Database has been changed. Save it?"));
    QVERIFY(main.isVisible());
    QVERIFY(!QFileInfo::exists(support(QStringLiteral("settings.ini"))));
}

void TestShell::panels()
{
    const std::unique_ptr<AppShell> shell = started();
    MainWindow &main = shell->main_window();
    shell->shell().dispatch(cmd::info_width_1 + 1); // two tiles wide
    QCOMPARE(main.info_width(), 127 * 2 + 26);
    shell->shell().dispatch(cmd::hide_filter_panel);
    QCOMPARE(main.filter_height(), 0);
    QCOMPARE(main.info_width(), 127 * 2 + 26);
    shell->shell().dispatch(cmd::hide_info_panel);
    QCOMPARE(main.info_width(), 0);
    shell->shell().dispatch(cmd::reset_panels);
    QCOMPARE(main.info_width(), 280);
    QCOMPARE(main.filter_height(), 170);
}

void TestShell::leaveProcedure_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("saved");
    for (const auto &[name, id] :
         {std::pair{"new", int(cmd::new_collection)}, std::pair{"load", int(cmd::load)},
          std::pair{"quit", int(cmd::quit)}}) {
        QTest::addRow("%s, yes", name) << id << int(Answer::Yes) << true << true;
        QTest::addRow("%s, no", name) << id << int(Answer::No) << true << false;
        QTest::addRow("%s, cancel", name) << id << int(Answer::Cancel) << false << false;
    }
}

void TestShell::leaveProcedure()
{
    QFETCH(int, id);
    QFETCH(int, answer);
    QFETCH(bool, left);
    QFETCH(bool, saved);
    const QString path = saved_collection(dir->filePath(QStringLiteral("mine.json")), 2);
    const QString other = saved_collection(dir->filePath(QStringLiteral("other.json")), 5);
    std::unique_ptr<AppShell> shell = started({path});
    Session &session = shell->session();
    session.current().sets.resize(4);
    session.mark_modified();
    prompt.answers = {Answer(answer)};
    prompt.files = {other};
    const QByteArray before = test::read_file(path);

    shell->shell().dispatch(id);

    QCOMPARE(prompt.shown[0].text, QStringLiteral("Database has been changed. Save it?"));
    QCOMPARE(prompt.shown[0].icon, UserPrompt::Icon::Warning);
    QCOMPARE(test::read_file(path) != before, saved);
    if (!left) {
        QCOMPARE(session.file_path(), path);
        QCOMPARE(session.current().sets.size(), size_t(4));
        QVERIFY(session.modified());
        QVERIFY(!QFileInfo::exists(support(QStringLiteral("settings.ini"))));
        return;
    }
    switch (id) {
    case cmd::new_collection:
        QCOMPARE(session.file_path(), documents(QStringLiteral("legosets.json")));
        QVERIFY(session.current().sets.empty());
        QVERIFY(!session.modified());
        break;
    case cmd::load:
        QCOMPARE(session.file_path(), other);
        QCOMPARE(session.current().sets.size(), size_t(5));
        break;
    case cmd::quit:
        QVERIFY(QFileInfo::exists(support(QStringLiteral("settings.ini"))));
        break;
    }
}

void TestShell::saveAsAsksBeforeReplacing()
{
    const QString path = saved_collection(dir->filePath(QStringLiteral("mine.json")), 2);
    const QString taken = saved_collection(dir->filePath(QStringLiteral("taken.json")), 1);
    std::unique_ptr<AppShell> shell = started({path});
    const QByteArray before = test::read_file(taken);
    prompt.files = {dir->filePath(QStringLiteral("taken"))};
    prompt.answers = {Answer::No};
    shell->shell().dispatch(cmd::save_as);
    QCOMPARE(test::read_file(taken), before);
    QVERIFY(prompt.shown.last().text.contains(taken));

    prompt.files = {dir->filePath(QStringLiteral("taken"))};
    prompt.answers = {Answer::Yes};
    shell->shell().dispatch(cmd::save_as);
    QVERIFY(test::read_file(taken) != before);
    QCOMPARE(shell->session().file_path(), taken);

    prompt.files = {dir->filePath(QStringLiteral("fresh.JSON"))};
    shell->shell().dispatch(cmd::save_as);
    QVERIFY(QFileInfo::exists(dir->filePath(QStringLiteral("fresh.JSON.json"))));
}

void TestShell::settingsRoundTrip()
{
    QDir().mkpath(support(QString()));
    test::write_file(
        support(QStringLiteral("settings.ini")),
        "[WINDOWS]\nMAIN_STATE = 1024\nMain_PosX = 300\nmain_width = 900\n"
        "[font_mac]\nname = DejaVu Sans\nsize = 12.5\n[Panels]\nINFOBOX_WIDTH = 333\n");
    std::unique_ptr<AppShell> shell = started();
    // A minimised window comes back maximised at the default place and size.
    QCOMPARE(shell->shell().settings().main_state, window_maximised);
    QCOMPARE(shell->shell().settings().main_posx, 0);
    QCOMPARE(list_font(shell->shell().settings()).pixelSize(), 12);
    QCOMPARE(QApplication::font().pixelSize(), 12);
    Settings thirteen_and_a_half = shell->shell().settings();
    thirteen_and_a_half.font_mac_size = 13.5;
    QCOMPARE(list_font(thirteen_and_a_half).pixelSize(), 14);

    shell->shell().dispatch(cmd::quit);
    const Settings written =
        read_settings(support(QStringLiteral("settings.ini")), QSize(1920, 1080));
    QCOMPARE(written.font_mac_size, 12.5);
    QCOMPARE(written.font_mac_name, QStringLiteral("DejaVu Sans"));
    QVERIFY(test::read_file(support(QStringLiteral("settings.ini"))).contains("size = 12.5\n"));
}

void TestShell::formatsTickAndStay()
{
    std::unique_ptr<AppShell> shell = started();
    collection &c = shell->session().current();
    QVERIFY(shell->action(cmd::date_mask + 0)->isChecked());
    shell->action(cmd::date_mask + 3)->trigger();
    QCOMPARE(c.fmt_date, QStringLiteral("%yyyy-%mm-%dd"));
    QVERIFY(shell->action(cmd::date_mask + 3)->isChecked());
    QVERIFY(!shell->action(cmd::date_mask + 0)->isChecked());
    // Choosing the ticked entry again keeps its tick.
    shell->action(cmd::date_mask + 3)->trigger();
    QVERIFY(shell->action(cmd::date_mask + 3)->isChecked());
    shell->action(cmd::decimal_separator + 0)->trigger();
    QCOMPARE(c.fmt_decimal, 44);
    shell->action(cmd::thousands_separator + 4)->trigger();
    QCOMPARE(c.fmt_thousand, 32);
    shell->action(cmd::currency + 22)->trigger();
    QCOMPARE(c.fmt_currency, 22);
    QVERIFY(shell->action(cmd::currency + 22)->isChecked());
    QVERIFY(!shell->action(cmd::currency + 21)->isChecked());
    // Formats are stored with the next save but do not count as a change.
    QVERIFY(!shell->session().modified());
}

void TestShell::backupStepsAndVipStock()
{
    std::unique_ptr<AppShell> shell = started();
    collection &c = shell->session().current();
    prompt.texts = {QStringLiteral("5"), QStringLiteral("42"), QStringLiteral(""), std::nullopt};
    shell->shell().dispatch(cmd::backup_steps);
    QCOMPARE(c.backup_steps, 5);
    shell->shell().dispatch(cmd::backup_steps);
    QCOMPARE(c.backup_steps, 9);
    shell->shell().dispatch(cmd::backup_steps);
    shell->shell().dispatch(cmd::backup_steps);
    QCOMPARE(c.backup_steps, 9);
    QVERIFY(!shell->session().modified());

    prompt.texts = {QStringLiteral("12,5")};
    shell->shell().dispatch(cmd::offset_vip);
    QCOMPARE(c.vip_stock, 12.5);
    QVERIFY(shell->session().modified());
    QVERIFY(shell->main_window().windowTitle().endsWith(QStringLiteral(" *")));
}

// scripts/screenshot keeps the README's picture of the main window current through this.
void TestShell::screenshot()
{
    const QString target = qEnvironmentVariable("TANDORA_SCREENSHOT");
    if (target.isEmpty())
        QSKIP("TANDORA_SCREENSHOT names no file");
    // A few sets of the real-service samples, with their downloaded data.
    QDir().mkpath(support(QString()));
    const QStringList keys = test::write_fixture_set_files(support(QStringLiteral("brickset")));
    collection c;
    reset_collection(c, british_english_texts());
    const char *shops[] = {"LEGO Store", "Toy shop", "Flea market"};
    for (qsizetype i = 0; i < std::min<qsizetype>(keys.size(), 24); ++i) {
        own_set s;
        s.number = keys[i].section(u'-', 0, 0);
        s.version = 1;
        s.template_ = i % 7 == 3 ? 2 : 1;
        s.state = 1 + i % 4;
        s.packaging = 1 + i % 3;
        s.instructions = 1;
        s.completeness = 1;
        s.color = i % 9 == 4 ? 0xCCF2FF : -1;
        s.marker = i % 11 == 5 ? 8 : 0;
        s.location = QStringLiteral("Shelf ") + QChar(u'A' + int(i % 4));
        s.purc = {1,         QString::fromLatin1(shops[i % 3]),
                  QString(), clock.now() - (i + 1) * 86400 * 9,
                  QString(), 19.99 + double(i * 7 % 60),
                  0,         0,
                  1};
        s.sell.items = 1;
        s.sell.date = -1;
        s.reminder_date = -1;
        c.sets.push_back(s);
    }
    const QString path = dir->filePath(QStringLiteral("legosets.json"));
    write_collection_file(path, c, clock);
    const std::unique_ptr<AppShell> shell = started({path});
    MainWindow &main = shell->main_window();
    shell->main_list().model().index(0, 0);
    QTest::qWait(200);
    QVERIFY(main.grab().save(target));
}

QTEST_MAIN(TestShell)
#include "ui_test_shell.moc"

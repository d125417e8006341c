// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ini_file.h"
#include "core/settings_file.h"

#include "test_folders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace tandora;

namespace {

// The default file on a 1920 by 1080 screen, byte for byte.
const QByteArray default_text_1920 = QByteArrayLiteral("; ===================\n"
                                                       "[windows]\n"
                                                       "main_posx = 0\n"
                                                       "main_posy = 0\n"
                                                       "main_width = 1280\n"
                                                       "main_height = 800\n"
                                                       "main_state = 512\n"
                                                       "edit_posx = 640\n"
                                                       "edit_posy = 188\n"
                                                       "figs_posx = 472\n"
                                                       "figs_posy = 280\n"
                                                       "cols_posx = 764\n"
                                                       "cols_posy = 304\n"
                                                       "text_posx = 656\n"
                                                       "text_posy = 264\n"
                                                       "; ===================\n"
                                                       "[panels]\n"
                                                       "infobox_width = 280\n"
                                                       "filter_height = 170\n"
                                                       "filter_select = 0\n"
                                                       "; ===================\n"
                                                       "[font_mac]\n"
                                                       "name = Helvetica\n"
                                                       "size = 13\n"
                                                       "; ===================\n"
                                                       "[font_win]\n"
                                                       "name = Arial\n"
                                                       "size = 10\n"
                                                       "; ===================\n"
                                                       "[various]\n"
                                                       "minifig_sort = 0\n"
                                                       "; ===================\n"
                                                       "[memory]\n"
                                                       "setprev_mb = 50\n"
                                                       "figprev_mb = 100\n"
                                                       "figlist_mb = 100\n");

const QSize full_hd(1920, 1080);

} // namespace

class TestIniSettings final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        test::isolate_home(m_dir.path());
    }

    void lookup_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("value");

        const auto row = [](const char *name, const QByteArray &file, const char *group,
                            const char *key, bool present, const QString &value) {
            QTest::newRow(name) << file << QString::fromUtf8(group) << QString::fromUtf8(key)
                                << present << value;
        };
        row("names ignore case", "[Windows]\nMain_Width = 5\n", "WINDOWS", "main_width", true, "5");
        row("non-ASCII names ignore case", "[ÄRGER]\nSCHLÜSSEL = wert\n", "ärger", "schlüssel",
            true, "wert");
        row("byte-order mark", "\xEF\xBB\xBF[g]\nk = v\n", "g", "k", true, "v");
        row("CR LF", "[g]\r\nk = v\r\nm = w\r\n", "g", "m", true, "w");
        row("lone CR", "[g]\rk = v\rm = w", "g", "m", true, "w");
        row("mixed line ends", "[g]\n\r\nk = 1\r\r\nm = 2\n\r", "g", "m", true, "2");
        row("no final line end", "[g]\nk = last", "g", "k", true, "last");
        row("comment", "[g]\n;k = v\n", "g", "k", false, {});
        row("indented comment", "[g]\n \t; k = v\n", "g", "k", false, {});
        row("semicolon inside a value", "[g]\nk = v ; no comment\n", "g", "k", true,
            "v ; no comment");
        row("later key wins", "[g]\nk = 1\nK = 2\n", "g", "k", true, "2");
        row("duplicate group merged, first part", "[g]\na = 1\n[h]\na = 9\n[G]\nb = 2\n", "g", "a",
            true, "1");
        row("duplicate group merged, second part", "[g]\na = 1\n[h]\na = 9\n[G]\nb = 2\n", "g", "b",
            true, "2");
        row("later key wins across merged group", "[g]\na = 1\n[h]\n[g]\na = 3\n", "g", "a", true,
            "3");
        row("key only in another group", "[g]\na = 1\n[h]\n", "h", "a", false, {});
        row("missing group", "[g]\na = 1\n", "x", "a", false, {});
        row("empty value", "[g]\nk =\n", "g", "k", true, "");
        row("blank value", "[g]\nk = \t \n", "g", "k", true, "");
        row("missing key", "[g]\nk =\n", "g", "j", false, {});
        row("equals sign inside value",
            "[u]\nurl = https://h/api?=getSets&apiKey={apikey}&userHash=\n", "u", "url", true,
            "https://h/api?=getSets&apiKey={apikey}&userHash=");
        row("blanks and tabs trimmed", "\t [ g ] \n\t key \t=\t two  inner  blanks \t\n", "g",
            "key", true, "two  inner  blanks");
        row("text after the group bracket", "[g] ; windows\nk = v\n", "g", "k", true, "v");
        row("keys before any group", "k = v\n[g]\n", "", "k", true, "v");
        row("line without equals sign", "[g]\njunk\nk = v\n", "g", "junk", false, {});
        row("unclosed group line", "[g]\n[h\nk = v\n", "g", "k", true, "v");
        row("empty key", "[g]\n = v\n", "g", "", false, {});
        row("UTF-8 value", "[g]\nname = Größe 12 ½\n", "g", "name", true,
            QStringLiteral("Größe 12 ½"));
        row("invalid UTF-8 in a value",
            "[g]\nk = a\xFF\xFE"
            "b\n",
            "g", "k", true, QStringLiteral("a\uFFFD\uFFFDb"));
    }

    void lookup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(bool, present);
        QFETCH(QString, value);

        const IniFile ini = IniFile::parse(file);
        QCOMPARE(ini.contains(group, key), present);
        const QString fallback = QStringLiteral("<default>");
        QCOMPARE(ini.text(group, key, fallback), present ? value : fallback);
    }

    void integer_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("expected");

        QTest::newRow("plain") << QByteArray("k = 12") << 12;
        QTest::newRow("negative") << QByteArray("k = -7") << -7;
        QTest::newRow("plus sign") << QByteArray("k = +5") << 5;
        QTest::newRow("leading number") << QByteArray("k = 12abc") << 12;
        QTest::newRow("decimal") << QByteArray("k = 3.9") << 3;
        QTest::newRow("leading zeros") << QByteArray("k = 007") << 7;
        QTest::newRow("not a number") << QByteArray("k = abc") << 0;
        QTest::newRow("sign only") << QByteArray("k = -") << 0;
        QTest::newRow("empty value") << QByteArray("k =") << 0;
        QTest::newRow("hexadecimal") << QByteArray("k = 0x10") << 0;
        QTest::newRow("largest") << QByteArray("k = 2147483647") << INT_MAX;
        QTest::newRow("smallest") << QByteArray("k = -2147483648") << INT_MIN;
        QTest::newRow("too large") << QByteArray("k = 99999999999999999999999") << INT_MAX;
        QTest::newRow("too small") << QByteArray("k = -99999999999999999999999") << INT_MIN;
        QTest::newRow("missing key") << QByteArray("other = 1") << 77;
    }

    void integer()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, expected);
        const IniFile ini = IniFile::parse("[g]\n" + line + '\n');
        QCOMPARE(ini.integer("g", "k", 77), expected);
    }

    void real_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<double>("expected");

        QTest::newRow("whole") << QByteArray("k = 13") << 13.0;
        QTest::newRow("fraction") << QByteArray("k = 12.5") << 12.5;
        QTest::newRow("negative") << QByteArray("k = -0.25") << -0.25;
        QTest::newRow("plus and leading point") << QByteArray("k = +.5") << 0.5;
        QTest::newRow("exponent") << QByteArray("k = 1e3") << 1000.0;
        QTest::newRow("leading number") << QByteArray("k = 12.5pt") << 12.5;
        QTest::newRow("comma is no decimal mark") << QByteArray("k = 12,5") << 12.0;
        QTest::newRow("not a number") << QByteArray("k = abc") << 0.0;
        QTest::newRow("empty value") << QByteArray("k =") << 0.0;
        QTest::newRow("infinity") << QByteArray("k = inf") << 0.0;
        QTest::newRow("nan") << QByteArray("k = nan") << 0.0;
        QTest::newRow("beyond double") << QByteArray("k = 1e999") << 0.0;
        QTest::newRow("double sign") << QByteArray("k = +-1") << 0.0;
        QTest::newRow("missing key") << QByteArray("other = 1") << 4.5;
    }

    void real()
    {
        QFETCH(QByteArray, line);
        QFETCH(double, expected);
        const IniFile ini = IniFile::parse("[g]\n" + line + '\n');
        QCOMPARE(ini.real("g", "k", 4.5), expected);
    }

    void format_real_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("whole") << 13.0 << QByteArray("13");
        QTest::newRow("half") << 12.5 << QByteArray("12.5");
        QTest::newRow("zero") << 0.0 << QByteArray("0");
        QTest::newRow("negative") << -2.0 << QByteArray("-2");
        QTest::newRow("inexact fraction")
            << 0.1 << QByteArray("0.1000000000000000055511151231257827021181583404541015625");
        QTest::newRow("large")
            << 1e100
            << QByteArray("1.000000000000000015902891109759918046836080856394528138978132756e+100");
        QTest::newRow("smallest subnormal")
            << 5e-324
            << QByteArray("4.940656458412465441765687928682213723650598026143247644255856825e-324");
    }

    void format_real()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, expected);
        QCOMPARE(format_ini_real(value), expected);
        QCOMPARE(parse_ini_real(QString::fromLatin1(expected)), value);
    }

    void groups_and_entries()
    {
        const IniFile ini = IniFile::parse("top = 0\n"
                                           "[Alpha]\n"
                                           "One = 1\n"
                                           "two = 2\n"
                                           "[beta]\n"
                                           "x = y\n"
                                           "[ALPHA]\n"
                                           "ONE = 11\n"
                                           "three =\n");
        QCOMPARE(ini.groups(),
                 QStringList({QString(), QStringLiteral("Alpha"), QStringLiteral("beta")}));
        QVERIFY(ini.has_group("alpha"));
        QVERIFY(!ini.has_group("gamma"));

        const QList<IniEntry> alpha = ini.entries("alpha");
        QCOMPARE(alpha.size(), 3);
        QCOMPARE(alpha[0].key, QStringLiteral("One"));
        QCOMPARE(alpha[0].value, QStringLiteral("11"));
        QCOMPARE(alpha[1].key, QStringLiteral("two"));
        QCOMPARE(alpha[1].value, QStringLiteral("2"));
        QCOMPARE(alpha[2].key, QStringLiteral("three"));
        QCOMPARE(alpha[2].value, QString());
        QVERIFY(ini.entries("gamma").isEmpty());
    }

    void unreadable_file_reads_empty_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << QStringLiteral("no-such-file.ini");
        QTest::newRow("folder") << QStringLiteral("a-folder.ini");
    }

    void unreadable_file_reads_empty()
    {
        QFETCH(QString, name);
        QDir(m_dir.path()).mkdir(QStringLiteral("a-folder.ini"));
        const IniFile ini = IniFile::load(path(name));
        QVERIFY(ini.groups().isEmpty());
        QCOMPARE(ini.text("g", "k", QStringLiteral("d")), QStringLiteral("d"));
        QCOMPARE(ini.integer("g", "k", 5), 5);
        QCOMPARE(ini.real("g", "k", 2.5), 2.5);
    }

    void load_from_file()
    {
        test::write_file(path(QStringLiteral("read.ini")),
                         "\xEF\xBB\xBF; made by hand\r\n[Currency]\r\nid = 3\r\n");
        const IniFile ini = IniFile::load(path(QStringLiteral("read.ini")));
        QCOMPARE(ini.integer("currency", "ID", -1), 3);
    }

    void hostile_input_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only a mark") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("brackets") << QByteArray("[\n]\n[]\n[[[]]]\n][=[\n");
        QTest::newRow("NUL bytes") << QByteArray("[g\0]\nk\0=\0v\n", 11);
        QTest::newRow("cut UTF-8") << QByteArray("[\xC3]\n\xE2\x82=\xF0\x9F\n");
        QTest::newRow("line ends only") << QByteArray("\r\r\n\n\r\n\r");
        QTest::newRow("equals signs") << QByteArray("====\n=\n[=]\n= =\n");
    }

    void hostile_input()
    {
        QFETCH(QByteArray, file);
        const IniFile ini = IniFile::parse(file);
        for (const QString &group : ini.groups()) {
            for (const IniEntry &entry : ini.entries(group))
                QCOMPARE(ini.text(group, entry.key), entry.value);
        }
    }

    // Quadratic lookups would take minutes here; hash lookups take well under a second.
    void large_file()
    {
        QByteArray file;
        file.reserve(11 * 1024 * 1024);
        const int keys = 300000;
        for (int i = 0; i < keys; ++i) {
            if (i % 1000 == 0)
                file += "[group" + QByteArray::number(i / 1000 % 7) + "]\n";
            file += "Key" + QByteArray::number(i) + " = value " + QByteArray::number(i) + '\n';
            file +=
                "EXTRA" + QByteArray::number(i % 50) + " = again " + QByteArray::number(i) + '\n';
        }
        QVERIFY(file.size() > 10 * 1000 * 1000);

        const IniFile ini = IniFile::parse(file);
        QCOMPARE(ini.groups().size(), 7);
        QCOMPARE(ini.text("group3", "key3123"), QStringLiteral("value 3123"));
        // The last block of 1000 keys is in group 299 % 7 = 5 and ends with i % 50 = 49.
        QCOMPARE(ini.text("group5", "extra49"), QStringLiteral("again 299999"));
        qsizetype total = 0;
        for (const QString &group : ini.groups())
            total += ini.entries(group).size();
        QCOMPARE(total, keys + 7 * 50);

        const QByteArray one_line(10 * 1000 * 1000, 'x');
        QCOMPARE(IniFile::parse("[g]\nk = " + one_line).text("g", "k").size(), one_line.size());
    }

    void writer()
    {
        IniWriter writer;
        writer.add_comment("made by Tandora");
        writer.add_comment("");
        writer.add_group("urls");
        writer.add_text("getsets", "https://h/api?=getSets&apiKey={apikey}");
        writer.add_text("empty", "");
        writer.add_text("broken", QStringLiteral("one\ntwo\r\nthree"));
        writer.add_integer("big", -9007199254740993LL);
        writer.add_real("size", 12.5);
        QCOMPARE(writer.bytes(), QByteArray("; made by Tandora\n"
                                            ";\n"
                                            "[urls]\n"
                                            "getsets = https://h/api?=getSets&apiKey={apikey}\n"
                                            "empty = \n"
                                            "broken = one two  three\n"
                                            "big = -9007199254740993\n"
                                            "size = 12.5\n"));

        const IniFile ini = IniFile::parse(writer.bytes());
        QCOMPARE(ini.text("urls", "getsets"),
                 QStringLiteral("https://h/api?=getSets&apiKey={apikey}"));
        QVERIFY(ini.contains("urls", "empty"));
        QCOMPARE(ini.real("urls", "size"), 12.5);
    }

    void default_positions_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QList<int>>("positions"); // edit, figs, cols, text: x then y

        QTest::newRow("1920x1080") << full_hd << QList<int>{640, 188, 472, 280, 764, 304, 656, 264};
        QTest::newRow("1280x800") << QSize(1280, 800)
                                  << QList<int>{320, 48, 152, 140, 444, 164, 336, 124};
        // A screen smaller than a window: integer division truncates towards zero.
        QTest::newRow("800x600") << QSize(800, 600)
                                 << QList<int>{80, -52, -88, 40, 204, 64, 96, 24};
    }

    void default_positions()
    {
        QFETCH(QSize, screen);
        QFETCH(QList<int>, positions);

        const Settings s = default_settings(screen);
        QCOMPARE((QList<int>{s.edit_posx, s.edit_posy, s.figs_posx, s.figs_posy, s.cols_posx,
                             s.cols_posy, s.text_posx, s.text_posy}),
                 positions);
        QCOMPARE(s.main_posx, 0);
        QCOMPARE(s.main_posy, 0);
        QCOMPARE(s.main_width, 1280);
        QCOMPARE(s.main_height, 800);
        QCOMPARE(s.main_state, window_maximised);
        QCOMPARE(s.infobox_width, 280);
        QCOMPARE(s.filter_height, 170);
    }

    void missing_file_gives_defaults()
    {
        QCOMPARE(read_settings(path(QStringLiteral("absent/settings.ini")), full_hd),
                 default_settings(full_hd));
    }

    void default_file_text()
    {
        QCOMPARE(settings_text(default_settings(full_hd)), default_text_1920);

        const QString file = path(QStringLiteral("default-settings.ini"));
        QVERIFY(write_settings(file, default_settings(full_hd)));
        QCOMPARE(test::read_file(file), default_text_1920);
    }

    void capitalised_names_and_partial_file()
    {
        const QString file = path(QStringLiteral("capitals.ini"));
        test::write_file(file, "[WINDOWS]\r\n"
                               "MAIN_WIDTH = 1500\r\n"
                               "  Main_Height=900\r\n"
                               "main_state = 0\r\n"
                               "edit_posx = abc\r\n"
                               "[Font_Mac]\r\n"
                               "NAME = DejaVu Sans\r\n"
                               "[memory]\r\n"
                               "setprev_mb =\r\n");
        Settings expected = default_settings(full_hd);
        expected.main_width = 1500;
        expected.main_height = 900;
        expected.main_state = window_normal;
        expected.edit_posx = 0; // present but not a number
        expected.font_mac_name = QStringLiteral("DejaVu Sans");
        expected.setprev_mb = 0;
        QCOMPARE(read_settings(file, full_hd), expected);
    }

    void minimised_window_restored_data()
    {
        QTest::addColumn<QByteArray>("geometry");
        QTest::newRow("other geometry") << QByteArray("main_posx = 300\nmain_posy = -20\n"
                                                      "main_width = 640\nmain_height = 480\n");
        QTest::newRow("no geometry") << QByteArray();
        QTest::newRow("zero size") << QByteArray("main_width = 0\nmain_height = 0\n");
    }

    void minimised_window_restored()
    {
        QFETCH(QByteArray, geometry);
        const QString file = path(QStringLiteral("minimised.ini"));
        test::write_file(file, "[windows]\n" + geometry + "main_state = 1024\nedit_posx = 17\n");

        const Settings s = read_settings(file, full_hd);
        QCOMPARE((QList<int>{s.main_posx, s.main_posy, s.main_width, s.main_height, s.main_state}),
                 (QList<int>{0, 0, 1280, 800, window_maximised}));
        QCOMPARE(s.edit_posx, 17); // the other windows keep their places
    }

    void font_size_kept()
    {
        const QString file = path(QStringLiteral("font.ini"));
        test::write_file(file, "[font_mac]\nname = Helvetica\nsize = 12.5\n");
        const Settings s = read_settings(file, full_hd);
        QCOMPARE(s.font_mac_size, 12.5);

        QVERIFY(write_settings(file, s));
        const QByteArray text = test::read_file(file);
        QVERIFY(text.contains("[font_mac]\nname = Helvetica\nsize = 12.5\n"));
        QCOMPARE(read_settings(file, full_hd).font_mac_size, 12.5);
    }

    void round_trip()
    {
        Settings s;
        s.main_posx = -1920;
        s.main_posy = 24;
        s.main_width = 1600;
        s.main_height = 1000;
        s.main_state = window_normal;
        s.edit_posx = 10;
        s.edit_posy = 11;
        s.figs_posx = 12;
        s.figs_posy = 13;
        s.cols_posx = 14;
        s.cols_posy = 15;
        s.text_posx = 16;
        s.text_posy = -17;
        s.infobox_width = 333;
        s.filter_height = 222;
        s.filter_select = 1;
        s.font_mac_name = QStringLiteral("Noto Sans CJK 日本");
        s.font_mac_size = 10.75;
        s.font_win_name = QStringLiteral("Segoe = UI");
        s.font_win_size = 0.1;
        s.minifig_sort = 8;
        s.setprev_mb = 1;
        s.figprev_mb = 2;
        s.figlist_mb = 3;

        // Hand-made lines in an existing file are not kept.
        const QString file = path(QStringLiteral("round-trip.ini"));
        test::write_file(file, "; mine\n[extra]\nkeep = me\n");
        QVERIFY(write_settings(file, s));
        QVERIFY(!test::read_file(file).contains("extra"));
        QCOMPARE(read_settings(file, full_hd), s);
    }

    void write_failure_reported()
    {
        QVERIFY(!write_settings(path(QStringLiteral("no-folder/settings.ini")),
                                default_settings(full_hd)));
    }
};

QTEST_GUILESS_MAIN(TestIniSettings)
#include "test_ini_settings.moc"

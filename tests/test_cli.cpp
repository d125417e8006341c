// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "brickset_fixture.h"
#include "core/clock.h"
#include "core/texts.h"
#include "properties/formatting.h"
#include "sample_collection.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"
#include "test_folders.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tandora;
using tandora::test::read_file;
using tandora::test::write_file;

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TANDORA_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QString now = QStringLiteral("2026-12-11 10:00:00");

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

private Q_SLOTS:
    void newAndInfo();
    void convertIsStableOnTheSecondSave();
    void convertMigratesAndKeepsBackups();
    void failures_data();
    void failures();
    void listEveryProperty();
    void listFormats_data();
    void listFormats();
    void listSortAndLanguage();
};

void TestCli::newAndInfo()
{
    const Run made = cli({QStringLiteral("new"), file("new.json"), QStringLiteral("--now"), now});
    QCOMPARE(made.code, 0);
    QVERIFY(made.out.startsWith("written: " + file("new.json") + "\nbytes: "));

    const Run info = cli({QStringLiteral("info"), file("new.json")});
    QCOMPARE(info.code, 0);
    QCOMPARE(info.err, QString());
    QCOMPARE(info.out, "file: " + file("new.json") +
                           "\nversion: L22\nmigrated: no\nsets: 0\ncolumns: 102\n"
                           "visible_columns: 33\nfilters: 0\njson_format: 0\nbackup_steps: 2\n"
                           "sort_col: 6\nsort_dir: 1\nlast_saved: 2026-12-11 10:00:00\n");
}

void TestCli::convertIsStableOnTheSecondSave()
{
    collection c = test::full_collection(british_english_texts());
    QVERIFY(write_collection_file(file("full.json"), c, FixedClock(5)));
    for (const QString &format : {QStringLiteral("indented"), QStringLiteral("compact")}) {
        const QString a = file("a-" + format + ".json");
        const QString b = file("b-" + format + ".json");
        QCOMPARE(cli({"convert", file("full.json"), a, "--format", format, "--now", now}).code, 0);
        QCOMPARE(cli({"convert", a, b, "--now", now}).code, 0);
        QCOMPARE(read_file(b), read_file(a));
        QCOMPARE(read_file(a).count('\n') > 100, format == QStringLiteral("indented"));
    }
    // Apart from the save time, the first conversion already writes what was read.
    QCOMPARE(
        cli({"convert", file("full.json"), file("same.json"), "--now", "1970-01-01 00:00:05"}).code,
        0);
    QCOMPARE(read_file(file("same.json")), read_file(file("full.json")));
}

void TestCli::convertMigratesAndKeepsBackups()
{
    write_file(file("old.json"),
               R"({"version":"1.04","sets":[{"number":"10294","version":1,"own_tags":"b|a"}]})");
    const Run info = cli({QStringLiteral("info"), file("old.json")});
    QCOMPARE(info.code, 0);
    QVERIFY(info.out.contains("\nversion: 1.04\nmigrated: yes\nsets: 1\n"));
    QVERIFY(info.out.endsWith("\nreport: 1.04 > L22\n"));

    write_file(file("out.json"), "{\"version\":\"L22\"}");
    const Run run = cli({"convert", file("old.json"), file("out.json"), "--now", now});
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.contains("report: 1.04 > L22\n"));
    QCOMPARE(read_file(file("out.json.backup1")), QByteArray("{\"version\":\"L22\"}"));
    const Run again = cli({QStringLiteral("info"), file("out.json")});
    QVERIFY(again.out.contains("\nversion: L22\nmigrated: no\nsets: 1\n"));
}

void TestCli::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList() << "usage:";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
    QTest::newRow("info without file") << QStringList{"info"} << "info wants one FILE";
    QTest::newRow("bad format") << QStringList{"convert", "a", "b", "--format", "zip"}
                                << "--format is indented or compact";
    QTest::newRow("bad now") << QStringList{"new", "x.json", "--now", "yesterday"} << "--now";
    QTest::newRow("unknown option") << QStringList{"new", "x.json", "--fast"} << "unknown option";
    QTest::newRow("newer version") << QStringList{"info", "newer.json"}
                                   << "newer.json: Database opened from an unknown or newer "
                                      "version: L99";
}

void TestCli::failures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    write_file(file("newer.json"), R"({"version":"L99"})");
    QDir::setCurrent(dir.path());
    const Run run = cli(args);
    QCOMPARE(run.code, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(file("x.json")));
}

namespace {

// A collection of three sets, the first two with the real cached data of the samples, saved
// beside a data folder that holds it; the path of the file.
QString listed_collection(const QTemporaryDir &dir, const QString &fmt_date, qint64 decimal,
                          qint64 thousand)
{
    test::write_fixture_set_files(dir.filePath(QStringLiteral("data/brickset")));
    collection c;
    reset_collection(c, british_english_texts());
    c.fmt_date = fmt_date;
    c.fmt_decimal = decimal;
    c.fmt_thousand = thousand;
    c.fmt_currency = 1;
    const std::pair<const char *, const char *> sets[] = {
        {"10270", "Zoe"}, {"21322", "anna"}, {"99999", ""}};
    qint64 day = 1;
    for (const auto &[number, seller] : sets) {
        own_set s;
        s.number = QString::fromLatin1(number);
        s.version = 1;
        s.purc.person = QString::fromUtf8(seller);
        s.purc.date = date_from_civil(2024, 2, int(day++), 0, 0, 0);
        s.purc.price = 1234.5;
        s.purc.items = 1;
        s.reminder_date = date_from_civil(2026, 12, 20);
        c.sets.push_back(s);
    }
    const QString path = dir.filePath(QStringLiteral("listed.json"));
    write_collection_file(path, c, FixedClock(0));
    return path;
}

QList<QStringList> table_of(const QString &out)
{
    QList<QStringList> rows;
    QStringList lines = out.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines)
        rows.append(line.split(u'\t'));
    return rows;
}

} // namespace

void TestCli::listEveryProperty()
{
    if (!test::fixtures_present())
        QSKIP("the real-service samples are not beside the project");
    const QString path = listed_collection(dir, QStringLiteral("%dd.%mm.%yyyy"), 44, 46);
    QStringList ids;
    for (int id = 0; id <= 101; ++id)
        ids.append(QString::number(id));
    const Run run = cli({"list", path, "--data-folder", dir.filePath("data"), "--columns",
                         ids.join(u','), "--sort", "3", "--now", "2026-12-11 12:00:00"});
    QCOMPARE(run.code, 0);
    const QList<QStringList> rows = table_of(run.out);
    QCOMPARE(rows.size(), 4);
    for (const QStringList &row : rows)
        QCOMPARE(row.size(), 102);
    QCOMPARE(rows[0][3], QStringLiteral("Set number▲"));
    QCOMPARE(rows[0][4], QStringLiteral("~Name"));
    const QStringList &bookshop = rows[1];
    QCOMPARE(bookshop[0], QStringLiteral("1"));
    QCOMPARE(bookshop[3], QStringLiteral("10270-1"));
    QCOMPARE(bookshop[4], QStringLiteral("Bookshop"));
    QCOMPARE(bookshop[6], QStringLiteral("01.02.2024"));
    QCOMPARE(bookshop[12], QStringLiteral("1.234,50 €"));
    QCOMPARE(bookshop[22], QStringLiteral("159,99 €"));
    QCOMPARE(bookshop[24], QStringLiteral("+1.074,51 €"));
    QCOMPARE(bookshop[65], QStringLiteral("!!! 0: "));
    QCOMPARE(bookshop[69], QStringLiteral("6,4 ct"));
    QCOMPARE(bookshop[86], QStringLiteral("09.01.2020"));
    QCOMPARE(bookshop[90], QStringLiteral("+9 days"));
    QCOMPARE(bookshop[92], QStringLiteral("n.a."));
    QCOMPARE(bookshop[97], QStringLiteral("179,99 $"));
    QCOMPARE(rows[3][3], QStringLiteral("99999-1"));
    QCOMPARE(rows[3][4], QString());
    QCOMPARE(rows[3][0], QStringLiteral("3"));

    const Run plain = cli({"list", path, "--data-folder", dir.filePath("data"), "--columns",
                           "0,12,24,65", "--sort", "3", "--plain"});
    QCOMPARE(table_of(plain.out)[1], QStringList({"1", "1.234,50", "1.074,51", ""}));
}

void TestCli::listFormats_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("decimal");
    QTest::addColumn<int>("thousand");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("price");
    const char *dates[] = {"01.02.2024", "01-02-2024", "02-01-2024", "2024-02-01",
                           "01/02/2024", "02/01/2024", "2024/02/01"};
    const std::pair<int, const char *> separators[] = {
        {0, "1234"}, {46, "1.234"}, {44, "1,234"}, {39, "1'234"}, {32, "1 234"}};
    for (int m = 0; m < 7; ++m) {
        const auto [thousand, grouped] = separators[m % 5];
        const int decimal = m % 2 ? 44 : 46;
        QTest::addRow("%s", dates[m])
            << date_masks[size_t(m)].toString() << decimal << thousand
            << QString::fromLatin1(dates[m])
            << QString::fromLatin1(grouped) + (decimal == 44 ? ",50 €" : ".50 €");
    }
}

void TestCli::listFormats()
{
    if (!test::fixtures_present())
        QSKIP("the real-service samples are not beside the project");
    QFETCH(QString, mask);
    QFETCH(int, decimal);
    QFETCH(int, thousand);
    QFETCH(QString, date);
    QFETCH(QString, price);
    const QString path = listed_collection(dir, mask, decimal, thousand);
    const Run run = cli({"list", path, "--data-folder", dir.filePath("data"), "--columns", "6,12",
                         "--sort", "6:asc"});
    QCOMPARE(run.code, 0);
    QCOMPARE(table_of(run.out)[1], QStringList({date, price}));
}

void TestCli::listSortAndLanguage()
{
    if (!test::fixtures_present())
        QSKIP("the real-service samples are not beside the project");
    const QString path = listed_collection(dir, QStringLiteral("%dd.%mm.%yyyy"), 44, 46);
    const QStringList base{"list", path, "--data-folder", dir.filePath("data"), "--columns", "8"};
    // Texts compare without regard to case; empty ones come last either way.
    QCOMPARE(table_of(cli(base + QStringList{"--sort", "8"}).out).mid(1),
             QList<QStringList>({{"anna"}, {"Zoe"}, {""}}));
    QCOMPARE(table_of(cli(base + QStringList{"--sort", "8:desc"}).out).mid(1),
             QList<QStringList>({{"Zoe"}, {"anna"}, {""}}));
    // Without --sort the collection's own order: purchase date, newest first.
    QCOMPARE(table_of(cli(base).out)[1], QStringList{""});

    const Run german = cli({"list", path, "--data-folder", dir.filePath("data"), "--language", "de",
                            "--columns", "10,29", "--sort", "3"});
    QCOMPARE(german.code, 0);
    QCOMPARE(table_of(german.out)[0].size(), 2);
    QVERIFY(!german.out.contains(u'?'));
    const Run missing = cli({"list", path, "--language", dir.filePath("none.txt")});
    QCOMPARE(missing.code, 1);
    QVERIFY(missing.err.contains("language"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"
#include "core/texts.h"
#include "sample_collection.h"
#include "store/collection_file.h"
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

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"
#include "core/session.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "sample_collection.h"
#include "scripted_prompt.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"
#include "store/json_reader.h"
#include "store/json_writer.h"
#include "store/record_tables.h"
#include "test_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace tandora;
using tandora::test::read_file;
using tandora::test::ScriptedPrompt;
using tandora::test::write_file;

namespace {

std::string json_of(const collection &c)
{
    return collection_json(c);
}

QStringList folder_entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestCollectionFile : public QObject
{
    Q_OBJECT

    const Texts &texts = british_english_texts();
    Catalogue catalogue{texts, [](int) { return QStringLiteral("$"); }};
    FixedClock clock{1765443600};

private Q_SLOTS:
    void roundTripEveryField_data();
    void roundTripEveryField();
    void scratchAndLinksAreWrittenEmpty();
    void alignedLayout();
    void compactLayout();
    void numberTexts_data();
    void numberTexts();
    void memberMatching();
    void backups_data();
    void backups();
    void emptyGenerationIsLeftAlone();
    void failedSaveKeepsEverything();
    void readOnlyFolder();
    void unreadableFiles_data();
    void unreadableFiles();
    void extensionWarning();
    void columnCheck();
    void saveAsName_data();
    void saveAsName();
};

void TestCollectionFile::roundTripEveryField_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("indented") << 0;
    QTest::newRow("compact") << 1;
    QTest::newRow("reserved") << 2;
}

void TestCollectionFile::roundTripEveryField()
{
    QFETCH(int, format);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    collection c = test::full_collection(texts);
    c.json_format = format;
    QVERIFY(write_collection_file(path, c, clock));
    const QByteArray first = read_file(path);

    ScriptedPrompt prompt;
    collection loaded;
    const LoadResult r = read_collection_file(path, loaded, texts, catalogue, prompt);
    QVERIFY(r.ok);
    QVERIFY(prompt.shown.isEmpty());
    QCOMPARE(json_of(loaded), json_of(c));
    QCOMPARE(loaded.sets[0].mygroup, c.sets[0].mygroup);
    QCOMPARE(loaded.sets[0].reminder_date, 9223372036854775807LL);
    QVERIFY(std::signbit(loaded.sets[0].vip_points_sub));
    QCOMPARE(loaded.UVP_overwrite.value(QStringLiteral("10294-1")), 123456789.123);
    QCOMPARE(loaded.sets[0].sell.costs, 0.3333333333333333);

    QVERIFY(write_collection_file(path, loaded, clock));
    QCOMPARE(read_file(path), first);
    QCOMPARE(first.contains('\n'), format == 0);
}

void TestCollectionFile::scratchAndLinksAreWrittenEmpty()
{
    collection c;
    own_set s;
    s._str = QStringLiteral("x");
    s._val = 5;
    s._lst = {QStringLiteral("y")};
    s.bs = reinterpret_cast<const database_bs *>(&s);
    c.sets.push_back(s);
    c.json_format = 1;
    const std::string json = json_of(c);
    QVERIFY(json.find(R"("_str":"","_val":0,"_lst":[],"bs":0,"bl":0)") != std::string::npos);
}

void TestCollectionFile::alignedLayout()
{
    filter f;
    f.name = QStringLiteral("Mine");
    f.logic = 1;
    f.condis = {{3, 1, QStringLiteral("x")}};
    const std::string expected = "{\n"
                                 "  \"name\"    : \"Mine\",\n"
                                 "  \"logic\"   : 1,\n"
                                 "  \"invert\"  : 0,\n"
                                 "  \"sensitiv\": 0,\n"
                                 "  \"condis\"  : [\n"
                                 "    {\n"
                                 "      \"valID\": 3,\n"
                                 "      \"opera\": 1,\n"
                                 "      \"input\": \"x\"\n"
                                 "    }\n"
                                 "  ]\n"
                                 "}";
    QCOMPARE(to_json(f, JsonLayout::Indented), expected);

    collection c;
    c.user_links = {QStringLiteral("a"), QStringLiteral("b")};
    c.UVP_overwrite.insert(QStringLiteral("1-1"), 2.5);
    c.UVP_overwrite.insert(QStringLiteral("10294-1"), 3);
    const std::string text = to_json(c, JsonLayout::Indented);
    QVERIFY(text.find("\n  \"version\"      : \"\",\n") != std::string::npos);
    QVERIFY(text.find("\n  \"columns\"      : [],\n") != std::string::npos);
    QVERIFY(text.find("\n  \"user_links\"   : [\n    \"a\",\n    \"b\"\n  ],\n") !=
            std::string::npos);
    QVERIFY(
        text.find("\n  \"UVP_overwrite\": {\n    \"1-1\"    : 2.5,\n    \"10294-1\": 3\n  },") !=
        std::string::npos);
}

void TestCollectionFile::compactLayout()
{
    filter f;
    f.name = QStringLiteral("Mine");
    QCOMPARE(to_json(f, JsonLayout::Compact),
             std::string(R"({"name":"Mine","logic":0,"invert":0,"sensitiv":0,"condis":[]})"));
}

void TestCollectionFile::numberTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("tiny") << 1e-20 << "9.999999999999999e-21";
    QTest::newRow("big") << 123456789.123 << "123456789.123";
    QTest::newRow("third") << 1.0 / 3 << "0.3333333333333333";
    QTest::newRow("huge") << 1e21 << "1e+21";
    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("negative zero") << -0.0 << "-0.0";
    QTest::newRow("infinity") << double(INFINITY) << "null";
    QTest::newRow("nan") << double(NAN) << "null";
}

void TestCollectionFile::numberTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    std::string out;
    append_json_double(out, value);
    QCOMPARE(QString::fromStdString(out), text);
}

void TestCollectionFile::memberMatching()
{
    // Unknown members are ignored, wrongly typed ones stay empty, links are ignored, order
    // does not matter, a later duplicate wins.
    const QByteArray text =
        R"({"sets":[{"number":7,"version":"2","color":3,"bs":99,"purc":{"price":"9","items":2},
        "mytags":["a",1,"b"],"extra":{"x":1}}, 5, {"number":"8","version":1.0}],
        "version":"L22","sort_col":4,"sort_col":5,"vip_stock":true,"UVP_overwrite":{"1-1":2,"2-1":"x"}})";
    JsonDocument doc;
    QVERIFY(doc.parse(text));
    QCOMPARE(doc.string_member("version"), QStringLiteral("L22"));
    collection c;
    c.backup_steps = 7;
    doc.fill(c);
    QCOMPARE(c.backup_steps, 0);
    QCOMPARE(c.json_format, 0);
    QCOMPARE(c.sort_col, 5);
    QCOMPARE(c.vip_stock, 0.0);
    QCOMPARE(c.sets.size(), size_t(2));
    QCOMPARE(c.sets[0].number, QString());
    QCOMPARE(c.sets[0].version, 0);
    QCOMPARE(c.sets[0].color, 3);
    QVERIFY(c.sets[0].bs == nullptr);
    QCOMPARE(c.sets[0].purc.price, 0.0);
    QCOMPARE(c.sets[0].purc.items, 2);
    QCOMPARE(c.sets[0].mytags, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(c.sets[1].number, QStringLiteral("8"));
    QCOMPARE(c.sets[1].version, 1);
    QCOMPARE(c.UVP_overwrite.size(), 1);
}

void TestCollectionFile::backups_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("saves");
    QTest::addColumn<QStringList>("expected");
    const QString f = QStringLiteral("c.json");
    QTest::newRow("two steps, three saves")
        << 2 << 3 << QStringList{f, f + ".backup1", f + ".backup2"};
    QTest::newRow("no backups") << 0 << 3 << QStringList{f};
    QTest::newRow("first save of a new file") << 2 << 1 << QStringList{f};
    QTest::newRow("nine steps, four saves")
        << 9 << 4 << QStringList{f, f + ".backup1", f + ".backup2", f + ".backup3"};
}

void TestCollectionFile::backups()
{
    QFETCH(int, steps);
    QFETCH(int, saves);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    collection c;
    reset_collection(c, texts);
    c.backup_steps = steps;
    QList<QByteArray> written;
    for (int i = 0; i < saves; ++i) {
        c.vip_stock = i;
        clock.set(1000 + i);
        QVERIFY(write_collection_file(path, c, clock));
        written.prepend(read_file(path));
    }
    QCOMPARE(folder_entries(dir.path()), expected);
    // Generation n holds the state n saves ago.
    for (int g = 1; g < expected.size(); ++g)
        QCOMPARE(read_file(backup_path(path, g)), written[g]);
}

void TestCollectionFile::emptyGenerationIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    collection c;
    reset_collection(c, texts);
    c.backup_steps = 3;
    write_file(path, "current");
    write_file(backup_path(path, 1), "one");
    write_file(backup_path(path, 2), "");
    write_file(backup_path(path, 3), "three");
    QVERIFY(write_collection_file(path, c, clock));
    const QByteArray saved = read_file(path);
    QVERIFY(saved.startsWith('{'));
    // The empty generation 2 was neither deleted nor moved on: generation 1 moved onto it.
    QCOMPARE(read_file(backup_path(path, 1)), QByteArray("current"));
    QCOMPARE(read_file(backup_path(path, 2)), QByteArray("one"));
    QVERIFY(!QFile::exists(backup_path(path, 3)));
    QVERIFY(!QFile::exists(backup_path(path, 4)));

    write_file(backup_path(path, 3), "");
    QVERIFY(write_collection_file(path, c, clock));
    QCOMPARE(read_file(backup_path(path, 3)), QByteArray("one"));
    QCOMPARE(read_file(backup_path(path, 1)), saved);

    // An empty collection file is not kept as a backup, and the backups are not shifted.
    write_file(path, "");
    QVERIFY(write_collection_file(path, c, clock));
    QCOMPARE(read_file(backup_path(path, 1)), saved);
    QCOMPARE(read_file(backup_path(path, 2)), QByteArray("current"));
    QCOMPARE(folder_entries(dir.path()).size(), 4);
}

void TestCollectionFile::failedSaveKeepsEverything()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    ScriptedPrompt prompt;
    Session session(texts, catalogue, clock, prompt);
    session.new_collection(path);
    QVERIFY(session.save());
    session.current().sets.resize(5);
    QVERIFY(session.save());
    const QByteArray old_file = read_file(path);
    const QByteArray old_backup = read_file(backup_path(path, 1));

    // A large collection that cannot be written: the file size limit stands in for a full disk.
    session.current().sets.resize(20000);
    session.mark_modified();
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit limit = old_limit;
    limit.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool saved = session.save();
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    QVERIFY(!saved);
    QVERIFY(session.modified());
    QCOMPARE(read_file(path), old_file);
    QCOMPARE(read_file(backup_path(path, 1)), old_backup);
    QVERIFY(!QFile::exists(backup_path(path, 2)));
    QCOMPARE(folder_entries(dir.path()).size(), 2); // no temporary file is left behind
    QCOMPARE(prompt.shown.size(), 1);
    QVERIFY(prompt.shown[0].text.startsWith(texts.text(u"warn_read_only") + u'\n' + path));
    QCOMPARE(prompt.shown[0].icon, UserPrompt::Icon::Warning);

    QVERIFY(session.save());
    QVERIFY(!session.modified());
}

void TestCollectionFile::readOnlyFolder()
{
    // Run the command-line tool without root rights, which would ignore folder permissions.
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther);
    const QString in = dir.filePath(QStringLiteral("in.json"));
    collection c;
    reset_collection(c, texts);
    QVERIFY(write_collection_file(in, c, clock));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    const QString out = locked + QStringLiteral("/out.json");
    write_file(out, "precious");
    QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);

    // A copy of the tool in the open folder, since the build tree may be out of that user's reach.
    const QString tool = dir.filePath(QStringLiteral("tandora-cli"));
    QVERIFY(QFile::copy(QStringLiteral(TANDORA_CLI), tool));
    QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadOther | QFileDevice::ExeOther);
    QProcess process;
    QStringList args{tool, QStringLiteral("convert"), in, out};
    if (::geteuid() == 0) {
        args.prepend(QStringLiteral("--clear-groups"));
        args.prepend(QStringLiteral("--regid=65534"));
        args.prepend(QStringLiteral("--reuid=65534"));
        process.start(QStringLiteral("setpriv"), args);
    } else {
        process.start(args.takeFirst(), args);
    }
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(texts.text(u"warn_read_only")), qPrintable(err));
    QVERIFY(err.contains(out));
    QCOMPARE(read_file(out), QByteArray("precious"));
    QCOMPARE(folder_entries(locked), QStringList{QStringLiteral("out.json")});
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestCollectionFile::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QString unknown = british_english_texts().text(u"txt_unknown_db") + QStringLiteral(": ");
    QTest::newRow("newer version")
        << QByteArray(R"({"version":"L23","sets":[]})") << unknown + "L23";
    QTest::newRow("no version") << QByteArray(R"({"sets":[]})") << unknown;
    QTest::newRow("not JSON") << QByteArray("version: L22") << unknown;
    QTest::newRow("truncated") << QByteArray(R"({"version":"L22","sets":[{)") << unknown;
    QTest::newRow("empty file") << QByteArray() << unknown;
    QTest::newRow("array") << QByteArray(R"(["L22"])") << unknown;
}

void TestCollectionFile::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    write_file(path, content);
    ScriptedPrompt prompt;
    Session session(texts, catalogue, clock, prompt);
    session.new_collection(QStringLiteral("/somewhere/else.json"));
    session.current().sets.resize(3);
    session.mark_modified();
    const LoadResult r = session.load(path);
    QVERIFY(!r.ok);
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown[0].text, message);
    QCOMPARE(prompt.shown[0].icon, UserPrompt::Icon::Warning);
    QCOMPARE(session.current().sets.size(), size_t(3));
    QCOMPARE(session.file_path(), QStringLiteral("/somewhere/else.json"));
    QVERIFY(session.modified());
}

void TestCollectionFile::extensionWarning()
{
    QTemporaryDir dir;
    collection c;
    reset_collection(c, texts);
    for (const QString &name :
         {QStringLiteral("c.JSON"), QStringLiteral("c.json.bak"), QStringLiteral("c")}) {
        const QString path = dir.filePath(name);
        QVERIFY(write_collection_file(path, c, clock));
        ScriptedPrompt prompt;
        collection loaded;
        QVERIFY(read_collection_file(path, loaded, texts, catalogue, prompt).ok);
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(prompt.shown[0].text, path + "\n\n" + texts.text(u"warn_extenson"));
    }
}

void TestCollectionFile::columnCheck()
{
    Texts t;
    t.set(QStringLiteral("txt_new_val"), QStringLiteral("New"));
    t.set(QStringLiteral("VAL_Weight"), QStringLiteral("Weight"));
    t.set(QStringLiteral("unit_g"), QStringLiteral("g"));
    t.set(QStringLiteral("VAL_Index"), QStringLiteral("Index"));
    t.set(QStringLiteral("VAL_P_Items"), QStringLiteral("Items"));
    const Catalogue cat(t, [](int) { return QString(); });

    collection c;
    reset_collection(c, t);
    // Drop index (first in order), weight in grams and the items, whose predecessor (14) is
    // dropped too; add an unknown id and a duplicate; no column is printed.
    std::erase_if(c.columns, [](const column &col) {
        return col.valID == 0 || col.valID == 67 || col.valID == 95 || col.valID == 14;
    });
    c.columns.push_back({150, 0, 10, 0});
    c.columns.push_back(c.columns[3]);
    for (column &col : c.columns)
        col.print = 0;

    QString report;
    check_columns(c, cat, t, report);
    QCOMPARE(report,
             QStringLiteral("\nNew: Index\nNew: ?VAX_P_Costs\nNew: ~Weight (g)\nNew: Items"));
    std::vector<column> expected = default_columns();
    QCOMPARE(c.columns.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(c.columns[i].valID, expected[i].valID);
    QCOMPARE(c.columns[0].print, 1); // print defaults restored
    QCOMPARE(c.columns[1].print, 0);

    // A complete layout with a printed column is left as it is.
    collection d;
    reset_collection(d, t);
    d.columns[3].width = 1;
    const std::vector<column> before = d.columns;
    QString none;
    check_columns(d, cat, t, none);
    QVERIFY(none.isEmpty());
    QVERIFY(d.columns == before);
}

void TestCollectionFile::saveAsName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "/x/mysets"
                           << "/x/mysets.json";
    QTest::newRow("json") << "/x/mysets.json"
                          << "/x/mysets.json";
    QTest::newRow("capital") << "/x/mysets.JSON"
                             << "/x/mysets.JSON.json";
}

void TestCollectionFile::saveAsName()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    QCOMPARE(with_json_extension(answer), stored);
}

QTEST_GUILESS_MAIN(TestCollectionFile)
#include "test_collection_file.moc"

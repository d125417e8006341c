// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"
#include "properties/catalogue.h"
#include "scripted_prompt.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"
#include "store/json_writer.h"
#include "store/migration.h"
#include "test_folders.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace tandora;
using tandora::test::ScriptedPrompt;
using tandora::test::write_file;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(TANDORA_TEST_DATA "/migration/") + QLatin1String(name);
}

// Defaults that differ from every format an old fixture carries, so a taken-over value and a
// default can be told apart.
Texts migration_texts()
{
    Texts t;
    t.set(QStringLiteral("fmt_date"), QStringLiteral("%dd.%mm.%yyyy"));
    t.set(QStringLiteral("fmt_decimal"), QStringLiteral("46"));
    t.set(QStringLiteral("fmt_thousand"), QStringLiteral("44"));
    t.set(QStringLiteral("fmt_currency"), QStringLiteral("21"));
    t.set(QStringLiteral("txt_update"), QStringLiteral("Database updated:"));
    t.set(QStringLiteral("txt_unknown_db"), QStringLiteral("Unknown version"));
    t.set(QStringLiteral("txt_new_val"), QStringLiteral("New set property"));
    return t;
}

// What an old set without any member becomes.
own_set empty_migrated_set()
{
    own_set s;
    s.color = no_color;
    s.reminder_date = no_date;
    s.purc.date = no_date;
    s.sell.date = no_date;
    s.sell.items = 1;
    return s;
}

// A member per line, so a failing comparison names the member.
QStringList json_lines(const own_set &s)
{
    return QString::fromStdString(to_json(s, JsonLayout::Indented)).split(u'\n');
}

struct Loaded
{
    LoadResult result;
    collection c;
    ScriptedPrompt prompt;
};

} // namespace

class TestMigration : public QObject
{
    Q_OBJECT

    const Texts texts = migration_texts();
    const Catalogue catalogue{texts, [](int) { return QStringLiteral("$"); }};

    void load(const QString &path, Loaded &into)
    {
        into.result = read_collection_file(path, into.c, texts, catalogue, into.prompt);
    }

    // What an old file without any usable member becomes: a new collection in the current
    // format, except for the settings taken over even when missing, where 0 is a valid choice
    // (no downloads, no thousands separator, currency row 0).
    collection migrated_empty() const
    {
        collection c;
        reset_collection(c, texts);
        c.version = current_format_version;
        c.load_settings = 0;
        c.fmt_thousand = 0;
        c.fmt_currency = 0;
        return c;
    }

private Q_SLOTS:
    void reportShownOnce();
    void collectionFieldsTakenOver();
    void layoutSettingsNotTakenOver();
    void sets();
    void filters();
    void propertyIds_data();
    void propertyIds();
    void versionTags_data();
    void versionTags();
    void oldestLayoutKeepsFormatDefaults();
    void hostileMembers_data();
    void hostileMembers();
};

void TestMigration::reportShownOnce()
{
    Loaded l;
    load(fixture("v1_04.json"), l);
    QVERIFY(l.result.ok);
    QVERIFY(l.result.migrated);
    QCOMPARE(l.result.version, QStringLiteral("1.04"));
    // The columns were reset, so the column check adds no lines.
    QCOMPARE(l.result.report, QStringLiteral("\n1.04 > L22"));
    QCOMPARE(l.prompt.shown.size(), 1);
    QCOMPARE(l.prompt.shown[0].text, texts.text(u"txt_update") + QStringLiteral("\n1.04 > L22"));
    QCOMPARE(l.prompt.shown[0].icon, UserPrompt::Icon::Information);
}

void TestMigration::collectionFieldsTakenOver()
{
    Loaded l;
    load(fixture("v1_04.json"), l);
    QVERIFY(l.result.ok);
    const collection &c = l.c;
    QCOMPARE(c.version, QStringLiteral("L22"));
    QCOMPARE(c.vip_stock, 12.5);
    QCOMPARE(c.load_settings, 5);
    QCOMPARE(c.last_saved, 1600000000);
    QCOMPARE(c.fmt_date, QStringLiteral("%yyyy/%mm/%dd"));
    QCOMPARE(c.fmt_decimal, 44);
    QCOMPARE(c.fmt_thousand, 39);
    QCOMPARE(c.fmt_currency, 22);
    QCOMPARE(c.data_folder, QStringLiteral("~/Lego data"));
    QCOMPARE(c.user_links, QStringList{QStringLiteral("https://example.org/{number}-{variant}")});
    QCOMPARE(c.UVP_overwrite.size(), 2);
    QCOMPARE(c.UVP_overwrite.value(QStringLiteral("10179-1")), 499.99);
    QCOMPARE(c.UVP_overwrite.value(QStringLiteral("6020-1")), 20.0);
    QCOMPARE(c.extra_figs, QStringList{QStringLiteral("10179-1:sw0001a")});
    QCOMPARE(c.gear_sets, QStringList{QStringLiteral("5005254-1")});
}

void TestMigration::layoutSettingsNotTakenOver()
{
    // The old file holds other view settings, sort order, storage settings and columns.
    Loaded l;
    load(fixture("v1_04.json"), l);
    QVERIFY(l.result.ok);
    QCOMPARE(l.c.view_settings, 0);
    QCOMPARE(l.c.sort_col, 6);
    QCOMPARE(l.c.sort_dir, 1);
    QCOMPARE(l.c.json_format, 0);
    QCOMPARE(l.c.backup_steps, 2);
    QVERIFY(l.c.columns == default_columns());
}

void TestMigration::sets()
{
    Loaded l;
    load(fixture("v1_04.json"), l);
    QVERIFY(l.result.ok);

    own_set full = empty_migrated_set();
    full.number = QStringLiteral("10179");
    full.version = 1;
    full.marker = 3;
    full.color = 16711680;
    full.mygroup = QStringLiteral("UCS");
    full.notes = QStringLiteral("boxed");
    full.location = QStringLiteral("Attic");
    full.state = 4;
    full.template_ = 1;
    full.to_sell = 1;
    full.sales_value = 800;
    full.vip_points_get = 250;
    full.cashback = 5;
    full.cashback_type = 1;
    full.last_edit = 1650000000;
    full.addition = QStringLiteral("with stand");
    full.vip_points_sub = 100;
    full.packaging = 2;
    full.instructions = 5;
    full.completeness = 3;
    full.reminder_date = 1700000000;
    full.purc = {.condition = 2,
                 .platform = QStringLiteral("Market"),
                 .person = QStringLiteral("Anna"),
                 .date = 1500000000,
                 .number = QStringLiteral("T-1234"),
                 .price = 342.5,
                 .shipc = 4.99,
                 .costs = 0,
                 .items = 2};
    full.mytags = {QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("zeta")};
    // Cut and sorted first, then "%user%" becomes the home folder mark.
    full.documents = {QStringLiteral("~/Docs/x.pdf"), QStringLiteral("/abs/y.pdf")};

    // No dates (0 and the largest 32-bit value), no colour, empty tag and document texts.
    own_set bare = empty_migrated_set();
    bare.number = QStringLiteral("6020");
    bare.version = 1;

    own_set other = empty_migrated_set();
    other.number = QStringLiteral("7140");
    other.version = 2;
    other.color = 7;
    other.mytags = {QStringLiteral("Star Wars")};

    const std::vector<own_set> expected{full, bare, other};
    QCOMPARE(l.c.sets.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(json_lines(l.c.sets[i]), json_lines(expected[i]));
}

void TestMigration::filters()
{
    Loaded l;
    load(fixture("v1_04.json"), l);
    QVERIFY(l.result.ok);
    QCOMPARE(l.c.filters.size(), size_t(2));

    const filter &f = l.c.filters[0];
    QCOMPARE(f.name, QStringLiteral("Old"));
    QCOMPARE(f.logic, 1);
    QCOMPARE(f.invert, 1);
    QCOMPARE(f.sensitiv, 1);
    // Unknown old numbers (99, -1) become property 0, which holds for every set.
    const std::vector<condi> expected{{3, 2, QStringLiteral("10")},
                                      {94, 0, QString()},
                                      {0, 5, QStringLiteral("x")},
                                      {0, 3, QStringLiteral("y")}};
    QCOMPARE(f.condis.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(f.condis[i].valID, expected[i].valID);
        QCOMPARE(f.condis[i].opera, expected[i].opera);
        QCOMPARE(f.condis[i].input, expected[i].input);
    }

    const filter &e = l.c.filters[1];
    QCOMPARE(e.name, QStringLiteral("Empty"));
    QCOMPARE(e.logic, 0);
    QCOMPARE(e.invert, 0);
    QCOMPARE(e.sensitiv, 0);
    QVERIFY(e.condis.empty());
}

void TestMigration::propertyIds_data()
{
    QTest::addColumn<qint64>("old_property");
    QTest::addColumn<qint64>("id");
    // Old filter property number -> current property id.
    static constexpr qint64 table[][2] = {
        {0, 0},
        {1, 3},
        {2, 1},
        {3, 2},
        {4, 4},
        {5, 5},
        {6, 6},
        {7, 7},
        {8, 11},
        {9, 13},
        {10, 12},
        {11, 22},
        {12, 24},
        {13, 23},
        {14, 17},
        {15, 15},
        {16, 16},
        {17, 18},
        {18, 20},
        {19, 19},
        {20, 10},
        {21, 26},
        {22, 27},
        {23, 29},
        {24, 30},
        {25, 31},
        {26, 32},
        {27, 47},
        {28, 48},
        {29, 56},
        {30, 52},
        {31, 49},
        {32, 50},
        {33, 51},
        {34, 53},
        {35, 54},
        {36, 55},
        {37, 57},
        {38, 59},
        {39, 60},
        {40, 62},
        {41, 61},
        {42, 63},
        {43, 64},
        {44, 65},
        {45, 66},
        {46, 67},
        {47, 70},
        {48, 69},
        {49, 72},
        {50, 71},
        {51, 81},
        {52, 83},
        {53, 73},
        {54, 74},
        {55, 75},
        {56, 76},
        {57, 34},
        {58, 33},
        {59, 87},
        {60, 88},
        {61, 89},
        {62, 90},
        {63, 91},
        {64, 94},
        {65, 92},
        {66, 25},
        {67, 82},
        {68, 79},
        {69, 80},
        {70, 78},
        {71, 84},
        {72, 85},
        {73, 86},
        // Not in the table: no property.
        {74, 0},
        {99, 0},
        {-1, 0},
    };
    for (const auto &row : table)
        QTest::addRow("old %lld", row[0]) << row[0] << row[1];
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << qint64(0);
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << qint64(0);
}

void TestMigration::propertyIds()
{
    QFETCH(qint64, old_property);
    QFETCH(qint64, id);
    QCOMPARE(migrated_property_id(old_property), id);
}

void TestMigration::versionTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("accepted");
    for (const char *tag :
         {"0.50",   "0.51", "0.52", "0.53", "0.54", "0.60b1", "0.60b2", "0.60", "0.61",
          "0.70b1", "0.70", "0.71", "0.72", "0.73", "0.74",   "0.80",   "0.81", "1.00",
          "1.01",   "1.02", "1.03", "1.04", "42",   "L20",    "L21"})
        QTest::addRow("%s", tag) << QString::fromLatin1(tag) << true;
    for (const char *tag : {"0.49", "1.05", "0.60b3", "L22x", "l21", " 1.04", "4", ""})
        QTest::addRow("rejected '%s'", tag) << QString::fromLatin1(tag) << false;
}

void TestMigration::versionTags()
{
    QFETCH(QString, tag);
    QFETCH(bool, accepted);
    QVERIFY(!is_old_format_version(current_format_version));
    QCOMPARE(is_old_format_version(tag), accepted);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.json"));
    write_file(path, R"({"version":")" + tag.toUtf8() +
                         R"(","sets":[{"number":"1","zusatz":"z","purchase_date":0}]})");
    Loaded l;
    l.c.sets.resize(3); // must survive a rejected file
    load(path, l);
    QCOMPARE(l.prompt.shown.size(), 1);
    if (accepted) {
        QVERIFY(l.result.ok);
        QVERIFY(l.result.migrated);
        QCOMPARE(l.result.report, u'\n' + tag + QStringLiteral(" > L22"));
        QCOMPARE(l.prompt.shown[0].icon, UserPrompt::Icon::Information);
        QCOMPARE(l.c.version, QStringLiteral("L22"));
        QCOMPARE(l.c.sets.size(), size_t(1));
        QCOMPARE(l.c.sets[0].addition, QStringLiteral("z"));
        QCOMPARE(l.c.sets[0].purc.date, no_date);
    } else {
        QVERIFY(!l.result.ok);
        QVERIFY(!l.result.migrated);
        QCOMPARE(l.prompt.shown[0].text, QStringLiteral("Unknown version: ") + tag);
        QCOMPARE(l.prompt.shown[0].icon, UserPrompt::Icon::Warning);
        QCOMPARE(l.c.sets.size(), size_t(3));
    }
}

void TestMigration::oldestLayoutKeepsFormatDefaults()
{
    // Without format members an empty date mask and separator would hide every date and
    // number; the collection keeps the defaults of the language instead.
    Loaded l;
    load(fixture("v0_50_oldest.json"), l);
    QVERIFY(l.result.ok);
    QCOMPARE(l.result.report, QStringLiteral("\n0.50 > L22"));
    QCOMPARE(l.c.fmt_date, QStringLiteral("%dd.%mm.%yyyy"));
    QCOMPARE(l.c.fmt_decimal, 46);
    QCOMPARE(l.c.sets.size(), size_t(1));
    QCOMPARE(l.c.sets[0].number, QStringLiteral("6020"));
    QCOMPARE(l.c.sets[0].purc.price, 19.5);
    QCOMPARE(l.c.sets[0].purc.date, no_date);
    QCOMPARE(l.c.sets[0].mytags, QStringList{QStringLiteral("Castle")});
}

void TestMigration::hostileMembers_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected"); // the migrated collection in its storage format

    const auto json = [](const collection &c) {
        return QByteArray::fromStdString(collection_json(c));
    };

    QTest::newRow("lists and maps of other types")
        << QByteArray(R"({"version":"L21","sets":{"number":"1"},"filters":"x","user_links":"a",
            "UVP_overwrite":[1],"additional_figs":{},"bl_gear":7,"cols":5,"columns":{}})")
        << json(migrated_empty());

    {
        collection c = migrated_empty();
        c.sets.push_back(empty_migrated_set());
        QTest::newRow("set members of other types")
            << QByteArray(R"({"version":"L21","vip_points_others":"5","fmt_date":3,
                "fmt_decimal":"44","sets":[{"number":10179,"version":"1","color":"red",
                "purchase_date":"2020","alarm_date":null,"purchase_price":"9.5",
                "own_tags":["a"],"document":{"p":1},"template":[1],"zusatz":false}]})")
            << json(c);
        QTest::newRow("elements that are not sets")
            << QByteArray(R"({"version":"L21","sets":[5,"x",null,[],{}]})") << json(c);
        QTest::newRow("numbers beyond 64 bits")
            << QByteArray(R"({"version":"L21","sets":[{"purchase_date":1e300,"color":-1e300,
                "alarm_date":18446744073709551615}]})")
            << json(c);
    }

    {
        collection c = migrated_empty();
        c.filters.resize(2);
        c.filters[1].condis.push_back(condi{});
        c.filters[1].condis.push_back(condi{});
        QTest::newRow("filters of other types")
            << QByteArray(R"({"version":"L21","filters":[{"name":1,"logic":"1",
                "condis":{"property":3}}, 3, {"condis":[{"property":"3","operator":"1",
                "inputstr":2}, 7, {"property":1e300}]}]})")
            << json(c);
    }
}

void TestMigration::hostileMembers()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.json"));
    write_file(path, content);
    Loaded l;
    load(path, l);
    QVERIFY(l.result.ok);
    QVERIFY(l.result.migrated);
    // Line by line, so a failure names the member.
    QCOMPARE(QString::fromStdString(collection_json(l.c)).split(u'\n'),
             QString::fromUtf8(expected).split(u'\n'));
}

QTEST_GUILESS_MAIN(TestMigration)
#include "test_migration.moc"

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"
#include "test_folders.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tandora;
using tandora::test::write_file;

namespace {

// The whole map as "key=text" lines, sorted, so a comparison shows every stray entry.
QStringList dump(const Texts &t)
{
    QStringList out;
    for (auto it = t.entries().cbegin(); it != t.entries().cend(); ++it)
        out.append(it.key() + u'=' + it->str);
    out.sort();
    return out;
}

Texts loaded(const QByteArray &content)
{
    Texts t;
    t.load(content);
    return t;
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileFormat_data();
    void fileFormat();
    void lookup();
    void references_data();
    void references();
    void missingReferenceInsertsNothing();
    void useMarks();
    void loadFile();
    void britishEnglish();
};

void TestTexts::fileFormat_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("blanks around key and text")
        << QByteArray("  MID_Load  ¦  Open  ") << QStringList{"MID_Load=Open"};
    QTest::newRow("blanks inside stay")
        << QByteArray("a key ¦ two  words") << QStringList{"a key=two  words"};
    QTest::newRow("tabs stay") << QByteArray("\tk ¦\tv\t \nm\t¦ w")
                               << QStringList{"\tk=\tv\t", "m\t=w"};
    QTest::newRow("comment") << QByteArray("# k ¦ v\n   #x ¦ y\nz ¦ #w") << QStringList{"z=#w"};
    QTest::newRow("tab before hash is no comment")
        << QByteArray("\t# k ¦ v") << QStringList{"\t# k=v"};
    QTest::newRow("hash inside key") << QByteArray("a#b ¦ v") << QStringList{"a#b=v"};
    QTest::newRow("no separator") << QByteArray("lonely key  ") << QStringList{"lonely key="};
    QTest::newRow("empty key") << QByteArray(" ¦ v\n¦\n   \n\nk ¦") << QStringList{"k="};
    QTest::newRow("later line wins") << QByteArray("k ¦ a\nk ¦ b") << QStringList{"k=b"};
    QTest::newRow("second separator ends the text")
        << QByteArray("k ¦ a ¦ b ¦ c") << QStringList{"k=a"};
    QTest::newRow("keys are case-sensitive")
        << QByteArray("Key ¦ a\nkey ¦ b") << QStringList{"Key=a", "key=b"};
    QTest::newRow("LF") << QByteArray("a ¦ 1\nb ¦ 2\n") << QStringList{"a=1", "b=2"};
    QTest::newRow("CRLF") << QByteArray("a ¦ 1\r\nb ¦ 2\r\n") << QStringList{"a=1", "b=2"};
    QTest::newRow("CR") << QByteArray("a ¦ 1\rb ¦ 2\r") << QStringList{"a=1", "b=2"};
    QTest::newRow("mixed, with empty lines") << QByteArray("a ¦ 1\r\r\nb ¦ 2\n\rc ¦ 3\r\n\nd ¦ 4")
                                             << QStringList{"a=1", "b=2", "c=3", "d=4"};
    QTest::newRow("UTF-8") << QByteArray("unit_cm3 ¦ cm³\nstate ¦ ✝ Verkauft")
                           << QStringList{"state=✝ Verkauft", "unit_cm3=cm³"};
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "a ¦ 1\nb ¦ 2")
                                     << QStringList{"a=1", "b=2"};
}

void TestTexts::fileFormat()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    entries.sort();
    QCOMPARE(dump(loaded(content)), entries);
}

void TestTexts::lookup()
{
    const Texts t = loaded("MID_Load ¦ Load\n");
    QCOMPARE(t.text(u"MID_Load"), QStringLiteral("Load"));
    QCOMPARE(t.text(u"#MID_Load"), QStringLiteral("Load"));
    QCOMPARE(t.text(u"mid_load"), QStringLiteral("?mid_load"));
    QCOMPARE(t.text(u"MID_Save"), QStringLiteral("?MID_Save"));
    QCOMPARE(t.text(u"#MID_Save"), QStringLiteral("?MID_Save"));
    QVERIFY(t.contains(u"#MID_Load"));
    QVERIFY(!t.contains(u"MID_Save"));

    Texts s;
    s.set(QStringLiteral("#MID_Quit"), QStringLiteral("Quit"));
    QCOMPARE(s.text(u"MID_Quit"), QStringLiteral("Quit"));
}

void TestTexts::references_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text"); // of key a

    QTest::newRow("one") << QByteArray("a ¦ Remove §b§?\nb ¦ data") << "Remove data?";
    QTest::newRow("two") << QByteArray("a ¦ §b§ and §c§\nb ¦ B\nc ¦ C") << "B and C";
    QTest::newRow("defined later") << QByteArray("b ¦ B\na ¦ x§b§") << "xB";
    QTest::newRow("one level deep") << QByteArray("a ¦ [§b§]\nb ¦ (§c§)\nc ¦ C") << "[(§c§)]";
    QTest::newRow("itself") << QByteArray("a ¦ x§a§") << "xx§a§";
    QTest::newRow("adjacent") << QByteArray("a ¦ §b§§b§\nb ¦ B") << "BB";
    QTest::newRow("odd count, key to the end") << QByteArray("a ¦ x§b\nb ¦ B") << "xB";
    QTest::newRow("odd count, empty last key") << QByteArray("a ¦ x§b§y§\nb ¦ B") << "xBy";
    QTest::newRow("lone mark") << QByteArray("a ¦ §") << "";
    QTest::newRow("empty key between marks") << QByteArray("a ¦ x§§y") << "xy";
}

void TestTexts::references()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QCOMPARE(loaded(content).text(u"a"), text);
}

void TestTexts::missingReferenceInsertsNothing()
{
    const Texts t = loaded("a ¦ x§gone§y\n");
    QCOMPARE(t.text(u"a"), QStringLiteral("xy"));
    // The reference added the key with the empty text.
    QCOMPARE(t.text(u"gone"), QString());
    QVERIFY(t.contains(u"gone"));
}

void TestTexts::useMarks()
{
    const Texts t = loaded("a ¦ §b§\nb ¦ B\nc ¦ C\nd ¦ D\ne ¦ §gone§\n");
    const auto use = [&](const char *key) {
        return t.entries().value(QString::fromLatin1(key)).use;
    };
    // Referenced texts are marked by the expansion, the referring ones are not.
    QCOMPARE(use("a"), 0);
    QCOMPARE(use("b"), 1);
    QCOMPARE(use("gone"), 1);
    QCOMPARE(use("c"), 0);
    QCOMPARE(use("e"), 0);

    t.text(u"c");
    t.text(u"#d");
    t.text(u"missing");
    QCOMPARE(use("c"), 1);
    QCOMPARE(use("d"), 1);
    QVERIFY(!t.contains(u"missing")); // a failed lookup adds nothing
}

void TestTexts::loadFile()
{
    QTemporaryDir dir;
    Texts t;
    QVERIFY(!t.load_file(dir.filePath(QStringLiteral("missing.txt"))));
    QCOMPARE(t.size(), 0);
    QCOMPARE(t.text(u"MID_Load"), QStringLiteral("?MID_Load"));

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    write_file(empty, QByteArray());
    QVERIFY(t.load_file(empty));
    QCOMPARE(t.size(), 0);

    // A second file adds to the texts already loaded; its references see both.
    const QString first = dir.filePath(QStringLiteral("first.txt"));
    const QString second = dir.filePath(QStringLiteral("second.txt"));
    write_file(first, "a ¦ A\nb ¦ B1\n");
    write_file(second, "b ¦ B2\nc ¦ §a§+§b§\n");
    QVERIFY(t.load_file(first));
    QVERIFY(t.load_file(second));
    QCOMPARE(dump(t), (QStringList{"a=A", "b=B2", "c=A+B2"}));
}

void TestTexts::britishEnglish()
{
    const Texts &t = british_english_texts();
    QCOMPARE(t.text(u"#txt_save"), QStringLiteral("Database has been changed. Save it?"));
    QCOMPARE(t.text(u"#templ_1"), QStringLiteral("Sealed"));
    QCOMPARE(t.text(u"#ask_del_bsd"), QStringLiteral("Remove selected Brickset-Data?"));
    QCOMPARE(t.text(u"fmt_date"), QStringLiteral("%dd.%mm.%yyyy"));
    QCOMPARE(t.text(u"fmt_currency"), QStringLiteral("21"));
}

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"

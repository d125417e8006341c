// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "brickset_fixture.h"
#include "core/clock.h"
#include "services/set_data_cache.h"
#include "test_folders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tandora;
using tandora::test::write_file;

namespace {

own_set make_set(const QString &number, qint64 version)
{
    own_set s;
    s.number = number;
    s.version = version;
    return s;
}

collection collection_of(std::initializer_list<const char *> keys)
{
    collection c;
    for (const char *key : keys) {
        const QString k = QString::fromLatin1(key);
        const qsizetype dash = k.lastIndexOf(u'-');
        c.sets.push_back(make_set(k.left(dash), k.mid(dash + 1).toLongLong()));
    }
    return c;
}

void set_mtime(const QString &path, qint64 epoch_seconds)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::fromSecsSinceEpoch(epoch_seconds),
                          QFileDevice::FileModificationTime));
}

// A getSets answer of one set.
QByteArray set_answer(const char *name, const char *tags = "")
{
    return QByteArrayLiteral(R"({"status": "success", "matches": 1, "sets": [{"name": ")") + name +
           QByteArrayLiteral(R"(", "extendedData": {"tags": [)") + tags +
           QByteArrayLiteral("]}}]}");
}

} // namespace

class TestSetDataCache : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;
    QString data_folder; // a fresh one for each test
    SetDataCache cache;
    int counter = 0;

    QString cache_file(const QString &name) const { return cache.cache_folder() + name; }

private Q_SLOTS:
    void init();
    void fixtureSets();
    void linking();
    void splitTags_data();
    void splitTags();
    void tagsOfCachedSet();
    void minifigLists_data();
    void minifigLists();
    void unusableFiles();
    void firstSetOnly();
    void reloadRelinks();
    void largeCache();
    void setUpFolders();
};

void TestSetDataCache::init()
{
    QVERIFY(temp.isValid());
    data_folder = temp.filePath(QString::number(++counter)) + u'/';
    QVERIFY(QDir().mkpath(data_folder));
    cache.set_up_folders(data_folder);
}

void TestSetDataCache::fixtureSets()
{
    if (!test::fixtures_present())
        QSKIP("the shared Brickset samples are missing");
    const QStringList keys = test::write_fixture_set_files(cache.cache_folder());
    QCOMPARE(keys.size(), 50);
    const qint64 received = 1700000000; // 2023-11-14 22:13:20 UTC
    set_mtime(cache_file(QStringLiteral("10270-1.set")), received);

    collection c = collection_of({"10270-1", "10274-1"});
    cache.load_cache(c);
    QCOMPARE(cache.bs_count(), size_t(50));
    QCOMPARE(cache.bl_count(), size_t(0));

    const database_bs &shop = *c.sets[0].bs;
    QCOMPARE(&shop, cache.find_bs(QStringLiteral("10270-1")));
    QCOMPARE(shop.filedate, wall_clock_from_epoch(received));
    QCOMPARE(shop.path_xml, cache.cache_folder() + QStringLiteral("10270-1.set"));
    QCOMPARE(shop.path_jpg, cache.cache_folder() + QStringLiteral("10270-1.jpg"));
    QCOMPARE(shop.database.status, QStringLiteral("success"));
    const api3_sets &s = shop.set();
    QCOMPARE(s.setID, 29830);
    QCOMPARE(s.name, QStringLiteral("Bookshop"));
    QCOMPARE(s.subtheme, QStringLiteral("Modular Buildings"));
    QCOMPARE(s.released, 1); // JSON true
    QCOMPARE(s.pieces, 2504);
    QCOMPARE(s.rating, 4.5);
    QCOMPARE(s.LEGOCom.UK.retailPrice, 149.99);
    QCOMPARE(s.LEGOCom.UK.dateLastAvailable, QString()); // missing in the answer
    QCOMPARE(s.dimensions.weight, 2.946);
    QCOMPARE(s.barcode.EAN, QStringLiteral("5702016667974"));
    QCOMPARE(s.ageRange.min, 16);
    QCOMPARE(s.image.imageURL,
             QStringLiteral("https://images.brickset.com/sets/images/10270-1.jpg"));
    QVERIFY(shop.tags_norm.isEmpty()); // "extendedData": {}
    QVERIFY(c.sets[0].bl == &SetDataCache::empty_bl());

    // Members the service left out and objects sent as {} read as zero and empty.
    const api3_sets &unnamed = c.sets[1].bs->set();
    QCOMPARE(unnamed.name, QStringLiteral("{?}"));
    QCOMPARE(unnamed.pieces, 0);
    QCOMPARE(unnamed.subtheme, QString());
    QCOMPARE(unnamed.barcode.EAN, QString());
    QCOMPARE(unnamed.dimensions.weight, 0.0);
    QCOMPARE(unnamed.ageRange.min, 0);
    QVERIFY(c.sets[1].bs->filedate > 0);
}

void TestSetDataCache::linking()
{
    write_file(cache_file(QStringLiteral("10001-1.set")), set_answer("Owned"));
    write_file(cache_file(QStringLiteral("10002-1.set")), set_answer("Not in the collection"));
    write_file(cache_file(QStringLiteral("10001-1.mini")), R"({"figlist": []})");
    // Other names in the folder are not cache data; keys compare case-sensitively.
    write_file(cache_file(QStringLiteral("10003-1.SET")), set_answer("Upper case"));
    write_file(cache_file(QStringLiteral("10003-1.set.bak")), set_answer("Backup"));
    write_file(cache_file(QStringLiteral("10003-1.jpg")), "not a picture");
    write_file(cache_file(QStringLiteral("abc-1.set")), set_answer("Lower"));

    collection c = collection_of({"10001-1", "10003-1", "10001-1", "ABC-1", "10001-01"});
    cache.load_cache(c);
    QCOMPARE(cache.bs_count(), size_t(3));
    QCOMPARE(cache.bl_count(), size_t(1));

    const database_bs *owned = cache.find_bs(QStringLiteral("10001-1"));
    QVERIFY(owned);
    QCOMPARE(owned->set().name, QStringLiteral("Owned"));
    QCOMPARE(c.sets[0].bs, owned);
    QCOMPARE(c.sets[2].bs, owned); // two copies of one set share the record
    QCOMPARE(c.sets[0].bl, cache.find_bl(QStringLiteral("10001-1")));
    QCOMPARE(c.sets[0].bl->path_fig, cache_file(QStringLiteral("10001-1.mini")));
    QCOMPARE(c.sets[4].bs, owned); // the version is a number: "01" is 1

    // Loaded, but no set refers to it.
    const database_bs *other = cache.find_bs(QStringLiteral("10002-1"));
    QVERIFY(other);
    QCOMPARE(other->set().name, QStringLiteral("Not in the collection"));
    for (const own_set &s : c.sets)
        QVERIFY(s.bs != other);

    // Without a file the set refers to the shared empty records, never to nothing.
    for (int i : {1, 3}) {
        QCOMPARE(c.sets[size_t(i)].bs, &SetDataCache::empty_bs());
        QCOMPARE(c.sets[size_t(i)].bl, &SetDataCache::empty_bl());
    }
    QCOMPARE(SetDataCache::empty_bs().filedate, -1);
    QCOMPARE(SetDataCache::empty_bs().set().name, QString());
    QVERIFY(!cache.find_bs(QStringLiteral("10003-1")));

    // Sets added later (editor, import) are linked one by one.
    own_set added = make_set(QStringLiteral("10002"), 1);
    cache.attach_cache(added);
    QCOMPARE(added.bs, other);
    QCOMPARE(added.bl, &SetDataCache::empty_bl());
}

void TestSetDataCache::splitTags_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("norm");
    QTest::addColumn<QStringList>("figs");

    QTest::newRow("character") << QStringList{QStringLiteral("Luke Skywalker|n")} << QStringList()
                               << QStringList{QStringLiteral("Luke Skywalker")};
    QTest::newRow("plain") << QStringList{QStringLiteral("Modular")}
                           << QStringList{QStringLiteral("Modular")} << QStringList();
    QTest::newRow("empty dropped") << QStringList{QString(), QStringLiteral("a")}
                                   << QStringList{QStringLiteral("a")} << QStringList();
    QTest::newRow("upper-case ending is a plain tag")
        << QStringList{QStringLiteral("x|N")} << QStringList{QStringLiteral("x|N")}
        << QStringList();
    QTest::newRow("only the last ending goes")
        << QStringList{QStringLiteral("a|n|n")} << QStringList()
        << QStringList{QStringLiteral("a|n")};
    QTest::newRow("marker inside") << QStringList{QStringLiteral("a|nb")}
                                   << QStringList{QStringLiteral("a|nb")} << QStringList();
    QTest::newRow("bare ending names nobody")
        << QStringList{QStringLiteral("|n")} << QStringList() << QStringList();
    QTest::newRow("order kept") << QStringList{QStringLiteral("b"), QStringLiteral("Y|n"),
                                               QStringLiteral("a"), QStringLiteral("X|n")}
                                << QStringList{QStringLiteral("b"), QStringLiteral("a")}
                                << QStringList{QStringLiteral("Y"), QStringLiteral("X")};
}

void TestSetDataCache::splitTags()
{
    QFETCH(QStringList, tags);
    QFETCH(QStringList, norm);
    QFETCH(QStringList, figs);
    QStringList got_norm;
    QStringList got_figs;
    split_tags(tags, got_norm, got_figs);
    QCOMPARE(got_norm, norm);
    QCOMPARE(got_figs, figs);
}

void TestSetDataCache::tagsOfCachedSet()
{
    write_file(cache_file(QStringLiteral("75192-1.set")),
               set_answer("Falcon", R"("Han Solo|n", "", "UCS", "Chewbacca|n", "Ship")"));
    collection c = collection_of({"75192-1"});
    cache.load_cache(c);
    QCOMPARE(c.sets[0].bs->tags_norm, (QStringList{QStringLiteral("UCS"), QStringLiteral("Ship")}));
    QCOMPARE(c.sets[0].bs->tags_figs,
             (QStringList{QStringLiteral("Han Solo"), QStringLiteral("Chewbacca")}));
    QCOMPARE(c.sets[0].bs->set().extendedData.tags.size(), 5); // the answer stays as received
}

void TestSetDataCache::minifigLists_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("sorted by number")
        << QByteArray(R"({"figlist": [{"number": "sw0002", "quantity": 1},
                                      {"number": "sw0001a", "quantity": 2}]})")
        << QStringList{QStringLiteral("SW0001A"), QStringLiteral("SW0001A"),
                       QStringLiteral("SW0002")}
        << QStringList{QStringLiteral("sw0001a"), QStringLiteral("sw0002")};
    QTest::newRow("already in order")
        << QByteArray(R"({"figlist": [{"number": "sw0001a", "quantity": 2},
                                      {"number": "sw0002", "quantity": 1}]})")
        << QStringList{QStringLiteral("SW0001A"), QStringLiteral("SW0001A"),
                       QStringLiteral("SW0002")}
        << QStringList{QStringLiteral("sw0001a"), QStringLiteral("sw0002")};
    // Case-sensitive order: upper case before lower case; equal numbers keep their order.
    QTest::newRow("case-sensitive and stable")
        << QByteArray(R"({"figlist": [{"number": "sw0001", "quantity": 1, "description": "a"},
                                      {"number": "SW0009", "quantity": 1},
                                      {"number": "sw0001", "quantity": 1, "description": "b"}]})")
        << QStringList{QStringLiteral("SW0009"), QStringLiteral("SW0001"), QStringLiteral("SW0001")}
        << QStringList{QStringLiteral("SW0009"), QStringLiteral("sw0001"),
                       QStringLiteral("sw0001")};
    QTest::newRow("no copies") << QByteArray(R"({"figlist": [{"number": "sh001", "quantity": 0},
                                      {"number": "sh002", "quantity": -3}, {"number": "sh003"}]})")
                               << QStringList()
                               << QStringList{QStringLiteral("sh001"), QStringLiteral("sh002"),
                                              QStringLiteral("sh003")};
    // A hostile quantity must not fill the memory.
    QTest::newRow("huge quantity")
        << QByteArray(R"({"figlist": [{"number": "x1", "quantity": 9000000000000000000}]})")
        << QStringList(qsizetype(max_figure_ids), QStringLiteral("X1"))
        << QStringList{QStringLiteral("x1")};
    QTest::newRow("empty list") << QByteArray(R"({"figlist": []})") << QStringList()
                                << QStringList();
    QTest::newRow("not JSON") << QByteArray("{\"figlist\": [") << QStringList() << QStringList();
}

void TestSetDataCache::minifigLists()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, ids);
    QFETCH(QStringList, sorted);
    write_file(cache_file(QStringLiteral("9001-1.mini")), text);
    collection c = collection_of({"9001-1"});
    cache.load_cache(c);
    const database_bl *bl = cache.find_bl(QStringLiteral("9001-1"));
    QVERIFY(bl);
    QCOMPARE(c.sets[0].bl, bl);
    QCOMPARE(bl->path_fig, cache_file(QStringLiteral("9001-1.mini")));
    QCOMPARE(bl->figure_id, ids);
    QStringList numbers;
    for (const minifig &f : bl->minifigs.figlist)
        numbers.append(f.number);
    QCOMPARE(numbers, sorted);
    if (qstrcmp(QTest::currentDataTag(), "case-sensitive and stable") == 0)
        QCOMPARE(bl->minifigs.figlist[1].description, QStringLiteral("a"));
    QCOMPARE(c.sets[0].bs, &SetDataCache::empty_bs()); // a list alone brings no set data
}

void TestSetDataCache::unusableFiles()
{
    write_file(cache_file(QStringLiteral("1-1.set")), QByteArray());
    write_file(cache_file(QStringLiteral("1-1.mini")), QByteArray());
    write_file(cache_file(QStringLiteral("2-1.set")), "{\"status\": \"success\", \"sets\": [{");
    set_mtime(cache_file(QStringLiteral("2-1.set")), 1600000000);
    write_file(cache_file(QStringLiteral("3-1.set")), set_answer("Epoch"));
    set_mtime(cache_file(QStringLiteral("3-1.set")), 0);
    // Nesting far deeper than any answer: rejected by the parser, not a crash.
    write_file(cache_file(QStringLiteral("4-1.set")), QByteArray(2 << 20, '['));
    // Too large to be a cache file; sparse, so it costs no disk space.
    QFile huge(cache_file(QStringLiteral("5-1.set")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(SetDataCache::max_file_size + 1));
    huge.close();
    // Not regular files: skipped, and the pipe does not block the load.
    QVERIFY(QDir().mkdir(cache_file(QStringLiteral("6-1.set"))));
    QCOMPARE(::mkfifo(QFile::encodeName(cache_file(QStringLiteral("7-1.set"))).constData(), 0600),
             0);
    QVERIFY(
        QFile::link(cache_file(QStringLiteral("7-1.set")), cache_file(QStringLiteral("8-1.set"))));
    QVERIFY(
        QFile::link(cache_file(QStringLiteral("3-1.set")), cache_file(QStringLiteral("9-1.set"))));
    QFile locked(cache_file(QStringLiteral("10-1.set")));
    write_file(locked.fileName(), set_answer("Locked"));
    QVERIFY(locked.setPermissions(QFileDevice::Permissions()));
    const bool can_lock = !locked.open(QIODevice::ReadOnly); // root reads it anyway

    collection c = collection_of({"1-1", "2-1", "3-1", "4-1", "5-1", "6-1", "7-1", "8-1", "9-1"});
    cache.load_cache(c);
    for (const char *skipped : {"1-1", "5-1", "6-1", "7-1", "8-1"})
        QVERIFY2(!cache.find_bs(QString::fromLatin1(skipped)), skipped);
    if (can_lock)
        QVERIFY(!cache.find_bs(QStringLiteral("10-1")));
    QVERIFY(!cache.find_bl(QStringLiteral("1-1")));
    QCOMPARE(c.sets[0].bs, &SetDataCache::empty_bs());

    // Invalid JSON: a record with empty data, but with its file's date and paths.
    const database_bs *broken = c.sets[1].bs;
    QVERIFY(broken != &SetDataCache::empty_bs());
    QCOMPARE(broken->database.status, QString());
    QCOMPARE(broken->database.sets.setID, 0);
    QCOMPARE(broken->set().name, QString());
    QCOMPARE(broken->filedate, wall_clock_from_epoch(1600000000));
    QCOMPARE(broken->path_xml, cache_file(QStringLiteral("2-1.set")));
    QCOMPARE(broken->path_jpg, cache_file(QStringLiteral("2-1.jpg")));
    QVERIFY(c.sets[3].bs != &SetDataCache::empty_bs());
    QCOMPARE(c.sets[3].bs->set().name, QString());

    // A file time of 0 means no date.
    QCOMPARE(c.sets[2].bs->filedate, -1);
    QCOMPARE(c.sets[2].bs->set().name, QStringLiteral("Epoch"));
    // A link to a cache file is read like the file; the paths are the link's.
    QCOMPARE(c.sets[8].bs->set().name, QStringLiteral("Epoch"));
    QCOMPARE(c.sets[8].bs->path_xml, cache_file(QStringLiteral("9-1.set")));
}

void TestSetDataCache::firstSetOnly()
{
    write_file(cache_file(QStringLiteral("6020-1.set")),
               R"({"status": "success", "matches": 2,
                   "sets": [{"number": "6020", "name": "Magic Shop"},
                            {"number": "6020", "name": "Second"}]})");
    collection c = collection_of({"6020-1"});
    cache.load_cache(c);
    QCOMPARE(c.sets[0].bs->database.matches, 2);
    QCOMPARE(c.sets[0].bs->set().name, QStringLiteral("Magic Shop"));
}

void TestSetDataCache::reloadRelinks()
{
    write_file(cache_file(QStringLiteral("100-1.set")), set_answer("Before", R"("Emmet|n")"));
    write_file(cache_file(QStringLiteral("100-1.mini")),
               R"({"figlist": [{"number": "tlm001", "quantity": 2}]})");
    write_file(cache_file(QStringLiteral("200-1.set")), set_answer("Removed"));
    write_file(cache_file(QStringLiteral("200-1.mini")), R"({"figlist": [{"number": "a"}]})");
    collection c = collection_of({"100-1", "200-1", "300-1"});
    cache.load_cache(c);
    QCOMPARE(c.sets[0].bs->set().name, QStringLiteral("Before"));
    QCOMPARE(c.sets[1].bs->set().name, QStringLiteral("Removed"));

    write_file(cache_file(QStringLiteral("100-1.set")), set_answer("After", R"("City")"));
    write_file(cache_file(QStringLiteral("100-1.mini")),
               R"({"figlist": [{"number": "tlm002", "quantity": 1}]})");
    QVERIFY(QFile::remove(cache_file(QStringLiteral("200-1.set"))));
    QVERIFY(QFile::remove(cache_file(QStringLiteral("200-1.mini"))));
    write_file(cache_file(QStringLiteral("300-1.set")), set_answer("Downloaded"));
    cache.load_cache(c);

    QCOMPARE(cache.bs_count(), size_t(2));
    QCOMPARE(cache.bl_count(), size_t(1));
    QVERIFY(!cache.find_bs(QStringLiteral("200-1")));
    // Nothing of the file's previous content stays.
    const database_bs *changed = cache.find_bs(QStringLiteral("100-1"));
    QCOMPARE(c.sets[0].bs, changed);
    QCOMPARE(changed->set().name, QStringLiteral("After"));
    QCOMPARE(changed->tags_norm, QStringList{QStringLiteral("City")});
    QCOMPARE(changed->tags_figs, QStringList());
    QCOMPARE(c.sets[0].bl->figure_id, QStringList{QStringLiteral("TLM002")});
    QCOMPARE(c.sets[1].bs, &SetDataCache::empty_bs());
    QCOMPARE(c.sets[1].bl, &SetDataCache::empty_bl());
    QCOMPARE(c.sets[2].bs->set().name, QStringLiteral("Downloaded"));

    // A folder that cannot be listed any more leaves no data.
    QVERIFY(QDir(cache.cache_folder()).removeRecursively());
    cache.load_cache(c);
    QCOMPARE(cache.bs_count(), size_t(0));
    QCOMPARE(c.sets[0].bs, &SetDataCache::empty_bs());
    QCOMPARE(c.sets[0].bl, &SetDataCache::empty_bl());
}

// Enough files for the load to be shared between threads (when there are cores for them):
// every record must end up with its own file's content.
void TestSetDataCache::largeCache()
{
    constexpr int set_files = 4000;
    constexpr int mini_files = 300;
    collection c;
    for (int i = 0; i < set_files; ++i) {
        const QByteArray name = QByteArray::number(i);
        const QString key = QString::fromLatin1(name) + QStringLiteral("-1");
        write_file(cache_file(key + QStringLiteral(".set")), set_answer(name.constData()));
        if (i < mini_files)
            write_file(cache_file(key + QStringLiteral(".mini")),
                       R"({"figlist": [{"number": "f)" + name + R"(", "quantity": 1}]})");
        // Every other set has no data of its own.
        c.sets.push_back(make_set(QString::fromLatin1(name), i % 2 ? 1 : 2));
    }
    cache.load_cache(c);
    cache.load_cache(c); // and once more over the records of the first load
    QCOMPARE(cache.bs_count(), size_t(set_files));
    QCOMPARE(cache.bl_count(), size_t(mini_files));
    for (int i = 0; i < set_files; ++i) {
        const own_set &s = c.sets[size_t(i)];
        if (s.version == 2) {
            QCOMPARE(s.bs, &SetDataCache::empty_bs());
            continue;
        }
        QCOMPARE(s.bs->set().name, s.number);
        QCOMPARE(s.bs->path_xml, cache_file(s.number + QStringLiteral("-1.set")));
        QVERIFY(s.bs->filedate > 0);
        if (i < mini_files)
            QCOMPARE(s.bl->figure_id, QStringList{QStringLiteral("F") + s.number});
        else
            QCOMPARE(s.bl, &SetDataCache::empty_bl());
    }
}

void TestSetDataCache::setUpFolders()
{
    QCOMPARE(cache.data_folder(), data_folder);
    QCOMPARE(cache.cache_folder(), data_folder + QStringLiteral("brickset/"));
    QCOMPARE(cache.minifig_folder(), data_folder + QStringLiteral("minifigs/"));
    QVERIFY(QFileInfo(cache.cache_folder()).isDir());
    QVERIFY(QFileInfo(cache.minifig_folder()).isDir());

    // A file in the way stays a file; the other folder is still made and nothing fails.
    const QString other = temp.filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkdir(other));
    write_file(other + QStringLiteral("/brickset"), set_answer("In the way"));
    SetDataCache second;
    second.set_up_folders(other); // without the final "/"
    QCOMPARE(second.cache_folder(), other + QStringLiteral("/brickset/"));
    QVERIFY(QFileInfo(other + QStringLiteral("/brickset")).isFile());
    QVERIFY(QFileInfo(second.minifig_folder()).isDir());
    collection c = collection_of({"1-1"});
    second.load_cache(c);
    QCOMPARE(second.bs_count(), size_t(0));
    QCOMPARE(c.sets[0].bs, &SetDataCache::empty_bs());

    // A data folder that is gone is not made up again.
    SetDataCache gone;
    gone.set_up_folders(temp.filePath(QStringLiteral("missing/")));
    QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("missing"))));
    gone.load_cache(c);
    QCOMPARE(c.sets[0].bs, &SetDataCache::empty_bs());
}

QTEST_GUILESS_MAIN(TestSetDataCache)
#include "test_set_data_cache.moc"

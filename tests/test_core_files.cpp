// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about.h"
#include "core/clock.h"
#include "core/folders.h"
#include "core/request_log.h"
#include "core/support_files.h"
#include "core/text_file.h"
#include "test_folders.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <sys/stat.h>

using namespace tandora;

namespace {

// The lookup rows every later reader relies on, kept apart from the file they check.
const char *const expected_aliases[] = {
    "8683=col01",    "8684=col02",    "8803=col03",     "8804=col04",      "8805=col05",
    "8827=col06",    "8831=col07",    "8833=col08",     "8909=coltgb",     "41775=coluni1",
    "43101=vidbm01", "71000=col09",   "71001=col10",    "71002=col11",     "71004=coltlm",
    "71005=colsim",  "71007=col12",   "71008=col13",    "71009=colsim2",   "71010=col14",
    "71011=col15",   "71012=coldis",  "71013=col16",    "71014=coldfb",    "71017=coltlbm",
    "71018=col17",   "71019=coltlnm", "71020=coltlbm2", "71021=col18",     "71022=colhp",
    "71023=coltlm2", "71024=coldis2", "71025=col19",    "71026=colsh",     "71027=col20",
    "71028=colhp2",  "71029=col21",   "71030=collt",    "71031=colmsh",    "71032=col22",
    "71033=coltm",   "71034=col23",   "71037=col24",    "71038=coldis100", "71039=colmsh2",
    "71045=col25",   "71046=col26",   "71047=coldnd",   "71048=col27",     "71051=col28",
    "71361=char01",  "71386=char02",
};
const char *const expected_series_subsets[] = {
    "8683-17=1-16",  "8684-17=1-16",  "8803-17=1-16",  "8804-17=1-16",   "8805-17=1-16",
    "8827-17=1-16",  "8831-17=1-16",  "8833-17=1-16",  "8909-17=1-9",    "41775-13=1-12",
    "43101-13=1-12", "71000-17=1-16", "71001-17=1-16", "71001-19=17-17", "71002-17=1-16",
    "71004-17=1-16", "71005-17=1-16", "71007-17=1-16", "71008-17=1-16",  "71009-17=1-16",
    "71010-17=1-16", "71011-17=1-16", "71012-19=1-18", "71013-17=1-16",  "71014-17=1-16",
    "71017-21=1-20", "71018-17=1-16", "71019-21=1-20", "71020-21=1-20",  "71021-18=1-17",
    "71022-23=1-22", "71023-21=1-20", "71024-19=1-18", "71025-17=1-16",  "71026-17=1-16",
    "71027-17=1-16", "71028-17=1-16", "71029-13=1-12", "71030-13=1-12",  "71031-13=1-12",
    "71032-13=1-12", "71033-13=1-12", "71034-13=1-12", "71037-13=1-12",  "71038-13=1-12",
    "71039-13=1-12", "71045-13=1-12", "71046-13=1-12", "71047-13=1-12",  "71048-13=1-12",
    "71051-13=1-12", "71361-11=1-10", "71386-11=1-10",
};
const char *const expected_calendars[] = {
    "1298-1",  "1076-1",  "2250-1",  "4124-1",  "4524-1",  "4024-1",  "4924-1",  "7575-1",
    "7324-1",  "7574-1",  "7904-1",  "7600-1",  "7907-1",  "7724-1",  "7979-1",  "6299-1",
    "7687-1",  "2824-1",  "7952-1",  "7553-1",  "7958-1",  "3316-1",  "4428-1",  "9509-1",
    "41016-1", "60024-1", "75023-1", "41040-1", "60063-1", "75056-1", "41102-1", "60099-1",
    "75097-1", "41131-1", "60133-1", "75146-1", "41326-1", "60155-1", "75184-1", "41353-1",
    "60201-1", "75213-1", "41382-1", "60235-1", "75245-1", "75964-1", "41420-1", "60268-1",
    "75279-1", "75981-1", "41690-1", "60303-1", "75307-1", "76390-1", "76196-1", "41706-1",
    "60352-1", "75340-1", "76231-1", "76404-1", "76418-1", "76267-1", "75366-1", "60381-1",
    "41758-1", "60436-1", "75395-1", "43253-1", "42637-1", "76293-1", "60475-1", "75418-1",
    "43273-1", "42668-1", "76456-1", "21280-1",
};

// Key lines of one group of an INI-style text: "key=value" with blanks around both removed
// and any trailing "#" comment cut off. Enough to check the defaults without the INI reader.
struct GroupLines
{
    QStringList entries;
    QStringList comments; // the "#" comment of each entry, empty when it has none
};

QMap<QString, GroupLines> scan_groups(const QString &text)
{
    QMap<QString, GroupLines> groups;
    QString group;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            groups[group];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        QString value = line.mid(eq + 1);
        QString comment;
        const qsizetype hash = value.indexOf(QLatin1Char('#'));
        if (hash >= 0) {
            comment = value.mid(hash + 1).trimmed();
            value.truncate(hash);
        }
        groups[group].entries << line.left(eq).trimmed() + QLatin1Char('=') + value.trimmed();
        groups[group].comments << comment;
    }
    return groups;
}

QString decode_utf8(const QByteArray &bytes, bool *valid)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    *valid = !decoder.hasError() && !bytes.startsWith("\xEF\xBB\xBF");
    return text;
}

QString default_text(const char *resource)
{
    bool valid = false;
    const QString text = decode_utf8(default_file_bytes(QString::fromLatin1(resource)), &valid);
    if (!valid)
        return {};
    return text;
}

} // namespace

class TestCoreFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void resolvesFolders();
    void firstArgument_data();
    void firstArgument();
    void dataFolder_data();
    void dataFolder();

    void writesDefaultFile_data();
    void writesDefaultFile();
    void writesAllSupportFiles();
    void currencyDefault();
    void endpointsDefault();
    void linksDefault();

    void requestLogEntriesNeverInterleave();
    void writesLogFile();
    void emptyLogKeepsOlderFile();
    void exitLogName_data();
    void exitLogName();

    void writeTextFile();

    void aboutBox();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_home;
    Folders m_folders;
};

void TestCoreFiles::initTestCase()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_home = test::isolate_home(m_root->path());
    m_folders = resolve_folders();
}

void TestCoreFiles::resolvesFolders()
{
    const QString support = m_home + QStringLiteral("/.local/share/Norvanda/Tandora/");
    QCOMPARE(m_folders.support, support);
    QVERIFY(QFileInfo(m_home + QStringLiteral("/.local/share/Norvanda")).isDir());
    QVERIFY(QFileInfo(support).isDir());
    QCOMPARE(m_folders.language_file, support + QStringLiteral("1.21_strings.txt"));
    QCOMPARE(m_folders.currency_file, support + QStringLiteral("1.21_currency.txt"));
    QCOMPARE(m_folders.links_file, support + QStringLiteral("1.21_links.txt"));
    QCOMPARE(m_folders.endpoints_file, support + QStringLiteral("1.21_urls.txt"));
    QCOMPARE(m_folders.settings_file, support + QStringLiteral("settings.ini"));
    QCOMPARE(m_folders.default_collection_file,
             m_home + QStringLiteral("/Documents/legosets.json"));
    QCOMPARE(m_folders.home, m_home + QLatin1Char('/'));
    QCOMPARE(m_folders.log_folder, QStringLiteral("/tmp/"));

    // Resolving again with both levels present changes nothing.
    const Folders again = resolve_folders();
    QCOMPARE(again.support, m_folders.support);
}

void TestCoreFiles::firstArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    const QString prog = QStringLiteral("tandora");
    const QString path = QStringLiteral("/home/u/sets.json");
    const QString psn = QStringLiteral("-psn_0_123");
    QTest::newRow("no arguments") << QStringList{prog} << QString();
    QTest::newRow("empty list") << QStringList{} << QString();
    QTest::newRow("a path") << QStringList{prog, path} << path;
    QTest::newRow("only the serial number") << QStringList{prog, psn} << QString();
    // The serial number is skipped, so the path after it still counts.
    QTest::newRow("serial number, then a path") << QStringList{prog, psn, path} << path;
    QTest::newRow("path, then serial number") << QStringList{prog, path, psn} << path;
    QTest::newRow("two paths") << QStringList{prog, path, QStringLiteral("b.json")} << path;
    QTest::newRow("program name never counts") << QStringList{path} << QString();
}

void TestCoreFiles::firstArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QCOMPARE(first_argument(arguments), expected);
}

void TestCoreFiles::dataFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected"); // "@home/" and "@support/" stand for the folders

    QTest::newRow("empty is the support folder") << QString() << QStringLiteral("@support/");
    QTest::newRow("stored form below home")
        << QStringLiteral("~data/") << QStringLiteral("@home/data/");
    QTest::newRow("tilde and slash") << QStringLiteral("~/x") << QStringLiteral("@home/x/");
    QTest::newRow("home itself") << QStringLiteral("~") << QStringLiteral("@home/");
    QTest::newRow("absolute") << QStringLiteral("/abs") << QStringLiteral("/abs/");
    QTest::newRow("absolute with slash") << QStringLiteral("/abs/") << QStringLiteral("/abs/");
    QTest::newRow("tilde inside") << QStringLiteral("/a~b/") << QStringLiteral("/a~b/");
}

void TestCoreFiles::dataFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    expected.replace(QStringLiteral("@home/"), m_folders.home);
    expected.replace(QStringLiteral("@support/"), m_folders.support);
    QCOMPARE(data_folder(m_folders, stored), expected);
}

void TestCoreFiles::writesDefaultFile_data()
{
    QTest::addColumn<QByteArray>("existing"); // null: no file
    QTest::addColumn<bool>("written");

    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("user content") << QByteArray("[EUR]\nid = 0\n") << false;
    QTest::newRow("single byte") << QByteArray("\n") << false;
}

void TestCoreFiles::writesDefaultFile()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, written);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.21_currency.txt"));
    if (!existing.isNull())
        test::write_file(path, existing);

    const QString resource = QString::fromLatin1(currency_default_resource);
    QCOMPARE(write_default_file(path, resource), written);
    QCOMPARE(test::read_file(path), written ? default_file_bytes(resource) : existing);
}

void TestCoreFiles::writesAllSupportFiles()
{
    QTemporaryDir dir;
    Folders folders = m_folders;
    folders.currency_file = dir.filePath(QStringLiteral("c.txt"));
    folders.links_file = dir.filePath(QStringLiteral("l.txt"));
    folders.endpoints_file = dir.filePath(QStringLiteral("u.txt"));
    test::write_file(folders.links_file, "https://example.org/{number}|0\n");

    write_default_support_files(folders);
    QCOMPARE(test::read_file(folders.currency_file),
             default_file_bytes(QString::fromLatin1(currency_default_resource)));
    QCOMPARE(test::read_file(folders.links_file), QByteArray("https://example.org/{number}|0\n"));
    QCOMPARE(test::read_file(folders.endpoints_file),
             default_file_bytes(QString::fromLatin1(endpoints_default_resource)));

    // A support folder that could not be created: nothing is written and nothing fails.
    folders.currency_file = dir.filePath(QStringLiteral("missing/c.txt"));
    QVERIFY(
        !write_default_file(folders.currency_file, QString::fromLatin1(currency_default_resource)));
}

void TestCoreFiles::currencyDefault()
{
    const QString text = default_text(currency_default_resource);
    QVERIFY2(!text.isEmpty(), "not UTF-8 without byte-order mark");

    // Group order matters: it is the order of the currency menu.
    QStringList names;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            names << line.trimmed();
    }
    const QStringList expected_names = {
        QStringLiteral("[EUR]"), QStringLiteral("[EUR-DE]"), QStringLiteral("[EUR-FR]"),
        QStringLiteral("[GBP]"), QStringLiteral("[USD]"),    QStringLiteral("[CAD]"),
        QStringLiteral("[AUD]"), QStringLiteral("[CHF]"),    QStringLiteral("[CZK]"),
        QStringLiteral("[PLN]"), QStringLiteral("[DKK]"),    QStringLiteral("[SEK]"),
        QStringLiteral("[NOK]"), QStringLiteral("[NZD]"),    QStringLiteral("[MXN]"),
    };
    QCOMPARE(names, expected_names);

    struct Row
    {
        const char *group;
        int id;
        const char *symbol1;
        const char *symbol2;
        double vip_factor;
        const char *uvp_get;
    };
    const Row rows[] = {
        {"EUR", 0, "€", "ct", 7.5, ""},    {"EUR-DE", 1, "€", "ct", 7.5, "DE"},
        {"EUR-FR", 2, "€", "ct", 7.5, ""}, {"GBP", 21, "£", "p", 8.0, "UK"},
        {"USD", 22, "$", "¢", 6.5, "US"},  {"CAD", 23, "$", "¢", 5.0, "CA"},
        {"AUD", 24, "$", "¢", 4.5, ""},    {"CHF", 25, "Fr", "Rp", 6.5, ""},
        {"CZK", 26, "Kč", "h", 0.3, ""},   {"PLN", 27, "Zł", "gr", 1.5, ""},
        {"DKK", 28, "Dkr", "Ø", 1.0, ""},  {"SEK", 29, "Skr", "Ø", 0.75, ""},
        {"NOK", 30, "Nkr", "Ø", 0.75, ""}, {"NZD", 31, "$", "¢", 4.0, ""},
        {"MXN", 32, "$", "¢", 0.35, ""},
    };
    const QMap<QString, GroupLines> groups = scan_groups(text);
    for (const Row &row : rows) {
        const QString group = QString::fromUtf8(row.group);
        QVERIFY2(groups.contains(group), row.group);
        QMap<QString, QString> keys;
        for (const QString &entry : groups[group].entries)
            keys.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        QCOMPARE(keys.size(), 5);
        QCOMPARE(keys.value(QStringLiteral("id")), QString::number(row.id));
        QCOMPARE(keys.value(QStringLiteral("symbol1")), QString::fromUtf8(row.symbol1));
        QCOMPARE(keys.value(QStringLiteral("symbol2")), QString::fromUtf8(row.symbol2));
        bool ok = false;
        QCOMPARE(keys.value(QStringLiteral("vip_factor")).toDouble(&ok), row.vip_factor);
        QVERIFY(ok);
        // Present with an empty value means "no region"; a missing key would mean "DE".
        QVERIFY(keys.contains(QStringLiteral("uvp_get")));
        QCOMPARE(keys.value(QStringLiteral("uvp_get")), QString::fromUtf8(row.uvp_get));
    }
}

void TestCoreFiles::endpointsDefault()
{
    const QByteArray bytes = default_file_bytes(QString::fromLatin1(endpoints_default_resource));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    const QString text = default_text(endpoints_default_resource);
    QVERIFY2(!text.isEmpty(), "not UTF-8 without byte-order mark");

    const QMap<QString, GroupLines> groups = scan_groups(text);
    const auto value = [&](const char *group, const char *key) {
        const QString prefix = QString::fromLatin1(key) + QLatin1Char('=');
        const QStringList entries = groups.value(QString::fromLatin1(group)).entries;
        const QStringList found = entries.filter(prefix);
        return found.size() == 1 && found.first().startsWith(prefix)
                   ? found.first().mid(prefix.size())
                   : QStringLiteral("<missing>");
    };
    QCOMPARE(value("brickset_api_v3", "apikey"), QString());
    QCOMPARE(value("brickset_api_v3", "getsets"),
             QStringLiteral("https://brickset.com/api/v3.asmx/getSets?=getSets&apiKey={apikey}"
                            "&userHash=&params={'setNumber':'{number}-{variant}',"
                            "'extendedData':1}"));
    QCOMPARE(value("brickset_api_v3", "checkkey"),
             QStringLiteral("https://brickset.com/api/v3.asmx/checkKey?=checkKey&apiKey={apikey}"));
    QCOMPARE(value("brickset_api_v3", "keyusagestats"),
             QStringLiteral("https://brickset.com/api/v3.asmx/getKeyUsageStats"
                            "?=getKeyUsageStats&apiKey={apikey}"));
    QCOMPARE(value("bricklink_url", "lstfig1"),
             QStringLiteral("https://www.bricklink.com/catalogItemInv.asp?S={number}-{variant}"
                            "&v=0&viewType=P&viewItemType=M"));
    QCOMPARE(value("bricklink_url", "lstfig2"),
             QStringLiteral("https://www.bricklink.com/catalogItemInv.asp?G={number}"
                            "&v=0&viewType=P&viewItemType=M"));
    QCOMPARE(value("bricklink_url", "figsets"),
             QStringLiteral("https://www.bricklink.com/catalogItemIn.asp?M={minifig}&v=0&in=S"));
    QCOMPARE(value("bricklink_url", "minipic"),
             QStringLiteral("https://img.bricklink.com/ItemImage/MN/0/{minifig}.png"));
    QCOMPARE(value("divers", "identifier_row_fig"), QStringLiteral("<TR class=\"IV"));
    QCOMPARE(value("divers", "identifier_fig_set"),
             QStringLiteral("/v2/catalog/catalogitem.page?S="));
    QCOMPARE(value("csv_keys", "keys_RB_CSV"), QStringLiteral("Set Number,Quantity"));
    QCOMPARE(value("csv_keys", "keys_BS_CSV"), QStringLiteral("Number,Qty owned"));
    QCOMPARE(value("csv_keys", "keys_BS_ACM").split(QLatin1Char(',')).size(), 27);
    QVERIFY(text.contains(QStringLiteral("[csv_keys]\r\n;")));

    QStringList aliases;
    for (const char *row : expected_aliases)
        aliases << QString::fromLatin1(row);
    QCOMPARE(groups.value(QStringLiteral("cross_bs_bl")).entries, aliases);
    for (const QString &comment : groups.value(QStringLiteral("cross_bs_bl")).comments)
        QVERIFY2(comment.contains(QStringLiteral("Complete")), qPrintable(comment));

    QStringList subsets;
    for (const char *row : expected_series_subsets)
        subsets << QString::fromLatin1(row);
    for (const char *key : expected_calendars)
        subsets << QString::fromLatin1(key) + QStringLiteral("=2-25");
    QCOMPARE(subsets.size(), 53 + 76);
    const GroupLines sub = groups.value(QStringLiteral("subsets_bl"));
    QCOMPARE(sub.entries, subsets);
    for (qsizetype i = 0; i < 53; ++i)
        QVERIFY2(sub.comments.at(i).contains(QStringLiteral("Complete")),
                 qPrintable(sub.entries.at(i)));
}

void TestCoreFiles::linksDefault()
{
    const QString text = default_text(links_default_resource);
    QVERIFY2(!text.isEmpty(), "not UTF-8 without byte-order mark");
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 19);

    int ean = 0;
    int minifig = 0;
    QList<int> icons;
    for (const QString &line : lines) {
        QCOMPARE(line, line.trimmed());
        const QStringList parts = line.split(QLatin1Char('|'));
        QCOMPARE(parts.size(), 2);
        QVERIFY2(parts.first().startsWith(QStringLiteral("https://")), qPrintable(line));
        bool ok = false;
        icons << parts.last().toInt(&ok);
        QVERIFY2(ok, qPrintable(line));
        if (parts.first().contains(QStringLiteral("{ean}")))
            ++ean;
        else if (parts.first().contains(QStringLiteral("{minifig}")))
            ++minifig;
        else
            QVERIFY2(parts.first().contains(QStringLiteral("{number}")), qPrintable(line));
    }
    QCOMPARE(ean, 1);
    QCOMPARE(minifig, 2);
    // Icon indexes run 0..n without gaps over the strip of link icons.
    const int last = *std::max_element(icons.cbegin(), icons.cend());
    for (int i = 0; i <= last; ++i)
        QVERIFY2(icons.contains(i), qPrintable(QString::number(i)));
}

void TestCoreFiles::requestLogEntriesNeverInterleave()
{
    RequestLog log;
    constexpr int entries = 3000;
    const auto writer = [&log](const QString &who) {
        for (int i = 0; i < entries; ++i) {
            const QString id = who + QString::number(i);
            log.append({id + QStringLiteral(" request"), id + QStringLiteral(" status"),
                        id + QStringLiteral(" answer")});
        }
    };
    std::unique_ptr<QThread> worker(QThread::create(writer, QStringLiteral("worker ")));
    worker->start();
    writer(QStringLiteral("main "));
    QVERIFY(worker->wait(30000));

    const QStringList lines = log.lines();
    QCOMPARE(lines.size(), 2 * entries * 3);
    for (qsizetype i = 0; i < lines.size(); i += 3) {
        const QString id = lines.at(i).section(QLatin1Char(' '), 0, 1);
        QCOMPARE(lines.at(i + 1), id + QStringLiteral(" status"));
        QCOMPARE(lines.at(i + 2), id + QStringLiteral(" answer"));
    }
}

void TestCoreFiles::writesLogFile()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    // A world-readable file of that name is replaced by a private one.
    test::write_file(folder + QStringLiteral("Tandora_show.log"), "old");
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("Tandora_show.log"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));

    RequestLog log;
    log.append({QStringLiteral("GET a"), QStringLiteral("200 €")});
    log.append({QStringLiteral("GET b")});
    const QString path = write_log(log, folder, QString(show_log_name));
    QCOMPARE(path, folder + QStringLiteral("Tandora_show.log"));
    QCOMPARE(test::read_file(path), QByteArray("GET a\r\n200 \xE2\x82\xAC\r\nGET b"));

    struct stat st
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
}

void TestCoreFiles::emptyLogKeepsOlderFile()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const RequestLog log;
    QVERIFY(log.isEmpty());

    const QString path = write_log(log, folder, QStringLiteral("Tandora_x"));
    QCOMPARE(path, folder + QStringLiteral("Tandora_x.log"));
    QVERIFY(!QFileInfo::exists(path));

    test::write_file(path, "earlier run");
    QCOMPARE(write_log(log, folder, QStringLiteral("Tandora_x")), path);
    QCOMPARE(test::read_file(path), QByteArray("earlier run"));
}

void TestCoreFiles::exitLogName_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded fields")
        << QStringLiteral("2026-12-11 09:05:03") << QStringLiteral("Tandora_2026-12-11_09-05-03");
    QTest::newRow("epoch") << QStringLiteral("1970-01-01 00:00:00")
                           << QStringLiteral("Tandora_1970-01-01_00-00-00");
    QTest::newRow("leap day, last second")
        << QStringLiteral("2028-02-29 23:59:59") << QStringLiteral("Tandora_2028-02-29_23-59-59");
}

void TestCoreFiles::exitLogName()
{
    QFETCH(QString, now);
    QFETCH(QString, expected);
    QCOMPARE(exit_log_name(parse_wall_clock(now)), expected);
}

void TestCoreFiles::writeTextFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    test::write_file(path, "a much longer older content");

    const qint64 date = parse_wall_clock(QStringLiteral("2024-03-05 10:20:30"));
    QCOMPARE(write_text_file(path, QStringLiteral("ä€"), date), qint64(5));
    QCOMPARE(test::read_file(path), QByteArray("\xC3\xA4\xE2\x82\xAC"));
    const QDateTime modified = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
    QCOMPARE(wall_clock_from_epoch(modified.toSecsSinceEpoch()), date);

    QCOMPARE(
        write_text_file(dir.filePath(QStringLiteral("no/such/folder.txt")), QStringLiteral("x")),
        qint64(-1));
}

void TestCoreFiles::aboutBox()
{
    QCOMPARE(about_title(), QStringLiteral("Tandora 1.21"));
    QCOMPARE(about_text(parse_wall_clock(QStringLiteral("2026-03-04 05:06:07"))),
             QStringLiteral("2019 - 2026\nCompiled: 04.03.2026 05:06:07\n\nLibrary version: L22"));

    // The build date is fixed when the program is built, so it lies in the past.
    const qint64 built = build_date();
    QVERIFY(built > parse_wall_clock(QStringLiteral("2026-01-01 00:00:00")));
    QVERIFY(built <= SystemClock().now() + 60);
    QCOMPARE(about_text(), about_text(built));
}

QTEST_GUILESS_MAIN(TestCoreFiles)
#include "test_core_files.moc"

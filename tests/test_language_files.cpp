// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language_files.h"
#include "core/texts.h"
#include "scripted_prompt.h"
#include "test_folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace tandora;

namespace {

constexpr int key_count = 426;
const QString settings_heading = QStringLiteral("# ------------------------ Settings");
const QString menu_heading = QStringLiteral("# ------------------------ Menüeinträge");

// The texts the British English file must carry exactly as written, odd spellings included:
// they are the program's wording, not mistakes to correct here.
struct FixedText
{
    const char *key;
    const char *text;
};
const FixedText british_texts[] = {
    {"user_dati", "at"},
    {"YES", "Yes"},
    {"NO", "No"},
    {"IN", "in"},
    {"REL", "by"},
    {"bs_data", "Brickset-Data"},
    {"bl_data", "Bricklink-Data"},
    {"data_default", "Default data folder"},
    {"data_current", "Current data folder"},
    {"state_01_sealed", "Sealed"},
    {"state_02_opened", "Opened"},
    {"state_03_under_construction", "Under construction"},
    {"state_04_assembled", "Assembled"},
    {"state_05_loose_parts_set", "Individual parts, set"},
    {"state_06_loose_parts_mix", "Individual parts, mixed"},
    {"state_07_loose_parts_sale", "Individual parts, for sale"},
    {"state_08_packed_up", "Packaged / archived"},
    {"state_09_lend_out", "Lend out"},
    {"state_10_sold", "Sold"},
    {"state_11_given_away", "Given away"},
    {"state_12_lost", "Lost"},
    {"state_xx_ordered", "Ordered"},
    {"templ_0", "Free configuration"},
    {"templ_1", "§state_01_sealed§"},
    {"templ_2", "Wishlist"},
    {"templ_3", "§state_10_sold§"},
    {"templ_4", "§state_11_given_away§"},
    {"templ_5", "§state_12_lost§"},
    {"condi_1", "Sealed"},
    {"condi_2", "New, completely"},
    {"condi_3", "New, inclomplete"},
    {"condi_4", "Second hand, completely"},
    {"condi_5", "Second hand, inclomplete"},
    {"compl_1", "Completely"},
    {"compl_2", "Inclomplete"},
    {"compl_3", "Without Minifigs"},
    {"compl_4", "Minifigs only"},
    {"present_0", "not available"},
    {"present_1", "available (as good as new)"},
    {"present_2", "available (normal wear and tear)"},
    {"present_3", "available (slightly damaged)"},
    {"present_4", "available (damaged)"},
    {"present_5", "incomplete"},
    {"payback_percent", "% on the §VAL_P_Price§"},
    {"payback_points", "Payback-Points"},
    {"ask_del_bsd", "Remove selected §bs_data§?"},
    {"ask_del_set", "Delete delected sets?"},
    {"txt_fastsel", "- Quick selection -"},
    {"txt_action_sel", "Choose action:"},
    {"txt_action_add", "Link documents"},
    {"txt_edited", "Last edited:"},
    {"txt_received", "Last retrieved:"},
    {"txt_input", "Input"},
    {"txt_save", "Database has been changed. Save it?"},
    {"txt_sets", "Sets"},
    {"txt_remove", "Remove"},
    {"txt_without", "without"},
    {"txt_overwrite1", "The following file already exists:"},
    {"txt_overwrite2", "Really overwrite?"},
    {"txt_undef_format", "Format is unknown or has changed!"},
    {"txt_no_data", "No data available yet"},
    {"txt_restart", "Please restart the program!"},
    {"txt_listhelp", "Right-click on list to open menu"},
    {"txt_update", "Database updated:"},
    {"txt_column", "Spalte"},
    {"txt_alarm_input", "Insert date or $ to remove:"},
    {"txt_alarm_output", "Reminder active:"},
    {"txt_not_set", "No reminder set"},
    {"txt_expires_on", "Expires on"},
    {"txt_expired_on", "Expired on"},
    {"txt_days_remain", "Still @ days remain!"},
    {"txt_days_expire", "Expired @ days ago!"},
    {"txt_days_today", "Today!"},
    {"txt_fig_download", "Receive image"},
    {"txt_fig_different", "Different"},
    {"txt_fig_group", "Grouping identical"},
    {"txt_fig_total", "Total amount"},
    {"txt_unknown_db", "Database opened from an unknown or newer version"},
    {"txt_single_fig", "Single Figure"},
    {"txt_sets_exported", "sets exported!"},
    {"txt_sets_imported", "sets imported!"},
    {"txt_wrong_format", "Unknown file format"},
    {"txt_broken_link", "Linked document no longer exists. Remove from list?"},
    {"txt_filter", "Filter"},
    {"txt_filter_overwrite", "overwrite with current configuration?"},
    {"txt_filter_delete", "really delete?"},
    {"txt_filter_rename", "Enter the name of the filter:"},
    {"txt_filter_sensitiv", "Case-sensitive"},
    {"txt_filter_invert", "Invert result"},
    {"txt_ask_import", "Also import entries with quantity = 0?"},
    {"txt_img_cache", "Cache for preview images"},
    {"txt_colreset", "(order, visibility and width)"},
    {"txt_present", "Existing only"},
    {"txt_new_val", "New set property"},
    {"txt_keep_backups", "How many backups to keep? 0 = none to maximum 9"},
    {"txt_na", "n.a."},
    {"unit_byte", "byte"},
    {"unit_days", "days"},
    {"unit_cm", "cm"},
    {"unit_cm3", "cm³"},
    {"unit_g", "g"},
    {"unit_kg", "kg"},
    {"unit_perc", "%"},
    {"unit_plus", "+"},
    {"unit_ok", "OK"},
    {"brickset_no_data", "No §bs_data§ retrieved!"},
    {"brickset_no_connection", "Can not connect to brickset.com!"},
    {"brickset_invalid_key", "No valid API key for brickset.com!"},
    {"brickset_check_key", "Check API key for brickset.com"},
    {"brickset_sum_set", "Retrieved set information"},
    {"brickset_sum_fig", "Retrieved fig information"},
    {"brickset_sum_2", "Retrieved data"},
    {"brickset_sum_3", "Saved data"},
    {"err_bricklink_1", "Can not connect to www.bricklink.com!"},
    {"err_bricklink_2", "#ERR: No Minifig data available!"},
    {"bricklink_no_data", "No §bl_data§ retrieved!"},
    {"warn_set_number", "Please enter §VAL_Setnum§!"},
    {"warn_read_only", "Error: File cannot be written:"},
    {"warn_extenson", "Attention: Unusual file extension!"},
    {"PT_Text", "Text"},
    {"PT_Date", "Date"},
    {"PT_Wert", "Number between 0 and"},
    {"PT_Link", "File or folder"},
};

// A language file as it stands on disk, line by line, before the reader touches it.
struct RawFile
{
    QByteArray bytes;
    QStringList comments;      // comment lines in file order
    QList<int> comment_before; // number of entries read before each comment line
    QStringList keys;          // in file order
    QHash<QString, QString> texts;
    QStringList format_errors;
};

QString resource_of(const QString &short_name)
{
    return built_in_languages()[language_index(short_name)].resource.toString();
}

QByteArray resource_bytes(const QString &resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RawFile read_raw(const QString &short_name)
{
    RawFile raw;
    raw.bytes = resource_bytes(resource_of(short_name));
    const QString all = QString::fromUtf8(raw.bytes);
    QStringList lines = all.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the LF that ends the last line
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (line.startsWith(u'#')) {
            raw.comments.append(line);
            raw.comment_before.append(int(raw.keys.size()));
            continue;
        }
        const QStringList parts = line.split(u'\u00A6');
        if (parts.size() != 2) {
            raw.format_errors.append(where + QStringLiteral("not one key and one text: ") + line);
            continue;
        }
        const QString key = parts[0].trimmed();
        const QString text = parts[1].trimmed();
        if (key.isEmpty() || key.contains(u' '))
            raw.format_errors.append(where + QStringLiteral("bad key: ") + line);
        if (raw.texts.contains(key))
            raw.format_errors.append(where + QStringLiteral("repeated key: ") + key);
        raw.keys.append(key);
        raw.texts.insert(key, text);
    }
    return raw;
}

Texts loaded(const QString &short_name)
{
    Texts texts;
    if (!texts.load_file(resource_of(short_name)))
        qWarning("cannot read %s", qPrintable(resource_of(short_name)));
    return texts;
}

// The keys a text refers to between "§" marks; an odd mark count shows as "(unpaired)".
QStringList references(const QString &text)
{
    const QStringList pieces = text.split(u'\u00A7');
    QStringList keys;
    for (qsizetype i = 1; i < pieces.size(); i += 2)
        keys.append(pieces[i]);
    if (pieces.size() % 2 == 0)
        keys.append(QStringLiteral("(unpaired)"));
    return keys;
}

const QStringList all_languages = {QStringLiteral("de"), QStringLiteral("en-gb"),
                                   QStringLiteral("en-us")};

// ---- Finding the keys the code looks up ------------------------------------------------

struct Literal
{
    QString text;   // between the quotes, escapes left as written
    QString before; // the code just before the literal and its encoding prefix
    int line = 0;
};

// The string literals of C++ code, skipping comments and character literals.
QList<Literal> string_literals(const QString &code)
{
    QList<Literal> out;
    int line = 1;
    const qsizetype n = code.size();
    qsizetype i = 0;
    auto starts = [&](qsizetype at, QLatin1String s) {
        return QStringView(code).mid(at).startsWith(s);
    };
    while (i < n) {
        const QChar c = code[i];
        if (c == u'\n') {
            ++line;
            ++i;
        } else if (starts(i, QLatin1String("//"))) {
            while (i < n && code[i] != u'\n')
                ++i;
        } else if (starts(i, QLatin1String("/*"))) {
            const qsizetype end = code.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            line += int(QStringView(code).mid(i, stop - i).count(u'\n'));
            i = stop;
        } else if (c == u'\'') {
            // A quote between two digits separates digit groups (1'000).
            if (i > 0 && code[i - 1].isLetterOrNumber() && i + 1 < n && code[i + 1].isDigit()) {
                ++i;
                continue;
            }
            ++i;
            while (i < n && code[i] != u'\'' && code[i] != u'\n')
                i += code[i] == u'\\' ? 2 : 1;
            ++i;
        } else if (c == u'"') {
            qsizetype prefix = i;
            while (prefix > 0 && (code[prefix - 1] == u'u' || code[prefix - 1] == u'U' ||
                                  code[prefix - 1] == u'L' || code[prefix - 1] == u'R' ||
                                  code[prefix - 1] == u'8'))
                --prefix;
            const bool raw = i > 0 && code[i - 1] == u'R';
            Literal lit;
            const qsizetype from = std::max<qsizetype>(0, prefix - 60);
            lit.before = code.mid(from, prefix - from);
            lit.line = line;
            ++i;
            if (raw) {
                const qsizetype open = code.indexOf(u'(', i);
                if (open < 0)
                    break;
                const QString close = u')' + code.mid(i, open - i) + u'"';
                const qsizetype end = code.indexOf(close, open);
                const qsizetype stop = end < 0 ? n : end;
                lit.text = code.mid(open + 1, stop - open - 1);
                line += int(lit.text.count(u'\n'));
                i = stop + close.size();
            } else {
                const qsizetype start = i;
                while (i < n && code[i] != u'"' && code[i] != u'\n')
                    i += code[i] == u'\\' ? 2 : 1;
                lit.text = code.mid(start, i - start);
                ++i;
            }
            out.append(lit);
        } else {
            ++i;
        }
    }
    return out;
}

// The language keys named by the literals of one source text: lookups through text(), keys
// written with their leading "#", and label keys of the tables (catalogue and the like).
QList<std::pair<QString, int>> keys_in_code(const QString &code)
{
    static const QRegularExpression key(
        QStringLiteral("^(?:[A-Za-z]+_[A-Za-z0-9_]+|YES|NO|IN|REL)$"));
    static const QRegularExpression lookup(
        QStringLiteral("\\btext\\(\\s*(?:(?:QStringLiteral|QLatin1String|QStringView)\\(\\s*)?$"));
    static const QRegularExpression table_key(
        QStringLiteral("^(?:MID|VAL|VAX|FOL|WID|Transfer|txt|tip|menu|unit|state|templ|condi|"
                       "compl|present|panel)_[A-Za-z0-9_]+$"));
    QList<std::pair<QString, int>> out;
    for (const Literal &lit : string_literals(code)) {
        if (lit.text.startsWith(u'#') && key.match(QStringView(lit.text).mid(1)).hasMatch())
            out.append({lit.text.mid(1), lit.line});
        else if (key.match(lit.text).hasMatch() &&
                 (lookup.match(lit.before).hasMatch() || table_key.match(lit.text).hasMatch()))
            out.append({lit.text, lit.line});
    }
    return out;
}

} // namespace

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileShape_data();
    void fileShape();
    void sameKeysInSameOrder();
    void britishTexts_data();
    void britishTexts();
    void noEmptyText_data();
    void noEmptyText();
    void references_data();
    void references();
    void widths_data();
    void widths();
    void formats_data();
    void formats();
    void americanDiffersOnlyInFormats();
    void dayMarkers_data();
    void dayMarkers();
    void languageTable();
    void writeLanguageFile_data();
    void writeLanguageFile();
    void writeLanguageFileFails();
    void resetLanguage();
    void codeScan_data();
    void codeScan();
    void keysUsedByCodeExist();
};

void TestLanguageFiles::fileShape_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : all_languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguageFiles::fileShape()
{
    QFETCH(QString, language);
    const RawFile raw = read_raw(language);
    QVERIFY2(!raw.bytes.isEmpty(), "built-in file missing");

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(raw.bytes);
    QVERIFY2(!utf8.hasError(), "not valid UTF-8");
    QVERIFY(!raw.bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!raw.bytes.contains('\r'));
    QVERIFY(raw.bytes.endsWith('\n'));
    QVERIFY2(raw.format_errors.isEmpty(), qPrintable(raw.format_errors.join(u'\n')));

    QCOMPARE(raw.keys.size(), key_count);
    // Two sections: settings first, before any entry, then the menu entries.
    QCOMPARE(raw.comments, (QStringList{settings_heading, menu_heading}));
    QCOMPARE(raw.comment_before.first(), 0);
    QVERIFY(raw.comment_before.last() > 0 && raw.comment_before.last() < key_count);

    // The program's own reader sees the same entries, with no reference left dangling.
    const Texts texts = loaded(language);
    QCOMPARE(texts.size(), key_count);
    for (const QString &key : raw.keys)
        QVERIFY2(texts.contains(key), qPrintable(key));
}

void TestLanguageFiles::sameKeysInSameOrder()
{
    const RawFile british = read_raw(QStringLiteral("en-gb"));
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("en-us")}) {
        const RawFile other = read_raw(language);
        QCOMPARE(other.keys, british.keys);
        QCOMPARE(other.comment_before, british.comment_before);
    }
}

void TestLanguageFiles::britishTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    for (const FixedText &fixed : british_texts)
        QTest::newRow(fixed.key) << QString::fromUtf8(fixed.key) << QString::fromUtf8(fixed.text);
}

void TestLanguageFiles::britishTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    for (const QString &language : {QStringLiteral("en-gb"), QStringLiteral("en-us")}) {
        QCOMPARE(read_raw(language).texts.value(key), text);
        const Texts texts = loaded(language);
        if (!text.contains(u'\u00A7'))
            QCOMPARE(texts.text(key), text);
        QVERIFY(!texts.text(key).isEmpty());
    }
}

void TestLanguageFiles::noEmptyText_data()
{
    fileShape_data();
}

void TestLanguageFiles::noEmptyText()
{
    QFETCH(QString, language);
    const RawFile raw = read_raw(language);
    const Texts texts = loaded(language);
    QStringList empty;
    for (const QString &key : raw.keys) {
        if (raw.texts.value(key).isEmpty() || texts.text(key).trimmed().isEmpty())
            empty.append(key);
    }
    QVERIFY2(empty.isEmpty(), qPrintable(QStringLiteral("empty: ") + empty.join(u' ')));
}

void TestLanguageFiles::references_data()
{
    fileShape_data();
}

// Every "§key§" names a key of the same file whose text holds no reference itself (they are
// expanded one level deep), and a text refers to the same keys in every language, so a
// translation cannot lose a part of a composed label.
void TestLanguageFiles::references()
{
    QFETCH(QString, language);
    const RawFile raw = read_raw(language);
    const RawFile british = read_raw(QStringLiteral("en-gb"));
    QStringList problems;
    for (const QString &key : raw.keys) {
        const QStringList refs = ::references(raw.texts.value(key));
        for (const QString &ref : refs) {
            if (!raw.texts.contains(ref))
                problems.append(key + QStringLiteral(" refers to missing ") + ref);
            else if (raw.texts.value(ref).contains(u'\u00A7'))
                problems.append(key + QStringLiteral(" refers to ") + ref +
                                QStringLiteral(", which refers further"));
        }
        QStringList sorted = refs;
        sorted.sort();
        QStringList british_refs = ::references(british.texts.value(key));
        british_refs.sort();
        if (sorted != british_refs)
            problems.append(key + QStringLiteral(" refers to other keys than in en-gb"));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestLanguageFiles::widths_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("values");
    const QStringList english = {"130", "060", "130", "130", "160", "190", "200", "170"};
    QTest::newRow("de") << "de"
                        << QStringList{"130", "060", "130", "130", "160", "160", "180", "180"};
    QTest::newRow("en-gb") << "en-gb" << english;
    QTest::newRow("en-us") << "en-us" << english;
}

void TestLanguageFiles::widths()
{
    QFETCH(QString, language);
    QFETCH(QStringList, values);
    const QStringList keys = {"WID_Sets", "WID_Summe", "WID_Pieces", "WID_Minifigs",
                              "WID_VIP",  "WID_UVP",   "WID_Price",  "WID_VKP"};
    const Texts texts = loaded(language);
    QStringList actual;
    for (const QString &key : keys)
        actual.append(texts.text(key));
    QCOMPARE(actual, values);
}

void TestLanguageFiles::formats_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("de") << "de" << QStringList{"%dd.%mm.%yyyy", "44", "46", "1"};
    QTest::newRow("en-gb") << "en-gb" << QStringList{"%dd.%mm.%yyyy", "46", "44", "21"};
    QTest::newRow("en-us") << "en-us" << QStringList{"%mm-%dd-%yyyy", "46", "44", "22"};
}

void TestLanguageFiles::formats()
{
    QFETCH(QString, language);
    QFETCH(QStringList, values);
    const Texts texts = loaded(language);
    const QStringList actual = {texts.text(u"fmt_date"), texts.text(u"fmt_decimal"),
                                texts.text(u"fmt_thousand"), texts.text(u"fmt_currency")};
    QCOMPARE(actual, values);
}

void TestLanguageFiles::americanDiffersOnlyInFormats()
{
    const RawFile british = read_raw(QStringLiteral("en-gb"));
    const RawFile american = read_raw(QStringLiteral("en-us"));
    QStringList differ;
    for (const QString &key : british.keys) {
        if (british.texts.value(key) != american.texts.value(key))
            differ.append(key);
    }
    QCOMPARE(differ, (QStringList{"fmt_date", "fmt_currency"}));

    // Byte for byte apart from those two lines.
    QList<QByteArray> gb_lines = british.bytes.split('\n');
    QList<QByteArray> us_lines = american.bytes.split('\n');
    QCOMPARE(us_lines.size(), gb_lines.size());
    int changed = 0;
    for (qsizetype i = 0; i < gb_lines.size(); ++i)
        changed += gb_lines[i] != us_lines[i];
    QCOMPARE(changed, 2);
}

void TestLanguageFiles::dayMarkers_data()
{
    fileShape_data();
}

void TestLanguageFiles::dayMarkers()
{
    QFETCH(QString, language);
    const Texts texts = loaded(language);
    QVERIFY(texts.text(u"txt_days_remain").contains(u'@'));
    QVERIFY(texts.text(u"txt_days_expire").contains(u'@'));
    QVERIFY(!texts.text(u"txt_days_today").contains(u'@'));
}

void TestLanguageFiles::languageTable()
{
    const auto languages = built_in_languages();
    QCOMPARE(languages.size(), std::size_t(3));
    QStringList names;
    QStringList short_names;
    QStringList resources;
    for (const BuiltInLanguage &language : languages) {
        names.append(language.name.toString());
        short_names.append(language.short_name.toString());
        resources.append(language.resource.toString());
    }
    QCOMPARE(names, (QStringList{"Deutsch", "English GB", "English US"}));
    QCOMPARE(short_names, (QStringList{"de", "en-gb", "en-us"}));
    QCOMPARE(resources, (QStringList{":/lang/de.txt", ":/lang/en-gb.txt", ":/lang/en-us.txt"}));

    QCOMPARE(language_index(u"de"), 0);
    QCOMPARE(language_index(u"en-gb"), 1);
    QCOMPARE(language_index(u"en-us"), 2);
    QCOMPARE(language_index(u"EN-GB"), 1);
    QCOMPARE(language_index(u"en"), -1);
    QCOMPARE(language_index(u"fr"), -1);
    QCOMPARE(language_index(u""), -1);
}

void TestLanguageFiles::writeLanguageFile_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(qPrintable(built_in_languages()[i].short_name.toString())) << i;
}

void TestLanguageFiles::writeLanguageFile()
{
    QFETCH(int, index);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("1.21_strings.txt"));
    // An older file in the way is replaced, not appended to.
    test::write_file(path, QByteArray(100000, 'x'));

    QVERIFY(write_language_file(index, path));
    const QByteArray expected = resource_bytes(built_in_languages()[index].resource.toString());
    QVERIFY(!expected.isEmpty());
    QCOMPARE(test::read_file(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"1.21_strings.txt"});
}

void TestLanguageFiles::writeLanguageFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("1.21_strings.txt"));
    QVERIFY(!write_language_file(-1, path));
    QVERIFY(!write_language_file(3, path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!write_language_file(1, dir.filePath(QStringLiteral("missing/1.21_strings.txt"))));
}

void TestLanguageFiles::resetLanguage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.21_strings.txt"));
    QVERIFY(write_language_file(1, path));
    const Texts &texts = british_english_texts();
    test::ScriptedPrompt prompt;
    prompt.answers = {UserPrompt::Answer::No};
    QVERIFY(!reset_language(path, texts, prompt));
    QVERIFY(QFile::exists(path));
    QCOMPARE(prompt.shown.size(), 1);
    QCOMPARE(prompt.shown[0].text, texts.text(u"MID_SwapLang") + u'?');

    prompt.answers = {UserPrompt::Answer::Yes};
    QVERIFY(reset_language(path, texts, prompt));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(prompt.shown.size(), 3);
    QCOMPARE(prompt.shown[2].text, QStringLiteral("Please restart the program!"));
    QCOMPARE(prompt.shown[2].icon, UserPrompt::Icon::Information);
}

void TestLanguageFiles::codeScan_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("lookups") << R"(t.text(u"txt_save"); t.text(QStringLiteral("MID_Load"));
        t.text(u"#VAL_Name"); x.text( u"YES" ))"
                             << QStringList{"txt_save", "MID_Load", "VAL_Name", "YES"};
    QTest::newRow("hash keys anywhere")
        << R"({u"#tip_next", "#NO", "#gui_close"})" << QStringList{"tip_next", "NO", "gui_close"};
    QTest::newRow("table label keys") << R"({3, "VAL_Setnum", "unit_perc"}, {"data_folder"})"
                                      << QStringList{"VAL_Setnum", "unit_perc"};
    QTest::newRow("comments") << "// text(u\"txt_gone\")\n/* \"#MID_Gone\" */ f(u\"#txt_here\");"
                              << QStringList{"txt_here"};
    QTest::newRow("no keys")
        << R"(text(u"two words"); text(u"op_%1"); setText(u"gui_x"); "#ff8000")" << QStringList{};
    QTest::newRow("quotes in character literals and numbers")
        << R"(c == '"' ? 1'000 : 0; text(u"txt_na"); '\'';)" << QStringList{"txt_na"};
    QTest::newRow("raw string") << "R\"x(#MID_Raw)x\" R\"(say \"#MID_Not\")\" \"#MID_After\""
                                << QStringList{"MID_Raw", "MID_After"};
}

void TestLanguageFiles::codeScan()
{
    QFETCH(QString, code);
    QFETCH(QStringList, keys);
    QStringList found;
    for (const auto &[key, line] : keys_in_code(code))
        found.append(key);
    QCOMPARE(found, keys);
}

// Every key the program looks up must exist in every built-in language, or the user sees
// "?" and the key instead of a text.
void TestLanguageFiles::keysUsedByCodeExist()
{
    QHash<QString, Texts> texts;
    for (const QString &language : all_languages)
        texts.insert(language, loaded(language));

    const QDir root(QStringLiteral(QT_TESTCASE_SOURCEDIR) + QStringLiteral("/.."));
    QStringList missing;
    int found = 0;
    for (const QString &folder :
         {QStringLiteral("src"), QStringLiteral("ui"), QStringLiteral("app")}) {
        QVERIFY2(root.exists(folder), qPrintable(root.filePath(folder)));
        QDirIterator it(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const auto &[key, line] : keys_in_code(QString::fromUtf8(file.readAll()))) {
                ++found;
                QStringList lacking;
                for (const QString &language : all_languages) {
                    if (!texts[language].contains(key))
                        lacking.append(language);
                }
                if (!lacking.isEmpty())
                    missing.append(QStringLiteral("%1 (%2:%3) missing in %4")
                                       .arg(key, root.relativeFilePath(path))
                                       .arg(line)
                                       .arg(lacking.join(QStringLiteral(", "))));
            }
        }
    }
    QVERIFY2(found > 100, "the scan found almost no keys; is the source folder right?");
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "test_language_files.moc"

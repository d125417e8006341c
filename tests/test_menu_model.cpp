// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands.h"
#include "core/menu_model.h"
#include "core/texts.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"

#include <QHash>
#include <QKeySequence>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace tandora;

namespace {

constexpr int cmd_key = key::cmd;
constexpr int all_modifiers = key::ctrl | key::cmd | key::shift | key::alt;

// The ids of a menu in order: "-" for a separator, a submenu in brackets.
QString layout(const std::vector<menu_node> &nodes)
{
    QStringList parts;
    for (const menu_node &node : nodes) {
        switch (node.kind) {
        case menu_node::Kind::entry:
            parts.append(QString::number(node.id));
            break;
        case menu_node::Kind::separator:
            parts.append(QStringLiteral("-"));
            break;
        case menu_node::Kind::submenu:
            parts.append(u'[' + layout(node.children) + u']');
            break;
        }
    }
    return parts.join(u' ');
}

struct placed_entry
{
    const menu_node *node;
    QString parent; // title of the menu or submenu holding the entry
};

void collect(const std::vector<menu_node> &nodes, const QString &parent,
             std::vector<placed_entry> &out)
{
    for (const menu_node &node : nodes) {
        if (node.kind == menu_node::Kind::entry)
            out.push_back({&node, parent});
        else if (node.kind == menu_node::Kind::submenu)
            collect(node.children, node.text, out);
    }
}

std::vector<placed_entry> entries_of(const std::vector<menu_title> &menus)
{
    std::vector<placed_entry> out;
    for (const menu_title &menu : menus)
        collect(menu.items, menu.title, out);
    return out;
}

std::vector<placed_entry> entries_of(const std::vector<menu_node> &nodes)
{
    std::vector<placed_entry> out;
    collect(nodes, QString(), out);
    return out;
}

QList<int> ids_where(const std::vector<placed_entry> &entries, bool (*pick)(const menu_node &))
{
    QList<int> ids;
    for (const placed_entry &entry : entries) {
        if (pick(*entry.node))
            ids.append(entry.node->id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<int> id_range(int first, int last)
{
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids.append(id);
    return ids;
}

QList<int> valid_currency_rows(const CurrencyTable &table)
{
    QList<int> rows;
    for (int row = 0; row < currency_row_count; ++row) {
        if (table.row(row).valid)
            rows.append(row);
    }
    return rows;
}

QString ids_text(const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts.append(QString::number(id));
    return parts.join(u' ');
}

const Texts &british()
{
    return british_english_texts();
}

} // namespace

class TestMenuModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void shortcutName_data();
    void shortcutName();
    void everyNamedKeyHasOneKey();
    void keySequence_data();
    void keySequence();
    void entryText_data();
    void entryText();

    void menuTitles();
    void menuLayout_data();
    void menuLayout();
    void menuEntries_data();
    void menuEntries();
    void eachIdOnce();
    void disabledAndCheckable();
    void formatSubmenus();
    void currencySubmenuFollowsTheTable();
    void textsComeFromTheGivenLanguage();

    void downloadOptions();
    void shortcutsWithoutMenu();
    void noShortcutTwiceInAWindow();
    void quitByTwoKeys();
    void registryFind();

private:
    std::vector<menu_title> m_menus;
    std::vector<placed_entry> m_entries;
    CurrencyTable m_currencies;
};

void TestMenuModel::initTestCase()
{
    m_currencies = CurrencyTable::built_in();
    QVERIFY(!valid_currency_rows(m_currencies).isEmpty());
    m_menus = main_menu_bar(british(), m_currencies);
    m_entries = entries_of(m_menus);
}

void TestMenuModel::shortcutName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("Cmd+S") << 0x80073 << "Cmd+S";
    QTest::newRow("Cmd+Alt+1") << 0xc0031 << "Cmd+Alt+1";
    QTest::newRow("Shift+enter") << 0x1000d << "Shift+\u23CE";
    QTest::newRow("modifier order") << (all_modifiers | key::letter('A')) << "Strg+Cmd+Shift+Alt+A";
    QTest::newRow("unnamed key keeps modifiers") << (all_modifiers | 999) << "Strg+Cmd+Shift+Alt+";
    QTest::newRow("Cmd with unnamed key") << (cmd_key | 123) << "Cmd+";
    QTest::newRow("nothing") << 0 << "";
    QTest::newRow("bare unnamed key") << 400 << "";

    const int f_keys[] = {378, 376, 355, 374, 352, 353, 354, 356, 357, 365, 359, 367};
    for (int n = 0; n < 12; ++n) {
        const QString name = u'F' + QString::number(n + 1);
        QTest::addRow("%s", qPrintable(name)) << f_keys[n] << name;
    }

    // Digits and letters at both ends, and the ASCII codes the letters are not.
    QTest::newRow("0") << 48 << "0";
    QTest::newRow("9") << 57 << "9";
    QTest::newRow("A") << 97 << "A";
    QTest::newRow("Z") << 122 << "Z";
    QTest::newRow("below digits") << 47 << "";
    QTest::newRow("ASCII A") << 65 << "";
    QTest::newRow("past letters") << 123 << "";

    const std::pair<int, const char *> named[] = {
        {46, "."},        {144, ","},    {141, "+"},   {143, "-"},       {27, "Escape"},
        {32, "Space"},    {9, "Tab"},    {1, "Pos1"},  {4, "Ende"},      {28, "Left"},
        {30, "Up"},       {29, "Right"}, {31, "Down"}, {11, "Bild auf"}, {12, "Bild ab"},
        {8, "Backspace"}, {35, "#"},     {60, "<"},
    };
    for (const auto &[code, name] : named)
        QTest::addRow("code %d", code) << code << QString::fromUtf8(name);
}

void TestMenuModel::shortcutName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(shortcut_name(code), name);
}

// Names and keys come from one table: a code has a name exactly when it has a key, and no two
// codes share a name or a key.
void TestMenuModel::everyNamedKeyHasOneKey()
{
    QHash<QString, int> names;
    QHash<QKeySequence, int> keys;
    for (int code = 1; code < 0x10000; ++code) {
        const QString name = shortcut_name(code);
        const QKeySequence sequence = key_sequence(code);
        QCOMPARE(sequence.isEmpty(), name.isEmpty());
        if (name.isEmpty())
            continue;
        QVERIFY2(!names.contains(name), qPrintable(name));
        QVERIFY2(!keys.contains(sequence), qPrintable(name));
        names.insert(name, code);
        keys.insert(sequence, code);
        // Modifiers never change which key it is.
        QCOMPARE(key_sequence(code | all_modifiers)[0].key(), sequence[0].key());
    }
    QCOMPARE(names.size(), 10 + 26 + 12 + 19);
}

void TestMenuModel::keySequence_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("portable");

    QTest::newRow("Cmd+S is Control") << 0x80073 << "Ctrl+S";
    QTest::newRow("Strg is Meta") << (key::ctrl | key::letter('A')) << "Meta+A";
    QTest::newRow("Cmd+Alt+1") << 0xc0031 << "Ctrl+Alt+1";
    QTest::newRow("F1") << key::f1 << "F1";
    QTest::newRow("Cmd+F4") << (cmd_key | key::f4) << "Ctrl+F4";
    QTest::newRow("F12") << key::f12 << "F12";
    QTest::newRow("Shift+Return") << 0x1000d << "Shift+Return";
    QTest::newRow("Escape") << key::escape << "Esc";
    QTest::newRow("Cmd+.") << (cmd_key | key::period) << "Ctrl+.";
    QTest::newRow("Pos1") << key::home << "Home";
    QTest::newRow("Bild ab") << key::page_down << "PgDown";
    QTest::newRow("#") << key::hash << "#";
    QTest::newRow("all modifiers") << (all_modifiers | key::letter('Z')) << "Meta+Ctrl+Alt+Shift+Z";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("unknown key") << 999 << "";
    QTest::newRow("modifiers on unknown key") << (cmd_key | key::shift | 999) << "";
}

void TestMenuModel::keySequence()
{
    QFETCH(int, code);
    QFETCH(QString, portable);
    QCOMPARE(key_sequence(code), QKeySequence::fromString(portable, QKeySequence::PortableText));
}

void TestMenuModel::entryText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Save") << british().text(u"#MID_Save") << 0x80073 << "Save\tCmd+S";
    QTest::newRow("no shortcut") << "Save" << 0 << "Save";
    QTest::newRow("unnamed key") << "Save" << (cmd_key | 999) << "Save\tCmd+";
    QTest::newRow("Shift+enter") << "Store" << 0x1000d << "Store\tShift+\u23CE";
}

void TestMenuModel::entryText()
{
    QFETCH(QString, text);
    QFETCH(int, shortcut);
    QFETCH(QString, expected);
    QCOMPARE(entry_text(text, shortcut), expected);
}

void TestMenuModel::menuTitles()
{
    const char *keys[] = {"#name_liby", "#name_format", "#name_view",    "#name_sbar",
                          "#name_stat", "#name_window", "#MID_InfoProg", "#name_donate"};
    QStringList expected;
    for (const char *key : keys)
        expected.append(british().text(QString::fromLatin1(key)));
    QStringList titles;
    for (const menu_title &menu : m_menus)
        titles.append(menu.title);
    QCOMPARE(titles, expected);
}

void TestMenuModel::menuLayout_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("ids");

    QTest::newRow("File")
        << 0
        << "0 1 2 3 - [4 5 6] 7 - [10 11 8 - 9] [13 14 12 - 15 16] - [19 17 18] - "
           "[29 30 31] 28 32 - 33";
    QList<int> currency_ids;
    for (int row : valid_currency_rows(m_currencies))
        currency_ids.append(cmd::currency + row);
    QTest::newRow("Format") << 1
                            << u'[' + ids_text(currency_ids) +
                                   QStringLiteral("] [127 - 128 129 130 - 131 132 133] [134 135] "
                                                  "[136 137 138 139 140] - 20");
    QTest::newRow("View") << 2 << "90 91 92 93 - 37 39";
    QTest::newRow("Statusbar") << 3 << "94 95 - 96";
    QTest::newRow("Statistic") << 4 << "79 80 81 82 - 83 84 85 86 - 87";
    QTest::newRow("Window") << 5 << "56 57 - 44 45 - [47 48 49 50 51 52 53 54 55] - 46";
    QTest::newRow("About") << 6 << "23 - 25 26 27 - 88";
    QTest::newRow("Donate") << 7 << "24";
}

void TestMenuModel::menuLayout()
{
    QFETCH(int, menu);
    QFETCH(QString, ids);
    QCOMPARE(m_menus.size(), size_t(8));
    QCOMPARE(layout(m_menus[size_t(menu)].items), ids);
}

void TestMenuModel::menuEntries_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("shortcut");
    QTest::addColumn<QString>("parent");

    struct row
    {
        int id;
        const char *text; // "#key" or a fixed text
        int shortcut;
        const char *parent;
    };
    const int cmd_alt = key::cmd | key::alt;
    const row rows[] = {
        {0, "#MID_Init", cmd_key | key::letter('N'), "#name_liby"},
        {1, "#MID_Load", cmd_key | key::letter('L'), "#name_liby"},
        {2, "#MID_Save", cmd_key | key::letter('S'), "#name_liby"},
        {3, "#MID_SaveAs", key::alt | key::letter('S'), "#name_liby"},
        {4, "#MID_JSON_0", 0, "#MID_JSON"},
        {5, "#MID_JSON_1", 0, "#MID_JSON"},
        {6, "#MID_JSON_2", 0, "#MID_JSON"},
        {7, "#MID_Backup", 0, "#name_liby"},
        {10, "#Transfer_BS_CSV", cmd_alt | key::digit(1), "#MID_Import"},
        {11, "#Transfer_RB_CSV", cmd_alt | key::digit(2), "#MID_Import"},
        {8, "#Transfer_LW_CSV", cmd_alt | key::digit(3), "#MID_Import"},
        {9, "#Transfer_BS_ACM", 0, "#MID_Import"},
        {13, "#Transfer_BS_CSV", cmd_key | key::digit(1), "#MID_Export"},
        {14, "#Transfer_RB_CSV", cmd_key | key::digit(2), "#MID_Export"},
        {12, "#Transfer_LW_CSV", cmd_key | key::digit(3), "#MID_Export"},
        {15, "#Transfer_VT_CSV", 0, "#MID_Export"},
        {16, "#Transfer_PY_DAT", 0, "#MID_Export"},
        {19, "#Transfer_PR_PRN", 0, "#MID_Print"},
        {17, "#Transfer_PR_PNG", 0, "#MID_Print"},
        {18, "#Transfer_PR_PDF", 0, "#MID_Print"},
        {29, "#MID_DataShow", 0, "#MID_Data"},
        {30, "#MID_DataDefine", 0, "#MID_Data"},
        {31, "#MID_DataReset", 0, "#MID_Data"},
        {28, "#MID_OffsetVIP", 0, "#name_liby"},
        {32, "#MID_CopyHtml", 0, "#name_liby"},
        {33, "#MID_Quit", cmd_key | key::letter('Q'), "#name_liby"},
        {20, "#MID_SwapLang", 0, "#name_format"},
        {90, "#MID_V_ShowZero", 0, "#name_view"},
        {91, "#MID_V_ShowStat", 0, "#name_view"},
        {92, "#MID_V_HideIcon", 0, "#name_view"},
        {93, "#MID_V_ProfitAl", 0, "#name_view"},
        {37, "#MID_Colset", cmd_key | key::period, "#name_view"},
        {39, "#MID_Coldef", 0, "#name_view"},
        {94, "#MID_V_SBarWish", 0, "#name_sbar"},
        {95, "#MID_V_SBarDead", 0, "#name_sbar"},
        {96, "#MID_V_SeleMode", cmd_key | key::letter('M'), "#name_sbar"},
        {79, "#MID_Stat_P_Year", 0, "#name_stat"},
        {80, "#MID_Stat_P_Mond", 0, "#name_stat"},
        {81, "#MID_Stat_P_Rele", 0, "#name_stat"},
        {82, "#MID_Stat_P_Shop", 0, "#name_stat"},
        {83, "#MID_Stat_S_Year", 0, "#name_stat"},
        {84, "#MID_Stat_S_Mond", 0, "#name_stat"},
        {85, "#MID_Stat_S_Rele", 0, "#name_stat"},
        {86, "#MID_Stat_S_Shop", 0, "#name_stat"},
        {87, "#MID_Stat_Memory", 0, "#name_stat"},
        {56, "#MID_PopFiglist", key::f1, "#name_window"},
        {57, "#MID_SwithPanel", cmd_key | key::letter('F'), "#name_window"},
        {44, "#MID_HidePanel1", 0, "#name_window"},
        {45, "#MID_HidePanel2", 0, "#name_window"},
        {47, "1", 0, "#menu_info_width"},
        {51, "5", 0, "#menu_info_width"},
        {55, "9", 0, "#menu_info_width"},
        {46, "#MID_ResetPanel", 0, "#name_window"},
        {23, "Tandora", cmd_key | key::letter('I'), "#MID_InfoProg"},
        {25, "#MID_Website", 0, "#MID_InfoProg"},
        {26, "#MID_Manual", 0, "#MID_InfoProg"},
        {27, "#MID_Brickset", 0, "#MID_InfoProg"},
        {88, "#MID_Supporter", 0, "#MID_InfoProg"},
        {24, "#MID_PayPal", 0, "#name_donate"},
    };
    for (const row &r : rows) {
        const QString text = QString::fromUtf8(r.text);
        QTest::addRow("%d %s", r.id, r.text)
            << r.id << (text.startsWith(u'#') ? british().text(text) : text) << r.shortcut
            << british().text(QString::fromLatin1(r.parent));
    }
}

void TestMenuModel::menuEntries()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(int, shortcut);
    QFETCH(QString, parent);
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [id](const placed_entry &e) { return e.node->id == id; });
    QVERIFY(it != m_entries.end());
    QCOMPARE(it->node->text, text);
    QCOMPARE(it->node->shortcut, shortcut);
    QCOMPARE(it->parent, parent);
}

// Each command has one menu entry; the import and export entries share texts, not ids.
void TestMenuModel::eachIdOnce()
{
    QSet<int> seen;
    for (const placed_entry &entry : m_entries) {
        QVERIFY2(!seen.contains(entry.node->id), qPrintable(QString::number(entry.node->id)));
        seen.insert(entry.node->id);
        QVERIFY(!entry.node->text.isEmpty());
        QVERIFY2(!entry.node->text.startsWith(u'?'), qPrintable(entry.node->text));
    }
    // Every entry of every menu and submenu title is a known text as well.
    for (const menu_title &menu : m_menus) {
        QVERIFY2(!menu.title.startsWith(u'?'), qPrintable(menu.title));
        for (const menu_node &node : menu.items) {
            if (node.kind == menu_node::Kind::submenu)
                QVERIFY2(!node.text.startsWith(u'?'), qPrintable(node.text));
        }
    }
}

void TestMenuModel::disabledAndCheckable()
{
    QCOMPARE(ids_where(m_entries, [](const menu_node &n) { return n.disabled; }), QList<int>{6});

    QList<int> checkable = {4, 5, 6};
    checkable += id_range(90, 96);
    checkable += id_range(127, 140);
    for (int row : valid_currency_rows(m_currencies))
        checkable.append(cmd::currency + row);
    QCOMPARE(ids_where(m_entries, [](const menu_node &n) { return n.checkable; }), checkable);
}

void TestMenuModel::formatSubmenus()
{
    const std::vector<menu_node> &format = m_menus.at(1).items;
    const auto texts_of = [](const menu_node &submenu) {
        QStringList texts;
        for (const menu_node &node : submenu.children) {
            if (node.kind == menu_node::Kind::entry)
                texts.append(node.text);
        }
        return texts;
    };
    QCOMPARE(format.at(1).text, british().text(u"#MID_fmt_date"));
    QCOMPARE(texts_of(format.at(1)), date_menu_texts());
    QCOMPARE(format.at(2).text, british().text(u"#MID_fmt_decimal"));
    QCOMPARE(texts_of(format.at(2)), decimal_menu_texts());
    QCOMPARE(format.at(3).text, british().text(u"#MID_fmt_thousand"));
    QCOMPARE(texts_of(format.at(3)), thousands_menu_texts());
    QCOMPARE(format.at(0).text, british().text(u"#MID_fmt_currency"));
    QStringList currency_texts;
    for (const currency_menu_item &item : currency_menu_items(m_currencies, british()))
        currency_texts.append(item.text);
    QCOMPARE(texts_of(format.at(0)), currency_texts);
}

// A currency file with gaps: the entries skip the undefined rows and keep the row in the id.
void TestMenuModel::currencySubmenuFollowsTheTable()
{
    const CurrencyTable table = CurrencyTable::parse("[CHF]\nid = 3\nsymbol1 = Fr.\n"
                                                     "[EUR]\nid = 0\nsymbol1 = EUR\n"
                                                     "[XYZ]\nid = 50\nsymbol1 = X\n");
    const std::vector<menu_title> menus = main_menu_bar(british(), table);
    const std::vector<menu_node> &currencies = menus.at(1).items.at(0).children;
    QCOMPARE(layout(currencies), "141 144 191");
    QVERIFY(currencies.back().id <= cmd::currency_last);
    QVERIFY(currencies.at(1).text.startsWith(QStringLiteral("CHF (Fr.)")));

    const std::vector<menu_title> empty = main_menu_bar(british(), CurrencyTable{});
    QVERIFY(empty.at(1).items.at(0).children.empty());
}

// Language texts come from the texts given; the program name and the widths are fixed.
void TestMenuModel::textsComeFromTheGivenLanguage()
{
    Texts texts;
    texts.set(QStringLiteral("MID_Save"), QStringLiteral("Sichern"));
    const std::vector<menu_title> menus = main_menu_bar(texts, m_currencies);
    const std::vector<placed_entry> entries = entries_of(menus);
    QHash<int, QString> by_id;
    for (const placed_entry &entry : entries)
        by_id.insert(entry.node->id, entry.node->text);
    QCOMPARE(by_id.value(cmd::save), "Sichern");
    QCOMPARE(by_id.value(cmd::load), "?MID_Load");
    QCOMPARE(by_id.value(cmd::about), "Tandora");
    QCOMPARE(by_id.value(cmd::info_width_1 + 2), "3");
    QCOMPARE(by_id.value(cmd::date_mask), date_menu_texts().at(0));
}

void TestMenuModel::downloadOptions()
{
    const std::vector<menu_node> popup = download_options_menu(british());
    QCOMPARE(layout(popup), "77 97 99 - 78 98 102 101 - 100");

    const std::vector<placed_entry> entries = entries_of(popup);
    QCOMPARE(ids_where(entries, [](const menu_node &n) { return n.disabled; }),
             (QList<int>{77, 78}));
    QCOMPARE(ids_where(entries, [](const menu_node &n) { return n.checkable; }), id_range(97, 102));

    const char *keys[] = {"#MID_D_Sets",     "#MID_D_LoadSets", "#MID_D_LoadPics",
                          "#MID_D_Figs",     "#MID_D_LoadFigs", "#MID_D_LoadSpec",
                          "#MID_D_LoadExcl", "#MID_D_ShowInfo"};
    QStringList expected;
    for (const char *key : keys)
        expected.append(british().text(QString::fromLatin1(key)));
    QStringList texts;
    for (const placed_entry &entry : entries) {
        texts.append(entry.node->text);
        QCOMPARE(entry.node->shortcut, 0);
    }
    QCOMPARE(texts, expected);
}

void TestMenuModel::shortcutsWithoutMenu()
{
    QStringList bindings;
    for (const key_binding &binding : tandora::shortcuts_without_menu())
        bindings.append(QStringLiteral("%1 %2 %3")
                            .arg(int(binding.window))
                            .arg(binding.id)
                            .arg(shortcut_name(binding.shortcut)));
    const QStringList expected = {
        "4 33 Escape", "4 76 Cmd+Alt+E", "4 43 F5",           "4 58 Cmd+F4",
        "4 89 Cmd+F8", "0 35 Escape",    "0 36 Shift+\u23CE", "1 38 Escape",
        "3 40 Escape", "2 41 Escape",    "2 41 F1",           "2 42 F5",
    };
    QCOMPARE(bindings, expected);
}

// The menu bar's shortcuts work in the main window beside the key-only ones; a key may serve
// only one command per window, and each must map to a real key.
void TestMenuModel::noShortcutTwiceInAWindow()
{
    QHash<QPair<int, int>, int> owner; // (window, shortcut) -> id
    const auto claim = [&owner](WindowId window, int shortcut, int id) {
        QVERIFY2(!key_sequence(shortcut).isEmpty(), qPrintable(shortcut_name(shortcut)));
        const QPair<int, int> slot{int(window), shortcut};
        QVERIFY2(!owner.contains(slot), qPrintable(shortcut_name(shortcut)));
        owner.insert(slot, id);
    };
    for (const placed_entry &entry : m_entries) {
        if (entry.node->shortcut != 0)
            claim(WindowId::main, entry.node->shortcut, entry.node->id);
    }
    for (const key_binding &binding : tandora::shortcuts_without_menu())
        claim(binding.window, binding.shortcut, binding.id);
}

// Quit is one command with two keys: Cmd+Q from its menu entry, Escape without menu.
void TestMenuModel::quitByTwoKeys()
{
    MenuRegistry registry;
    for (const placed_entry &entry : m_entries)
        registry.add({WindowId::main, MenuId::menu_bar, entry.node->id, entry.node->text,
                      entry.node->shortcut});
    for (const key_binding &binding : tandora::shortcuts_without_menu())
        registry.add({binding.window, MenuId::none, binding.id, QString(), binding.shortcut});

    const std::vector<registry_record> quit = registry.find(cmd::quit);
    QCOMPARE(quit.size(), size_t(2));
    QCOMPARE(quit[0].menu, MenuId::menu_bar);
    QCOMPARE(shortcut_name(quit[0].shortcut), "Cmd+Q");
    QCOMPARE(quit[1].menu, MenuId::none);
    QCOMPARE(quit[1].window, WindowId::main);
    QCOMPARE(shortcut_name(quit[1].shortcut), "Escape");
    QCOMPARE(key_sequence(quit[0].shortcut), QKeySequence(QKeySequence::fromString("Ctrl+Q")));
}

void TestMenuModel::registryFind()
{
    MenuRegistry registry;
    registry.add({WindowId::figures, MenuId::none, 41, QString(), key::escape});
    registry.add({WindowId::main, MenuId::menu_bar, 56, QStringLiteral("Figures"), key::f1});
    registry.add({WindowId::figures, MenuId::none, 41, QString(), key::f1});

    const std::vector<registry_record> found = registry.find(41);
    QCOMPARE(found.size(), size_t(2));
    QCOMPARE(found[0].shortcut, key::escape);
    QCOMPARE(found[1].shortcut, key::f1);
    QCOMPARE(registry.find(56).size(), size_t(1));
    QVERIFY(registry.find(57).empty());
    QCOMPARE(registry.records().size(), size_t(3));
}

QTEST_GUILESS_MAIN(TestMenuModel)
#include "test_menu_model.moc"

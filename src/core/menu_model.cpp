// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menu_model.h"

#include "core/commands.h"
#include "core/texts.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"

#include <QKeyCombination>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <iterator>

namespace tandora {

namespace {

// ---- Shortcut codes -------------------------------------------------------------------------

struct key_row
{
    int code;
    char16_t name[10];
    Qt::Key qt_key;
};

constexpr key_row named_keys[] = {
    {key::f1, u"F1", Qt::Key_F1},
    {key::f2, u"F2", Qt::Key_F2},
    {key::f3, u"F3", Qt::Key_F3},
    {key::f4, u"F4", Qt::Key_F4},
    {key::f5, u"F5", Qt::Key_F5},
    {key::f6, u"F6", Qt::Key_F6},
    {key::f7, u"F7", Qt::Key_F7},
    {key::f8, u"F8", Qt::Key_F8},
    {key::f9, u"F9", Qt::Key_F9},
    {key::f10, u"F10", Qt::Key_F10},
    {key::f11, u"F11", Qt::Key_F11},
    {key::f12, u"F12", Qt::Key_F12},
    {key::period, u".", Qt::Key_Period},
    {key::comma, u",", Qt::Key_Comma},
    {key::plus, u"+", Qt::Key_Plus},
    {key::minus, u"-", Qt::Key_Minus},
    {key::enter, u"\u23CE", Qt::Key_Return},
    {key::escape, u"Escape", Qt::Key_Escape},
    {key::space, u"Space", Qt::Key_Space},
    {key::tab, u"Tab", Qt::Key_Tab},
    {key::home, u"Pos1", Qt::Key_Home},
    {key::end, u"Ende", Qt::Key_End},
    {key::left, u"Left", Qt::Key_Left},
    {key::up, u"Up", Qt::Key_Up},
    {key::right, u"Right", Qt::Key_Right},
    {key::down, u"Down", Qt::Key_Down},
    {key::page_up, u"Bild auf", Qt::Key_PageUp},
    {key::page_down, u"Bild ab", Qt::Key_PageDown},
    {key::backspace, u"Backspace", Qt::Key_Backspace},
    {key::hash, u"#", Qt::Key_NumberSign},
    {key::less, u"<", Qt::Key_Less},
};

// The named keys followed by the digits and the letters, which run in step with Qt's codes.
constexpr auto make_key_table()
{
    constexpr size_t named = std::size(named_keys);
    std::array<key_row, named + 10 + 26> rows{};
    size_t n = 0;
    for (const key_row &row : named_keys)
        rows[n++] = row;
    for (int d = 0; d < 10; ++d)
        rows[n++] = {key::digit(d), {char16_t(u'0' + d)}, Qt::Key(Qt::Key_0 + d)};
    for (int l = 0; l < 26; ++l)
        rows[n++] = {key::letter(char('A' + l)), {char16_t(u'A' + l)}, Qt::Key(Qt::Key_A + l)};
    return rows;
}

constexpr auto key_table = make_key_table();

const key_row *find_key(int code)
{
    const int key_code = code & ~key::modifiers;
    const auto it = std::find_if(key_table.begin(), key_table.end(),
                                 [key_code](const key_row &row) { return row.code == key_code; });
    return it == key_table.end() ? nullptr : &*it;
}

struct modifier_row
{
    int bit;
    QStringView name;
    Qt::KeyboardModifier qt_modifier;
};

// In the order the names are written. Cmd is the Control key here, so Ctrl takes Meta.
constexpr modifier_row modifier_rows[] = {
    {key::ctrl, u"Strg+", Qt::MetaModifier},
    {key::cmd, u"Cmd+", Qt::ControlModifier},
    {key::shift, u"Shift+", Qt::ShiftModifier},
    {key::alt, u"Alt+", Qt::AltModifier},
};

// ---- Menu tables ----------------------------------------------------------------------------

struct generated_item
{
    int id;
    QString text;
};

// A list of entries made at build time from the current texts and currencies.
using generator = std::vector<generated_item> (*)(int first_id, const Texts &texts,
                                                  const CurrencyTable &currencies);

template<QStringList (*list)()>
std::vector<generated_item> numbered(int first_id, const Texts &, const CurrencyTable &)
{
    std::vector<generated_item> items;
    int id = first_id;
    for (const QString &text : list())
        items.push_back({id++, text});
    return items;
}

std::vector<generated_item> currency_items(int first_id, const Texts &texts,
                                           const CurrencyTable &currencies)
{
    std::vector<generated_item> items;
    for (const currency_menu_item &item : currency_menu_items(currencies, texts))
        items.push_back({first_id + item.row, item.text});
    return items;
}

QStringList info_width_texts()
{
    QStringList texts;
    for (int n = 1; n <= 9; ++n)
        texts.append(QString::number(n));
    return texts;
}

enum class row_kind : unsigned char { open, entry, separator, close, generated };

enum row_flag : unsigned { disabled = 1, checkable = 2 };

struct menu_row
{
    row_kind kind;
    int id = -1;
    // "#key" is a language text, anything else is shown as it is.
    QStringView text = {};
    int shortcut = 0;
    unsigned flags = 0;
    generator generate = nullptr;
    unsigned separators_after = 0; // generated lists: bit n puts a separator after item n
};

constexpr menu_row menu(QStringView title)
{
    return {row_kind::open, -1, title};
}
constexpr menu_row end_menu()
{
    return {row_kind::close};
}
constexpr menu_row separator()
{
    return {row_kind::separator};
}
constexpr menu_row entry(int id, QStringView text, int shortcut = 0, unsigned flags = 0)
{
    return {row_kind::entry, id, text, shortcut, flags};
}
constexpr menu_row generated(int first_id, generator generate, unsigned flags,
                             unsigned separators_after = 0)
{
    return {row_kind::generated, first_id, {}, 0, flags, generate, separators_after};
}

constexpr int cmd_key(char letter)
{
    return key::cmd | key::letter(letter);
}
constexpr int cmd_digit(int d)
{
    return key::cmd | key::digit(d);
}

// clang-format off
constexpr menu_row menu_bar_rows[] = {
    menu(u"#name_liby"),
        entry(cmd::new_collection, u"#MID_Init", cmd_key('N')),
        entry(cmd::load, u"#MID_Load", cmd_key('L')),
        entry(cmd::save, u"#MID_Save", cmd_key('S')),
        entry(cmd::save_as, u"#MID_SaveAs", key::alt | key::letter('S')),
        separator(),
        menu(u"#MID_JSON"),
            entry(cmd::json_indented, u"#MID_JSON_0", 0, checkable),
            entry(cmd::json_compact, u"#MID_JSON_1", 0, checkable),
            entry(cmd::json_reserved, u"#MID_JSON_2", 0, checkable | disabled),
        end_menu(),
        entry(cmd::backup_steps, u"#MID_Backup"),
        separator(),
        menu(u"#MID_Import"),
            entry(cmd::import_bs, u"#Transfer_BS_CSV", cmd_digit(1) | key::alt),
            entry(cmd::import_rb, u"#Transfer_RB_CSV", cmd_digit(2) | key::alt),
            entry(cmd::import_lw, u"#Transfer_LW_CSV", cmd_digit(3) | key::alt),
            separator(),
            entry(cmd::import_bs_acm, u"#Transfer_BS_ACM"),
        end_menu(),
        menu(u"#MID_Export"),
            entry(cmd::export_bs, u"#Transfer_BS_CSV", cmd_digit(1)),
            entry(cmd::export_rb, u"#Transfer_RB_CSV", cmd_digit(2)),
            entry(cmd::export_lw, u"#Transfer_LW_CSV", cmd_digit(3)),
            separator(),
            entry(cmd::export_vt, u"#Transfer_VT_CSV"),
            entry(cmd::export_py, u"#Transfer_PY_DAT"),
        end_menu(),
        separator(),
        menu(u"#MID_Print"),
            entry(cmd::print_printer, u"#Transfer_PR_PRN"),
            entry(cmd::print_png, u"#Transfer_PR_PNG"),
            entry(cmd::print_pdf, u"#Transfer_PR_PDF"),
        end_menu(),
        separator(),
        menu(u"#MID_Data"),
            entry(cmd::data_show, u"#MID_DataShow"),
            entry(cmd::data_define, u"#MID_DataDefine"),
            entry(cmd::data_reset, u"#MID_DataReset"),
        end_menu(),
        entry(cmd::offset_vip, u"#MID_OffsetVIP"),
        entry(cmd::show_log, u"#MID_CopyHtml"),
        separator(),
        entry(cmd::quit, u"#MID_Quit", cmd_key('Q')),
    end_menu(),

    menu(u"#name_format"),
        menu(u"#MID_fmt_currency"),
            generated(cmd::currency, currency_items, checkable),
        end_menu(),
        menu(u"#MID_fmt_date"),
            generated(cmd::date_mask, numbered<date_menu_texts>, checkable, 0b1001),
        end_menu(),
        menu(u"#MID_fmt_decimal"),
            generated(cmd::decimal_separator, numbered<decimal_menu_texts>, checkable),
        end_menu(),
        menu(u"#MID_fmt_thousand"),
            generated(cmd::thousands_separator, numbered<thousands_menu_texts>, checkable),
        end_menu(),
        separator(),
        entry(cmd::swap_language, u"#MID_SwapLang"),
    end_menu(),

    menu(u"#name_view"),
        entry(cmd::view_option + 0, u"#MID_V_ShowZero", 0, checkable),
        entry(cmd::view_option + 1, u"#MID_V_ShowStat", 0, checkable),
        entry(cmd::view_option + 2, u"#MID_V_HideIcon", 0, checkable),
        entry(cmd::view_option + 3, u"#MID_V_ProfitAl", 0, checkable),
        separator(),
        entry(cmd::column_window, u"#MID_Colset", key::cmd | key::period),
        entry(cmd::reset_columns, u"#MID_Coldef"),
    end_menu(),

    menu(u"#name_sbar"),
        entry(cmd::view_option + 4, u"#MID_V_SBarWish", 0, checkable),
        entry(cmd::view_option + 5, u"#MID_V_SBarDead", 0, checkable),
        separator(),
        entry(cmd::view_option + 6, u"#MID_V_SeleMode", cmd_key('M'), checkable),
    end_menu(),

    menu(u"#name_stat"),
        entry(cmd::stat_purchase_year, u"#MID_Stat_P_Year"),
        entry(cmd::stat_purchase_month, u"#MID_Stat_P_Mond"),
        entry(cmd::stat_purchase_release, u"#MID_Stat_P_Rele"),
        entry(cmd::stat_purchase_shop, u"#MID_Stat_P_Shop"),
        separator(),
        entry(cmd::stat_sale_year, u"#MID_Stat_S_Year"),
        entry(cmd::stat_sale_month, u"#MID_Stat_S_Mond"),
        entry(cmd::stat_sale_release, u"#MID_Stat_S_Rele"),
        entry(cmd::stat_sale_shop, u"#MID_Stat_S_Shop"),
        separator(),
        entry(cmd::stat_memory, u"#MID_Stat_Memory"),
    end_menu(),

    menu(u"#name_window"),
        entry(cmd::figure_window, u"#MID_PopFiglist", key::f1),
        entry(cmd::switch_info_page, u"#MID_SwithPanel", cmd_key('F')),
        separator(),
        entry(cmd::hide_info_panel, u"#MID_HidePanel1"),
        entry(cmd::hide_filter_panel, u"#MID_HidePanel2"),
        separator(),
        menu(u"#menu_info_width"),
            generated(cmd::info_width_1, numbered<info_width_texts>, 0),
        end_menu(),
        separator(),
        entry(cmd::reset_panels, u"#MID_ResetPanel"),
    end_menu(),

    menu(u"#MID_InfoProg"),
        entry(cmd::about, u"Tandora", cmd_key('I')),
        separator(),
        entry(cmd::website, u"#MID_Website"),
        entry(cmd::manual, u"#MID_Manual"),
        entry(cmd::brickset_docs, u"#MID_Brickset"),
        separator(),
        entry(cmd::supporters, u"#MID_Supporter"),
    end_menu(),

    menu(u"#name_donate"),
        entry(cmd::donate, u"#MID_PayPal"),
    end_menu(),
};

constexpr menu_row download_options_rows[] = {
    entry(cmd::download_sets_title, u"#MID_D_Sets", 0, disabled),
    entry(cmd::download_option + 0, u"#MID_D_LoadSets", 0, checkable),
    entry(cmd::download_option + 2, u"#MID_D_LoadPics", 0, checkable),
    separator(),
    entry(cmd::download_figures_title, u"#MID_D_Figs", 0, disabled),
    entry(cmd::download_option + 1, u"#MID_D_LoadFigs", 0, checkable),
    entry(cmd::download_option + 5, u"#MID_D_LoadSpec", 0, checkable),
    entry(cmd::download_option + 4, u"#MID_D_LoadExcl", 0, checkable),
    separator(),
    entry(cmd::download_option + 3, u"#MID_D_ShowInfo", 0, checkable),
};

using W = WindowId;
constexpr key_binding key_only_bindings[] = {
    {W::main, cmd::quit, key::escape},
    {W::main, cmd::group_export, key::cmd | key::alt | key::letter('E')},
    {W::main, cmd::reload_cache, key::f5},
    {W::main, cmd::extra_figures, key::cmd | key::f4},
    {W::main, cmd::key_usage, key::cmd | key::f8},
    {W::editor, cmd::editor_close, key::escape},
    {W::editor, cmd::editor_store_new, key::shift | key::enter},
    {W::columns, cmd::column_window_close, key::escape},
    {W::text, cmd::text_window_close, key::escape},
    {W::figures, cmd::figure_window_close, key::escape},
    {W::figures, cmd::figure_window_close, key::f1},
    {W::figures, cmd::figure_picture_again, key::f5},
};
// clang-format on

QString row_text(const Texts &texts, QStringView text)
{
    return text.startsWith(u'#') ? texts.text(text) : text.toString();
}

menu_node make_entry(int id, QString text, int shortcut, unsigned flags)
{
    menu_node node;
    node.id = id;
    node.text = std::move(text);
    node.shortcut = shortcut;
    node.disabled = flags & disabled;
    node.checkable = flags & checkable;
    return node;
}

menu_node separator_node()
{
    menu_node node;
    node.kind = menu_node::Kind::separator;
    return node;
}

// Walks the rows once; an open row nests everything up to its close row.
std::vector<menu_node> build(std::span<const menu_row> rows, const Texts &texts,
                             const CurrencyTable &currencies)
{
    std::vector<menu_node> top;
    // Only the innermost open level grows, so the outer levels' pointers stay valid.
    std::vector<std::vector<menu_node> *> levels{&top};
    for (const menu_row &row : rows) {
        std::vector<menu_node> &level = *levels.back();
        switch (row.kind) {
        case row_kind::open: {
            menu_node submenu;
            submenu.kind = menu_node::Kind::submenu;
            submenu.text = row_text(texts, row.text);
            level.push_back(std::move(submenu));
            levels.push_back(&level.back().children);
            break;
        }
        case row_kind::close:
            Q_ASSERT(levels.size() > 1);
            levels.pop_back();
            break;
        case row_kind::separator:
            level.push_back(separator_node());
            break;
        case row_kind::entry:
            level.push_back(make_entry(row.id, row_text(texts, row.text), row.shortcut, row.flags));
            break;
        case row_kind::generated: {
            const std::vector<generated_item> items = row.generate(row.id, texts, currencies);
            for (size_t n = 0; n < items.size(); ++n) {
                level.push_back(make_entry(items[n].id, items[n].text, 0, row.flags));
                if (n < 32 && ((row.separators_after >> n) & 1u) && n + 1 < items.size())
                    level.push_back(separator_node());
            }
            break;
        }
        }
    }
    Q_ASSERT(levels.size() == 1);
    return top;
}

} // namespace

QString shortcut_name(int code)
{
    QString name;
    for (const modifier_row &modifier : modifier_rows) {
        if (code & modifier.bit)
            name += modifier.name;
    }
    if (const key_row *row = find_key(code))
        name += QString::fromUtf16(row->name);
    return name;
}

QKeySequence key_sequence(int code)
{
    const key_row *row = find_key(code);
    if (code == 0 || !row)
        return {};
    Qt::KeyboardModifiers modifiers;
    for (const modifier_row &modifier : modifier_rows) {
        if (code & modifier.bit)
            modifiers |= modifier.qt_modifier;
    }
    return QKeySequence(QKeyCombination(modifiers, row->qt_key));
}

QString entry_text(const QString &text, int shortcut)
{
    if (shortcut == 0)
        return text;
    return text + u'\t' + shortcut_name(shortcut);
}

std::vector<menu_title> main_menu_bar(const Texts &texts, const CurrencyTable &currencies)
{
    std::vector<menu_title> menus;
    for (menu_node &top : build(menu_bar_rows, texts, currencies))
        menus.push_back({std::move(top.text), std::move(top.children)});
    return menus;
}

std::vector<menu_node> download_options_menu(const Texts &texts)
{
    // The popup has no generated lists, so no currencies are needed.
    return build(download_options_rows, texts, CurrencyTable{});
}

std::span<const key_binding> shortcuts_without_menu()
{
    return key_only_bindings;
}

std::vector<registry_record> MenuRegistry::find(int id) const
{
    std::vector<registry_record> found;
    std::copy_if(m_records.begin(), m_records.end(), std::back_inserter(found),
                 [id](const registry_record &record) { return record.id == id; });
    return found;
}

} // namespace tandora

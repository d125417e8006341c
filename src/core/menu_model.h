// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

#include <span>
#include <vector>

namespace tandora {

class CurrencyTable;
class Texts;

// Shortcut codes: a key code plus modifier bits. On this platform "Cmd" is the Control key.
namespace key {
inline constexpr int ctrl = 0x20000;
inline constexpr int cmd = 0x80000;
inline constexpr int shift = 0x10000;
inline constexpr int alt = 0x40000;
inline constexpr int modifiers = ctrl | cmd | shift | alt;
inline constexpr int f1 = 378, f2 = 376, f3 = 355, f4 = 374, f5 = 352, f6 = 353, f7 = 354,
                     f8 = 356, f9 = 357, f10 = 365, f11 = 359, f12 = 367;
inline constexpr int period = 46, comma = 144, plus = 141, minus = 143, enter = 13, escape = 27,
                     space = 32, tab = 9, home = 1, end = 4, left = 28, up = 30, right = 29,
                     down = 31, page_up = 11, page_down = 12, backspace = 8, hash = 35, less = 60;
// Letters: 97 is "A" .. 122 "Z"; digits: 48 "0" .. 57 "9".
constexpr int letter(char c) { return 97 + (c - 'A'); }
constexpr int digit(int d) { return 48 + d; }
} // namespace key

// "Cmd+S", "Cmd+Alt+1", "Shift+⏎": the modifier names in the order "Strg+", "Cmd+", "Shift+",
// "Alt+", then the key's name; a key code without a name adds nothing.
QString shortcut_name(int code);
// The key that triggers the shortcut here; empty for 0 or a code without a key.
QKeySequence key_sequence(int code);
// A menu entry's text: the text, and for a shortcut a tab and the shortcut's name.
QString entry_text(const QString &text, int shortcut);

// The windows shortcuts belong to, and the menus entries go to.
enum class WindowId : int { editor = 0, columns = 1, figures = 2, text = 3, main = 4 };
enum class MenuId : int {
    none = -1, // a shortcut without menu entry
    menu_bar = 0,
    download_options = 1,
    list_context = 2,
    tag_popup = 3,
    set_links = 4,
    figure_links = 5,
};

// One node of a menu: an entry, a separator or a submenu with its own nodes.
struct menu_node
{
    enum class Kind { entry, separator, submenu };
    Kind kind = Kind::entry;
    int id = -1;
    QString text; // the entry's or the submenu's title, without the shortcut
    int shortcut = 0;
    bool disabled = false;
    bool checkable = false; // carries a tick mark kept in step with the collection
    std::vector<menu_node> children;
};

struct menu_title
{
    QString title;
    std::vector<menu_node> items;
};

// The menu bar in its order: File, Format, View, Statusbar, Statistic, Window, the about menu
// and Donate, with the Format submenus generated from the masks, separators and currencies.
std::vector<menu_title> main_menu_bar(const Texts &texts, const CurrencyTable &currencies);
// The download options popup of the set info panel.
std::vector<menu_node> download_options_menu(const Texts &texts);

// Shortcuts that have no menu entry, by window.
struct key_binding
{
    WindowId window;
    int id;
    int shortcut;
};
std::span<const key_binding> shortcuts_without_menu();

// The registry of every entry and shortcut made, in the order made, kept for the whole run.
struct registry_record
{
    WindowId window;
    MenuId menu;
    int id;
    QString text;
    int shortcut;
};

class MenuRegistry final
{
public:
    void add(const registry_record &record) { m_records.push_back(record); }
    const std::vector<registry_record> &records() const { return m_records; }
    // The records of an id (an id may be registered more than once, e.g. two keys).
    std::vector<registry_record> find(int id) const;

private:
    std::vector<registry_record> m_records;
};

} // namespace tandora

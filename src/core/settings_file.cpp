// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_file.h"

#include "core/ini_file.h"
#include "core/text_file.h"

#include <QLatin1String>

namespace tandora {

namespace {

enum class Kind { Integer, Real, Text };

// A window centred on the screen defaults to (screen extent - window extent) / 2.
enum class Centre { None, Width, Height };

// One key of the file. Exactly one member pointer is set, matching kind. The default is
// number (for a centred window: the window's extent) or words for a text.
struct SettingRow
{
    const char *group;
    const char *key;
    Kind kind;
    int Settings::*integer = nullptr;
    double Settings::*real = nullptr;
    QString Settings::*text = nullptr;
    Centre centre = Centre::None;
    double number = 0;
    const char *words = nullptr;
};

constexpr SettingRow integer_row(const char *group, const char *key, int Settings::*member,
                                 int fallback)
{
    return {.group = group,
            .key = key,
            .kind = Kind::Integer,
            .integer = member,
            .number = double(fallback)};
}

constexpr SettingRow centred_row(const char *key, int Settings::*member, Centre centre, int extent)
{
    return {.group = "windows",
            .key = key,
            .kind = Kind::Integer,
            .integer = member,
            .centre = centre,
            .number = double(extent)};
}

constexpr SettingRow real_row(const char *group, const char *key, double Settings::*member,
                              double fallback)
{
    return {.group = group, .key = key, .kind = Kind::Real, .real = member, .number = fallback};
}

constexpr SettingRow text_row(const char *group, const char *key, QString Settings::*member,
                              const char *fallback)
{
    return {.group = group, .key = key, .kind = Kind::Text, .text = member, .words = fallback};
}

using S = Settings;

// The file in its written order; groups are contiguous.
constexpr SettingRow setting_rows[] = {
    integer_row("windows", "main_posx", &S::main_posx, 0),
    integer_row("windows", "main_posy", &S::main_posy, 0),
    integer_row("windows", "main_width", &S::main_width, 1280),
    integer_row("windows", "main_height", &S::main_height, 800),
    integer_row("windows", "main_state", &S::main_state, window_maximised),
    centred_row("edit_posx", &S::edit_posx, Centre::Width, 640),
    centred_row("edit_posy", &S::edit_posy, Centre::Height, 704),
    centred_row("figs_posx", &S::figs_posx, Centre::Width, 976),
    centred_row("figs_posy", &S::figs_posy, Centre::Height, 520),
    centred_row("cols_posx", &S::cols_posx, Centre::Width, 392),
    centred_row("cols_posy", &S::cols_posy, Centre::Height, 472),
    centred_row("text_posx", &S::text_posx, Centre::Width, 608),
    centred_row("text_posy", &S::text_posy, Centre::Height, 552),
    integer_row("panels", "infobox_width", &S::infobox_width, 280),
    integer_row("panels", "filter_height", &S::filter_height, 170),
    integer_row("panels", "filter_select", &S::filter_select, 0),
    text_row("font_mac", "name", &S::font_mac_name, "Helvetica"),
    real_row("font_mac", "size", &S::font_mac_size, 13),
    text_row("font_win", "name", &S::font_win_name, "Arial"),
    real_row("font_win", "size", &S::font_win_size, 10),
    integer_row("various", "minifig_sort", &S::minifig_sort, 0),
    integer_row("memory", "setprev_mb", &S::setprev_mb, 50),
    integer_row("memory", "figprev_mb", &S::figprev_mb, 100),
    integer_row("memory", "figlist_mb", &S::figlist_mb, 100),
};

// Restored together when the main window was stored minimised.
constexpr int Settings::*main_geometry[] = {&S::main_posx, &S::main_posy, &S::main_width,
                                            &S::main_height, &S::main_state};

int integer_default(const SettingRow &row, QSize screen)
{
    switch (row.centre) {
    case Centre::Width:
        return (screen.width() - int(row.number)) / 2;
    case Centre::Height:
        return (screen.height() - int(row.number)) / 2;
    case Centre::None:
        break;
    }
    return int(row.number);
}

} // namespace

Settings default_settings(QSize screen)
{
    Settings settings;
    for (const SettingRow &row : setting_rows) {
        switch (row.kind) {
        case Kind::Integer:
            settings.*row.integer = integer_default(row, screen);
            break;
        case Kind::Real:
            settings.*row.real = row.number;
            break;
        case Kind::Text:
            settings.*row.text = QString::fromLatin1(row.words);
            break;
        }
    }
    return settings;
}

Settings read_settings(const QString &path, QSize screen)
{
    const Settings defaults = default_settings(screen);
    const IniFile ini = IniFile::load(path);
    Settings settings = defaults;
    for (const SettingRow &row : setting_rows) {
        const QLatin1String group(row.group);
        const QLatin1String key(row.key);
        switch (row.kind) {
        case Kind::Integer:
            settings.*row.integer = ini.integer(group, key, defaults.*row.integer);
            break;
        case Kind::Real:
            settings.*row.real = ini.real(group, key, defaults.*row.real);
            break;
        case Kind::Text:
            settings.*row.text = ini.text(group, key, defaults.*row.text);
            break;
        }
    }
    if (settings.main_state == window_minimised) {
        for (int Settings::*member : main_geometry)
            settings.*member = defaults.*member;
    }
    return settings;
}

QByteArray settings_text(const Settings &settings)
{
    IniWriter writer;
    const char *group = nullptr;
    for (const SettingRow &row : setting_rows) {
        if (!group || qstrcmp(group, row.group) != 0) {
            group = row.group;
            writer.add_comment(QLatin1String("==================="));
            writer.add_group(QLatin1String(group));
        }
        const QLatin1String key(row.key);
        switch (row.kind) {
        case Kind::Integer:
            writer.add_integer(key, settings.*row.integer);
            break;
        case Kind::Real:
            writer.add_real(key, settings.*row.real);
            break;
        case Kind::Text:
            writer.add_text(key, settings.*row.text);
            break;
        }
    }
    return writer.bytes();
}

bool write_settings(const QString &path, const Settings &settings)
{
    return atomic_write(path, settings_text(settings), {.durable = true, .private_file = false});
}

} // namespace tandora

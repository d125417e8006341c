// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace tandora {

// Values of main_state.
inline constexpr int window_normal = 0;
inline constexpr int window_maximised = 512;
inline constexpr int window_minimised = 1024;

// The machine's settings, "settings.ini" in the support folder: window geometry, panel sizes,
// the list font and the picture cache limits. Read at start-up, rewritten whole at quit.
// The defaults depend on the screen and come from default_settings, not from Settings{}.
struct Settings
{
    // windows
    int main_posx = 0;
    int main_posy = 0;
    int main_width = 0;
    int main_height = 0;
    int main_state = 0;
    int edit_posx = 0;
    int edit_posy = 0;
    int figs_posx = 0;
    int figs_posy = 0;
    int cols_posx = 0;
    int cols_posy = 0;
    int text_posx = 0;
    int text_posy = 0;
    // panels
    int infobox_width = 0;
    int filter_height = 0;
    int filter_select = 0;
    // font_mac: the list font
    QString font_mac_name;
    double font_mac_size = 0;
    // font_win: kept for the other platform, read and written back unchanged
    QString font_win_name;
    double font_win_size = 0;
    // various
    int minifig_sort = 0;
    // memory: picture cache limits in megabytes
    int setprev_mb = 0;
    int figprev_mb = 0;
    int figlist_mb = 0;

    friend bool operator==(const Settings &, const Settings &) = default;
};

// Every key at its default; the secondary windows are centred on a screen of the given size.
Settings default_settings(QSize screen);

// Reads the file; a missing file, group or key gives the default. A main window stored
// minimised comes back maximised at the default geometry, so the program never starts hidden.
Settings read_settings(const QString &path, QSize screen);

// The whole file: per group a comment line, the group line and one line per key.
QByteArray settings_text(const Settings &settings);

// Replaces the file with settings_text; false when it could not be written.
bool write_settings(const QString &path, const Settings &settings);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/folders.h"
#include "core/settings_file.h"

#include <QString>

namespace tandora {

class Clock;
class CurrencyTable;
class RequestLog;
class Session;
class SetDataCache;
class Texts;
class UserPrompt;
enum class WindowId : int;

// What the front end does for the shell.
class ShellView
{
public:
    virtual ~ShellView() = default;
    virtual void set_title(const QString &title) = 0;
    virtual void set_checked(int id, bool checked) = 0;
    // The collection was loaded or started anew: columns, rows and panels from scratch.
    virtual void collection_replaced() = 0;
    // Formats or view options changed: every row drawn again.
    virtual void redraw_list() = 0;
    // Sets were added, changed or removed: counts, pick lists and panels from the contents.
    virtual void contents_changed() = 0;
    virtual void show_text(const QString &text, bool read_only) = 0;
    virtual void show_about(const QString &title, const QString &text) = 0;
    virtual void hide_window(WindowId window) = 0;
    virtual void open_url(const QString &url) = 0;
    virtual void open_file(const QString &path) = 0;
    // Info panel width and filter panel height; 0 collapses, -1 leaves a panel as it is.
    virtual void set_panel_sizes(int info_width, int filter_height) = 0;
    virtual void switch_info_page() = 0;
    // Window positions, panel sizes and choices as they are now, on top of the read settings.
    virtual Settings current_settings(const Settings &read) = 0;
    virtual void quit_application() = 0;
};

// Refreshes asked for while handling an event, served once at the end of the loop turn.
struct DeferredActions
{
    bool info_panel = false;
    bool sums = false;
    bool figures = false;
    bool focus = false;
};

// The program's commands: one dispatch table from command id to handler, the leave procedure
// for New, Load and quitting, and the tick marks that follow the collection.
class Shell final
{
public:
    struct Parts
    {
        Session &session;
        SetDataCache &cache;
        const Texts &texts;
        const CurrencyTable &currencies;
        RequestLog &request_log;
        const Clock &clock;
        UserPrompt &prompt;
        Folders folders;
        Settings settings; // as read at start-up
    };

    Shell(Parts parts, ShellView &view);
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    // Start-up: the file named on the command line, or the default collection file, becomes
    // the current file; it is loaded when it exists and is not empty.
    void start(const QString &first_argument);
    void dispatch(int id);
    // Whether an id leads to an action in this build (the others are registered but wait for
    // their part of the program).
    static bool handles(int id);

    DeferredActions &deferred() { return m_deferred; }
    const Settings &settings() const { return m_parts.settings; }
    const Folders &folders() const { return m_parts.folders; }

    // Ticks of the option and format entries from the collection.
    void update_ticks();
    void update_title();
    // After a change: the modified flag and the title, and unless keep_lists everything
    // derived from the collection's contents.
    void mark_changed(bool changed, bool keep_lists = false);

private:
    enum class Leave { new_collection, load, quit };
    bool leave(Leave action);
    void after_load_or_new();
    bool load(const QString &path);

    void on_new(int);
    void on_load(int);
    void on_save(int);
    void on_save_as(int);
    void on_json_format(int id);
    void on_backup_steps(int);
    void on_swap_language(int);
    void on_about(int);
    void on_web_page(int id);
    void on_offset_vip(int);
    void on_show_log(int);
    void on_quit(int);
    void on_hide_window(int id);
    void on_reload_cache(int);
    void on_panels(int id);
    void on_switch_info_page(int);
    void on_view_option(int id);
    void on_download_option(int id);
    void on_format(int id);
    void on_waiting(int);

    struct route
    {
        int first;
        int last;
        void (Shell::*handler)(int id);
    };
    static const route routes[];

    Parts m_parts;
    ShellView &m_view;
    DeferredActions m_deferred;
};

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"
#include "core/folders.h"
#include "core/menu_model.h"
#include "core/request_log.h"
#include "core/session.h"
#include "core/settings_file.h"
#include "core/shell.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "services/set_data_cache.h"

#include <QFont>
#include <QHash>
#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace tandora {

class ColumnWindow;
class EditorWindow;
class FiguresWindow;
class MainList;
class MainWindow;
class TextWindow;
class UserPrompt;

// The desktop program: its windows, menus and shortcuts around the shell's commands. Every
// menu entry and shortcut is made by one registration, so an entry always shows the key that
// works, and every one of them reaches the shell's dispatch table by its command id.
class AppShell final : public QObject, public ShellView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppShell)

public:
    struct Start
    {
        Folders folders;
        Texts texts;
        CurrencyTable currencies;
        Settings settings;
    };

    AppShell(Start start, UserPrompt &prompt, const Clock &clock);
    ~AppShell() override;

    // Loads the collection of the command line (or the default one) and shows the main
    // window as the settings say.
    void start(const QString &first_argument);

    Shell &shell() { return *m_shell; }
    Session &session() { return m_session; }
    MainWindow &main_window() { return *m_main; }
    MainList &main_list() { return *m_list; }
    TextWindow &text_window() { return *m_text; }
    QWidget *window_widget(WindowId window) const;
    const MenuRegistry &registry() const { return m_registry; }
    // The menu entry of an id (the first one registered), or nullptr.
    QAction *action(int id) const { return m_actions.value(id); }
    QMenu *download_options_menu() const { return m_download_menu; }
    const QFont &text_font() const { return m_text_font; }

    // ShellView
    void set_title(const QString &title) override;
    void set_checked(int id, bool checked) override;
    void collection_replaced() override;
    void redraw_list() override;
    void contents_changed() override;
    void show_text(const QString &text, bool read_only) override;
    void show_about(const QString &title, const QString &text) override;
    void hide_window(WindowId window) override;
    void open_url(const QString &url) override;
    void open_file(const QString &path) override;
    void set_panel_sizes(int info_width, int filter_height) override;
    void switch_info_page() override;
    Settings current_settings(const Settings &read) override;
    void quit_application() override;

    // Runs the refreshes asked for while handling the last events (the end of a loop turn).
    void serve_deferred();

private:
    void apply_settings();
    void build_menus();
    void add_nodes(QMenu *menu, MenuId id, const std::vector<menu_node> &nodes);
    QAction *register_entry(WindowId window, MenuId menu, QMenu *target, const menu_node &node);
    void run(int id);

    UserPrompt &m_prompt;
    const Clock &m_clock;
    Folders m_folders;
    Texts m_texts;
    CurrencyTable m_currencies;
    Catalogue m_catalogue;
    Session m_session;
    SetDataCache m_cache;
    RequestLog m_request_log;
    QFont m_text_font;
    MenuRegistry m_registry;
    QHash<int, QAction *> m_actions;

    std::unique_ptr<MainWindow> m_main;
    EditorWindow *m_editor = nullptr;
    ColumnWindow *m_columns = nullptr;
    FiguresWindow *m_figures = nullptr;
    TextWindow *m_text = nullptr;
    MainList *m_list = nullptr;
    QMenu *m_download_menu = nullptr;
    QTimer *m_turn = nullptr;
    std::unique_ptr<Shell> m_shell;
    Settings m_settings;
};

// The list font of the settings: the name, and the size in pixels taken to the nearest whole
// number with a half going to the even neighbour (12.5 gives 12, 13.5 gives 14).
QFont list_font(const Settings &settings);

} // namespace tandora

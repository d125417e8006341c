// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_shell.h"

#include "column_window.h"
#include "core/commands.h"
#include "core/user_prompt.h"
#include "editor_window.h"
#include "figures_window.h"
#include "filter_panel.h"
#include "info_panel.h"
#include "main_list.h"
#include "main_window.h"
#include "status_fields.h"
#include "text_window.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace tandora {

QFont list_font(const Settings &settings)
{
    // The sizes count pixels, as they did where the settings come from: the layout (status
    // field widths, panel sizes) is measured for them.
    QFont font(settings.font_mac_name);
    font.setPixelSize(std::max(1, int(std::nearbyint(settings.font_mac_size))));
    return font;
}

AppShell::AppShell(Start start, UserPrompt &prompt, const Clock &clock)
    : m_prompt(prompt)
    , m_clock(clock)
    , m_folders(std::move(start.folders))
    , m_texts(std::move(start.texts))
    , m_currencies(std::move(start.currencies))
    , m_catalogue(m_texts, [this](int row) { return m_currencies.row(row).symbol1; })
    , m_session(m_texts, m_catalogue, m_clock, m_prompt)
    , m_text_font(QStringLiteral("Courier New"), 12)
    , m_settings(std::move(start.settings))
{
    QApplication::setFont(list_font(m_settings));

    m_main = std::make_unique<MainWindow>(m_texts);
    m_main->setWindowTitle(QStringLiteral("Tandora"));
    m_editor = new EditorWindow(m_texts, m_main.get());
    m_columns = new ColumnWindow(m_texts, m_main.get());
    m_text = new TextWindow(m_texts, m_main.get());
    m_figures = new FiguresWindow(m_texts, m_main.get());
    m_text->set_text_font(m_text_font);

    m_shell = std::make_unique<Shell>(Shell::Parts{m_session, m_cache, m_texts, m_currencies,
                                                   m_request_log, m_clock, m_prompt, m_folders,
                                                   m_settings},
                                      *this);
    m_list = new MainList({m_main->set_list(), m_main->status_fields(), m_session, m_catalogue,
                           m_texts, m_currencies, m_clock, m_folders, m_shell->deferred()},
                          this);
    build_menus();
    connect(m_main.get(), &MainWindow::close_requested, this, [this] { run(cmd::quit); });

    // Refreshes asked for while handling events run once when the loop is about to wait; the
    // timer makes sure a turn comes at least every 80 milliseconds.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &AppShell::serve_deferred);
    m_turn = new QTimer(this);
    m_turn->setInterval(80);
    connect(m_turn, &QTimer::timeout, this, &AppShell::serve_deferred);
    m_turn->start();

    apply_settings();
}

AppShell::~AppShell() = default;

QWidget *AppShell::window_widget(WindowId window) const
{
    switch (window) {
    case WindowId::editor:
        return m_editor;
    case WindowId::columns:
        return m_columns;
    case WindowId::figures:
        return m_figures;
    case WindowId::text:
        return m_text;
    case WindowId::main:
        return m_main.get();
    }
    return m_main.get();
}

void AppShell::apply_settings()
{
    const Settings &s = m_settings;
    m_main->setGeometry(s.main_posx, s.main_posy, s.main_width, s.main_height);
    m_editor->move(s.edit_posx, s.edit_posy);
    m_figures->move(s.figs_posx, s.figs_posy);
    m_columns->move(s.cols_posx, s.cols_posy);
    m_text->move(s.text_posx, s.text_posy);
    m_main->filter_panel()->setCurrentIndex(s.filter_select == 1 ? 1 : 0);
    m_main->info_panel()->set_tile_order(s.minifig_sort);
    m_main->set_panel_sizes(s.infobox_width, s.filter_height);
}

void AppShell::start(const QString &first_argument)
{
    m_shell->start(first_argument);
    m_main->set_list_focus();
    if (m_settings.main_state == window_normal)
        m_main->show();
    else
        m_main->showMaximized();
    // The panel sizes settle once the window has its final size.
    m_main->set_panel_sizes(m_settings.infobox_width, m_settings.filter_height);
}

void AppShell::build_menus()
{
    for (const menu_title &title : main_menu_bar(m_texts, m_currencies)) {
        QMenu *menu = m_main->menuBar()->addMenu(title.title);
        add_nodes(menu, MenuId::menu_bar, title.items);
    }
    m_download_menu = new QMenu(m_main.get());
    add_nodes(m_download_menu, MenuId::download_options, tandora::download_options_menu(m_texts));
    for (const key_binding &binding : shortcuts_without_menu()) {
        menu_node node;
        node.id = binding.id;
        node.shortcut = binding.shortcut;
        register_entry(binding.window, MenuId::none, nullptr, node);
    }
}

void AppShell::add_nodes(QMenu *menu, MenuId id, const std::vector<menu_node> &nodes)
{
    for (const menu_node &node : nodes) {
        switch (node.kind) {
        case menu_node::Kind::separator:
            menu->addSeparator();
            break;
        case menu_node::Kind::submenu:
            add_nodes(menu->addMenu(node.text), id, node.children);
            break;
        case menu_node::Kind::entry:
            register_entry(WindowId::main, id, menu, node);
            break;
        }
    }
}

// The one registration of an entry and its shortcut.
QAction *AppShell::register_entry(WindowId window, MenuId menu, QMenu *target,
                                  const menu_node &node)
{
    m_registry.add({window, menu, node.id, node.text, node.shortcut});
    QAction *action = nullptr;
    if (target) {
        QString text = entry_text(node.text, node.shortcut);
        text.replace(u'&', QStringLiteral("&&")); // an "&" is text here, not a mnemonic
        action = target->addAction(text);
        action->setEnabled(!node.disabled);
        action->setCheckable(node.checkable);
        const int id = node.id;
        connect(action, &QAction::triggered, this, [this, id] { run(id); });
        if (!m_actions.contains(id))
            m_actions.insert(id, action);
    }
    if (node.shortcut != 0) {
        auto *shortcut = new QShortcut(key_sequence(node.shortcut), window_widget(window));
        shortcut->setContext(Qt::WindowShortcut);
        const int id = node.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { run(id); });
    }
    return action;
}

void AppShell::run(int id)
{
    m_shell->dispatch(id);
    // Qt ticks a checkable entry on its own when it is chosen; the collection decides.
    m_shell->update_ticks();
}

void AppShell::serve_deferred()
{
    DeferredActions &d = m_shell->deferred();
    if (d.info_panel)
        d.info_panel = false; // the set info panel comes with its part of the program
    if (d.sums) {
        d.sums = false;
        m_list->sum_up();
    }
    if (d.figures)
        d.figures = false;
    if (d.focus) {
        d.focus = false;
        m_main->set_list_focus();
    }
}

void AppShell::set_title(const QString &title)
{
    m_main->setWindowTitle(title);
}

void AppShell::set_checked(int id, bool checked)
{
    if (QAction *a = m_actions.value(id); a && a->isCheckable())
        a->setChecked(checked);
}

void AppShell::collection_replaced()
{
    m_list->build_columns();
    m_list->refresh_list();
    m_shell->deferred().focus = true;
}

void AppShell::redraw_list()
{
    m_list->redraw_rows();
}

void AppShell::contents_changed()
{
    m_list->contents_changed();
}

void AppShell::show_text(const QString &text, bool read_only)
{
    m_text->show_text(text, read_only);
}

void AppShell::show_about(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_main.get());
    box.exec();
}

void AppShell::hide_window(WindowId window)
{
    if (window != WindowId::main)
        window_widget(window)->close();
}

void AppShell::open_url(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void AppShell::open_file(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void AppShell::set_panel_sizes(int info_width, int filter_height)
{
    m_main->set_panel_sizes(info_width, filter_height);
}

void AppShell::switch_info_page()
{
    InfoPanel *panel = m_main->info_panel();
    panel->setCurrentIndex(panel->currentIndex() == 0 ? 1 : 0);
}

Settings AppShell::current_settings(const Settings &read)
{
    Settings s = read;
    const QRect normal = m_main->normalGeometry();
    s.main_posx = normal.x();
    s.main_posy = normal.y();
    s.main_width = normal.width();
    s.main_height = normal.height();
    s.main_state = m_main->isMinimized()   ? window_minimised
                   : m_main->isMaximized() ? window_maximised
                                           : window_normal;
    s.edit_posx = m_editor->x();
    s.edit_posy = m_editor->y();
    s.figs_posx = m_figures->x();
    s.figs_posy = m_figures->y();
    s.cols_posx = m_columns->x();
    s.cols_posy = m_columns->y();
    s.text_posx = m_text->x();
    s.text_posy = m_text->y();
    s.infobox_width = m_main->info_width();
    s.filter_height = m_main->filter_height();
    s.filter_select = m_main->filter_panel()->currentIndex();
    s.minifig_sort = m_main->info_panel()->tile_order();
    return s;
}

void AppShell::quit_application()
{
    m_turn->stop();
    m_main->allow_close();
    m_main->close();
    QCoreApplication::exit(0);
}

} // namespace tandora

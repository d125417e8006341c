// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QRect>

class QSplitter;
class QTableView;

namespace tandora {

class FilterPanel;
class InfoPanel;
class StatusFields;
class Texts;

// The main window: the set list with the filter panel below it, the info panel to the right
// and the status bar. The two panels keep their size when the window is resized; the list
// takes up the change.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(const Texts &texts, QWidget *parent = nullptr);

    QTableView *set_list() const { return m_set_list; }
    InfoPanel *info_panel() const { return m_info; }
    FilterPanel *filter_panel() const { return m_filter; }
    StatusFields *status_fields() const { return m_status; }
    QSplitter *outer_splitter() const { return m_outer; }
    QSplitter *inner_splitter() const { return m_inner; }

    // The page width of the info panel and the page height of the filter panel; 0 collapses a
    // panel, -1 leaves it as it is.
    void set_panel_sizes(int info_width, int filter_height);
    // 0 while a panel is collapsed.
    int info_width() const;
    int filter_height() const;

    void set_list_focus();

    // The close button asks (close_requested) instead of closing; once the program has decided
    // to quit it calls allow_close() and close().
    void allow_close();

Q_SIGNALS:
    void close_requested();

protected:
    void closeEvent(QCloseEvent *event) override;
    // The first return from the maximised state shrinks the window by 20 pixels on every side,
    // so that leaving the maximised state makes a visible change even when the stored size
    // fills the screen; later restores keep the window as the system places it.
    void changeEvent(QEvent *event) override;

private:
    void apply_panel_sizes(int info_width, int filter_height);
    void fit_rows_to_font();
    void apply_artwork();

    QTableView *m_set_list;
    InfoPanel *m_info;
    FilterPanel *m_filter;
    StatusFields *m_status;
    QSplitter *m_inner;
    QSplitter *m_outer;
    bool m_close_allowed = false;
    bool m_restore_seen = false;
    QRect m_restore_geometry; // the normal geometry, noted while maximised
};

} // namespace tandora

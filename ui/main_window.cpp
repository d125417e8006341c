// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "artwork.h"
#include "filter_panel.h"
#include "info_panel.h"
#include "status_fields.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace tandora {

namespace {

constexpr int restore_inset = 20;
constexpr int row_padding = 6;
constexpr int row_icon_height = 16;

// Places a panel, the second part of a splitter: 0 collapses it. The list keeps its stretch,
// so it takes whatever room the panel leaves.
void place_panel(QSplitter *splitter, int panel_size)
{
    const int list_size = std::max(splitter->sizes().value(0), 1);
    splitter->setSizes({list_size, panel_size});
}

// The size a panel has in its splitter minus its frame; 0 while it is collapsed.
int page_size(const QSplitter *splitter, int frame)
{
    const int size = splitter->sizes().value(1);
    return size > 0 ? std::max(size - frame, 0) : 0;
}

} // namespace

MainWindow::MainWindow(const Texts &texts, QWidget *parent)
    : QMainWindow(parent)
    , m_set_list(new QTableView)
    , m_info(new InfoPanel(texts))
    , m_filter(new FilterPanel(texts))
    , m_status(new StatusFields(texts))
    , m_inner(new QSplitter(Qt::Vertical))
    , m_outer(new QSplitter(Qt::Horizontal))
{
    setWindowTitle(QStringLiteral("Tandora"));
    statusBar()->addPermanentWidget(m_status, 1);

    m_set_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_set_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_set_list->setShowGrid(true);
    m_set_list->setWordWrap(false);
    m_set_list->setCornerButtonEnabled(false);
    m_set_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_set_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_set_list->verticalHeader()->hide();
    m_set_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *header = m_set_list->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fit_rows_to_font();

    m_inner->addWidget(m_set_list);
    m_inner->addWidget(m_filter);
    m_outer->addWidget(m_inner);
    m_outer->addWidget(m_info);
    for (QSplitter *splitter : {m_inner, m_outer}) {
        splitter->setChildrenCollapsible(true);
        splitter->setCollapsible(0, false);
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 0);
    }
    setCentralWidget(m_outer);
    apply_artwork();
}

void MainWindow::set_panel_sizes(int info_width, int filter_height)
{
    // Twice, so that panels whose contents reflowed in the first pass (wrapped texts, scroll
    // bars coming or going) settle in the second.
    apply_panel_sizes(info_width, filter_height);
    apply_panel_sizes(info_width, filter_height);
}

void MainWindow::apply_panel_sizes(int info_width, int filter_height)
{
    if (info_width >= 0)
        place_panel(m_outer, info_width > 0 ? info_width + m_info->frame_width() : 0);
    if (filter_height >= 0)
        place_panel(m_inner, filter_height > 0 ? filter_height + m_filter->frame_height() : 0);
}

int MainWindow::info_width() const
{
    return page_size(m_outer, m_info->frame_width());
}

int MainWindow::filter_height() const
{
    return page_size(m_inner, m_filter->frame_height());
}

void MainWindow::set_list_focus()
{
    m_set_list->setFocus(Qt::OtherFocusReason);
}

void MainWindow::allow_close()
{
    m_close_allowed = true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_close_allowed) {
        QMainWindow::closeEvent(event);
        return;
    }
    // Quitting may ask to save first; the answer decides, not the close button.
    event->ignore();
    Q_EMIT close_requested();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fit_rows_to_font();
        return;
    }
    if (event->type() != QEvent::WindowStateChange)
        return;
    const Qt::WindowStates special =
        Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
    if (windowState() & Qt::WindowMaximized) {
        // Only while maximised does the window tell the geometry it will return to.
        m_restore_geometry = normalGeometry();
        return;
    }
    const auto *change = static_cast<const QWindowStateChangeEvent *>(event);
    if (m_restore_seen || !(change->oldState() & Qt::WindowMaximized) || (windowState() & special))
        return;
    m_restore_seen = true;
    const QRect normal = m_restore_geometry.isValid() ? m_restore_geometry : geometry();
    const QRect shrunk =
        normal.adjusted(restore_inset, restore_inset, -restore_inset, -restore_inset);
    // After the system has placed the restored window, or it would place it over ours.
    QTimer::singleShot(0, this, [this, shrunk, special] {
        if (!(windowState() & special))
            setGeometry(shrunk);
    });
}

void MainWindow::fit_rows_to_font()
{
    const int height = std::max(m_set_list->fontMetrics().height(), row_icon_height) + row_padding;
    m_set_list->verticalHeader()->setMinimumSectionSize(height);
    m_set_list->verticalHeader()->setDefaultSectionSize(height);
}

void MainWindow::apply_artwork()
{
    for (int field = 1; field < StatusFields::field_count - 1; field += 2)
        m_status->set_icon(field, artwork::status_icon(field));
}

} // namespace tandora

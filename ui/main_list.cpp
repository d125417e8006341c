// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_list.h"

#include "core/session.h"
#include "core/shell.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "set_list_model.h"
#include "setlist/list_columns.h"
#include "setlist/sort.h"
#include "setlist/status_sums.h"
#include "status_fields.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QShortcut>
#include <QTableView>

namespace tandora {

namespace {

// The first shown column is wider on screen by the room for the row icon.
constexpr int icon_room = 18;

} // namespace

MainList::MainList(Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    collection &c = m_parts.session.current();
    m_model = new SetListModel(c, m_rows, m_parts.catalogue, this);
    rebuild_context();

    QTableView *view = m_parts.view;
    view->setModel(m_model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    // Rows of one height let the view place 50,000 rows without measuring them.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->verticalHeader()->hide();

    connect(header, &QHeaderView::sectionClicked, this, &MainList::header_clicked);
    connect(header, &QHeaderView::sectionResized, this, &MainList::section_resized);
    connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT open_editor_requested(m_rows.set_at(size_t(index.row())));
    });
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, view);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (const std::optional<size_t> set = current_set())
                Q_EMIT open_editor_requested(*set);
        });
    }
    connect(view, &QTableView::customContextMenuRequested, this, [this](const QPoint &pos) {
        Q_EMIT context_menu_requested(m_parts.view->viewport()->mapToGlobal(pos));
    });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainList::selection_changed);
}

MainList::~MainList() = default;

void MainList::rebuild_context()
{
    collection &c = m_parts.session.current();
    m_format = NumberFormat::of(c, m_parts.texts);
    m_context.reset();
    m_context.emplace(PropertyContext{c, m_parts.catalogue, m_format,
                                      m_parts.currencies.row(c.fmt_currency), m_quantities,
                                      m_parts.clock, m_parts.folders});
    m_model->set_context(&*m_context);
}

void MainList::build_columns()
{
    collection &c = m_parts.session.current();
    m_quantities = build_quantity_table(c);
    rebuild_context();
    m_building = true;
    m_model->set_columns(visible_property_ids(c));
    QHeaderView *header = m_parts.view->horizontalHeader();
    int section = 0;
    for (const column &col : c.columns) {
        if (col.cHide != 0 || !is_property_id(col.valID))
            continue;
        header->resizeSection(section, int(col.width) + (section == 0 ? icon_room : 0));
        ++section;
    }
    m_building = false;
}

void MainList::update_headers()
{
    m_model->redraw();
}

std::optional<size_t> MainList::current_set() const
{
    const QModelIndex current = m_parts.view->currentIndex();
    if (!current.isValid() || size_t(current.row()) >= m_rows.size())
        return std::nullopt;
    return m_rows.set_at(size_t(current.row()));
}

std::vector<size_t> MainList::selected_sets() const
{
    std::vector<size_t> sets;
    const QModelIndexList selected = m_parts.view->selectionModel()->selectedRows();
    sets.reserve(size_t(selected.size()));
    for (const QModelIndex &index : selected)
        sets.push_back(m_rows.set_at(size_t(index.row())));
    std::sort(sets.begin(), sets.end());
    return sets;
}

void MainList::refresh_list(std::optional<size_t> keep)
{
    if (!keep)
        keep = current_set();
    rebuild_context();
    const std::optional<size_t> target =
        m_rows.refresh(*m_context, m_parts.session.current(), keep);
    m_model->reset_rows();
    if (target) {
        const QModelIndex index = m_model->index(int(*target), 0);
        m_parts.view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
        m_parts.view->scrollTo(index);
    }
    m_parts.deferred.info_panel = true;
    m_parts.deferred.sums = true;
    m_parts.deferred.figures = true;
}

void MainList::redraw_rows(std::optional<size_t> set_position)
{
    rebuild_context();
    if (!set_position) {
        m_model->redraw();
    } else if (const std::optional<size_t> row = m_rows.row_of(*set_position)) {
        Q_EMIT m_model->dataChanged(m_model->index(int(*row), 0),
                                    m_model->index(int(*row), m_model->columnCount() - 1));
    }
    m_parts.deferred.info_panel = true;
    m_parts.deferred.sums = true;
}

void MainList::contents_changed()
{
    m_quantities = build_quantity_table(m_parts.session.current());
    m_parts.deferred.info_panel = true;
    m_parts.deferred.sums = true;
}

void MainList::sum_up()
{
    const QItemSelectionModel *selection = m_parts.view->selectionModel();
    const status_sums sums = tandora::sum_up(*m_context, m_rows, [&](size_t row) {
        return selection->isRowSelected(int(row), QModelIndex());
    });
    const std::array<QString, 16> texts = status_texts(*m_context, m_parts.texts, sums);
    for (int field = 0; field < 16; field += 2)
        m_parts.status->set_text(field, texts[size_t(field)]);
}

void MainList::header_clicked(int section)
{
    const std::vector<qint64> &columns = m_model->columns();
    if (section < 0 || size_t(section) >= columns.size())
        return;
    sort_by_column(m_parts.session.current(), columns[size_t(section)]);
    update_headers();
    refresh_list();
}

// The widths the user drags are kept in the layout; the first column without its icon room.
void MainList::section_resized(int section, int, int new_size)
{
    if (m_building)
        return;
    collection &c = m_parts.session.current();
    int shown = 0;
    for (column &col : c.columns) {
        if (col.cHide != 0 || !is_property_id(col.valID))
            continue;
        if (shown == section) {
            col.width = std::max(0, new_size - (section == 0 ? icon_room : 0));
            return;
        }
        ++shown;
    }
}

void MainList::selection_changed()
{
    m_parts.deferred.info_panel = true;
    if (m_parts.session.current().view_settings & (1 << 6)) {
        m_parts.deferred.sums = true;
        m_parts.deferred.figures = true;
    }
}

} // namespace tandora

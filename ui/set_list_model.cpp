// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "set_list_model.h"

#include "artwork.h"
#include "properties/catalogue.h"
#include "properties/property_values.h"
#include "setlist/list_columns.h"
#include "setlist/set_list.h"

#include <QBrush>
#include <QColor>

namespace tandora {

namespace {

QColor text_colour(CellColour colour)
{
    switch (colour) {
    case CellColour::green:
        return QColor(0, 128, 0);
    case CellColour::red:
        return QColor(255, 0, 0);
    case CellColour::orange:
        return QColor(205, 133, 0);
    case CellColour::blue:
        return QColor(0, 100, 213);
    case CellColour::standard:
        break;
    }
    return QColor();
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Centre:
        return Qt::AlignCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

SetListModel::SetListModel(const collection &c, const SetList &rows, const Catalogue &catalogue,
                           QObject *parent)
    : QAbstractTableModel(parent)
    , m_collection(c)
    , m_rows(rows)
    , m_catalogue(catalogue)
{
}

void SetListModel::set_columns(std::vector<qint64> ids)
{
    beginResetModel();
    m_columns = std::move(ids);
    endResetModel();
}

void SetListModel::reset_rows()
{
    beginResetModel();
    endResetModel();
}

void SetListModel::redraw()
{
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int SetListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SetListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SetListModel::data(const QModelIndex &index, int role) const
{
    if (!m_context || !index.isValid() || size_t(index.row()) >= m_rows.size() ||
        size_t(index.column()) >= m_columns.size())
        return {};
    const own_set &set = m_collection.sets[m_rows.set_at(size_t(index.row()))];
    const qint64 id = m_columns[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell_text(*m_context, set, id, index.row());
    case Qt::ForegroundRole: {
        const double value =
            colour_needs_value(id) ? compute_value(*m_context, set, id, index.row()).number : 0;
        const QColor colour = text_colour(cell_colour(id, set, value));
        return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
    }
    case Qt::BackgroundRole:
        if (set.color < 0)
            return {};
        return QBrush(QColor(int(set.color & 0xFF), int((set.color >> 8) & 0xFF),
                             int((set.color >> 16) & 0xFF)));
    case Qt::DecorationRole: {
        if (index.column() != 0)
            return {};
        const row_icon icon = row_icon_of(set, m_collection.view_settings);
        switch (icon.kind) {
        case row_icon::Kind::marker:
            return artwork::marker_icon(icon.index);
        case row_icon::Kind::template_icon:
            return artwork::template_icon(icon.index);
        case row_icon::Kind::none:
            break;
        }
        return {};
    }
    case Qt::TextAlignmentRole:
        return int(alignment(property_def_of(id).align));
    default:
        return {};
    }
}

QVariant SetListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || size_t(section) >= m_columns.size())
        return {};
    const qint64 id = m_columns[size_t(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column_title(m_catalogue, m_collection, id);
    case Qt::TextAlignmentRole:
        return int(alignment(property_def_of(id).align));
    case Qt::ToolTipRole:
        return m_catalogue.label_with_unit(id);
    default:
        return {};
    }
}

} // namespace tandora

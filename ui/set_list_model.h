// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

#include <QAbstractTableModel>

#include <vector>

namespace tandora {

class Catalogue;
class SetList;
struct PropertyContext;

// The main list's table: one row per listed set, one column per shown property. Cells are
// computed only when the view asks for them; a refresh reaches the view as one reset.
class SetListModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetListModel)

public:
    SetListModel(const collection &c, const SetList &rows, const Catalogue &catalogue,
                 QObject *parent = nullptr);

    // The context cells are computed with; it must outlive its use.
    void set_context(const PropertyContext *context) { m_context = context; }
    void set_columns(std::vector<qint64> ids);
    const std::vector<qint64> &columns() const { return m_columns; }
    // The rows were listed anew.
    void reset_rows();
    // Every cell and title again (formats, options or set data changed).
    void redraw();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const collection &m_collection;
    const SetList &m_rows;
    const Catalogue &m_catalogue;
    const PropertyContext *m_context = nullptr;
    std::vector<qint64> m_columns;
};

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "properties/formatting.h"
#include "properties/property_values.h"
#include "setlist/set_list.h"

#include <QObject>
#include <QPoint>

#include <optional>
#include <vector>

class QTableView;

namespace tandora {

class Catalogue;
class Clock;
class CurrencyTable;
class Session;
class SetListModel;
class StatusFields;
class Texts;
struct DeferredActions;
struct Folders;

// The main set list: its columns from the collection's layout, the rows sorted and filtered
// by the core, colours and icons, the selection kept across refreshes, header clicks, column
// widths, and the status bar sums.
class MainList final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainList)

public:
    struct Parts
    {
        QTableView *view;
        StatusFields *status;
        Session &session;
        const Catalogue &catalogue;
        const Texts &texts;
        const CurrencyTable &currencies;
        const Clock &clock;
        const Folders &folders;
        DeferredActions &deferred;
    };

    explicit MainList(Parts parts, QObject *parent = nullptr);
    ~MainList() override;

    // Columns from the collection's layout (after a load, New, Reset columns, the column
    // window), then the quantity table and the titles.
    void build_columns();
    // Sorts, filters and fills the rows; keep is the position of the set to keep selected,
    // the current row's set when none is given.
    void refresh_list(std::optional<size_t> keep = std::nullopt);
    // Rows drawn again with the formats and options as they are now: the row of one set, or
    // every row.
    void redraw_rows(std::optional<size_t> set_position = std::nullopt);
    // The collection's contents changed: quantities counted again, panels and sums refreshed.
    void contents_changed();
    void update_headers();
    // The status bar sums.
    void sum_up();

    SetList &rows() { return m_rows; }
    SetListModel &model() { return *m_model; }
    // The position in the collection of the current row's set.
    std::optional<size_t> current_set() const;
    // The positions of the selected rows' sets, in list order.
    std::vector<size_t> selected_sets() const;

Q_SIGNALS:
    // Double click or Return on a row.
    void open_editor_requested(size_t set_position);
    void context_menu_requested(const QPoint &global_position);

private:
    void rebuild_context();
    void header_clicked(int section);
    void section_resized(int section, int old_size, int new_size);
    void selection_changed();

    Parts m_parts;
    SetList m_rows;
    SetListModel *m_model = nullptr;
    NumberFormat m_format;
    QuantityTable m_quantities;
    std::optional<PropertyContext> m_context;
    bool m_building = false;
};

} // namespace tandora

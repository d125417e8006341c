// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "secondary_window.h"

#include <array>

class QPushButton;
class QToolButton;
class QTreeWidget;

namespace tandora {

class Texts;

// The column window: the properties as a list with check boxes (ticked = shown as a column),
// buttons that move the chosen row, buttons that tick rows by groups, and OK and Cancel.
// It blocks the main window while it is shown.
class ColumnWindow final : public SecondaryWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColumnWindow)

public:
    static constexpr QSize content_size{392, 472};
    // The move buttons from top to bottom.
    enum Move { top, up_10, up_1, down_1, down_10, bottom, move_count };
    // The group buttons from top to bottom.
    enum Group { select_none, select_all, select_editable, select_brickset, group_count };

    ColumnWindow(const Texts &texts, QWidget *main);

    QTreeWidget *column_list() const { return m_list; }
    QToolButton *move_button(Move move) const { return m_moves[size_t(move)]; }
    QToolButton *group_button(Group group) const { return m_groups[size_t(group)]; }
    QPushButton *ok_button() const { return m_ok; }
    QPushButton *cancel_button() const { return m_cancel; }

private:
    void apply_artwork();

    QTreeWidget *m_list;
    std::array<QToolButton *, move_count> m_moves{};
    std::array<QToolButton *, group_count> m_groups{};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace tandora

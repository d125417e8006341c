// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_window.h"

#include "artwork.h"
#include "core/texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tandora {

namespace {

struct move_row
{
    const char16_t *tip;
    artwork::Button picture;
};

constexpr move_row move_rows[] = {
    {u"tip_move_u99", artwork::Button::move_up_99},
    {u"tip_move_u10", artwork::Button::move_up_10},
    {u"tip_move_u01", artwork::Button::move_up_1},
    {u"tip_move_d01", artwork::Button::move_down_1},
    {u"tip_move_d10", artwork::Button::move_down_10},
    {u"tip_move_d99", artwork::Button::move_down_99},
};
static_assert(std::size(move_rows) == ColumnWindow::move_count);

struct group_row
{
    const char16_t *tip;
    const char16_t *caption; // the button "none" shows a picture instead
};

constexpr group_row group_rows[] = {
    {u"tip_sel_none", u""},
    {u"tip_sel_all", u"❋"},
    {u"tip_sel_editable", u"_"},
    {u"tip_sel_brickset", u"~"},
};
static_assert(std::size(group_rows) == ColumnWindow::group_count);

constexpr int list_column_width = 250;
constexpr int button_side = 28;

QToolButton *side_button(const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setToolTip(tip);
    button->setFixedSize(button_side, button_side);
    return button;
}

} // namespace

ColumnWindow::ColumnWindow(const Texts &texts, QWidget *main)
    : SecondaryWindow(WindowId::columns, content_size, false, true, main)
    , m_list(new QTreeWidget(this))
    , m_ok(new QPushButton(texts.text(u"gui_y"), this))
    , m_cancel(new QPushButton(texts.text(u"gui_n"), this))
{
    setWindowTitle(texts.text(u"MID_Colset"));

    m_list->setColumnCount(1);
    m_list->setHeaderLabels({texts.text(u"txt_column")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->resizeSection(0, list_column_width);

    auto *side = new QVBoxLayout;
    side->setSpacing(2);
    for (size_t i = 0; i < m_moves.size(); ++i) {
        m_moves[i] = side_button(texts.text(move_rows[i].tip), this);
        side->addWidget(m_moves[i]);
        if (i == up_1)
            side->addSpacing(8); // the up and the down buttons form two groups
    }
    side->addStretch(1);
    for (size_t i = 0; i < m_groups.size(); ++i) {
        m_groups[i] = side_button(texts.text(group_rows[i].tip), this);
        m_groups[i]->setText(QString::fromUtf16(group_rows[i].caption));
        side->addWidget(m_groups[i]);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(m_list, 1);
    top->addLayout(side);

    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    apply_artwork();
}

void ColumnWindow::apply_artwork()
{
    for (size_t i = 0; i < m_moves.size(); ++i)
        m_moves[i]->setIcon(artwork::button(move_rows[i].picture));
    m_groups[select_none]->setIcon(artwork::button(artwork::Button::remove));
}

} // namespace tandora

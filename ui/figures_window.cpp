// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures_window.h"

#include "artwork.h"
#include "core/texts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tandora {

namespace {

struct list_column
{
    const char16_t *header;
    int width;
    bool centred;
};

constexpr list_column list_columns[] = {
    {u"FOL_Index", 55, false},    {u"FOL_FigID", 100, true},    {u"FOL_FigAnz", 60, true},
    {u"FOL_FigName", 250, false}, {u"FOL_FigSets", 130, false}, {u"FOL_FigExcl", 60, true},
    {u"FOL_FigPic", 50, true},
};
static_assert(std::size(list_columns) == FiguresWindow::column_count);

constexpr int filter_width = 200;

} // namespace

FiguresWindow::FiguresWindow(const Texts &texts, QWidget *main)
    : SecondaryWindow(WindowId::figures, content_size, true, false, main)
    , m_list(new QTreeWidget(this))
    , m_picture(new QLabel(this))
    , m_download(new QPushButton(texts.text(u"txt_fig_download"), this))
    , m_links(new QToolButton(this))
    , m_details(new QPlainTextEdit(this))
    , m_grouping(new QCheckBox(this))
    , m_total(new QLabel(this))
    , m_filter(new QLineEdit(this))
    , m_clear(new QToolButton(this))
{
    setWindowTitle(texts.text(u"MID_PopFiglist"));

    m_list->setToolTip(texts.text(u"tip_fig_liste"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setColumnCount(column_count);
    QStringList headers;
    for (const list_column &column : list_columns)
        headers << texts.text(column.header);
    m_list->setHeaderLabels(headers);
    QHeaderView *header = m_list->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setStretchLastSection(false);
    for (int i = 0; i < column_count; ++i) {
        header->resizeSection(i, list_columns[i].width);
        if (list_columns[i].centred)
            m_list->headerItem()->setTextAlignment(i, Qt::AlignCenter);
    }

    m_picture->setFixedSize(picture_size);
    m_picture->setAlignment(Qt::AlignCenter);
    m_links->setToolTip(texts.text(u"tip_weblinks"));
    m_links->setIconSize(QSize(16, 16));
    m_download->setAutoDefault(false);
    m_details->setReadOnly(true);
    m_grouping->setChecked(true);
    m_filter->setToolTip(texts.text(u"tip_fig_filter"));
    m_filter->setFixedWidth(filter_width);
    m_clear->setToolTip(texts.text(u"tip_fig_filter_ex"));

    auto *picture_buttons = new QHBoxLayout;
    picture_buttons->addWidget(m_download, 1);
    picture_buttons->addWidget(m_links);
    // The side column is as wide as the picture; the list takes the rest of the width.
    auto *side_column = new QWidget(this);
    side_column->setFixedWidth(picture_size.width());
    auto *side = new QVBoxLayout(side_column);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(m_picture);
    side->addLayout(picture_buttons);
    side->addWidget(m_details, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_grouping);
    bottom->addSpacing(12);
    bottom->addWidget(m_total);
    bottom->addStretch(1);
    bottom->addWidget(m_filter);
    bottom->addWidget(m_clear);
    auto *left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    left->addLayout(bottom);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(side_column);
    apply_artwork();
}

void FiguresWindow::apply_artwork()
{
    m_picture->setPixmap(artwork::placeholder_picture(picture_size.height()));
    m_links->setIcon(artwork::button(artwork::Button::web_links));
    m_clear->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info_panel.h"

#include "core/texts.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace tandora {

namespace {

// The tile orders: entry 0 keeps the figures as collected, the others sort by a key both ways.
struct tile_order_row
{
    const char16_t *key;
    const char16_t *arrow; // nullptr for the order without direction
};

constexpr tile_order_row tile_orders[] = {
    {u"fig_sort_set", nullptr}, {u"fig_sort_fid", u" ▲"}, {u"fig_sort_fid", u" ▼"},
    {u"fig_sort_num", u" ▲"},   {u"fig_sort_num", u" ▼"}, {u"fig_sort_des", u" ▲"},
    {u"fig_sort_des", u" ▼"},   {u"fig_sort_ins", u" ▲"}, {u"fig_sort_ins", u" ▼"},
};
static_assert(std::size(tile_orders) == InfoPanel::tile_order_count);

const QColor help_colour(136, 136, 136);
const QColor tile_background(221, 221, 221);
constexpr int page_margin = 4;

} // namespace

InfoPanel::InfoPanel(const Texts &texts, QWidget *parent)
    : QTabWidget(parent)
{
    addTab(make_set_page(texts), texts.text(u"panel_setinfo"));
    addTab(make_figures_page(texts), texts.text(u"panel_figinfo"));
}

QWidget *InfoPanel::make_set_page(const Texts &texts)
{
    auto *page = new QWidget;
    m_help = new QLabel(texts.text(u"txt_listhelp"), page);
    m_help->setAlignment(Qt::AlignCenter);
    m_help->setWordWrap(true);
    m_help->setMargin(page_margin * 2);
    QPalette grey = m_help->palette();
    grey.setColor(QPalette::WindowText, help_colour);
    m_help->setPalette(grey);

    // The containers lie in the same cell as the help line and over it.
    auto *blocks = new QWidget(page);
    m_upper = new QWidget(blocks);
    m_lower = new QWidget(blocks);
    m_upper->setAutoFillBackground(true);
    m_lower->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(blocks);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_upper);
    column->addWidget(m_lower);
    column->addStretch(1);
    m_upper->hide();
    m_lower->hide();
    m_upper->installEventFilter(this);

    auto *layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_help, 0, 0);
    layout->addWidget(blocks, 0, 0);
    return page;
}

QWidget *InfoPanel::make_figures_page(const Texts &texts)
{
    auto *page = new QWidget;
    m_order = new QComboBox(page);
    for (const tile_order_row &row : tile_orders) {
        QString text = texts.text(row.key);
        if (row.arrow)
            text += QString::fromUtf16(row.arrow);
        m_order->addItem(text);
    }
    // The panel may be made narrow; the drop-down must not hold it wide.
    m_order->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_order->setMinimumContentsLength(4);

    m_tiles = new QScrollArea(page);
    m_tiles->setWidgetResizable(true);
    m_tiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_canvas = new QWidget;
    m_canvas->setAutoFillBackground(true);
    QPalette background = m_canvas->palette();
    background.setColor(QPalette::Window, tile_background);
    m_canvas->setPalette(background);
    m_tiles->setWidget(m_canvas);

    // The tile area spans the page's full width, so that a panel width of 127 per tile column
    // plus 26 holds exactly that many columns beside the scroll bar.
    m_tiles->setFrameShape(QFrame::NoFrame);
    auto *order_row = new QHBoxLayout;
    order_row->setContentsMargins(page_margin, page_margin, page_margin, page_margin);
    order_row->addWidget(m_order);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(order_row);
    layout->addWidget(m_tiles, 1);
    return page;
}

int InfoPanel::tile_order() const
{
    return std::max(m_order->currentIndex(), 0);
}

void InfoPanel::set_tile_order(int index)
{
    m_order->setCurrentIndex(index >= 0 && index < tile_order_count ? index : 0);
}

int InfoPanel::frame_width() const
{
    // Measured on a reference rectangle, so that it holds also while the panel is collapsed
    // or not yet laid out.
    constexpr int reference = 1000;
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, reference, reference);
    const QRect pages = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return reference - pages.width();
}

bool InfoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_upper &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        m_help->setHidden(!m_upper->isHidden());
    return QTabWidget::eventFilter(watched, event);
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

class QComboBox;
class QLabel;
class QScrollArea;

namespace tandora {

class Texts;

// The panel beside the set list. The set info page shows a grey help line until a set is
// current; over it lie the upper container (the set, its edit, links and download controls)
// and the lower container (the catalogue data and the picture), both hidden at start. The
// minifigure page has the tile order and the scrolling area of figure tiles.
class InfoPanel final : public QTabWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoPanel)

public:
    enum Page { set_page, figures_page };
    static constexpr int tile_order_count = 9;

    explicit InfoPanel(const Texts &texts, QWidget *parent = nullptr);

    QLabel *help_line() const { return m_help; }
    // Empty and without a layout: they are filled by the set info. The help line shows while
    // the upper container is hidden.
    QWidget *upper_container() const { return m_upper; }
    QWidget *lower_container() const { return m_lower; }

    QComboBox *tile_order_box() const { return m_order; }
    // The chosen tile order, 0 to 8; an index outside that range chooses 0.
    int tile_order() const;
    void set_tile_order(int index);
    QScrollArea *tile_area() const { return m_tiles; }
    // The widget inside the tile area that carries the tiles; its minimum height sets how far
    // the area scrolls.
    QWidget *tile_canvas() const { return m_canvas; }

    // The width of the panel around its pages (frame), so that the page width can be set
    // through the panel's width.
    int frame_width() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *make_set_page(const Texts &texts);
    QWidget *make_figures_page(const Texts &texts);

    QLabel *m_help = nullptr;
    QWidget *m_upper = nullptr;
    QWidget *m_lower = nullptr;
    QComboBox *m_order = nullptr;
    QScrollArea *m_tiles = nullptr;
    QWidget *m_canvas = nullptr;
};

} // namespace tandora

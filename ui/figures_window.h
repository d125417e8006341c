// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "secondary_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace tandora {

class Texts;

// The minifigure window: the list of the collection's minifigures, beside it the picture, the
// download and links buttons and the details of the chosen figure; below the list the grouping
// switch, the total line and the search field. The main window stays usable while it is shown.
class FiguresWindow final : public SecondaryWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FiguresWindow)

public:
    static constexpr QSize content_size{976, 520};
    static constexpr QSize picture_size{184, 240};
    static constexpr int column_count = 7;

    FiguresWindow(const Texts &texts, QWidget *main);

    QTreeWidget *figure_list() const { return m_list; }
    QLabel *picture() const { return m_picture; }
    QPushButton *download_button() const { return m_download; }
    QToolButton *links_button() const { return m_links; }
    QPlainTextEdit *details() const { return m_details; }
    QCheckBox *grouping_switch() const { return m_grouping; }
    QLabel *total_line() const { return m_total; }
    QLineEdit *filter_field() const { return m_filter; }
    QToolButton *clear_button() const { return m_clear; }

private:
    void apply_artwork();

    QTreeWidget *m_list;
    QLabel *m_picture;
    QPushButton *m_download;
    QToolButton *m_links;
    QPlainTextEdit *m_details;
    QCheckBox *m_grouping;
    QLabel *m_total;
    QLineEdit *m_filter;
    QToolButton *m_clear;
};

} // namespace tandora

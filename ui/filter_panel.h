// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace tandora {

class Texts;

// The controls of the quick filter page, indexed in the order the filter tests them.
struct QuickFilterControls
{
    enum Field { set_number, name, theme, tags, own_tags, year, field_count };
    enum Choice {
        platform,
        seller,
        location,
        addition,
        own_category,
        condition,
        state,
        completeness,
        template_code,
        package_type,
        availability,
        figure_tags,
        choice_count
    };
    enum Box { packaging, instructions, to_sell, notes, reminder, present, box_count };

    QToolButton *reset = nullptr;
    std::array<QLabel *, field_count> labels{};
    std::array<QLineEdit *, field_count> fields{};
    // Each drop-down starts with its "no filter" entry.
    std::array<QComboBox *, choice_count> choices{};
    // The negation box " ≠" of each drop-down; none for the minifigure tags.
    std::array<QCheckBox *, choice_count> negations{};
    std::array<QCheckBox *, box_count> boxes{};
};

// The controls of the extended filter page.
struct ExtendedFilterControls
{
    // The condition rows go into rows, inside the scrolling area; below them the line with the
    // add-first and reset buttons, the two boxes and the logic drop-down.
    QScrollArea *area = nullptr;
    QWidget *canvas = nullptr;
    QVBoxLayout *rows = nullptr;
    QToolButton *add_first = nullptr;
    QToolButton *reset = nullptr;
    QCheckBox *case_sensitive = nullptr;
    QCheckBox *invert = nullptr;
    QComboBox *logic = nullptr; // "and", "or"
    // The saved filters and their buttons.
    QListWidget *saved = nullptr;
    QToolButton *load = nullptr;
    QToolButton *save = nullptr;
    QToolButton *new_filter = nullptr;
    QToolButton *remove = nullptr;
    QToolButton *rename = nullptr;
    QToolButton *move_up = nullptr;
    QToolButton *move_down = nullptr;
};

// The panel below the set list: the quick filter and the extended filter, one page each.
// Both pages scroll when the panel is made smaller than their controls.
class FilterPanel final : public QTabWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilterPanel)

public:
    enum Page { quick_page, extended_page };

    explicit FilterPanel(const Texts &texts, QWidget *parent = nullptr);

    const QuickFilterControls &quick() const { return m_quick; }
    const ExtendedFilterControls &extended() const { return m_extended; }
    // The widgets that fill the two pages (their background is the filter colour).
    QWidget *quick_form() const { return m_quick_form; }
    QWidget *extended_form() const { return m_extended_form; }

    // The height of the panel around its pages (tab bar and frame), so that the page height
    // can be set through the panel's height.
    int frame_height() const;

private:
    QWidget *make_quick_page(const Texts &texts);
    QWidget *make_extended_page(const Texts &texts);

    QuickFilterControls m_quick;
    ExtendedFilterControls m_extended;
    QWidget *m_quick_form = nullptr;
    QWidget *m_extended_form = nullptr;
};

} // namespace tandora

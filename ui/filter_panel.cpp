// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter_panel.h"

#include "core/texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace tandora {

namespace {

using Quick = QuickFilterControls;

// A "~" marks what is tested against the downloaded set data.
struct text_field_row
{
    const char16_t *key;
    bool set_data;
};

constexpr text_field_row text_field_rows[] = {
    {u"VAL_Setnum", false}, {u"VAL_Name", true},    {u"VAL_Theme", true},
    {u"VAL_Tags", true},    {u"VAL_Mytags", false}, {u"VAL_Year", false},
};
static_assert(std::size(text_field_rows) == Quick::field_count);

// The drop-downs stand in two columns of six; the minifigure tags, the one drop-down without a
// negation box, close the first column.
struct choice_row
{
    const char16_t *key;
    bool set_data;
    int column;
    int row;
};

constexpr choice_row choice_rows[] = {
    {u"VAL_P_Platform", false, 1, 0},  {u"VAL_P_Person", false, 1, 1},
    {u"VAL_Location", false, 1, 3},    {u"VAL_Addition", false, 1, 4},
    {u"VAL_Mygroup", false, 1, 5},     {u"VAL_P_Condition", false, 1, 2},
    {u"VAL_State", false, 0, 1},       {u"VAL_Completeness", false, 0, 2},
    {u"VAL_Template", false, 0, 0},    {u"VAL_Packtyp", true, 0, 3},
    {u"VAL_Availability", true, 0, 4}, {u"VAL_FigTags", true, 0, 5},
};
static_assert(std::size(choice_rows) == Quick::choice_count);

constexpr const char16_t *box_keys[] = {u"VAL_Packaging", u"VAL_Instructions", u"VAL_To_Sell",
                                        u"VAL_Notes",     u"VAL_Reminder",     u"txt_present"};
static_assert(std::size(box_keys) == Quick::box_count);

struct saved_button_row
{
    const char16_t *caption;
    const char16_t *tip;
    QToolButton *ExtendedFilterControls::*member;
};

constexpr saved_button_row saved_button_rows[] = {
    {u"<<", u"tip_filter_load", &ExtendedFilterControls::load},
    {u">>", u"tip_filter_save", &ExtendedFilterControls::save},
    {u"+ >", u"tip_filter_new", &ExtendedFilterControls::new_filter},
    {u"−", u"tip_filter_del", &ExtendedFilterControls::remove},
    {u"R", u"tip_filter_ren", &ExtendedFilterControls::rename},
    {u"↑", u"tip_filter_move_up", &ExtendedFilterControls::move_up},
    {u"↓", u"tip_filter_move_down", &ExtendedFilterControls::move_down},
};

// Grid columns of the quick filter form.
enum QuickColumn {
    label_column,
    field_column,
    first_choice_column, // drop-down, then its negation box
    second_choice_column = first_choice_column + 2,
    box_column = second_choice_column + 2,
    reset_column,
};

constexpr int form_spacing = 4;
constexpr int form_margin = 6;
constexpr int choice_length = 14; // characters a drop-down shows at least
constexpr int saved_list_width = 260;

QToolButton *caption_button(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setToolTip(tip);
    return button;
}

// A page that scrolls when the panel is smaller than its form, so that any panel size can be
// set; the form is returned through form.
QScrollArea *scrolling_page(QWidget *&form)
{
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    form = new QWidget;
    form->setAutoFillBackground(true);
    area->setWidget(form);
    return area;
}

} // namespace

FilterPanel::FilterPanel(const Texts &texts, QWidget *parent)
    : QTabWidget(parent)
{
    addTab(make_quick_page(texts), texts.text(u"panel_filter_fast"));
    addTab(make_extended_page(texts), texts.text(u"panel_filter_extend"));
}

QWidget *FilterPanel::make_quick_page(const Texts &texts)
{
    QScrollArea *page = scrolling_page(m_quick_form);
    QWidget *form = m_quick_form;
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(form_margin, form_margin, form_margin, form_margin);
    grid->setHorizontalSpacing(form_spacing * 2);
    grid->setVerticalSpacing(form_spacing);

    for (int i = 0; i < Quick::field_count; ++i) {
        const text_field_row &row = text_field_rows[i];
        QString label = texts.text(row.key) + QStringLiteral(": ");
        if (row.set_data)
            label.prepend(u'~');
        auto *field = new QLineEdit(form);
        auto *caption = new QLabel(label, form);
        caption->setBuddy(field);
        m_quick.labels[size_t(i)] = caption;
        m_quick.fields[size_t(i)] = field;
        grid->addWidget(caption, i, label_column);
        grid->addWidget(field, i, field_column);
    }

    const QString no_filter = texts.text(u"gui_filtoff");
    for (int i = 0; i < Quick::choice_count; ++i) {
        const choice_row &row = choice_rows[i];
        auto *choice = new QComboBox(form);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(choice_length);
        choice->addItem(no_filter + (row.set_data ? QStringLiteral(": ~") : QStringLiteral(": ")) +
                        texts.text(row.key));
        m_quick.choices[size_t(i)] = choice;
        const int column = row.column == 0 ? first_choice_column : second_choice_column;
        grid->addWidget(choice, row.row, column);
        if (i != Quick::figure_tags) {
            auto *negation = new QCheckBox(QStringLiteral(" ≠"), form);
            m_quick.negations[size_t(i)] = negation;
            grid->addWidget(negation, row.row, column + 1);
        }
    }

    for (int i = 0; i < Quick::box_count; ++i) {
        auto *box = new QCheckBox(texts.text(box_keys[i]), form);
        m_quick.boxes[size_t(i)] = box;
        grid->addWidget(box, i, box_column);
    }

    m_quick.reset = caption_button(QStringLiteral("x"), texts.text(u"tip_filter_reset"), form);
    grid->addWidget(m_quick.reset, 0, reset_column, Qt::AlignRight | Qt::AlignTop);

    grid->setColumnStretch(field_column, 3);
    grid->setColumnStretch(first_choice_column, 4);
    grid->setColumnStretch(second_choice_column, 4);
    grid->setColumnStretch(box_column, 2);
    grid->setRowStretch(Quick::field_count, 1);
    return page;
}

QWidget *FilterPanel::make_extended_page(const Texts &texts)
{
    QScrollArea *page = scrolling_page(m_extended_form);
    QWidget *form = m_extended_form;
    ExtendedFilterControls &c = m_extended;

    // The conditions: their rows, then the line that adds the first one or combines them.
    c.area = new QScrollArea(form);
    c.area->setWidgetResizable(true);
    c.canvas = new QWidget;
    c.rows = new QVBoxLayout;
    c.rows->setContentsMargins(0, 0, 0, 0);
    c.rows->setSpacing(form_spacing);
    c.add_first = caption_button(QStringLiteral("+"), texts.text(u"tip_filter_line_add"), c.canvas);
    c.reset = caption_button(QStringLiteral("x"), texts.text(u"tip_filter_reset"), c.canvas);
    c.case_sensitive = new QCheckBox(texts.text(u"txt_filter_sensitiv"), c.canvas);
    c.invert = new QCheckBox(texts.text(u"txt_filter_invert"), c.canvas);
    c.logic = new QComboBox(c.canvas);
    c.logic->addItem(texts.text(u"log_and"));
    c.logic->addItem(texts.text(u"log_or"));
    auto *options = new QHBoxLayout;
    options->setSpacing(form_spacing * 2);
    options->addWidget(c.add_first);
    options->addWidget(c.reset);
    options->addWidget(c.case_sensitive);
    options->addWidget(c.invert);
    options->addWidget(c.logic);
    options->addStretch(1);
    auto *conditions = new QVBoxLayout(c.canvas);
    conditions->setContentsMargins(form_margin, form_margin, form_margin, form_margin);
    conditions->setSpacing(form_spacing);
    conditions->addLayout(c.rows);
    conditions->addLayout(options);
    conditions->addStretch(1);
    c.area->setWidget(c.canvas);

    // The saved filters with their buttons below.
    auto *saved_box = new QWidget(form);
    saved_box->setFixedWidth(saved_list_width);
    c.saved = new QListWidget(saved_box);
    c.saved->setToolTip(texts.text(u"tip_filter_list"));
    c.saved->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (const saved_button_row &row : saved_button_rows) {
        QToolButton *button =
            caption_button(QString::fromUtf16(row.caption), texts.text(row.tip), saved_box);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        c.*row.member = button;
        buttons->addWidget(button);
    }
    auto *saved = new QVBoxLayout(saved_box);
    saved->setContentsMargins(0, 0, 0, 0);
    saved->setSpacing(form_spacing);
    saved->addWidget(c.saved, 1);
    saved->addLayout(buttons);

    auto *layout = new QHBoxLayout(form);
    layout->setContentsMargins(form_margin, form_margin, form_margin, form_margin);
    layout->setSpacing(form_spacing * 2);
    layout->addWidget(c.area, 1);
    layout->addWidget(saved_box);
    return page;
}

int FilterPanel::frame_height() const
{
    // Measured on a reference rectangle, so that it holds also while the panel is collapsed
    // or not yet laid out.
    constexpr int reference = 1000;
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(0, 0, reference, reference);
    const QRect pages = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return reference - pages.height();
}

} // namespace tandora

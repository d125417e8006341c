// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_window.h"

#include "core/texts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tandora {

namespace {

constexpr const char16_t *lower_page_keys[] = {u"panel_purc", u"panel_state", u"panel_sell",
                                               u"panel_notes", u"panel_alarm"};

QPushButton *make_button(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

EditorWindow::EditorWindow(const Texts &texts, QWidget *main)
    : SecondaryWindow(WindowId::editor, content_size, false, true, main)
    , m_upper(new QTabWidget(this))
    , m_lower(new QTabWidget(this))
    , m_previous(make_button(QStringLiteral("<"), texts.text(u"tip_prev"), this))
    , m_next(make_button(QStringLiteral(">"), texts.text(u"tip_next"), this))
    , m_commit(make_button(texts.text(u"gui_y"), QString(), this))
    , m_cancel(make_button(texts.text(u"gui_n"), QString(), this))
{
    setWindowTitle(texts.text(u"menu_set_new"));
    m_upper->addTab(new QWidget, texts.text(u"panel_number"));
    for (const char16_t *key : lower_page_keys)
        m_lower->addTab(new QWidget, texts.text(key));

    // The two arrows are small; OK and Cancel line up with the right edge of the panels.
    for (QPushButton *arrow : {m_previous, m_next})
        arrow->setMaximumWidth(arrow->sizeHint().height() * 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addStretch(1);
    buttons->addWidget(m_commit);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_upper, 2);
    layout->addWidget(m_lower, 3);
    layout->addLayout(buttons);
}

QWidget *EditorWindow::set_page() const
{
    return m_upper->widget(0);
}

QWidget *EditorWindow::lower_page(LowerPage page) const
{
    return m_lower->widget(int(page));
}

} // namespace tandora

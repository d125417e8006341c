// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_window.h"

#include "core/texts.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tandora {

TextWindow::TextWindow(const Texts &texts, QWidget *main)
    : SecondaryWindow(WindowId::text, content_size, true, false, main)
    , m_texts(texts)
    , m_area(new QPlainTextEdit(this))
    , m_copy(new QPushButton(texts.text(u"gui_copy"), this))
    , m_close(new QPushButton(texts.text(u"gui_close"), this))
{
    setWindowTitle(texts.text(u"name_stat"));
    // Tables of figures line up only when lines are not wrapped.
    m_area->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_copy->setAutoDefault(false);
    m_close->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_area, 1);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, &TextWindow::copy_text);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

void TextWindow::show_text(const QString &text, bool read_only)
{
    m_area->setPlainText(text);
    m_area->setReadOnly(read_only);
    setWindowTitle(m_texts.text(u"name_stat"));
    show();
    raise();
    activateWindow();
    m_area->setFocus(Qt::OtherFocusReason);
}

void TextWindow::set_text_font(const QFont &font)
{
    m_area->setFont(font);
}

QString TextWindow::text() const
{
    return m_area->toPlainText();
}

bool TextWindow::is_read_only() const
{
    return m_area->isReadOnly();
}

void TextWindow::copy_text() const
{
    QGuiApplication::clipboard()->setText(m_area->toPlainText());
}

} // namespace tandora

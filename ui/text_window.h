// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "secondary_window.h"

class QFont;
class QPlainTextEdit;
class QPushButton;

namespace tandora {

class Texts;

// A text to read, copy or edit: the statistics, the acknowledgements and the key usage.
class TextWindow final : public SecondaryWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextWindow)

public:
    static constexpr QSize content_size{608, 552};

    TextWindow(const Texts &texts, QWidget *main);

    // Shows the text, read-only or editable, without blocking the main window.
    void show_text(const QString &text, bool read_only);
    void set_text_font(const QFont &font);
    QString text() const;
    bool is_read_only() const;
    // Puts the whole text on the clipboard as plain text.
    void copy_text() const;

    QPlainTextEdit *text_area() const { return m_area; }
    QPushButton *copy_button() const { return m_copy; }
    QPushButton *close_button() const { return m_close; }

private:
    const Texts &m_texts;
    QPlainTextEdit *m_area;
    QPushButton *m_copy;
    QPushButton *m_close;
};

} // namespace tandora

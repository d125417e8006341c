// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "secondary_window.h"

class QPushButton;
class QTabWidget;

namespace tandora {

class Texts;

// The set editor's window: the set panel on top, the panel of purchase, inventory, sale, notes
// and reminder below, and the buttons previous, next, commit and cancel at the bottom. It blocks
// the main window while it is shown.
class EditorWindow final : public SecondaryWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditorWindow)

public:
    static constexpr QSize content_size{640, 704};
    // The pages of the lower panel, in their order.
    enum LowerPage { purchase_page, state_page, sale_page, notes_page, reminder_page };

    EditorWindow(const Texts &texts, QWidget *main);

    QTabWidget *upper_panel() const { return m_upper; }
    QTabWidget *lower_panel() const { return m_lower; }
    QWidget *set_page() const;
    QWidget *lower_page(LowerPage page) const;
    QPushButton *previous_button() const { return m_previous; }
    QPushButton *next_button() const { return m_next; }
    QPushButton *commit_button() const { return m_commit; }
    QPushButton *cancel_button() const { return m_cancel; }

private:
    QTabWidget *m_upper;
    QTabWidget *m_lower;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_commit;
    QPushButton *m_cancel;
};

} // namespace tandora

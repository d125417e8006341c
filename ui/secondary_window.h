// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menu_model.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

namespace tandora {

// A window floating over the main window: created hidden, never destroyed before the program
// ends, shown and hidden as needed. The set editor and the column window block the main window
// while they are shown. However it is hidden (its close button, a command, Escape), the main
// window is enabled and activated again and the set list gets the keyboard focus.
class SecondaryWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecondaryWindow)

public:
    // size is the content size; a window that is not resizable keeps it.
    SecondaryWindow(WindowId id, QSize size, bool resizable, bool blocks_main, QWidget *main);

    WindowId window_id() const { return m_id; }
    bool blocks_main() const { return windowModality() != Qt::NonModal; }
    bool resizable() const { return m_resizable; }

Q_SIGNALS:
    void hidden();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void return_to_main();

    WindowId m_id;
    bool m_resizable;
    QPointer<QWidget> m_main;
};

} // namespace tandora

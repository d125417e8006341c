// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondary_window.h"

#include "main_window.h"

#include <QHideEvent>

namespace tandora {

namespace {

Qt::WindowFlags window_flags(bool resizable)
{
    Qt::WindowFlags flags =
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

SecondaryWindow::SecondaryWindow(WindowId id, QSize size, bool resizable, bool blocks_main,
                                 QWidget *main)
    : QWidget(main, window_flags(resizable))
    , m_id(id)
    , m_resizable(resizable)
    , m_main(main)
{
    if (resizable)
        resize(size);
    else
        setFixedSize(size);
    if (blocks_main)
        setWindowModality(Qt::WindowModal);
}

void SecondaryWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Spontaneous hides come from the system (the program minimised), not from the user.
    if (event->spontaneous())
        return;
    return_to_main();
    Q_EMIT hidden();
}

void SecondaryWindow::return_to_main()
{
    if (!m_main || !m_main->isVisible())
        return;
    m_main->setEnabled(true);
    m_main->raise();
    m_main->activateWindow();
    if (auto *main = qobject_cast<MainWindow *>(m_main.data()))
        main->set_list_focus();
    else
        m_main->setFocus(Qt::OtherFocusReason);
}

} // namespace tandora

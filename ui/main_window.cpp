// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "core/session.h"
#include "core/texts.h"

#include <QLabel>

namespace tandora {

MainWindow::MainWindow(Session &session, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_summary(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Tandora"));
    m_summary->setAlignment(Qt::AlignCenter);
    setCentralWidget(m_summary);
    resize(1280, 800);
    refresh();
}

void MainWindow::refresh()
{
    setWindowTitle(m_session.window_title());
    m_summary->setText(m_session.texts().text(u"txt_sets") + QStringLiteral(": ") +
                       QString::number(m_session.current().sets.size()));
}

} // namespace tandora

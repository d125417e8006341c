// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;

namespace tandora {

class Session;

// The main window: its title tells the collection file and whether it has unsaved changes.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(Session &session, QWidget *parent = nullptr);

    // Shows the current collection again after it was loaded, reset or changed.
    void refresh();

private:
    Session &m_session;
    QLabel *m_summary;
};

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_prompt.h"

#include <QInputDialog>
#include <QMessageBox>

namespace tandora {

namespace {

QMessageBox::Icon box_icon(UserPrompt::Icon icon)
{
    return icon == UserPrompt::Icon::Warning ? QMessageBox::Warning : QMessageBox::Information;
}

QMessageBox::StandardButton ask(QWidget *parent, const QString &text, UserPrompt::Icon icon,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape)
{
    QMessageBox box(box_icon(icon), QStringLiteral("Tandora"), text, buttons, parent);
    box.setEscapeButton(escape);
    const int answer = box.exec();
    return answer == 0 ? escape : QMessageBox::StandardButton(answer);
}

} // namespace

void MessagePrompt::message(const QString &text, Icon icon)
{
    ask(m_parent, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessagePrompt::ask_yes_no(const QString &text, Icon icon)
{
    return ask(m_parent, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

UserPrompt::Answer MessagePrompt::ask_yes_no_cancel(const QString &text, Icon icon)
{
    switch (ask(m_parent, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> MessagePrompt::ask_text(const QString &title, const QString &label,
                                               const QString &default_answer)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, default_answer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

class QWidget;
class QString;

namespace tandora {

// The user's answers through Qt's standard message and input boxes, titled "Tandora".
class MessagePrompt final : public UserPrompt
{
public:
    explicit MessagePrompt(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void set_parent(QWidget *parent) { m_parent = parent; }

    void message(const QString &text, Icon icon) override;
    bool ask_yes_no(const QString &text, Icon icon) override;
    Answer ask_yes_no_cancel(const QString &text, Icon icon) override;
    std::optional<QString> ask_text(const QString &title, const QString &label,
                                    const QString &default_answer) override;
    QString choose_open_file(const QString &title, const QString &start,
                             const QString &patterns) override;
    QString choose_save_file(const QString &title, const QString &start,
                             const QString &patterns) override;
    QString choose_folder(const QString &title, const QString &start) override;
    qint64 choose_colour(qint64 start) override;
    int choose_language(const QStringList &names) override;

private:
    QWidget *m_parent;
};

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_prompt.h"

#include <QList>
#include <QString>

namespace tandora::test {

// Answers questions from a script and records every message, so tests can check what the
// user would have seen.
class ScriptedPrompt final : public UserPrompt
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
    };

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

    QList<Answer> answers;               // taken from the front; No when empty
    QList<std::optional<QString>> texts; // taken from the front; cancel when empty
    QList<QString> files;                // chosen files, folders, colours; cancel when empty
    QList<int> languages;                // chosen language entries; closed when empty
    QList<Shown> shown;                  // messages and questions, in order
};

} // namespace tandora::test

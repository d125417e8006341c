// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_prompt.h"

namespace tandora::test {

void ScriptedPrompt::message(const QString &text, Icon icon)
{
    shown.append({text, icon});
}

bool ScriptedPrompt::ask_yes_no(const QString &text, Icon icon)
{
    shown.append({text, icon});
    return !answers.isEmpty() && answers.takeFirst() == Answer::Yes;
}

UserPrompt::Answer ScriptedPrompt::ask_yes_no_cancel(const QString &text, Icon icon)
{
    shown.append({text, icon});
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

std::optional<QString> ScriptedPrompt::ask_text(const QString &title, const QString &label,
                                                const QString &default_answer)
{
    Q_UNUSED(default_answer)
    shown.append({title + u'\n' + label, Icon::Information});
    return texts.isEmpty() ? std::nullopt : texts.takeFirst();
}

QString ScriptedPrompt::choose_open_file(const QString &title, const QString &start,
                                         const QString &patterns)
{
    shown.append({title + u'\n' + start + u'\n' + patterns, Icon::Information});
    return files.isEmpty() ? QString() : files.takeFirst();
}

QString ScriptedPrompt::choose_save_file(const QString &title, const QString &start,
                                         const QString &patterns)
{
    return choose_open_file(title, start, patterns);
}

QString ScriptedPrompt::choose_folder(const QString &title, const QString &start)
{
    return choose_open_file(title, start, QString());
}

qint64 ScriptedPrompt::choose_colour(qint64 start)
{
    Q_UNUSED(start)
    return files.isEmpty() ? -1 : files.takeFirst().toLongLong();
}

int ScriptedPrompt::choose_language(const QStringList &names)
{
    shown.append({names.join(u'\n'), Icon::Information});
    return languages.isEmpty() ? -1 : languages.takeFirst();
}

} // namespace tandora::test

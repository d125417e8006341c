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

} // namespace tandora::test

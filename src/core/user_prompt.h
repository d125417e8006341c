// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tandora {

// Everything the core needs to ask or tell the user goes through this interface: the
// widgets front end shows message boxes titled "Tandora", the command-line tool prints,
// and tests answer from a script.
class UserPrompt
{
public:
    enum class Icon { Information, Warning };
    enum class Answer { Yes, No, Cancel };

    virtual ~UserPrompt() = default;

    // A message with an OK button.
    virtual void message(const QString &text, Icon icon) = 0;
    // Yes or No; closing the box counts as No.
    virtual bool ask_yes_no(const QString &text, Icon icon) = 0;
    // Yes, No or Cancel; closing the box counts as Cancel.
    virtual Answer ask_yes_no_cancel(const QString &text, Icon icon) = 0;
    // A single-line input box; nullopt when the user cancels.
    virtual std::optional<QString> ask_text(const QString &title, const QString &label,
                                            const QString &default_answer) = 0;
};

} // namespace tandora

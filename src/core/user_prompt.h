// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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

    // File and folder choosers; the empty text when the user cancels. patterns is a list of
    // "label|pattern" pairs joined by "|", e.g. "Tandora (*.json)|*.json|(*.*)|*.*".
    virtual QString choose_open_file(const QString &title, const QString &start,
                                     const QString &patterns) = 0;
    virtual QString choose_save_file(const QString &title, const QString &start,
                                     const QString &patterns) = 0;
    virtual QString choose_folder(const QString &title, const QString &start) = 0;
    // A colour (red in the lowest byte); -1 when the user cancels.
    virtual qint64 choose_colour(qint64 start) = 0;
    // The language dialog of the first start: the index of the chosen entry, -1 when closed.
    virtual int choose_language(const QStringList &names) = 0;
};

// Work without a user (the command line, benchmarks): every question is answered with no,
// cancel or nothing; messages are dropped unless a subclass keeps them.
class UnattendedPrompt : public UserPrompt
{
public:
    void message(const QString &, Icon) override {}
    bool ask_yes_no(const QString &, Icon) override { return false; }
    Answer ask_yes_no_cancel(const QString &, Icon) override { return Answer::Cancel; }
    std::optional<QString> ask_text(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString choose_open_file(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString choose_save_file(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString choose_folder(const QString &, const QString &) override { return {}; }
    qint64 choose_colour(qint64) override { return -1; }
    int choose_language(const QStringList &) override { return -1; }
};

} // namespace tandora

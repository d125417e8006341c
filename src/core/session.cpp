// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session.h"

#include "core/about.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "store/collection_ops.h"

namespace tandora {

Session::Session(const Texts &texts, const Catalogue &catalogue, const Clock &clock,
                 UserPrompt &prompt)
    : m_texts(texts)
    , m_catalogue(catalogue)
    , m_clock(clock)
    , m_prompt(prompt)
{
    reset_collection(m_collection, m_texts);
}

void Session::new_collection(const QString &path)
{
    reset_collection(m_collection, m_texts);
    m_path = path;
    m_modified = false;
}

LoadResult Session::load(const QString &path)
{
    LoadResult result = read_collection_file(path, m_collection, m_texts, m_catalogue, m_prompt);
    if (result.ok) {
        m_path = path;
        m_modified = false;
    }
    return result;
}

bool Session::save(const QString &path)
{
    if (!path.isEmpty())
        m_path = path;
    QString error;
    if (!write_collection_file(m_path, m_collection, m_clock, &error)) {
        m_modified = true;
        m_prompt.message(m_texts.text(u"warn_read_only") + u'\n' + m_path +
                             (error.isEmpty() ? QString() : QStringLiteral("\n") + error),
                         UserPrompt::Icon::Warning);
        return false;
    }
    m_modified = false;
    return true;
}

QString Session::window_title() const
{
    QString title = about_title();
    if (!m_path.isEmpty())
        title += QStringLiteral(" - ") + m_path;
    if (m_modified)
        title += QStringLiteral(" *");
    return title;
}

} // namespace tandora

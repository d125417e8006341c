// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language_files.h"

#include "core/text_file.h"
#include "core/texts.h"
#include "core/user_prompt.h"

#include <QByteArray>
#include <QFile>

namespace tandora {

namespace {

constexpr BuiltInLanguage languages[] = {
    {u"Deutsch", u"de", u":/lang/de.txt"},
    {u"English GB", u"en-gb", u":/lang/en-gb.txt"},
    {u"English US", u"en-us", u":/lang/en-us.txt"},
};

} // namespace

std::span<const BuiltInLanguage> built_in_languages()
{
    return languages;
}

int language_index(QStringView short_name)
{
    for (std::size_t i = 0; i < std::size(languages); ++i) {
        if (languages[i].short_name.compare(short_name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool write_language_file(int index, const QString &path)
{
    if (index < 0 || std::size_t(index) >= std::size(languages))
        return false;
    QFile resource(languages[index].resource.toString());
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = resource.readAll();
    // Written whole or not at all: a half-written language file would be kept and used.
    return atomic_write(path, bytes, {.durable = true, .private_file = false});
}

bool reset_language(const QString &language_file, const Texts &texts, UserPrompt &prompt)
{
    if (!prompt.ask_yes_no(texts.text(u"MID_SwapLang") + u'?', UserPrompt::Icon::Information))
        return false;
    const bool removed = QFile::remove(language_file) || !QFile::exists(language_file);
    prompt.message(texts.text(u"txt_restart"), UserPrompt::Icon::Information);
    return removed;
}

} // namespace tandora

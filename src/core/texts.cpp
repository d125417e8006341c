// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"

#include <QFile>
#include <QStringList>

namespace tandora {

namespace {

QStringView strip_key_mark(QStringView key)
{
    return key.startsWith(u'#') ? key.mid(1) : key;
}

// Only blanks are stripped; tabs stay part of the text.
QStringView strip_blanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

} // namespace

bool Texts::load_file(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    load(file.readAll());
    return true;
}

void Texts::load(QByteArrayView utf8)
{
    // A byte-order mark left by an editor must not become part of the first key.
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8 = utf8.sliced(3);
    const QString all = QString::fromUtf8(utf8);
    QStringView rest(all);
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u'\n' && rest[end] != u'\r')
            ++end;
        const QStringView line = strip_blanks(rest.left(end));
        qsizetype next = end;
        if (next < rest.size() && rest[next] == u'\r' && next + 1 < rest.size() &&
            rest[next + 1] == u'\n')
            ++next;
        rest = rest.mid(std::min(next + 1, rest.size()));

        if (line.isEmpty() || line.front() == u'#')
            continue;
        const qsizetype cut = line.indexOf(u'\u00A6');
        const QStringView key = strip_blanks(cut < 0 ? line : line.left(cut));
        if (key.isEmpty())
            continue;
        QStringView text;
        if (cut >= 0) {
            text = line.mid(cut + 1);
            const qsizetype second = text.indexOf(u'\u00A6');
            if (second >= 0)
                text = text.left(second);
            text = strip_blanks(text);
        }
        m_map[key.toString()] = mylabels{text.toString(), 0};
    }
    expand_references();
}

// References are resolved one level deep against a copy taken before any replacement.
void Texts::expand_references()
{
    QHash<QString, mylabels> copy = m_map;
    for (auto it = m_map.begin(); it != m_map.end(); ++it) {
        if (!it->str.contains(u'\u00A7'))
            continue;
        const QStringList pieces = it->str.split(u'\u00A7');
        QString joined;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i % 2 == 0) {
                joined += pieces[i];
                continue;
            }
            mylabels &ref = copy[pieces[i]];
            ref.use = 1;
            joined += ref.str;
        }
        it->str = joined;
    }
    for (auto it = copy.cbegin(); it != copy.cend(); ++it) {
        if (it->use == 1)
            m_map[it.key()].use = 1;
    }
}

QString Texts::text(QStringView key) const
{
    const QStringView bare = strip_key_mark(key);
    const auto it = m_map.constFind(bare.toString());
    if (it == m_map.cend())
        return u'?' + bare.toString();
    it->use = 1;
    return it->str;
}

bool Texts::contains(QStringView key) const
{
    return m_map.contains(strip_key_mark(key).toString());
}

void Texts::set(const QString &key, const QString &text)
{
    m_map[strip_key_mark(key).toString()] = mylabels{text, 0};
}

const Texts &british_english_texts()
{
    static const Texts texts = [] {
        Texts t;
        t.load_file(QStringLiteral(":/lang/en-gb.txt"));
        return t;
    }();
    return texts;
}

} // namespace tandora

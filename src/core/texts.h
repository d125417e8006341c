// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

namespace tandora {

// The language texts: every user-visible text is looked up here by key. Keys may be given
// with their leading "#" ("#MID_Load"); it is dropped before the lookup.
class Texts final
{
public:
    struct mylabels
    {
        QString str;
        mutable qint64 use = 0; // set once the text has been looked up or referenced
    };

    // Adds the entries of a language file (key "¦" text per line) to the map and expands
    // the "§key§" references. False when the file cannot be opened.
    bool load_file(const QString &path);
    // The same from the file's bytes.
    void load(QByteArrayView utf8);

    // The text of the key; "?" followed by the key when it has none.
    QString text(QStringView key) const;
    bool contains(QStringView key) const;
    void set(const QString &key, const QString &text);
    qsizetype size() const { return m_map.size(); }
    const QHash<QString, mylabels> &entries() const { return m_map; }

private:
    void expand_references();

    QHash<QString, mylabels> m_map;
};

// The built-in British English texts, the defaults of the command-line tool and of a new
// collection when no language file is at hand.
const Texts &british_english_texts();

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tandora {

// One key line of a group: the key as first spelled in the file and its final value.
struct IniEntry
{
    QString key;
    QString value;
};

// An INI-style preferences file (settings, currency table, service endpoints) held in memory.
// Group and key names compare without regard to letter case; a key is found only inside its
// group; a later key of the same name wins and a group that appears twice is merged. Lines
// before the first group belong to the group with the empty name.
class IniFile final
{
public:
    // Parses UTF-8 text; an optional byte-order mark and LF, CR LF or lone CR line ends.
    static IniFile parse(QByteArrayView bytes);
    // A missing, unreadable or non-regular file reads as empty: every getter gives its default.
    static IniFile load(const QString &path);

    bool has_group(QAnyStringView group) const;
    // True also for a key present with an empty value.
    bool contains(QAnyStringView group, QAnyStringView key) const;

    // The value, or fallback when the group or key is missing.
    QString text(QAnyStringView group, QAnyStringView key, const QString &fallback = {}) const;
    // The leading whole number of the value; a value that is not a number reads as 0.
    int integer(QAnyStringView group, QAnyStringView key, int fallback = 0) const;
    // The leading decimal number (point as decimal mark) of the value; otherwise 0.
    double real(QAnyStringView group, QAnyStringView key, double fallback = 0) const;

    // The groups in file order, as first spelled.
    QStringList groups() const;
    // The keys of a group in the order of their first line, each with its final value.
    QList<IniEntry> entries(QAnyStringView group) const;

private:
    struct Group
    {
        QString name;
        QList<IniEntry> entries;
        QHash<QString, qsizetype> index; // case-folded key -> position in entries
    };

    const Group *find_group(QAnyStringView group) const;
    const QString *find(QAnyStringView group, QAnyStringView key) const;

    QList<Group> m_groups;
    QHash<QString, qsizetype> m_group_index; // case-folded name -> position in m_groups
};

// Composes an INI-style file line by line: UTF-8, LF line ends, no byte-order mark.
class IniWriter final
{
public:
    // ";", a blank and the text; ";" alone for an empty text.
    void add_comment(QAnyStringView text);
    void add_group(QAnyStringView name);
    // key, " = " and the value.
    void add_text(QAnyStringView key, QAnyStringView value);
    void add_integer(QAnyStringView key, qint64 value);
    void add_real(QAnyStringView key, double value);

    const QByteArray &bytes() const { return m_bytes; }

private:
    void add_line(const QString &text);

    QByteArray m_bytes;
};

// The number readers and writer the INI file uses, locale independent.
// Leading blanks and tabs, an optional sign, then digits; stops at the first other character.
// No digits reads as 0; a number beyond the int range is clamped to it.
int parse_ini_integer(QStringView text);
// Leading blanks and tabs, an optional sign, then a decimal number with "." and an optional
// exponent. No number, or one beyond the double range, reads as 0.
double parse_ini_real(QStringView text);
// "%.64g": up to 64 significant digits, trailing zeros dropped (13, 12.5).
QByteArray format_ini_real(double value);

} // namespace tandora

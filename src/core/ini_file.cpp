// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ini_file.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace tandora {

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && is_blank(text[begin]))
        ++begin;
    while (end > begin && is_blank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString decoded(QByteArrayView text)
{
    return QString::fromUtf8(text);
}

QString folded(QAnyStringView name)
{
    return name.toString().toCaseFolded();
}

// The position after the blanks and tabs at the start of text, then after one sign.
qsizetype skip_blanks_and_sign(QStringView text, bool *negative)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    *negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        *negative = text[i] == u'-';
        ++i;
    }
    return i;
}

bool is_digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

IniFile IniFile::parse(QByteArrayView bytes)
{
    IniFile ini;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    qsizetype current = -1; // no group line seen yet
    auto open_group = [&ini](const QString &name) {
        const QString key = name.toCaseFolded();
        const auto it = ini.m_group_index.constFind(key);
        if (it != ini.m_group_index.cend())
            return *it;
        ini.m_groups.append(Group{name, {}, {}});
        const qsizetype position = ini.m_groups.size() - 1;
        ini.m_group_index.insert(key, position);
        return position;
    };

    qsizetype pos = 0;
    const qsizetype size = bytes.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        QByteArrayView line = bytes.sliced(pos, end - pos);
        // CR LF ends a line and leaves an empty one, which is skipped like any other.
        pos = end + 1;

        qsizetype first = 0;
        while (first < line.size() && is_blank(line[first]))
            ++first;
        line = line.sliced(first);
        if (line.isEmpty() || line.front() == ';')
            continue;

        if (line.front() == '[') {
            // Text after the closing bracket is ignored; a line without one is no group line.
            const qsizetype close = line.indexOf(']');
            if (close > 0)
                current = open_group(decoded(trimmed(line.sliced(1, close - 1))));
            continue;
        }

        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArrayView key_bytes = trimmed(line.first(equals));
        if (key_bytes.isEmpty())
            continue;
        if (current < 0)
            current = open_group(QString());

        const QString key = decoded(key_bytes);
        QString value = decoded(trimmed(line.sliced(equals + 1)));
        Group &group = ini.m_groups[current];
        const QString folded_key = key.toCaseFolded();
        const auto it = group.index.constFind(folded_key);
        if (it != group.index.cend()) {
            group.entries[*it].value = std::move(value);
        } else {
            group.index.insert(folded_key, group.entries.size());
            group.entries.append(IniEntry{key, std::move(value)});
        }
    }
    return ini;
}

IniFile IniFile::load(const QString &path)
{
    // Only regular files: a device or a fifo could feed the reader without end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

const IniFile::Group *IniFile::find_group(QAnyStringView group) const
{
    const auto it = m_group_index.constFind(folded(group));
    return it == m_group_index.cend() ? nullptr : &m_groups[*it];
}

const QString *IniFile::find(QAnyStringView group, QAnyStringView key) const
{
    const Group *g = find_group(group);
    if (!g)
        return nullptr;
    const auto it = g->index.constFind(folded(key));
    return it == g->index.cend() ? nullptr : &g->entries[*it].value;
}

bool IniFile::has_group(QAnyStringView group) const
{
    return find_group(group) != nullptr;
}

bool IniFile::contains(QAnyStringView group, QAnyStringView key) const
{
    return find(group, key) != nullptr;
}

QString IniFile::text(QAnyStringView group, QAnyStringView key, const QString &fallback) const
{
    const QString *value = find(group, key);
    return value ? *value : fallback;
}

int IniFile::integer(QAnyStringView group, QAnyStringView key, int fallback) const
{
    const QString *value = find(group, key);
    return value ? parse_ini_integer(*value) : fallback;
}

double IniFile::real(QAnyStringView group, QAnyStringView key, double fallback) const
{
    const QString *value = find(group, key);
    return value ? parse_ini_real(*value) : fallback;
}

QStringList IniFile::groups() const
{
    QStringList names;
    names.reserve(m_groups.size());
    for (const Group &group : m_groups)
        names.append(group.name);
    return names;
}

QList<IniEntry> IniFile::entries(QAnyStringView group) const
{
    const Group *g = find_group(group);
    return g ? g->entries : QList<IniEntry>();
}

void IniWriter::add_line(const QString &text)
{
    QByteArray line = text.toUtf8();
    // A line break inside a value would split it and break the file's shape.
    line.replace('\r', ' ').replace('\n', ' ');
    m_bytes += line;
    m_bytes += '\n';
}

void IniWriter::add_comment(QAnyStringView text)
{
    if (text.isEmpty())
        add_line(QStringLiteral(";"));
    else
        add_line(QStringLiteral("; ") + text.toString());
}

void IniWriter::add_group(QAnyStringView name)
{
    add_line(QLatin1Char('[') + name.toString() + QLatin1Char(']'));
}

void IniWriter::add_text(QAnyStringView key, QAnyStringView value)
{
    add_line(key.toString() + QLatin1String(" = ") + value.toString());
}

void IniWriter::add_integer(QAnyStringView key, qint64 value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    add_text(key, QLatin1String(buffer, result.ptr - buffer));
}

void IniWriter::add_real(QAnyStringView key, double value)
{
    add_text(key, QLatin1String(format_ini_real(value)));
}

int parse_ini_integer(QStringView text)
{
    bool negative = false;
    qsizetype i = skip_blanks_and_sign(text, &negative);
    // Accumulate towards the sign so INT_MIN is reachable; clamp instead of overflowing.
    long long value = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        const int digit = text[i].unicode() - u'0';
        value = value * 10 + (negative ? -digit : digit);
        if (value > INT_MAX)
            return INT_MAX;
        if (value < INT_MIN)
            return INT_MIN;
    }
    return int(value);
}

double parse_ini_real(QStringView text)
{
    bool negative = false;
    qsizetype i = skip_blanks_and_sign(text, &negative);
    // from_chars takes neither a sign of "+" nor UTF-16: copy the run of number characters.
    // Letters other than an exponent mark end the run, so "inf" and "nan" read as 0.
    std::string number;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!(is_digit(text[i]) || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-'))
            break;
        number.push_back(char(c));
    }
    if (number.empty() || !(is_digit(QChar(number[0])) || number[0] == '.'))
        return 0;
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

QByteArray format_ini_real(double value)
{
    // 64 significant digits in fixed form need at most 64 digits, sign, point and "0.000".
    char buffer[128];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 64);
    if (result.ec != std::errc())
        return QByteArrayLiteral("0");
    return QByteArray(buffer, result.ptr - buffer);
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tandora {

void append_json_double(std::string &out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    if (value == 0 && std::signbit(value)) {
        // "-0" would read back as the integer 0; the fraction keeps the sign of zero.
        out += "-0.0";
        return;
    }
    char buf[32];
    // Whole numbers below 2^53 print the same as "%.16g" does, only faster.
    if (value == std::trunc(value) && std::fabs(value) < 9007199254740992.0) {
        const auto res = std::to_chars(buf, buf + sizeof buf, qint64(value));
        out.append(buf, res.ptr);
        return;
    }
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 16);
    out.append(buf, res.ptr);
}

namespace {

void append_integer(std::string &out, qint64 value)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void append_utf8(std::string &out, char32_t c)
{
    if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

void append_json_string(std::string &out, QStringView text)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p < end) {
        const char16_t c = *p++;
        if (c >= 0x20 && c < 0x80) {
            if (c == u'"' || c == u'\\')
                out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            switch (c) {
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            case u'\b':
                out += "\\b";
                break;
            case u'\f':
                out += "\\f";
                break;
            default:
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            }
        } else if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p)) {
            append_utf8(out, QChar::surrogateToUcs4(c, *p++));
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate has no UTF-8 form; writing it would make the file unreadable.
            append_utf8(out, 0xFFFD);
        } else {
            append_utf8(out, c);
        }
    }
    out += '"';
}

namespace {

class Writer
{
public:
    Writer(std::string &out, JsonLayout layout, const JsonSink *sink)
        : m_out(out)
        , m_indented(layout == JsonLayout::Indented)
        , m_sink(sink)
    {
    }

    bool failed() const { return m_failed; }

    void record(const RecordTable &table, const void *rec)
    {
        if (table.fields.empty()) {
            m_out += "{}";
            return;
        }
        const std::vector<std::string> &names =
            m_indented ? table.indented_names : table.compact_names;
        m_out += '{';
        ++m_depth;
        for (size_t i = 0; i < table.fields.size(); ++i) {
            element(i == 0);
            m_out += names[i];
            value(table.fields[i], rec);
        }
        close('}');
    }

    void flush()
    {
        if (m_sink && !m_failed && !m_out.empty()) {
            m_failed = !(*m_sink)(m_out);
            m_out.clear();
        }
    }

private:
    static constexpr size_t flush_size = 1 << 20;

    void newline()
    {
        static const std::string indent = '\n' + std::string(256, ' ');
        if (m_indented)
            m_out.append(indent, 0, std::min(indent.size(), size_t(1 + 2 * m_depth)));
    }

    void close(char bracket)
    {
        --m_depth;
        newline();
        m_out += bracket;
    }

    void element(bool first)
    {
        if (!first)
            m_out += ',';
        newline();
    }

    void value(const FieldDesc &f, const void *rec)
    {
        // The tables only hand out pointers into records; writing never changes them.
        void *p = f.ref ? f.ref(const_cast<void *>(rec)) : nullptr;
        switch (f.kind) {
        case FieldKind::Integer:
            append_integer(m_out, f.scratch ? 0 : *static_cast<const qint64 *>(p));
            break;
        case FieldKind::Double:
            append_json_double(m_out, f.scratch ? 0.0 : *static_cast<const double *>(p));
            break;
        case FieldKind::String:
            if (f.scratch)
                m_out += "\"\"";
            else
                append_json_string(m_out, *static_cast<const QString *>(p));
            break;
        case FieldKind::StringList:
            string_list(f.scratch ? QStringList() : *static_cast<const QStringList *>(p));
            break;
        case FieldKind::DoubleMap:
            double_map(*static_cast<const QMap<QString, double> *>(p));
            break;
        case FieldKind::Record:
            record(f.sub(), p);
            break;
        case FieldKind::RecordList:
            record_list(f, p);
            break;
        case FieldKind::FirstOf:
            m_out += '[';
            ++m_depth;
            element(true);
            record(f.sub(), p);
            close(']');
            break;
        case FieldKind::Link:
            m_out += '0';
            break;
        }
    }

    void string_list(const QStringList &list)
    {
        if (list.isEmpty()) {
            m_out += "[]";
            return;
        }
        m_out += '[';
        ++m_depth;
        for (qsizetype i = 0; i < list.size(); ++i) {
            element(i == 0);
            append_json_string(m_out, list[i]);
        }
        close(']');
    }

    void double_map(const QMap<QString, double> &map)
    {
        if (map.isEmpty()) {
            m_out += "{}";
            return;
        }
        qsizetype width = 0;
        if (m_indented) {
            for (auto it = map.keyBegin(); it != map.keyEnd(); ++it)
                width = std::max(width, it->toUtf8().size());
        }
        m_out += '{';
        ++m_depth;
        bool first = true;
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            element(first);
            first = false;
            const size_t start = m_out.size();
            append_json_string(m_out, it.key());
            if (m_indented) {
                // Align on the UTF-8 length of the key as written, quotes and escapes included.
                const size_t written = m_out.size() - start;
                const size_t target = size_t(width) + 2;
                if (written < target)
                    m_out.append(target - written, ' ');
                m_out += ": ";
            } else {
                m_out += ':';
            }
            append_json_double(m_out, it.value());
        }
        close('}');
    }

    void record_list(const FieldDesc &f, void *list)
    {
        const size_t n = f.list->size(list);
        if (n == 0) {
            m_out += "[]";
            return;
        }
        m_out += '[';
        ++m_depth;
        for (size_t i = 0; i < n && !m_failed; ++i) {
            element(i == 0);
            record(f.sub(), f.list->at(list, i));
            if (m_out.size() >= flush_size)
                flush();
        }
        close(']');
    }

    std::string &m_out;
    bool m_indented;
    const JsonSink *m_sink;
    bool m_failed = false;
    int m_depth = 0;
};

} // namespace

bool write_json(const JsonSink &sink, const RecordTable &table, const void *record,
                JsonLayout layout)
{
    std::string buffer;
    buffer.reserve(2 << 20);
    Writer writer(buffer, layout, &sink);
    writer.record(table, record);
    writer.flush();
    return !writer.failed();
}

void write_json(std::string &out, const RecordTable &table, const void *record, JsonLayout layout)
{
    Writer(out, layout, nullptr).record(table, record);
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/json_reader.h"

#include <QFile>

#include <simdjson.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <sys/mman.h>

namespace tandora {

using namespace simdjson;

namespace {

// The text with simdjson's padding after it. Large buffers ask for huge pages: touching a big
// collection file's memory page by page for the first time costs more than reading it.
class TextBuffer
{
public:
    TextBuffer() = default;
    TextBuffer(const TextBuffer &) = delete;
    TextBuffer &operator=(const TextBuffer &) = delete;
    ~TextBuffer() { release(); }

    char *data() { return m_data; }
    const char *data() const { return m_data; }

    // Room for size bytes and the padding; the content is not kept.
    bool reserve(size_t size)
    {
        const size_t needed = size + SIMDJSON_PADDING;
        if (needed <= m_capacity && needed * 4 >= m_capacity)
            return true;
        release();
        if (needed < huge_page) {
            m_data = new (std::nothrow) char[needed];
            m_capacity = m_data ? needed : 0;
            return m_data != nullptr;
        }
        const size_t rounded = (needed + huge_page - 1) / huge_page * huge_page;
        void *p =
            ::mmap(nullptr, rounded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            return false;
        ::madvise(p, rounded, MADV_HUGEPAGE);
        m_data = static_cast<char *>(p);
        m_capacity = rounded;
        m_mapped = true;
        return true;
    }

private:
    static constexpr size_t huge_page = size_t(2) << 20;

    void release()
    {
        if (m_mapped)
            ::munmap(m_data, m_capacity);
        else
            delete[] m_data;
        m_data = nullptr;
        m_capacity = 0;
        m_mapped = false;
    }

    char *m_data = nullptr;
    size_t m_capacity = 0;
    bool m_mapped = false;
};

} // namespace

struct JsonDocument::Impl
{
    dom::parser parser;
    TextBuffer text;
    dom::element root;
    size_t length = 0;
    bool valid = false;

    bool parse(size_t text_length)
    {
        length = text_length;
        valid = parser.parse(text.data(), text_length, false).get(root) == SUCCESS;
        return valid;
    }
};

namespace {

// simdjson's DOM parser addresses at most 4 GiB; larger files are not collections.
constexpr qint64 max_text_size = qint64(std::numeric_limits<uint32_t>::max()) - SIMDJSON_PADDING;

QString to_qstring(std::string_view s)
{
    return s.empty() ? QString() : QString::fromUtf8(s.data(), qsizetype(s.size()));
}

bool read_integer(dom::element e, qint64 *out)
{
    switch (e.type()) {
    case dom::element_type::INT64:
        *out = int64_t(e);
        return true;
    case dom::element_type::BOOL:
        *out = bool(e) ? 1 : 0;
        return true;
    case dom::element_type::DOUBLE: {
        const double d = double(e);
        // A whole number written with a fraction or exponent; anything beyond 64 bits stays 0.
        if (std::isfinite(d) && d >= -9.2233720368547758e18 && d < 9.2233720368547758e18) {
            *out = qint64(d);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool read_double(dom::element e, double *out)
{
    switch (e.type()) {
    case dom::element_type::INT64:
        *out = double(int64_t(e));
        return true;
    case dom::element_type::UINT64:
        *out = double(uint64_t(e));
        return true;
    case dom::element_type::DOUBLE:
        *out = double(e);
        return true;
    default:
        return false;
    }
}

void fill_record(dom::object obj, const RecordTable &table, void *record);

void fill_field(const FieldDesc &f, dom::element e, void *record)
{
    if (f.kind == FieldKind::Link)
        return;
    void *p = f.ref(record);
    switch (f.kind) {
    case FieldKind::Integer: {
        qint64 v = 0;
        read_integer(e, &v);
        *static_cast<qint64 *>(p) = v;
        break;
    }
    case FieldKind::Double: {
        double v = 0;
        read_double(e, &v);
        *static_cast<double *>(p) = v;
        break;
    }
    case FieldKind::String: {
        std::string_view s;
        *static_cast<QString *>(p) = e.get(s) == SUCCESS ? to_qstring(s) : QString();
        break;
    }
    case FieldKind::StringList: {
        auto &list = *static_cast<QStringList *>(p);
        list.clear();
        dom::array arr;
        if (e.get(arr) != SUCCESS)
            break;
        list.reserve(qsizetype(arr.size()));
        for (dom::element item : arr) {
            std::string_view s;
            if (item.get(s) == SUCCESS)
                list.append(to_qstring(s));
        }
        break;
    }
    case FieldKind::DoubleMap: {
        auto &map = *static_cast<QMap<QString, double> *>(p);
        map.clear();
        dom::object obj;
        if (e.get(obj) != SUCCESS)
            break;
        for (dom::key_value_pair kv : obj) {
            double v = 0;
            if (read_double(kv.value, &v))
                map.insert(to_qstring(kv.key), v);
        }
        break;
    }
    case FieldKind::Record: {
        const RecordTable &sub = f.sub();
        sub.reset(p);
        dom::object obj;
        if (e.get(obj) == SUCCESS)
            fill_record(obj, sub, p);
        break;
    }
    case FieldKind::RecordList: {
        const RecordTable &sub = f.sub();
        f.list->clear(p);
        dom::array arr;
        if (e.get(arr) != SUCCESS)
            break;
        f.list->reserve(p, arr.size());
        for (dom::element item : arr) {
            dom::object obj;
            if (item.get(obj) == SUCCESS)
                fill_record(obj, sub, f.list->append(p));
        }
        break;
    }
    case FieldKind::FirstOf: {
        const RecordTable &sub = f.sub();
        sub.reset(p);
        dom::array arr;
        dom::object obj;
        if (e.get(arr) == SUCCESS && arr.size() > 0 && arr.at(0).get(obj) == SUCCESS)
            fill_record(obj, sub, p);
        break;
    }
    case FieldKind::Link:
        break;
    }
}

void fill_record(dom::object obj, const RecordTable &table, void *record)
{
    size_t hint = 0;
    for (dom::key_value_pair kv : obj) {
        const FieldDesc *f = table.find(kv.key, hint);
        if (!f)
            continue;
        hint = table.index_of(f) + 1;
        fill_field(*f, kv.value, record);
    }
}

} // namespace

JsonDocument::JsonDocument()
    : d(std::make_unique<Impl>())
{
}

JsonDocument::~JsonDocument() = default;

bool JsonDocument::load_file(const QString &path)
{
    d->valid = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size <= 0 || size > max_text_size) // an empty text is not JSON either
        return false;
    if (!d->text.reserve(size_t(size)))
        return false;
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(d->text.data() + done, size - done);
        if (n <= 0)
            return false;
        done += n;
    }
    if (file.read(1).size() != 0) // the file grew while it was read
        return false;
    std::memset(d->text.data() + size, 0, SIMDJSON_PADDING);
    return d->parse(size_t(size));
}

bool JsonDocument::parse(QByteArrayView text)
{
    d->valid = false;
    if (text.isEmpty() || text.size() > max_text_size || !d->text.reserve(size_t(text.size())))
        return false;
    std::memcpy(d->text.data(), text.data(), size_t(text.size()));
    std::memset(d->text.data() + text.size(), 0, SIMDJSON_PADDING);
    return d->parse(size_t(text.size()));
}

qsizetype JsonDocument::size() const
{
    return qsizetype(d->length);
}

bool JsonDocument::is_object() const
{
    return d->valid && d->root.is_object();
}

QString JsonDocument::string_member(std::string_view name) const
{
    dom::object obj;
    if (!d->valid || d->root.get(obj) != SUCCESS)
        return {};
    std::string_view s;
    if (obj.at_key(name).get(s) != SUCCESS)
        return {};
    return to_qstring(s);
}

void JsonDocument::fill(const RecordTable &table, void *record) const
{
    table.reset(record);
    dom::object obj;
    if (d->valid && d->root.get(obj) == SUCCESS)
        fill_record(obj, table, record);
}

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Load and save of a 50,000-set collection file against their baselines: reading the bytes
// and parsing them with a bare simdjson parser, and writing the bytes with plain
// open/write/close (with and without fsync). The pairs to compare: BM_Load/kept_document
// (a running program's load) with BM_BareReadParse, BM_Load (a new process's first load)
// with BM_BareReadParse/fresh, and BM_Save (which flushes to disk) with BM_BareWrite/fsync.
// Each should stay within twice its baseline. BM_LoadMemory reports what a loaded set
// occupies once the load is over.
#include "collection_generator.h"
#include "harness.h"

#include "core/clock.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "properties/catalogue.h"
#include "store/collection_file.h"
#include "store/json_reader.h"
#include "store/json_writer.h"
#include "store/record_tables.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <malloc.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace tandora;

namespace {

constexpr size_t set_count = 50000;

struct format_case
{
    const char *name;
    qint64 json_format;
};
constexpr format_case formats[] = {{"indented", 0}, {"compact", 1}};

// Iterations per case: enough to settle, few enough that the whole run stays well under two
// minutes on a two-core machine (a save of the indented file takes about half a second).
constexpr benchmark::IterationCount read_iterations = 20;
constexpr benchmark::IterationCount load_iterations = 8;
constexpr benchmark::IterationCount compose_iterations = 10;
constexpr benchmark::IterationCount write_iterations = 8;
constexpr benchmark::IterationCount durable_iterations = 5;

// The load must not need the user; any message means the file was not read as written.
class SilentPrompt final : public UnattendedPrompt
{
public:
    void message(const QString &, Icon) override { ++messages; }
    int messages = 0;
};

struct sample_file
{
    QString path;
    QByteArray native_path;
    std::string bytes; // the file's content, for the bare writes
};

struct Fixture
{
    std::optional<QTemporaryDir> folder;
    collection source;
    sample_file files[std::size(formats)];

    QString file_in_folder(const QString &name) const { return folder->filePath(name); }
};

Fixture *fixture = nullptr;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool read_bytes(const QByteArray &path, std::string &out)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    out.assign(all.constData(), size_t(all.size()));
    return true;
}

bool setup(Fixture &f)
{
    f.folder.emplace(bench::working_folder_template(QStringLiteral("file")));
    if (!f.folder->isValid()) {
        std::fprintf(stderr, "cannot create a working folder: %s\n",
                     qPrintable(f.folder->errorString()));
        return false;
    }
    f.source = bench::generate_collection(set_count);
    for (size_t i = 0; i < std::size(formats); ++i) {
        sample_file &s = f.files[i];
        s.path = f.file_in_folder(
            QStringLiteral("collection-%1.json").arg(QLatin1StringView(formats[i].name)));
        s.native_path = native(s.path);
        collection c = f.source;
        QString error;
        const qint64 size = bench::write_collection(s.path, c, formats[i].json_format, &error);
        if (size <= 0 || !read_bytes(s.native_path, s.bytes)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(s.path), qPrintable(error));
            return false;
        }
        benchmark::AddCustomContext(std::string("bytes_") + formats[i].name, std::to_string(size));
    }
    benchmark::AddCustomContext("sets", std::to_string(set_count));
    benchmark::AddCustomContext("folder", qPrintable(f.folder->path()));
    return true;
}

void count_bytes(benchmark::State &state, size_t bytes)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// Reads the whole file into a buffer with simdjson's padding after the text, reusing the
// buffer like the collection reader does.
bool read_file(const QByteArray &path, simdjson::padded_string &buffer, size_t *size)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st
    {
    };
    bool ok = ::fstat(fd, &st) == 0;
    const size_t length = ok ? size_t(st.st_size) : 0;
    if (ok && buffer.size() < length)
        buffer = simdjson::padded_string(length);
    size_t done = 0;
    while (ok && done < length) {
        const ssize_t n = ::read(fd, buffer.data() + done, length - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += size_t(n);
    }
    ::close(fd);
    *size = length;
    return ok;
}

bool write_file(const QByteArray &path, const std::string &bytes, bool sync)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const char *p = bytes.data();
    size_t left = bytes.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok) {
            p += n;
            left -= size_t(n);
        }
    }
    if (ok && sync)
        ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void bm_bare_read(benchmark::State &state, size_t format)
{
    const sample_file &file = fixture->files[format];
    simdjson::padded_string buffer;
    size_t size = 0;
    for (auto _ : state) {
        if (!read_file(file.native_path, buffer, &size)) {
            state.SkipWithError("cannot read the file");
            break;
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    count_bytes(state, size);
}

// With reuse, the buffer and the parser's memory are already in place, as when one parser
// reads many files. Fresh, every parse gets a new buffer and parser whose memory is touched for
// the first time, as for the one collection load at start-up.
template<bool fresh> void bm_bare_read_parse(benchmark::State &state, size_t format)
{
    const sample_file &file = fixture->files[format];
    std::optional<simdjson::padded_string> buffer(std::in_place);
    std::optional<simdjson::dom::parser> parser(std::in_place);
    size_t size = 0;
    for (auto _ : state) {
        simdjson::dom::element root;
        if (!read_file(file.native_path, *buffer, &size) ||
            parser->parse(buffer->data(), size, false).get(root) != simdjson::SUCCESS) {
            state.SkipWithError("cannot read or parse the file");
            break;
        }
        benchmark::DoNotOptimize(root);
        if (fresh) {
            state.PauseTiming();
            buffer.emplace();
            parser.emplace();
            state.ResumeTiming();
        }
    }
    count_bytes(state, size);
}

// The load as the program does it at start-up, with a new document. Kept, the document is
// reused as a reader of many files works: the text buffer and the parser's memory are in place;
// the collection is still built from scratch. (The session does not keep one for the
// collection file: a large file's parser memory would stay in use.)
template<bool kept> void bm_load(benchmark::State &state, size_t format)
{
    const sample_file &file = fixture->files[format];
    const Texts &texts = british_english_texts();
    const Catalogue catalogue(texts, [](int) { return QStringLiteral("£"); });
    SilentPrompt prompt;
    JsonDocument document;
    collection into;
    bool ok = !kept || document.load_file(file.path);
    for (auto _ : state) {
        ok = ok && read_collection_file(file.path, into, texts, catalogue, prompt,
                                        kept ? &document : nullptr)
                       .ok;
        if (!ok || prompt.messages != 0 || into.sets.size() != set_count) {
            state.SkipWithError("the file did not load as written");
            break;
        }
        // Freeing the loaded collection is not part of the load.
        state.PauseTiming();
        into = collection();
        state.ResumeTiming();
    }
    count_bytes(state, file.bytes.size());
}

// Resident memory of the loaded collection per set, after the load's own buffers are gone.
void bm_load_memory(benchmark::State &state, size_t format)
{
    const sample_file &file = fixture->files[format];
    const Texts &texts = british_english_texts();
    const Catalogue catalogue(texts, [](int) { return QStringLiteral("£"); });
    SilentPrompt prompt;
    double per_set = 0;
    for (auto _ : state) {
        ::malloc_trim(0);
        const size_t before = bench::resident_bytes();
        collection into;
        if (!read_collection_file(file.path, into, texts, catalogue, prompt).ok) {
            state.SkipWithError("the file did not load");
            break;
        }
        ::malloc_trim(0);
        per_set =
            double(bench::resident_bytes() - std::min(before, bench::resident_bytes())) / set_count;
    }
    state.counters["bytes_per_set"] = per_set;
}

void bm_compose(benchmark::State &state, size_t format)
{
    collection c = fixture->source;
    c.json_format = formats[format].json_format;
    size_t size = 0;
    for (auto _ : state) {
        const std::string text = collection_json(c);
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    count_bytes(state, size);
}

// The composition alone, into a buffer kept from the previous round: no new memory to touch.
void bm_compose_kept_buffer(benchmark::State &state, size_t format)
{
    const JsonLayout layout =
        formats[format].json_format == 0 ? JsonLayout::Indented : JsonLayout::Compact;
    std::string text;
    write_json(text, table_of<collection>(), &fixture->source, layout);
    for (auto _ : state) {
        text.clear();
        write_json(text, table_of<collection>(), &fixture->source, layout);
        benchmark::DoNotOptimize(text.data());
    }
    count_bytes(state, text.size());
}

template<qint64 backup_steps> void bm_save(benchmark::State &state, size_t format)
{
    collection c = fixture->source;
    c.json_format = formats[format].json_format;
    c.backup_steps = backup_steps;
    const QString path = fixture->file_in_folder(QStringLiteral("save-%1-%2.json")
                                                     .arg(QLatin1StringView(formats[format].name))
                                                     .arg(backup_steps));
    const FixedClock clock(bench::generated_save_time);
    // Saves over an existing file with its backups in place, as every save but the first does.
    bool ok = true;
    for (qint64 i = 0; ok && i <= backup_steps; ++i)
        ok = write_collection_file(path, c, clock);
    for (auto _ : state) {
        if (!ok || !write_collection_file(path, c, clock)) {
            state.SkipWithError("cannot save the collection");
            break;
        }
    }
    count_bytes(state, size_t(QFile(path).size()));
}

template<bool sync> void bm_bare_write(benchmark::State &state, size_t format)
{
    const sample_file &file = fixture->files[format];
    const QByteArray path =
        native(fixture->file_in_folder(QStringLiteral("write-%1-%2.json")
                                           .arg(QLatin1StringView(formats[format].name))
                                           .arg(int(sync))));
    // Overwrites an existing file, like the save replaces one.
    bool ok = write_file(path, file.bytes, sync);
    for (auto _ : state) {
        if (!ok || !write_file(path, file.bytes, sync)) {
            state.SkipWithError("cannot write the file");
            break;
        }
    }
    count_bytes(state, file.bytes.size());
}

void register_benchmarks()
{
    const auto ms = benchmark::kMillisecond;
    for (size_t i = 0; i < std::size(formats); ++i) {
        const std::string suffix = std::string("/") + formats[i].name;
        // The lambdas capture the index only: the fixture outlives every run.
        const auto add = [&](const std::string &name, auto run,
                             benchmark::IterationCount iterations, const std::string &tail = {}) {
            benchmark::RegisterBenchmark((name + suffix + tail).c_str(),
                                         [i, run](benchmark::State &s) { run(s, i); })
                ->Unit(ms)
                ->Iterations(iterations);
        };
        add("BM_BareRead", bm_bare_read, read_iterations);
        add("BM_BareReadParse", bm_bare_read_parse<false>, read_iterations);
        add("BM_BareReadParse", bm_bare_read_parse<true>, load_iterations, "/fresh");
        add("BM_Load", bm_load<false>, load_iterations);
        add("BM_Load", bm_load<true>, load_iterations, "/kept_document");
        add("BM_LoadMemory", bm_load_memory, 1);
        add("BM_Compose", bm_compose, compose_iterations);
        add("BM_Compose", bm_compose_kept_buffer, compose_iterations, "/kept_buffer");
        add("BM_BareWrite", bm_bare_write<false>, write_iterations);
        add("BM_BareWrite", bm_bare_write<true>, durable_iterations, "/fsync");
        add("BM_Save", bm_save<0>, durable_iterations, "/backups:0");
        add("BM_Save", bm_save<2>, durable_iterations, "/backups:2");
    }
}

} // namespace

int main(int argc, char **argv)
{
    return bench::run_with_fixture(argc, argv, fixture, setup, register_benchmarks);
}

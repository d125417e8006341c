// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Loading the set data cache of a 50,000-set collection (one ".set" file per set, about 2 KB
// each) against a bare loop that lists the same folder and reads the same files (open, fstat,
// read whole, close; no parsing). The pair to compare is BM_LoadCache/set with
// BM_BareListRead/set: the load should stay within 1.5 times the bare loop. The load reads
// with one thread per core; the /one_core variants bind the process to one core, so that the
// load reads on one thread. BM_LoadCache is a reload (F5, the end of a download job), /first
// the load into a new cache. BM_BareListRead/qt is the bare loop through QDirIterator and
// QFile, BM_BareListReadParse adds a bare simdjson parse. The ".mini" part has a folder of its
// own (minifigure lists of 20,000 sets). BM_CacheMemory reports what a cached file occupies
// once the load is over. Times are wall-clock; the CPU column counts all threads.
#include "collection_generator.h"
#include "harness.h"

#include "services/set_data_cache.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <malloc.h>
#include <optional>
#include <sched.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tandora;

namespace {

constexpr size_t set_count = 50000;
constexpr size_t mini_count = 20000;
constexpr benchmark::IterationCount iterations = 10;

struct cache_case
{
    const char *name;
    const char *extension;
};
constexpr cache_case cases[] = {{"set", ".set"}, {"mini", ".mini"}};

struct Fixture
{
    std::optional<QTemporaryDir> folder;
    collection sets;
    // Data folders, by case: one with the ".set" files, one with the ".mini" files.
    QString data_folders[std::size(cases)];
    QString cache_folders[std::size(cases)];
};

Fixture *fixture = nullptr;

bool setup(Fixture &f)
{
    f.folder.emplace(bench::working_folder_template(QStringLiteral("cache")));
    if (!f.folder->isValid()) {
        std::fprintf(stderr, "cannot create a working folder: %s\n",
                     qPrintable(f.folder->errorString()));
        return false;
    }
    f.sets = bench::generate_collection(set_count);
    // Every set of the collection has its file; the rest are sets that left the collection
    // while their data stayed, so that the folder holds set_count files.
    QStringList keys = bench::distinct_set_keys(f.sets);
    for (qint64 n = 9000000; size_t(keys.size()) < set_count; ++n)
        keys.append(QString::number(n) + QStringLiteral("-1"));
    qint64 bytes[std::size(cases)] = {};
    for (size_t i = 0; i < std::size(cases); ++i) {
        f.data_folders[i] = f.folder->filePath(QString::fromLatin1(cases[i].name)) + u'/';
        QDir().mkpath(f.data_folders[i]);
        SetDataCache cache;
        cache.set_up_folders(f.data_folders[i]);
        f.cache_folders[i] = cache.cache_folder();
        bytes[i] = i == 0 ? bench::write_set_files(f.cache_folders[i], keys)
                          : bench::write_mini_files(f.cache_folders[i], keys.first(mini_count));
        if (bytes[i] <= 0) {
            std::fprintf(stderr, "cannot write the cache files into %s\n",
                         qPrintable(f.cache_folders[i]));
            return false;
        }
    }
    // The files just written are flushed now rather than during the first measurements.
    ::sync();
    benchmark::AddCustomContext("set_files", std::to_string(set_count));
    benchmark::AddCustomContext("set_bytes", std::to_string(bytes[0]));
    benchmark::AddCustomContext("mini_files", std::to_string(mini_count));
    benchmark::AddCustomContext("mini_bytes", std::to_string(bytes[1]));
    benchmark::AddCustomContext("folder", qPrintable(f.folder->path()));
    return true;
}

void count_files(benchmark::State &state, size_t files, size_t bytes)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(files));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// Lists the folder and reads every file with the extension into a reused buffer, the least a
// load has to do. Calls use(buffer, size) for each file; returns the number of files.
template<typename Use>
size_t list_and_read(const QString &folder, std::string_view extension, std::string &buffer,
                     size_t *bytes, Use use)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    const int dir_fd = ::dirfd(dir);
    size_t files = 0;
    *bytes = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_type != DT_REG || !std::string_view(entry->d_name).ends_with(extension))
            continue;
        const int fd = ::openat(dir_fd, entry->d_name, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st
        {
        };
        size_t done = 0;
        if (::fstat(fd, &st) == 0 && st.st_size > 0) {
            const size_t size = size_t(st.st_size);
            if (buffer.size() < size + simdjson::SIMDJSON_PADDING)
                buffer.resize(size + simdjson::SIMDJSON_PADDING);
            while (done < size) {
                const ssize_t n = ::read(fd, buffer.data() + done, size - done);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                done += size_t(n);
            }
        }
        ::close(fd);
        if (done > 0) {
            use(buffer, done);
            ++files;
            *bytes += done;
        }
    }
    ::closedir(dir);
    return files;
}

void bm_bare_list_read(benchmark::State &state, size_t c)
{
    std::string buffer;
    size_t files = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        files = list_and_read(fixture->cache_folders[c], cases[c].extension, buffer, &bytes,
                              [](const std::string &b, size_t) { benchmark::DoNotOptimize(b); });
    }
    count_files(state, files, bytes);
}

void bm_bare_list_read_parse(benchmark::State &state, size_t c)
{
    std::string buffer;
    simdjson::dom::parser parser;
    size_t files = 0;
    size_t bytes = 0;
    bool ok = true;
    for (auto _ : state) {
        files = list_and_read(fixture->cache_folders[c], cases[c].extension, buffer, &bytes,
                              [&](const std::string &b, size_t size) {
                                  simdjson::dom::element root;
                                  ok = ok && parser.parse(b.data(), size, false).get(root) ==
                                                 simdjson::SUCCESS;
                                  benchmark::DoNotOptimize(root);
                              });
    }
    if (!ok)
        state.SkipWithError("a cache file is not JSON");
    count_files(state, files, bytes);
}

// The listing and reading the Qt way, for comparison.
void bm_bare_list_read_qt(benchmark::State &state, size_t c)
{
    const QString filter = QStringLiteral("*") + QLatin1StringView(cases[c].extension);
    size_t files = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        files = 0;
        bytes = 0;
        QDirIterator it(fixture->cache_folders[c], {filter}, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray all = file.readAll();
            benchmark::DoNotOptimize(all.data());
            ++files;
            bytes += size_t(all.size());
        }
    }
    count_files(state, files, bytes);
}

// A reload, as after a download job or F5: the records of the previous load are refilled.
// First, the load into a new cache, as at start-up; freeing the cache is not timed.
template<bool first> void bm_load_cache(benchmark::State &state, size_t c)
{
    collection sets = fixture->sets;
    std::optional<SetDataCache> cache(std::in_place);
    cache->set_up_folders(fixture->data_folders[c]);
    if (!first)
        cache->load_cache(sets);
    size_t files = 0;
    for (auto _ : state) {
        cache->load_cache(sets);
        files = c == 0 ? cache->bs_count() : cache->bl_count();
        if (first) {
            state.PauseTiming();
            cache.emplace();
            cache->set_up_folders(fixture->data_folders[c]);
            state.ResumeTiming();
        }
    }
    const size_t expected = c == 0 ? set_count : mini_count;
    if (files != expected)
        state.SkipWithError("not every cache file was loaded");
    count_files(state, files, 0);
}

// Runs a benchmark with the process bound to one core: the load then reads on one thread, the
// way a single-core machine does.
template<auto run> void on_one_core(benchmark::State &state, size_t c)
{
    cpu_set_t all;
    CPU_ZERO(&all);
    if (::sched_getaffinity(0, sizeof all, &all) != 0) {
        state.SkipWithError("cannot read the process's cores");
        return;
    }
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &all)) {
            CPU_SET(cpu, &one);
            break;
        }
    }
    ::sched_setaffinity(0, sizeof one, &one);
    run(state, c);
    ::sched_setaffinity(0, sizeof all, &all);
}

// Resident memory of the loaded cache per file, after the load's own buffers are gone.
void bm_cache_memory(benchmark::State &state, size_t c)
{
    collection sets = fixture->sets;
    double per_file = 0;
    for (auto _ : state) {
        ::malloc_trim(0);
        const size_t before = bench::resident_bytes();
        SetDataCache cache;
        cache.set_up_folders(fixture->data_folders[c]);
        cache.load_cache(sets);
        ::malloc_trim(0);
        const size_t files = c == 0 ? cache.bs_count() : cache.bl_count();
        per_file = double(bench::resident_bytes() - std::min(before, bench::resident_bytes())) /
                   double(files);
    }
    state.counters["bytes_per_file"] = per_file;
}

void register_benchmarks()
{
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string suffix = std::string("/") + cases[i].name;
        // Wall time is what the user waits for; the CPU column counts every thread.
        const auto add = [&](const std::string &name, auto run, benchmark::IterationCount n,
                             const std::string &tail = {}) {
            benchmark::RegisterBenchmark((name + suffix + tail).c_str(),
                                         [i, run](benchmark::State &s) { run(s, i); })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(n)
                ->UseRealTime()
                ->MeasureProcessCPUTime();
        };
        add("BM_BareListRead", bm_bare_list_read, iterations);
        add("BM_BareListRead", bm_bare_list_read_qt, iterations, "/qt");
        add("BM_BareListReadParse", bm_bare_list_read_parse, iterations);
        add("BM_LoadCache", bm_load_cache<false>, iterations);
        add("BM_LoadCache", bm_load_cache<true>, iterations, "/first");
        add("BM_BareListRead", on_one_core<bm_bare_list_read>, iterations, "/one_core");
        add("BM_LoadCache", on_one_core<bm_load_cache<false>>, iterations, "/one_core");
        add("BM_LoadCache", on_one_core<bm_load_cache<true>>, iterations, "/first/one_core");
        add("BM_CacheMemory", bm_cache_memory, 1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    return bench::run_with_fixture(argc, argv, fixture, setup, register_benchmarks);
}

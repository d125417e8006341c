// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/set_data_cache.h"

#include "core/clock.h"
#include "store/json_reader.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <span>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace tandora {

namespace {

enum class CacheFile : quint8 { SetData, Minifigs };

// The per-set files the cache reads, by extension; previews (".jpg") are loaded on demand.
struct cache_file_kind
{
    std::string_view extension;
    CacheFile kind;
};
constexpr cache_file_kind cache_file_kinds[] = {
    {".set", CacheFile::SetData},
    {".mini", CacheFile::Minifigs},
};

class DirHandle
{
public:
    explicit DirHandle(const QString &path)
        : m_dir(path.isEmpty() ? nullptr : ::opendir(QFile::encodeName(path).constData()))
    {
    }
    DirHandle(const DirHandle &) = delete;
    DirHandle &operator=(const DirHandle &) = delete;
    ~DirHandle()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    DIR *get() const { return m_dir; }

private:
    DIR *m_dir;
};

class FdHandle
{
public:
    explicit FdHandle(int fd)
        : m_fd(fd)
    {
    }
    FdHandle(const FdHandle &) = delete;
    FdHandle &operator=(const FdHandle &) = delete;
    ~FdHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The names of the cache files in one folder, by kind. Names are collected before any file is
// read so that the maps can be sized once.
struct listed_files
{
    std::vector<std::string> names[std::size(cache_file_kinds)];
};

// One pass over the folder for both kinds: with a preview beside most ".set" files, the folder
// holds several entries per set and each listing costs.
void list_cache_files(DIR *dir, listed_files &out)
{
    while (const dirent *entry = ::readdir(dir)) {
        // Links and file systems without entry types are checked once the file is open.
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        const std::string_view name(entry->d_name);
        for (size_t i = 0; i < std::size(cache_file_kinds); ++i) {
            if (name.ends_with(cache_file_kinds[i].extension)) {
                out.names[i].emplace_back(name);
                break;
            }
        }
    }
}

// Reads a whole regular file of the folder into buffer. False when it cannot be opened or
// read, is not a regular file, is empty or is too large to be a cache file. O_NONBLOCK keeps a
// FIFO under a cache file's name from blocking the open.
bool read_cache_file(int dir_fd, const char *name, std::vector<char> &buffer, size_t *length,
                     qint64 *mtime)
{
    const FdHandle fd(::openat(dir_fd, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return false;
    struct stat st
    {
    };
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 ||
        st.st_size > SetDataCache::max_file_size)
        return false;
    const size_t size = size_t(st.st_size);
    if (buffer.size() < size)
        buffer.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), buffer.data() + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) // shrunk while being read: what is there is the file
            break;
        done += size_t(n);
    }
    *length = done;
    *mtime = qint64(st.st_mtim.tv_sec);
    return done > 0;
}

// File times as wall-clock dates. The C library checks the time zone file on every local
// time conversion, which would cost more than reading a cache file; the files of one download
// job are written within minutes, so the offset is looked up once per hour of file times.
class FileDates
{
public:
    qint64 wall_clock(qint64 mtime)
    {
        if (mtime == 0)
            return -1;
        const qint64 hour = mtime >= 0 ? mtime / 3600 : (mtime - 3599) / 3600;
        const auto known = m_offsets.find(hour);
        if (known != m_offsets.end())
            return mtime + known->second;
        // One offset for the whole hour when it has no change of offset (no two changes fall
        // into one hour); otherwise this time is converted on its own.
        const qint64 start = hour * 3600;
        const qint64 offset = wall_clock_from_epoch(start) - start;
        if (wall_clock_from_epoch(start + 3599) - (start + 3599) != offset)
            return wall_clock_from_epoch(mtime);
        m_offsets.emplace(hour, offset);
        return mtime + offset;
    }

private:
    std::unordered_map<qint64, qint64> m_offsets;
};

// One file to read into its record. The records are created before any file is read, so that
// reading never changes a map and the files can be read by several threads at once.
struct load_job
{
    CacheFile kind;
    const char *native_name;
    QString name;
    qsizetype key_length;
    void *record; // database_bs or database_bl
    quint64 *loaded_in;
    qint64 mtime = 0; // of the file read; turned into a local date after the reading
};

// folder + name + extension in one allocation, without touching the folder's shared data
// (other threads build their paths from it at the same time).
QString joined_path(const QString &folder, QStringView name, QLatin1StringView extension = {})
{
    QString path;
    path.reserve(folder.size() + name.size() + extension.size());
    path.append(QStringView(folder)).append(name).append(extension);
    return path;
}

// Reads the files of the jobs that next hands out, each into its record; a record whose file
// cannot be read is left alone and not marked as loaded.
template<typename Next>
void read_jobs(std::span<load_job> jobs, Next next, int dir_fd, const QString &folder,
               quint64 generation)
{
    JsonDocument document; // one parser and buffer for all files of this thread
    std::vector<char> buffer;
    for (size_t i = next(); i < jobs.size(); i = next()) {
        load_job &job = jobs[i];
        size_t length = 0;
        if (!read_cache_file(dir_fd, job.native_name, buffer, &length, &job.mtime))
            continue;
        // Invalid JSON leaves the record's fields empty; the file still counts.
        document.parse(QByteArrayView(buffer.data(), qsizetype(length)));
        const QStringView key = QStringView(job.name).first(job.key_length);
        switch (job.kind) {
        case CacheFile::SetData: {
            auto &r = *static_cast<database_bs *>(job.record);
            r = database_bs(); // a record read before holds the file's previous content
            document.fill(r.database);
            r.path_xml = joined_path(folder, job.name);
            r.path_jpg = joined_path(folder, key, QLatin1StringView(".jpg"));
            split_tags(r.set().extendedData.tags, r.tags_norm, r.tags_figs);
            break;
        }
        case CacheFile::Minifigs: {
            auto &r = *static_cast<database_bl *>(job.record);
            r = database_bl();
            document.fill(r.minifigs);
            r.path_fig = joined_path(folder, job.name);
            r.figure_id = figure_ids(r.minifigs);
            break;
        }
        }
        *job.loaded_in = generation;
    }
}

// Reading a file costs a few system calls and the parse: with many files a second thread
// nearly halves the load. Small caches are read on the calling thread.
constexpr size_t files_per_thread = 2000;
constexpr size_t max_threads = 4;
constexpr size_t jobs_per_grab = 32;

void run_jobs(std::span<load_job> jobs, int dir_fd, const QString &folder, quint64 generation)
{
    // The cores this process may use, not those of the machine.
    const size_t cores = size_t(std::max(1, QThread::idealThreadCount()));
    const size_t threads =
        std::clamp<size_t>(std::min(cores, jobs.size() / files_per_thread), 1, max_threads);
    if (threads == 1) {
        size_t i = 0;
        const auto in_order = [&i] { return i++; };
        read_jobs(jobs, in_order, dir_fd, folder, generation);
        return;
    }
    // Handed out in small runs, so that a thread slowed down by other work takes fewer.
    std::atomic<size_t> next_run{0};
    const auto next = [&next_run, taken = size_t(0), end = size_t(0)]() mutable {
        if (taken == end) {
            taken = next_run.fetch_add(jobs_per_grab, std::memory_order_relaxed);
            end = taken + jobs_per_grab;
        }
        return taken++;
    };
    std::vector<std::thread> helpers;
    for (size_t t = 1; t < threads; ++t)
        helpers.emplace_back([&, next] { read_jobs(jobs, next, dir_fd, folder, generation); });
    read_jobs(jobs, next, dir_fd, folder, generation);
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace

SetDataCache::SetDataCache()
{
    m_bs.reserve(512);
    m_bl.reserve(512);
}

void SetDataCache::set_up_folders(const QString &data_folder)
{
    m_data_folder = data_folder;
    if (m_data_folder.isEmpty()) {
        // Without a data folder nothing is cached (and nothing is created in the working folder).
        m_cache_folder.clear();
        m_minifig_folder.clear();
        return;
    }
    if (!m_data_folder.endsWith(QLatin1Char('/')))
        m_data_folder += QLatin1Char('/');
    m_cache_folder = m_data_folder + QStringLiteral("brickset/");
    m_minifig_folder = m_data_folder + QStringLiteral("minifigs/");
    // One level only: a data folder that is gone (an unplugged drive) is not made up again.
    // mkdir leaves an existing file or folder of that name alone.
    const QDir root;
    root.mkdir(m_cache_folder);
    root.mkdir(m_minifig_folder);
}

void SetDataCache::load_cache(collection &c)
{
    ++m_generation;
    const DirHandle dir(m_cache_folder);
    listed_files files;
    if (dir.get())
        list_cache_files(dir.get(), files);

    // The records of files still there are refilled in place; new ones are added first, so
    // that reading the files leaves the maps alone.
    m_bs.reserve(std::max<size_t>(512, files.names[0].size()));
    m_bl.reserve(std::max<size_t>(512, files.names[1].size()));
    std::vector<load_job> jobs;
    jobs.reserve(files.names[0].size() + files.names[1].size());
    for (size_t i = 0; i < std::size(cache_file_kinds); ++i) {
        const CacheFile kind = cache_file_kinds[i].kind;
        const qsizetype extension_length = qsizetype(cache_file_kinds[i].extension.size());
        for (const std::string &native_name : files.names[i]) {
            QString name = QFile::decodeName(native_name.c_str());
            const qsizetype key_length = name.size() - extension_length;
            if (key_length < 0) // not UTF-8 that decodes back to the extension
                continue;
            QString key = name.first(key_length);
            void *record = nullptr;
            quint64 *loaded_in = nullptr;
            if (kind == CacheFile::SetData) {
                auto &entry = m_bs.try_emplace(std::move(key)).first->second;
                record = &entry.record;
                loaded_in = &entry.loaded_in;
            } else {
                auto &entry = m_bl.try_emplace(std::move(key)).first->second;
                record = &entry.record;
                loaded_in = &entry.loaded_in;
            }
            jobs.push_back(
                {kind, native_name.c_str(), std::move(name), key_length, record, loaded_in});
        }
    }
    if (dir.get())
        run_jobs(jobs, ::dirfd(dir.get()), m_cache_folder, m_generation);
    // Local time is the C library's business and is looked up on this thread only.
    FileDates dates;
    for (const load_job &job : jobs) {
        if (job.kind == CacheFile::SetData && *job.loaded_in == m_generation)
            static_cast<database_bs *>(job.record)->filedate = dates.wall_clock(job.mtime);
    }

    // Files that are gone or could not be read leave no record.
    const auto stale = [this](const auto &item) { return item.second.loaded_in != m_generation; };
    std::erase_if(m_bs, stale);
    std::erase_if(m_bl, stale);
    for (own_set &set : c.sets)
        attach_cache(set);
}

void SetDataCache::attach_cache(own_set &set) const
{
    const QString key = set_key(set);
    const database_bs *bs = find_bs(key);
    const database_bl *bl = find_bl(key);
    set.bs = bs ? bs : &empty_bs();
    set.bl = bl ? bl : &empty_bl();
}

const database_bs *SetDataCache::find_bs(const QString &key) const
{
    const auto it = m_bs.find(key);
    return it == m_bs.end() ? nullptr : &it->second.record;
}

const database_bl *SetDataCache::find_bl(const QString &key) const
{
    const auto it = m_bl.find(key);
    return it == m_bl.end() ? nullptr : &it->second.record;
}

const database_bs &SetDataCache::empty_bs()
{
    static const database_bs empty;
    return empty;
}

const database_bl &SetDataCache::empty_bl()
{
    static const database_bl empty;
    return empty;
}

void split_tags(const QStringList &tags, QStringList &norm, QStringList &figs)
{
    const QLatin1StringView figure_mark("|n");
    for (const QString &tag : tags) {
        if (tag.endsWith(figure_mark)) {
            // A bare "|n" names no character.
            if (tag.size() > figure_mark.size())
                figs.append(tag.chopped(figure_mark.size()));
        } else if (!tag.isEmpty()) {
            norm.append(tag);
        }
    }
}

QStringList figure_ids(minifig_list &list)
{
    std::stable_sort(list.figlist.begin(), list.figlist.end(),
                     [](const minifig &a, const minifig &b) { return a.number < b.number; });
    qint64 total = 0;
    for (const minifig &f : list.figlist)
        total = std::min(total + std::clamp<qint64>(f.quantity, 0, max_figure_ids), max_figure_ids);
    QStringList ids;
    ids.reserve(qsizetype(total));
    for (const minifig &f : list.figlist) {
        if (f.quantity <= 0)
            continue;
        const QString id = f.number.toUpper();
        for (qint64 n = f.quantity; n > 0 && ids.size() < total; --n)
            ids.append(id); // shared, not copied
    }
    return ids;
}

} // namespace tandora

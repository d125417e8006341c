// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file.h"

#include "core/clock.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace tandora {

namespace {

QString errno_text(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool write_all(int fd, const char *data, qsizetype size, int *err)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

void sync_folder(const QString &file)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(file).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PendingFile::~PendingFile()
{
    discard();
}

void PendingFile::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.isEmpty())
        ::unlink(QFile::encodeName(m_temp).constData());
    m_temp.clear();
}

bool PendingFile::fail(int err)
{
    m_error = errno_text(err);
    discard();
    return false;
}

bool PendingFile::begin(const QString &target, Options options)
{
    discard();
    m_target = QFileInfo(target).absoluteFilePath();
    m_durable = options.durable;
    m_error.clear();

    // Keep the permissions of the file being replaced; new files follow the umask.
    struct stat old_stat
    {
    };
    const QByteArray target_name = QFile::encodeName(m_target);
    const bool replacing = ::stat(target_name.constData(), &old_stat) == 0;
    const mode_t mode = options.private_file ? 0600 : replacing ? (old_stat.st_mode & 07777) : 0666;

    const QFileInfo info(m_target);
    int err = 0;
    for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
        const QString temp = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".tmp-") +
                             QString::number(QRandomGenerator::global()->generate(), 16);
        m_fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      mode);
        if (m_fd >= 0)
            m_temp = temp;
        else if ((err = errno) != EEXIST)
            break;
    }
    if (m_fd < 0)
        return fail(err);
    if (replacing || options.private_file)
        ::fchmod(m_fd, mode);
    return true;
}

bool PendingFile::append(QByteArrayView bytes)
{
    if (m_fd < 0)
        return false;
    int err = 0;
    return write_all(m_fd, bytes.data(), bytes.size(), &err) || fail(err);
}

bool PendingFile::finish()
{
    if (m_fd < 0)
        return false;
    if (m_durable && ::fsync(m_fd) != 0)
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 || fail(errno);
}

bool PendingFile::write(const QString &target, QByteArrayView bytes, Options options)
{
    return begin(target, options) && append(bytes) && finish();
}

bool PendingFile::commit(const QString &keep_old_as)
{
    if (m_temp.isEmpty() || m_fd >= 0)
        return false;
    const QByteArray temp = QFile::encodeName(m_temp);
    const QByteArray target = QFile::encodeName(m_target);
    if (!keep_old_as.isEmpty() && ::access(target.constData(), F_OK) == 0) {
        const QByteArray kept = QFile::encodeName(keep_old_as);
        if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(),
                        RENAME_EXCHANGE) == 0) {
            // The temporary name now holds the old file.
            ::rename(temp.constData(), kept.constData());
            m_temp.clear();
            if (m_durable)
                sync_folder(m_target);
            return true;
        }
        ::rename(target.constData(), kept.constData());
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        m_error = errno_text(errno);
        discard();
        return false;
    }
    m_temp.clear();
    if (m_durable)
        sync_folder(m_target);
    return true;
}

bool atomic_write(const QString &path, QByteArrayView bytes, PendingFile::Options options,
                  QString *error)
{
    PendingFile file;
    const bool ok = file.write(path, bytes, options) && file.commit();
    if (!ok && error)
        *error = file.error();
    return ok;
}

qint64 write_text_file(const QString &path, const QString &text, qint64 date)
{
    atomic_write(path, text.toUtf8(), {.durable = false, .private_file = false});
    if (date != 0) {
        const qint64 epoch = epoch_from_wall_clock(date);
        const struct timeval times[2] = {{time_t(epoch), 0}, {time_t(epoch), 0}};
        ::utimes(QFile::encodeName(path).constData(), times);
    }
    return file_size(path);
}

qint64 file_size(const QString &path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return st.st_size;
}

} // namespace tandora

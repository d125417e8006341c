// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tandora {

// A file written beside its target under a temporary name and renamed over the target only
// when every byte is on disk, so a crash, a full disk or a killed process never leaves a
// truncated file behind. Destroying an uncommitted PendingFile removes the temporary file.
class PendingFile final
{
public:
    struct Options
    {
        bool durable = true;       // flush file and folder to the disk
        bool private_file = false; // readable by the user only (log files)
    };

    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // Writes the bytes to the temporary file; false (with error()) when that fails.
    bool write(const QString &target, QByteArrayView bytes, Options options);
    // The same in pieces: begin, append as often as needed, finish. After a failure the
    // temporary file is gone and every further step returns false.
    bool begin(const QString &target, Options options);
    bool append(QByteArrayView bytes);
    bool finish();
    // Renames the temporary file over the target. With keep_old_as, the file being replaced
    // is kept under that name; the target never goes missing where the file system can swap
    // two names at once.
    bool commit(const QString &keep_old_as = QString());
    QString error() const { return m_error; }

private:
    void discard();
    bool fail(int err);

    QString m_target;
    QString m_temp;
    QString m_error;
    int m_fd = -1;
    bool m_durable = true;
};

// Writes the bytes to path through a PendingFile; false with a reason in *error on failure.
bool atomic_write(const QString &path, QByteArrayView bytes, PendingFile::Options options,
                  QString *error = nullptr);

// Writes text as UTF-8 without byte-order mark, replacing any file at path. A date other than
// 0 (wall-clock seconds) becomes the file's modification time. Returns the resulting file
// size, or -1 when the file does not exist afterwards.
qint64 write_text_file(const QString &path, const QString &text, qint64 date = 0);

// Size of a file in bytes, -1 when it does not exist or is not a regular file.
qint64 file_size(const QString &path);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/request_log.h"

#include "core/text_file.h"

#include <QDateTime>
#include <QMutexLocker>
#include <QTimeZone>

namespace tandora {

void RequestLog::append(const QStringList &lines)
{
    const QMutexLocker locker(&m_mutex);
    m_lines.append(lines);
}

QStringList RequestLog::lines() const
{
    const QMutexLocker locker(&m_mutex);
    return m_lines;
}

bool RequestLog::isEmpty() const
{
    const QMutexLocker locker(&m_mutex);
    return m_lines.isEmpty();
}

QString write_log(const RequestLog &log, const QString &log_folder, const QString &name)
{
    const QString path = log_folder + name + QStringLiteral(".log");
    const QString text = log.lines().join(QStringLiteral("\r\n"));
    // Entries may carry request addresses and answers; other users of the machine must not
    // read them from the shared temporary folder.
    if (!text.isEmpty())
        atomic_write(path, text.toUtf8(), {.durable = false, .private_file = true});
    return path;
}

QString exit_log_name(qint64 now)
{
    // Wall-clock seconds count local time as if it were UTC.
    const QDateTime date = QDateTime::fromSecsSinceEpoch(now, QTimeZone::utc());
    return QStringLiteral("Tandora_") + date.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}

} // namespace tandora

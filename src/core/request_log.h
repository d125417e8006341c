// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QMutex>
#include <QString>
#include <QStringList>

namespace tandora {

// Lines about every network transfer of the run, written to a log file at quit and on demand.
// The main thread and the download worker both append, so an entry of several lines goes in
// under one lock and never interleaves with another.
class RequestLog final
{
public:
    void append(const QStringList &lines);
    QStringList lines() const;
    bool isEmpty() const;

private:
    mutable QMutex m_mutex;
    QStringList m_lines;
};

// Name of the log written by "List API calls".
inline constexpr QLatin1String show_log_name("Tandora_show");

// Writes the log to log_folder + name + ".log" (lines joined with CR LF, readable by the user
// only) and returns that path. An empty log writes nothing, so an older file of the name stays.
QString write_log(const RequestLog &log, const QString &log_folder, const QString &name);

// "Tandora_" and the wall-clock date now as yyyy-mm-dd_hh-ii-ss.
QString exit_log_name(qint64 now);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"

#include <QDateTime>
#include <QTimeZone>

namespace tandora {

qint64 SystemClock::now() const
{
    return wall_clock_from_epoch(QDateTime::currentSecsSinceEpoch());
}

qint64 wall_clock_from_epoch(qint64 epoch_seconds)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(epoch_seconds, Qt::LocalTime);
    return epoch_seconds + local.offsetFromUtc();
}

qint64 epoch_from_wall_clock(qint64 wall_clock_seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(wall_clock_seconds, QTimeZone::utc());
    return QDateTime(utc.date(), utc.time(), Qt::LocalTime).toSecsSinceEpoch();
}

qint64 parse_wall_clock(const QString &text)
{
    QDateTime dt = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        return -1;
    dt.setTimeZone(QTimeZone::utc());
    return dt.toSecsSinceEpoch();
}

} // namespace tandora

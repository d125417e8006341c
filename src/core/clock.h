// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tandora {

// Dates are local wall-clock seconds since 1970-01-01 00:00:00, counted as if local time
// were UTC. The clock is injected wherever "now" matters so date logic stays testable.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 now() const = 0;
};

class SystemClock final : public Clock
{
public:
    qint64 now() const override;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(qint64 now)
        : m_now(now)
    {
    }
    qint64 now() const override { return m_now; }
    void set(qint64 now) { m_now = now; }

private:
    qint64 m_now;
};

// Wall-clock seconds of a real instant (seconds since the epoch, UTC) and back.
qint64 wall_clock_from_epoch(qint64 epoch_seconds);
qint64 epoch_from_wall_clock(qint64 wall_clock_seconds);

// "YYYY-MM-DD hh:mm:ss" as wall-clock seconds; -1 when the text is not such a date.
qint64 parse_wall_clock(const QString &text);

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>

namespace tandora {

inline constexpr QLatin1String program_name("Tandora");
inline constexpr QLatin1String program_version("1.21");
inline constexpr QLatin1String first_year("2019");
// Version of the collection file format this program writes.

// When this program was built, as a wall-clock date.
qint64 build_date();

// "Tandora 1.21".
QString about_title();

// The about box text for the given build date; without one, for this build.
QString about_text(qint64 build);
QString about_text();

} // namespace tandora

// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <functional>

namespace tandora::bench {

// A QTemporaryDir template for a benchmark's files: below $TMPDIR when it is set, otherwise
// beside the benchmark binary in the build tree -- on disk, where flushing costs what it costs
// for the user's files (/tmp may be a RAM disk), and never in the home folder.
QString working_folder_template(const QString &name);

// Resident memory of this process in bytes.
size_t resident_bytes();

// Runs the benchmarks named on the command line. setup prepares the data and registers the
// benchmarks; when it returns false nothing runs and the exit code is 1.
int run_benchmarks(int argc, char **argv, const std::function<bool()> &setup);

// The same around a fixture: setup prepares it (false ends the run), current points at it
// while the benchmarks run, register_all registers them. The fixture goes when they are done.
template<typename Fixture>
int run_with_fixture(int argc, char **argv, Fixture *&current, bool (*setup)(Fixture &),
                     void (*register_all)())
{
    Fixture fixture;
    return run_benchmarks(argc, argv, [&] {
        if (!setup(fixture))
            return false;
        current = &fixture;
        register_all();
        return true;
    });
}

} // namespace tandora::bench

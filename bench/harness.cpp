// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tandora::bench {

QString working_folder_template(const QString &name)
{
    QString parent;
    if (const char *tmp = std::getenv("TMPDIR"); tmp && *tmp) {
        parent = QFile::decodeName(tmp);
    } else {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        parent = ec ? QDir::currentPath() : QFile::decodeName(exe.parent_path().c_str());
    }
    return parent + QStringLiteral("/tandora-bench-") + name + QStringLiteral("-XXXXXX");
}

size_t resident_bytes()
{
    long pages = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        long total = 0;
        if (std::fscanf(f, "%ld %ld", &total, &pages) != 2)
            pages = 0;
        std::fclose(f);
    }
    return size_t(pages) * size_t(::sysconf(_SC_PAGESIZE));
}

int run_benchmarks(int argc, char **argv, const std::function<bool()> &setup)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv) || !setup())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tandora::bench

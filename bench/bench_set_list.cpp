// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The list's work for 50,000 sets with cached data: the display texts of every column shown
// by default, and the sort by name, purchase date and set number against a bare
// std::stable_sort of the same keys computed beforehand (the sort should stay within four
// times that).
#include "collection_generator.h"
#include "harness.h"

#include "core/clock.h"
#include "core/folders.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/set_data_cache.h"
#include "setlist/list_columns.h"
#include "setlist/set_list.h"
#include "setlist/sort.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

using namespace tandora;

namespace {

constexpr size_t set_count = 50000;

struct Fixture
{
    std::optional<QTemporaryDir> folder;
    const Texts &texts = british_english_texts();
    CurrencyTable currencies = CurrencyTable::built_in();
    std::optional<Catalogue> catalogue;
    SetDataCache cache;
    collection c;
    Folders folders;
    NumberFormat format;
    QuantityTable quantities;
    FixedClock clock{bench::generated_save_time};
    std::optional<PropertyContext> ctx;
};

Fixture *fixture = nullptr;

bool setup(Fixture &f)
{
    f.folder.emplace(bench::working_folder_template(QStringLiteral("list")));
    if (!f.folder->isValid())
        return false;
    f.catalogue.emplace(f.texts, [&f](int row) { return f.currencies.row(row).symbol1; });
    f.c = bench::generate_collection(set_count);
    f.c.fmt_currency = 1;
    f.cache.set_up_folders(f.folder->path() + u'/');
    const QStringList keys = bench::distinct_set_keys(f.c);
    if (bench::write_set_files(f.cache.cache_folder(), keys) < 0 ||
        bench::write_mini_files(f.cache.cache_folder(), keys) < 0)
        return false;
    f.cache.load_cache(f.c);
    f.folders.home = QDir::homePath() + u'/';
    f.format = NumberFormat::of(f.c, f.texts);
    f.quantities = build_quantity_table(f.c);
    f.ctx.emplace(PropertyContext{f.c, *f.catalogue, f.format, f.currencies.row(f.c.fmt_currency),
                                  f.quantities, f.clock, f.folders});
    return true;
}

void bm_display_texts(benchmark::State &state)
{
    const std::vector<qint64> ids = visible_property_ids(fixture->c);
    const size_t rows = size_t(state.range(0));
    size_t characters = 0;
    for (auto _ : state) {
        characters = 0;
        for (size_t r = 0; r < rows; ++r) {
            for (qint64 id : ids)
                characters +=
                    size_t(display_text(*fixture->ctx, fixture->c.sets[r], id, qint64(r)).size());
        }
        benchmark::DoNotOptimize(characters);
    }
    state.counters["cells"] = double(rows * ids.size());
    state.counters["columns"] = double(ids.size());
}

// The collection in a fixed shuffled order, so each round sorts the same input.
void shuffle(collection &c)
{
    std::mt19937 random(7);
    std::shuffle(c.sets.begin(), c.sets.end(), random);
}

void bm_sort(benchmark::State &state, qint64 id)
{
    collection &c = fixture->c;
    c.sort_col = id;
    c.sort_dir = property_def_of(id).sortDir;
    for (auto _ : state) {
        state.PauseTiming();
        shuffle(c);
        state.ResumeTiming();
        sort_sets(*fixture->ctx, c);
    }
}

// The same order from keys computed beforehand: what any stable sort must at least do.
void bm_bare_stable_sort(benchmark::State &state, qint64 id)
{
    collection &c = fixture->c;
    shuffle(c);
    const bool text = property_def_of(id).kind == PropertyKind::Text;
    std::vector<std::pair<QString, size_t>> text_keys;
    std::vector<std::pair<double, size_t>> number_keys;
    for (size_t i = 0; i < c.sets.size(); ++i) {
        const own_set &s = c.sets[i];
        if (id == 3)
            text_keys.emplace_back(s.number.rightJustified(10, u'0') + u'-' +
                                       QString::number(s.version).rightJustified(3, u'0'),
                                   i);
        else if (text)
            text_keys.emplace_back(compute_value(*fixture->ctx, s, id, 0).text.toCaseFolded(), i);
        else
            number_keys.emplace_back(compute_value(*fixture->ctx, s, id, 0).number, i);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto texts = text_keys;
        auto numbers = number_keys;
        state.ResumeTiming();
        std::stable_sort(texts.begin(), texts.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        std::stable_sort(numbers.begin(), numbers.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        benchmark::DoNotOptimize(texts.data());
        benchmark::DoNotOptimize(numbers.data());
    }
}

// A refresh of the list: sort by name, the filters, the rows, and the cells of the first
// screen of the default columns. Shuffled before each round it is what a click on another
// column costs; already in order it is every other refresh.
void bm_refresh(benchmark::State &state, bool shuffled)
{
    collection &c = fixture->c;
    c.sort_col = 4;
    c.sort_dir = 0;
    SetList rows;
    const std::vector<qint64> ids = visible_property_ids(c);
    rows.refresh(*fixture->ctx, c, std::nullopt);
    for (auto _ : state) {
        if (shuffled) {
            state.PauseTiming();
            shuffle(c);
            state.ResumeTiming();
        }
        const std::optional<size_t> target = rows.refresh(*fixture->ctx, c, size_t(17));
        size_t characters = 0;
        for (size_t r = 0; r < std::min<size_t>(60, rows.size()); ++r) {
            for (qint64 id : ids)
                characters +=
                    size_t(cell_text(*fixture->ctx, c.sets[rows.set_at(r)], id, qint64(r)).size());
        }
        benchmark::DoNotOptimize(target);
        benchmark::DoNotOptimize(characters);
    }
}

void register_benchmarks()
{
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("BM_DisplayTexts/all_rows", bm_display_texts)
        ->Arg(set_count)
        ->Unit(ms)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BM_DisplayTexts/one_screen", bm_display_texts)
        ->Arg(60)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_Refresh/name/header_click",
                                 [](benchmark::State &s) { bm_refresh(s, true); })
        ->Unit(ms)
        ->Iterations(10);
    benchmark::RegisterBenchmark("BM_Refresh/name/in_order",
                                 [](benchmark::State &s) { bm_refresh(s, false); })
        ->Unit(ms)
        ->Iterations(10);
    const std::pair<const char *, qint64> sorts[] = {
        {"name", 4}, {"purchase_date", 6}, {"set_number", 3}};
    for (const auto &[name, id] : sorts) {
        const qint64 property = id;
        benchmark::RegisterBenchmark((std::string("BM_Sort/") + name).c_str(),
                                     [property](benchmark::State &s) { bm_sort(s, property); })
            ->Unit(ms)
            ->Iterations(10);
        benchmark::RegisterBenchmark(
            (std::string("BM_BareStableSort/") + name).c_str(),
            [property](benchmark::State &s) { bm_bare_stable_sort(s, property); })
            ->Unit(ms)
            ->Iterations(10);
    }
}

} // namespace

int main(int argc, char **argv)
{
    return bench::run_with_fixture(argc, argv, fixture, setup, register_benchmarks);
}

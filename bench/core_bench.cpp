// Benchmarks of the catalog core: formatting and reading back records, and working
// out the next number on a catalog file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "catalog/CatalogReader.h"
#include "catalog/CatalogRecord.h"
#include "catalog/RecordNumbering.h"

namespace {

using namespace tarvel;

CatalogRecord SampleRecord(int pages) {
    CatalogRecord record;
    record.recordNumber = "0042";
    record.recordDate = "12/11/26";
    record.vendor = "SEAGATE";
    record.product = "ST39102LW";
    record.lowFirmwareVersion = "0004";
    record.highFirmwareVersion = "0006";
    record.newFirmwareVersion = "0007";
    record.scsiAdapterType = 1;
    record.downloadType = 2;
    record.priority = 2;
    record.downloadFilename = "ST39102.BIN";
    char count[8];
    std::snprintf(count, sizeof count, "%02d", pages);
    record.numberOfModePages = pages ? count : "00";
    record.upgradeNotes = "Fixes read retry on long cables";
    return record;
}

void FillPages(ModePageList& list, int pages) {
    for (int p = 0; p < pages; ++p) {
        auto entry = NewModePageEntry();
        for (int slot = 0; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, slot % 2 ? "XX" : "0A");
        list.append(std::move(entry));
    }
}

void BM_FormatRecord(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    CatalogRecord record = SampleRecord(pages);
    ModePageList list;
    FillPages(list, pages);
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatCatalogRecord(record, list));
}
BENCHMARK(BM_FormatRecord)->Arg(0)->Arg(1)->Arg(99);

void BM_ReadRecord(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    ModePageList list;
    FillPages(list, pages);
    const std::string line = FormatCatalogRecord(SampleRecord(pages), list);
    for (auto _ : state) {
        ModePageState modePages;
        CatalogRecord record;
        ApplyParsedLine(ParseCatalogLine(line), record, modePages);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ReadRecord)->Arg(0)->Arg(1)->Arg(99);

void BM_CountCatalogLines(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "tarvel-bench-count.dat";
    {
        ModePageList none;
        const std::string line = FormatCatalogRecord(SampleRecord(0), none);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (int64_t i = 0; i < state.range(0); ++i)
            out << (i ? "\r\n" : "") << line;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CountCatalogLines(path.string()));
    std::filesystem::remove(path);
}
BENCHMARK(BM_CountCatalogLines)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();

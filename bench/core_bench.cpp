// Benchmarks of the catalog core: formatting, writing and reading back records, and the
// file work of numbering (start-up, Add Record) and of Save Record's numbered append on
// catalogs of every size.
//
// The catalog benchmarks run on the catalogs that make_catalogs.py writes into the folder
// named by TARVEL_BENCH_CATALOGS (catalog-1000.dat, catalog-100000.dat, ...); without it
// only the record benchmarks run. The catalogs themselves are left as they are: the
// appends go to a copy beside them, removed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <vector>

#include "catalog/CatalogReader.h"
#include "catalog/CatalogRecord.h"
#include "catalog/CatalogWriter.h"
#include "catalog/RecordNumbering.h"

namespace {

using namespace tarvel;
namespace fs = std::filesystem;

constexpr const char* kDate = "12/11/26";

CatalogRecord SampleRecord(int pages) {
    CatalogRecord record;
    record.recordNumber = "0042";
    record.recordDate = kDate;
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
        char number[8];
        std::snprintf(number, sizeof number, "%02d", p % 64);
        SetSlotText(*entry, 0, number);
        for (int slot = 1; slot < kSlotCount; ++slot)
            SetSlotText(*entry, slot, slot % 2 ? "XX" : "0A");
        list.append(std::move(entry));
    }
}

// Records in memory: the line a record becomes, and the record a line gives back.

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

// Records on disk: Save Record of a record with 99 pages (numbered, locked, synced
// append), and reading it back as Add Record's numbering and Edit Record would: the last
// line from the end of the file, parsed into a record.

fs::path ScratchFolder() {
    const char* catalogs = std::getenv("TARVEL_BENCH_CATALOGS");
    fs::path folder = catalogs ? fs::path(catalogs) : fs::temp_directory_path() / "tarvel-bench";
    fs::create_directories(folder);
    return folder;
}

void BM_WriteRecordToFile(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const std::string path = (ScratchFolder() / "scratch-write.dat").string();
    fs::remove(path);
    ModePageList list;
    FillPages(list, pages);
    for (auto _ : state) {
        CatalogRecord record = SampleRecord(pages);
        if (auto error = AppendNumberedRecord(path, record, list, kDate)) {
            state.SkipWithError(error->message.c_str());
            break;
        }
    }
    state.counters["bytes_per_record"] =
        static_cast<double>(fs::file_size(path)) / static_cast<double>(state.iterations());
    fs::remove(path);
}
BENCHMARK(BM_WriteRecordToFile)->Arg(99)->Unit(benchmark::kMicrosecond);

void BM_ReadRecordFromFile(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const std::string path = (ScratchFolder() / "scratch-read.dat").string();
    ModePageList list;
    FillPages(list, pages);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (int i = 0; i < 100; ++i)
            out << (i ? "\r\n" : "") << FormatCatalogRecord(SampleRecord(pages), list);
    }
    for (auto _ : state) {
        LastCatalogLine last = ReadLastCatalogLine(path);
        ModePageState modePages;
        CatalogRecord record;
        ApplyParsedLine(ParseCatalogLine(last.lastLine), record, modePages);
        benchmark::DoNotOptimize(record);
    }
    fs::remove(path);
}
BENCHMARK(BM_ReadRecordFromFile)->Arg(99)->Unit(benchmark::kMicrosecond);

// Catalogs of every size.

/// The number start-up and Add Record work out: the last line, read from the end.
void BM_Numbering(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        LastCatalogLine last = ReadLastCatalogLine(path);
        benchmark::DoNotOptimize(NextNumberAfter(last.hasLines ? 1 : 0, last.lastLine));
    }
}

/// Save Record's file work: the number for the form, then the numbered append under the
/// lock (which reads the last line again and syncs the record to disk).
void BM_NumberingAndAppend(benchmark::State& state, const std::string& catalog,
                           const std::string& copy) {
    fs::copy_file(catalog, copy, fs::copy_options::overwrite_existing);
    ModePageList pages;
    FillPages(pages, 1);
    for (auto _ : state) {
        LastCatalogLine last = ReadLastCatalogLine(copy);
        CatalogRecord record = SampleRecord(1);
        record.recordNumber = FormatRecordNumber(NextNumberAfter(last.hasLines ? 1 : 0, last.lastLine));
        if (auto error = AppendNumberedRecord(copy, record, pages, kDate)) {
            state.SkipWithError(error->message.c_str());
            break;
        }
    }
    fs::remove(copy);
}

/// Reading every line, as numbering did before it read from the end; for comparison.
void BM_FullCount(benchmark::State& state, const std::string& path) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CountCatalogLines(path));
}

void RegisterCatalogBenchmarks() {
    const char* folder = std::getenv("TARVEL_BENCH_CATALOGS");
    if (!folder)
        return;
    std::vector<std::pair<long, std::string>> catalogs;
    const std::regex name("catalog-([0-9]+)\\.dat");
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::smatch match;
        const std::string file = entry.path().filename().string();
        if (std::regex_match(file, match, name))
            catalogs.emplace_back(std::stol(match[1]), entry.path().string());
    }
    std::sort(catalogs.begin(), catalogs.end());
    for (const auto& [records, path] : catalogs) {
        const std::string suffix = "/" + std::to_string(records);
        const std::string copy = (fs::path(folder) / ("work-" + std::to_string(records) + ".dat")).string();
        benchmark::RegisterBenchmark(("BM_Numbering" + suffix).c_str(), BM_Numbering, path)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_NumberingAndAppend" + suffix).c_str(),
                                     BM_NumberingAndAppend, path, copy)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_FullCount" + suffix).c_str(), BM_FullCount, path)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterCatalogBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

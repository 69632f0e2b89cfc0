#!/usr/bin/env python3
"""Runs the benchmarks on the catalogs that make_catalogs.py wrote and prints the table
of figures and ratios (run through run_benchmarks.sh)."""

import argparse
import json
import os
import platform
import statistics
import subprocess
import time


def median_of(runs, measure):
    return statistics.median(measure() for _ in range(runs))


def wc_ms(path):
    started = time.perf_counter()
    subprocess.run(["wc", "-l", path], check=True, stdout=subprocess.DEVNULL)
    return (time.perf_counter() - started) * 1000


def gui(build, *arguments):
    out = subprocess.run([os.path.join(build, "bench", "gui_bench"), *arguments], check=True,
                         capture_output=True, text=True).stdout
    return dict(line.split("=", 1) for line in out.split())


def gui_median(build, runs, arguments, keys):
    samples = [gui(build, *arguments) for _ in range(runs)]
    return {key: statistics.median(float(s[key]) for s in samples) for key in keys}, samples[-1]


def machine():
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as f:
        memory_kb = int(f.readline().split()[1])
    disk = subprocess.run(["df", "-h", "--output=source,fstype,size", "/tmp"], capture_output=True,
                          text=True).stdout.splitlines()[-1]
    return "%s, %d cores, %.1f GiB RAM, %s; %s" % (cpu, os.cpu_count(), memory_kb / 2**20, disk.strip(),
                                                 platform.platform())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--catalogs", required=True)
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()
    catalog = lambda n: os.path.join(args.catalogs, "catalog-%d.dat" % n)
    big = catalog(1000000)
    for n in (1000, 100000, 1000000):  # the same files, in the page cache for everyone
        with open(catalog(n), "rb") as f:
            while f.read(1 << 20):
                pass

    # wc's own time: less the cost of starting it, measured on an empty input.
    wc = median_of(args.runs * 3, lambda: wc_ms(big)) - median_of(args.runs * 3, lambda: wc_ms("/dev/null"))

    env = dict(os.environ, TARVEL_BENCH_CATALOGS=args.catalogs)
    core = json.loads(subprocess.run(
        [os.path.join(args.build, "bench", "core_bench"), "--benchmark_format=json",
         "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.3"],
        check=True, capture_output=True, text=True, env=env).stdout)
    us = {}
    for b in core["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1, "ms": 1e3}[b["time_unit"]]
            us[b["run_name"]] = b["real_time"] * scale

    start_empty, _ = gui_median(args.build, args.runs, ["startup", "empty"], ["startup_ms", "peak_rss_kb"])
    start_big, last = gui_median(args.build, args.runs, ["startup", big], ["startup_ms", "peak_rss_kb"])
    bare, _ = gui_median(args.build, args.runs, ["bare"], ["peak_rss_kb"])
    select, sample = gui_median(args.build, args.runs, ["select", big],
                                ["list_shown_ms", "list_laid_out_ms", "ok_last_ms", "list_bytes_per_line",
                                 "peak_rss_kb"])

    def row(what, figure, target, ok):
        print("| %s | %s | %s | %s |" % (what, figure, target, "met" if ok else "**not met**"))

    print("Machine: " + machine())
    print("Catalogs: %s (%s bytes at 1,000,000 records); %d processes a whole-program figure, medians."
          % (args.catalogs, format(os.path.getsize(big), ","), args.runs))
    print("Start-up number on 1,000,000 records: %s; the catalog was last written %s s before Select Record (OK reads from the index after 2 s).\n"
          % (last["record_number"], sample.get("catalog_age_s", "?")))
    print("| Figure | Measured | Target | |")
    print("|---|---|---|---|")
    for n in (1000, 100000, 1000000):
        print("| Numbering (last line from the end), %s records | %.1f µs | | |" % (format(n, ","), us["BM_Numbering/%d" % n]))
    for n in (1000, 100000, 1000000):
        print("| Numbering + numbered append (synced), %s records | %.1f µs | | |"
              % (format(n, ","), us["BM_NumberingAndAppend/%d" % n]))
    ratio = us["BM_NumberingAndAppend/1000000"] / us["BM_NumberingAndAppend/1000"]
    row("Numbering + append, 1,000,000 ÷ 1,000", "%.2f×" % ratio, "≤ 1.5×", ratio <= 1.5)
    for n in (1000, 100000, 1000000):
        print("| For comparison: counting every line, %s records | %.2f ms | | |"
              % (format(n, ","), us["BM_FullCount/%d" % n] / 1000))
    ratio = start_big["startup_ms"] / start_empty["startup_ms"]
    print("| Start-up to the form shown, empty catalog | %.1f ms | | |" % start_empty["startup_ms"])
    print("| Start-up to the form shown, 1,000,000 records | %.1f ms | | |" % start_big["startup_ms"])
    row("Start-up, 1,000,000 ÷ empty", "%.2f×" % ratio, "≤ 1.2×", ratio <= 1.2)
    print("| `wc -l`, 1,000,000 records (less its start) | %.1f ms | | |" % wc)
    ratio = select["list_shown_ms"] / wc
    row("Select Record list shown, 1,000,000 records", "%.1f ms (%.2f× wc -l)" % (select["list_shown_ms"], ratio),
        "≤ 3× wc -l", ratio <= 3)
    ratio = select["list_laid_out_ms"] / wc
    print("| Select Record list laid out to its last line | %.1f ms (%.2f× wc -l) | | |"
          % (select["list_laid_out_ms"], ratio))
    ratio = select["ok_last_ms"] / wc
    row("OK on the last line (read + loaded into the form)", "%.2f ms (%.2f× wc -l)" % (select["ok_last_ms"], ratio),
        "about as fast", ratio <= 3)
    row("Memory the list adds per line (resident)", "%.1f bytes" % select["list_bytes_per_line"], "≤ 32 bytes",
        select["list_bytes_per_line"] <= 32)
    print("| Write one record with 99 mode pages (numbered, synced append) | %.1f µs | | |" % us["BM_WriteRecordToFile/99"])
    print("| Format one record with 99 mode pages (in memory) | %.1f µs | | |" % us["BM_FormatRecord/99"])
    print("| Read one record with 99 mode pages (last line from the file, parsed) | %.1f µs | | |"
          % us["BM_ReadRecordFromFile/99"])
    print("| Parse one record with 99 mode pages (in memory) | %.1f µs | | |" % us["BM_ReadRecord/99"])
    print("| Peak memory, bare QMainWindow | %.1f MiB | | |" % (bare["peak_rss_kb"] / 1024))
    print("| Peak memory, form shown, empty catalog | %.1f MiB | | |" % (start_empty["peak_rss_kb"] / 1024))
    print("| Peak memory, form shown, 1,000,000 records | %.1f MiB | | |" % (start_big["peak_rss_kb"] / 1024))
    print("| Peak memory, Select Record on 1,000,000 records | %.1f MiB | | |" % (select["peak_rss_kb"] / 1024))


if __name__ == "__main__":
    main()

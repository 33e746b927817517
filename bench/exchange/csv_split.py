#!/usr/bin/env python3
"""Splits a delimited file into fields with Python's csv module, as a yardstick for the
import. Prints the median of several runs: seconds, MB/s, records and fields."""
import csv
import os
import statistics
import sys
import time


def split(path):
    records = fields = 0
    with open(path, newline='', encoding='cp1252', errors='replace') as f:
        for row in csv.reader(f):
            records += 1
            fields += len(row)
    return records, fields


def main():
    path = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    size = os.path.getsize(path)
    times, cpu = [], []
    for _ in range(runs):
        start, start_cpu = time.perf_counter(), time.process_time()
        records, fields = split(path)
        times.append(time.perf_counter() - start)
        cpu.append(time.process_time() - start_cpu)
    median, median_cpu = statistics.median(times), statistics.median(cpu)
    print(f"python csv: {median:.3f} s real, {median_cpu:.3f} s CPU (medians of {runs}), "
          f"{size / median / 1e6:.1f} MB/s real, {size / median_cpu / 1e6:.1f} MB/s CPU, "
          f"{records} records, {fields} fields")


if __name__ == '__main__':
    main()

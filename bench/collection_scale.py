#!/usr/bin/env python3
"""Whole-process figures of `vinaxo-cli check` on collection files of 32,767 and 100,000
recordings with every field filled (written by `bench_storage --write N PATH`): wall time
from process start to exit and peak resident memory (/usr/bin/time), medians of several
runs, against the file size; then the growth from the smaller to the larger file.

usage: collection_scale.py BUILD_DIR [RUNS] [SIZES...]
"""
import os
import statistics
import subprocess
import sys
import tempfile


def measure(cli, path, runs):
    times, peaks = [], []
    for _ in range(runs):
        r = subprocess.run(['/usr/bin/time', '-f', '%e %M', cli, 'check', path],
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True,
                           env=dict(os.environ, LANG='en_US.UTF-8'))
        wall, kib = r.stderr.strip().splitlines()[-1].split()
        times.append(float(wall))
        peaks.append(int(kib) * 1024)
    return statistics.median(times), statistics.median(peaks)


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    sizes = [int(s) for s in sys.argv[3:]] or [32767, 100000]
    cli = os.path.join(build, 'src/cli/vinaxo-cli')
    writer = os.path.join(build, 'bench/storage/bench_storage')
    folder = os.environ.get('VINAXO_BENCH_DIR') or tempfile.mkdtemp()
    rows = []
    for n in sizes:
        path = os.path.join(folder, f'full{n}.DAT')
        if not os.path.exists(path):
            subprocess.run([writer, '--write', str(n), path], check=True)
        size = os.path.getsize(path)
        wall, peak = measure(cli, path, runs)
        rows.append((n, size, wall, peak))
        print(f'{n} recordings, {size / 1e6:.1f} MB file: check {wall:.3f} s, '
              f'peak {peak / 2**20:.1f} MiB = {peak / size:.2f} x the file '
              f'(medians of {runs} runs)', flush=True)
    for (n0, s0, w0, p0), (n1, s1, w1, p1) in zip(rows, rows[1:]):
        print(f'{n1 / n0:.2f} x the recordings: {w1 / w0:.2f} x the time, {p1 / p0:.2f} x the peak memory')


if __name__ == '__main__':
    main()

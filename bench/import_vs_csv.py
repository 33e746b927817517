#!/usr/bin/env python3
"""`vinaxo-cli import` of the 32,767-line text (24 fields, 12 tracks a line, written by
`bench_exchange --write 24 PATH`) into a new collection, whole process from start to
exit, against Python's csv module merely splitting the same file, both inside this
interpreter and as a process of its own; all run alternately in one session, medians of
several runs, and the ratios.

usage: import_vs_csv.py BUILD_DIR [RUNS]
"""
import csv
import os
import statistics
import subprocess
import sys
import tempfile
import time

FIELDS = ['Title', 'Artist', 'Description', 'Category', 'Label', 'Catalog Number',
          'Nbr Discs', 'Rel Year', 'Sound', 'Perform', 'Awards', 'Composer', 'Conductor',
          'Purch Date', 'Purch Cost', 'Location', 'Coll Nbr', 'Misc 1', 'Misc 2', 'Misc 3',
          'Tracks', 'Time', 'Medium', 'Track Titles/Times']


def split(path):
    records = 0
    with open(path, newline='', encoding='cp1252', errors='replace') as f:
        for row in csv.reader(f):
            records += 1
    return records


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    cli = os.path.join(build, 'src/cli/vinaxo-cli')
    folder = os.environ.get('VINAXO_BENCH_DIR') or tempfile.mkdtemp()
    text = os.path.join(folder, 'import24.txt')
    if not os.path.exists(text):
        subprocess.run([os.path.join(build, 'bench/exchange/bench_exchange'), '--write', '24', text],
                       check=True)
    idf = os.path.join(folder, 'import24.IDF')
    env = dict(os.environ, LANG='en_US.UTF-8')  # the text's dates and costs are en_US
    subprocess.run([cli, 'definition', 'create', idf, *FIELDS, '--yes'], check=True,
                   stdout=subprocess.DEVNULL, env=env)
    out = os.path.join(folder, 'imported.DAT')
    ours, theirs, theirs_process = [], [], []
    script = f'import csv\nwith open({text!r}, newline="", encoding="cp1252", errors="replace") as f:\n' \
             '    n = sum(1 for _ in csv.reader(f))\n' 
    for _ in range(runs):
        if os.path.exists(out):
            os.remove(out)
        start = time.perf_counter()
        subprocess.run([cli, 'import', out, idf, text], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        ours.append(time.perf_counter() - start)
        start = time.perf_counter()
        records = split(text)
        theirs.append(time.perf_counter() - start)
        start = time.perf_counter()
        subprocess.run([sys.executable, '-c', script], check=True)
        theirs_process.append(time.perf_counter() - start)
    a, b, c = statistics.median(ours), statistics.median(theirs), statistics.median(theirs_process)
    size = os.path.getsize(text)
    print(f'{size / 1e6:.1f} MB, {records} lines; medians of {runs} alternating runs:')
    print(f'vinaxo-cli import (whole process, saved to a new file): {a:.3f} s')
    print(f'python csv split, in this interpreter:                 {b:.3f} s')
    print(f'python csv split, whole process:                       {c:.3f} s')
    print(f'ratio python/vinaxo: {b / a:.2f} in-process split, {c / a:.2f} whole process '
          f'(at least 1 means no slower than the split)')


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Two builds' core_bench, run in turn round after round, benchmark by benchmark.

Prints, for each benchmark the two builds share, the median CPU time per iteration of
each and the median of the paired ratios (NEW / OLD): below 1 the new build is faster.
Alternating the two in each round keeps a drifting machine from favouring either.
A benchmark, not a test: the exit status says only whether the runs could be made.

usage: bench/compare_core_bench.py OLD_BUILD NEW_BUILD [--filter REGEX] [--rounds N]
  e.g. bench/compare_core_bench.py ../old/build/bench build/bench --filter 'Convert'
"""
import argparse
import json
import statistics
import subprocess
import sys
from pathlib import Path


def run(binary, pattern):
    out = subprocess.run(
        [binary, f"--benchmark_filter={pattern}", "--benchmark_format=json",
         "--benchmark_min_time=0.05"],
        check=True, capture_output=True, text=True).stdout
    return {b["name"]: b["cpu_time"] for b in json.loads(out)["benchmarks"]
            if b.get("run_type", "iteration") == "iteration"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--filter", default="Convert")
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    binaries = [Path(b) / "bench" / "core_bench" for b in (args.old, args.new)]
    for binary in binaries:
        if not binary.is_file():
            sys.exit(f"compare_core_bench.py: {binary} is missing; build the bench preset")
    old_times, new_times = {}, {}
    for _ in range(args.rounds):
        for times, binary in ((old_times, binaries[0]), (new_times, binaries[1])):
            for name, cpu in run(binary, args.filter).items():
                times.setdefault(name, []).append(cpu)
    shared = [name for name in new_times if name in old_times]
    ratios_all = []
    print(f"{'benchmark':44} {'old ns':>10} {'new ns':>10} {'new/old':>8}")
    for name in shared:
        ratios = [n / o for o, n in zip(old_times[name], new_times[name])]
        ratio = statistics.median(ratios)
        ratios_all.append(ratio)
        print(f"{name:44} {statistics.median(old_times[name]):10.1f} "
              f"{statistics.median(new_times[name]):10.1f} {ratio:8.3f}")
    if ratios_all:
        print(f"median of the {len(ratios_all)} ratios: {statistics.median(ratios_all):.3f} "
              f"({args.rounds} alternating rounds)")


if __name__ == "__main__":
    main()

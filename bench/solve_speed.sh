#!/bin/sh
# Times `tessaro --solve` as a script feels it:
#  1. one process on examples/production.kvr against one `glpsol` process on
#     the same programme, alternately, RUNS times each (median and spread);
#  2. COUNT model files (the examples, copied) in one `--solve --json` call,
#     pinned to one core: wall time, CPU time and models per second.
# Usage: bench/solve_speed.sh [BUILD_DIR] [RUNS] [COUNT]
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
runs=${2:-41}
count=${3:-10000}
tessaro=$build/tessaro
[ -x "$tessaro" ] || { echo "no $tessaro; build the tessaro target first" >&2; exit 1; }
command -v glpsol >/dev/null || { echo "glpsol not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# examples/production.kvr as a CPLEX LP file.
cat >"$work/production.lp" <<'EOF'
Maximize
 payoff: 30 chairs + 50 tables
Subject To
 Wood: 4 chairs + 3 tables <= 120
 Labour: 2 chairs + 4 tables <= 80
 Market: chairs <= 25
End
EOF

mkdir "$work/models"
i=0
while [ "$i" -lt "$count" ]; do
  for f in diet fleet production; do
    [ "$i" -lt "$count" ] || break
    cp "$here/examples/$f.kvr" "$work/models/m$i.kvr"
    i=$((i + 1))
  done
done

python3 - "$tessaro" "$work" "$runs" "$count" <<'EOF'
import os, resource, statistics, subprocess, sys, time

tessaro, work, runs, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
null = os.open(os.devnull, os.O_WRONLY)
commands = {
    "tessaro --solve": [tessaro, "--solve", os.path.join(work, "examples-production.kvr")],
    "glpsol --lp": ["glpsol", "--lp", os.path.join(work, "production.lp"),
                    "-o", os.path.join(work, "glpsol.out")],
}
os.link(os.path.join(work, "models", "m2.kvr"), commands["tessaro --solve"][2])

def once(argv):
    start = time.perf_counter_ns()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=[
        (os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)])
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter_ns() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv} failed")
    return elapsed / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3

# Wall time is what a script waits; CPU time (user + system) of the process
# itself stays comparable when other work shares the cores.
times = {name: ([], []) for name in commands}
for name, argv in commands.items():  # warm the caches
    once(argv)
for _ in range(runs):
    for name, argv in commands.items():
        wall, cpu = once(argv)
        times[name][0].append(wall)
        times[name][1].append(cpu)
for name, (wall, cpu) in times.items():
    q = statistics.quantiles(wall, n=4)
    print(f"{name:16} wall median {statistics.median(wall):.3f} ms (quartiles {q[0]:.3f}, "
          f"{q[2]:.3f}); CPU median {statistics.median(cpu):.3f} ms; {runs} runs")
for i, what in enumerate(("wall", "CPU")):
    ratio = (statistics.median(times["tessaro --solve"][i]) /
             statistics.median(times["glpsol --lp"][i]))
    print(f"tessaro / glpsol, {what}: {ratio:.3f}")

models = sorted(os.listdir(os.path.join(work, "models")))
argv = ["taskset", "-c", "0", tessaro, "--solve", "--json"] + [os.path.join(work, "models", m) for m in models]
best = None
for _ in range(5):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(os.path.join(work, "out.jsonl"), "wb") as out:
        code = subprocess.run(argv, stdout=out).returncode
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    lines = sum(1 for _ in open(os.path.join(work, "out.jsonl"), "rb"))
    if code not in (0, 2) or lines != len(models):
        sys.exit(f"--solve --json failed: status {code}, {lines} lines")
    if best is None or wall < best[0]:
        best = (wall, cpu)
wall, cpu = best
print(f"{len(models)} files in one --solve --json call (best of 5): wall {wall:.3f} s "
      f"= {len(models) / wall:.0f} models/s; CPU {cpu:.3f} s = {len(models) / cpu:.0f} models/s")
EOF

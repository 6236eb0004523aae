#!/usr/bin/env bash
# Mutation check: applies one deliberate fault at a time to the source, rebuilds
# incrementally, runs the tests, restores the source and prints which test caught it.
#   tools/mutate.sh                  every fault of tools/mutations.txt
#   tools/mutate.sh ID...            only these faults
#   tools/mutate.sh --full ...       run the README's test command (tools/setup.sh test) for
#                                    each fault, not the tests the fault names first
#   tools/mutate.sh --table FILE ... also write the results as a Markdown table to FILE
# Each fault names the tests expected to catch it; those run first, and when none of them
# fails the whole suite runs, so a wrong guess is never reported as caught. A fault that
# no longer applies (its text is not found exactly once) or does not build is reported as
# such and counts as a failure of this check. Exit status: 0 when every fault was caught.
# The tree must have no uncommitted changes (the source is restored from git, and a fault
# must be measured against the committed code). Every test that may catch is first run on
# the unchanged code: only a test that passed there counts as catching a fault.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exec python3 - "$here" "$@" <<'PY'
import os, re, subprocess, sys, datetime

here = sys.argv[1]
args = sys.argv[2:]
full = False
table = None
only = []
while args:
    a = args.pop(0)
    if a == "--full":
        full = True
    elif a == "--table":
        table = args.pop(0)
    else:
        only.append(a)

build = os.environ.get("OVELUNE_BUILD_DIR", os.path.join(here, "build"))
listing = os.environ.get("OVELUNE_MUTATIONS", os.path.join(here, "tools", "mutations.txt"))

def parse(path):
    faults, cur = [], None
    with open(path) as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            m = re.match(r"^\[(.+)\]\s*$", line)
            if m:
                cur = {"id": m.group(1), "tests": []}
                faults.append(cur)
                continue
            key, _, value = line.partition(":")
            value = value[1:] if value.startswith(" ") else value
            key = key.strip()
            if cur is None or key not in ("file", "find", "replace", "tests", "why"):
                sys.exit(f"mutate: cannot read line: {line}")
            if key == "tests":
                cur["tests"] = value.split()
            else:
                # \n in find/replace stands for a line break
                cur[key] = value.replace("\\n", "\n") if key in ("find", "replace") else value
    for fault in faults:
        for key in ("file", "find", "replace", "why"):
            if key not in fault:
                sys.exit(f"mutate: fault {fault['id']} has no '{key}:' line")
    return faults

def run(cmd, cwd):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)

def failed_tests(output):
    names = set()
    for line in output.splitlines():
        m = re.match(r"^\s*\d+\s*-\s*(\S+)\s+\(", line)
        if m:
            names.add(m.group(1))
    return sorted(names)

def targets_of(tests):
    # Test names are the names of their executables, but for the QML logic tests,
    # which one runner executable serves.
    known = run(["cmake", "--build", build, "--target", "help"], here).stdout
    return [t for t in tests if re.search(r"^\.\.\. " + re.escape(t) + r"$", known, re.M)]

def try_tests(tests):
    tgts = targets_of(tests)
    if tgts:
        r = run(["cmake", "--build", build, "-j", str(os.cpu_count() or 2), "--target"] + tgts, here)
        if r.returncode != 0:
            return None, r.stdout
    pattern = "^(" + "|".join(re.escape(t) for t in tests) + ")$"
    r = run(["ctest", "-j", str(os.cpu_count() or 2), "-R", pattern], build)
    return failed_tests(r.stdout), r.stdout

def try_suite():
    r = run([os.path.join(here, "tools", "setup.sh"), "test"], here)
    fails = failed_tests(r.stdout)
    if r.returncode != 0 and not fails:
        return None, r.stdout  # the build itself failed
    return fails, r.stdout

faults = parse(listing)
if only:
    faults = [f for f in faults if f["id"] in only]
    if not faults:
        sys.exit("mutate: no such fault")

if run(["git", "status", "--porcelain", "--untracked-files=no"], here).stdout.strip():
    sys.exit("mutate: the tree has uncommitted changes; commit or stash them first")

if run([os.path.join(here, "tools", "setup.sh"), "build"], here).returncode != 0:
    sys.exit("mutate: the unchanged source does not build")

# The named tests on the unchanged code: a test that fails there proves nothing.
named = sorted({t for fault in faults for t in fault["tests"]})
baseline_failed = set()
if named and not full:
    failed, _ = try_tests(named)
    baseline_failed = set(named if failed is None else failed)
suite_baseline = None  # the whole suite's failures on the unchanged code, run when first needed

def suite_failures_before():
    global suite_baseline
    if suite_baseline is None:
        failed, _ = try_suite()
        suite_baseline = set(failed if failed is not None else ["(build)"])
    return suite_baseline

if baseline_failed:
    print("failing before any fault, not counted: " + " ".join(sorted(baseline_failed)), flush=True)

results = []
for fault in faults:
    path = os.path.join(here, fault["file"])
    with open(path) as f:
        original = f.read()
    count = original.count(fault["find"])
    if count != 1:
        results.append((fault, "STALE", f"text found {count} times"))
        print(f"{fault['id']:32s} STALE ({count} matches)", flush=True)
        continue
    try:
        with open(path, "w") as f:
            f.write(original.replace(fault["find"], fault["replace"]))
        caught = []
        verdict = None
        if fault["tests"] and not full:
            caught, out = try_tests(fault["tests"])
            if caught is None:
                verdict = ("BROKEN", "does not build")
            else:
                caught = [t for t in caught if t not in baseline_failed]
        if verdict is None and not caught:
            # Restored before the baseline run, applied again after it.
            with open(path, "w") as f:
                f.write(original)
            before = suite_failures_before()
            with open(path, "w") as f:
                f.write(original.replace(fault["find"], fault["replace"]))
            caught, out = try_suite()
            if caught is None:
                verdict = ("BROKEN", "does not build")
            else:
                caught = [t for t in caught if t not in before]
        if verdict is None:
            verdict = ("caught", " ".join(caught)) if caught else ("MISSED", "")
    finally:
        with open(path, "w") as f:
            f.write(original)
    results.append((fault, verdict[0], verdict[1]))
    print(f"{fault['id']:32s} {verdict[0]} {verdict[1]}", flush=True)

# Leave the build matching the source again.
run(["cmake", "--build", build, "-j", str(os.cpu_count() or 2)], here)

bad = [r for r in results if r[1] != "caught"]
print(f"{len(results) - len(bad)} of {len(results)} faults caught")
if table:
    commit = run(["git", "rev-parse", "--short", "HEAD"], here).stdout.strip()
    with open(table, "w") as f:
        f.write(f"Run of {datetime.date.today().isoformat()} on commit {commit}: "
                f"{len(results) - len(bad)} of {len(results)} faults caught.\n\n")
        f.write("| fault | what a user would notice | caught by |\n|---|---|---|\n")
        for fault, verdict, detail in results:
            cell = detail if verdict == "caught" else f"**{verdict}** {detail}"
            f.write(f"| `{fault['id']}` | {fault['why']} | {cell} |\n")
sys.exit(1 if bad else 0)
PY

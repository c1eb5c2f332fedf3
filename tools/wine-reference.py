#!/usr/bin/env python3
"""Compares the checker's first error with the one Wine's VBScript engine reports.

Builds tests/win/reference/VbsReference.cpp with MinGW-w64, lets the corpus
test write what the checker finds for every corpus script and every seeded
fault (TARNWICK_CHECK_DUMP), compiles the same scripts with Wine's engine
(never running them) and writes the files where the two differ.

    python3 tools/wine-reference.py [--build DIR] [--out FILE]

Wine 8's engine gives positions but no numbers or texts, and it rejects some
valid constructs that Windows accepts; where it differs, Windows decides.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CORPUS = ROOT / "tests/language/corpus"
SOURCE = ROOT / "tests/win/reference/VbsReference.cpp"
COMPILER = "x86_64-w64-mingw32-g++-posix"


def build_helper(work: Path) -> Path:
    exe = work / "vbs-reference.exe"
    if not exe.exists() or exe.stat().st_mtime < SOURCE.stat().st_mtime:
        subprocess.run([COMPILER, "-std=c++20", "-O2", "-static", "-o", str(exe), str(SOURCE),
                        "-lole32", "-loleaut32", "-luuid"], check=True)
    return exe


def wine_errors(exe: Path, cwd: Path, files: list, env: dict) -> dict:
    """File -> "LINE COL" of Wine's first error, "ok", or "crash" where Wine's
    engine itself fails; one Wine process for as many files as it survives."""
    results = {}
    pending = list(files)
    while pending:
        run = subprocess.run(["wine", str(exe)] + pending, cwd=cwd, env=env, capture_output=True, text=True,
                             errors="replace", timeout=1800)
        for line in run.stdout.splitlines():
            name, _, found = line.partition("\t")
            results[name] = found if found == "ok" else " ".join(found.split()[:2])
        done = [f for f in pending if f in results]
        pending = pending[len(done):]
        if pending:  # the engine died on the next file
            results[pending.pop(0)] = "crash"
    return results


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=str(ROOT / "build"), help="build directory with tarnwick_tests")
    parser.add_argument("--out", default="-", help="where the differences go (default: standard output)")
    args = parser.parse_args()

    work = Path(args.build) / "wine-reference"
    work.mkdir(parents=True, exist_ok=True)
    exe = build_helper(work)
    dump = Path(tempfile.mkdtemp(prefix="tarnwick-check-"))
    try:
        env = dict(os.environ, TARNWICK_CHECK_DUMP=str(dump))
        subprocess.run([str(Path(args.build) / "tests/tarnwick_tests"), "--gtest_filter=Corpus.*",
                        "--gtest_brief=1"], env=env, stdout=subprocess.DEVNULL)
        ours = {}
        expected = {}
        for line in (dump / "ours.tsv").read_text(encoding="utf-8").splitlines():
            fields = line.split("\t")
            ours[fields[0]] = fields[1]
            if len(fields) > 2:
                expected[fields[0]] = fields[2].removeprefix("expected ")

        wine_env = dict(os.environ, WINEDEBUG="-all", WINEPREFIX=str(work / "wineprefix"))
        corpus_files = sorted(n for n in ours if not n.startswith("faults/"))
        fault_files = sorted(n for n in ours if n.startswith("faults/"))
        wine = wine_errors(exe, CORPUS, corpus_files, wine_env)
        wine.update(wine_errors(exe, dump, fault_files, wine_env))
        subprocess.run(["wineserver", "-k"], env=wine_env, stderr=subprocess.DEVNULL)

        out = open(args.out, "w", encoding="utf-8") if args.out != "-" else sys.stdout
        out.write("# file\tours (LINE COL NUMBER)\tWine (LINE COL)\texpected (seeded faults)\n")
        same = 0
        for name in corpus_files + fault_files:
            mine = ours[name] if ours[name] == "ok" else " ".join(ours[name].split()[:2])
            if mine == wine.get(name):
                same += 1
                continue
            out.write(f"{name}\t{ours[name]}\t{wine.get(name)}\t{expected.get(name, '')}\n")
        out.write(f"# {same} of {len(ours)} scripts agree in place\n")
    finally:
        shutil.rmtree(dump, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())

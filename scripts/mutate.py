#!/usr/bin/env python3
"""Measures how many injected faults the test suite finds (mutation testing).

Each mutant changes one spot of the product code (a comparison, a boolean, an arithmetic operator,
a constant off by one, a dropped statement), is built in an existing build folder and run against the
whole CTest suite. A mutant is found ("killed") when a test fails or times out; it survives when every
test passes; mutants that do not compile are not counted.

Mutants are named by file, the text of their line and the place in it, not by line number, so the
same set can be run on two versions of the code (before and after a change of the tests):

    python3 scripts/mutate.py --build build --sample 150 --seed 1 --out before.json
    python3 scripts/mutate.py --build build --mutants before.json --out after.json

`--since REV` draws only from the lines written after commit REV, to measure the tests of newer code.

The build folder must be configured (Ninja) and built; the working tree is restored after each mutant.
"""
import argparse
import json
import os
import pathlib
import random
import re
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
PRODUCT = ["model", "storage", "calc", "game", "ui", "tools"]

# (name, pattern, replacement); each match of the pattern in a line is one mutant.
OPERATORS = [
    ("lt-to-le", r"(?<![<>=!-])<(?![<=])(?=\s)", "<="),
    ("le-to-lt", r"<=", "<"),
    ("gt-to-ge", r"(?<![<>=-])>(?![>=])(?=\s)", ">="),
    ("ge-to-gt", r">=", ">"),
    ("eq-to-ne", r"==", "!="),
    ("ne-to-eq", r"!=", "=="),
    ("and-to-or", r"&&", "||"),
    ("or-to-and", r"\|\|", "&&"),
    ("true-to-false", r"\btrue\b", "false"),
    ("false-to-true", r"\bfalse\b", "true"),
    ("plus-to-minus", r"(?<=\s)\+(?=\s)", "-"),
    ("minus-to-plus", r"(?<=\s)-(?=\s)", "+"),
    ("inc-constant", r"(?<![\w.])([0-9]+)(?![\w.])", None),
    ("negate-if", r"\bif \(", None),
    ("drop-statement", None, None),
]

SKIP_LINE = re.compile(r"^\s*(//|#|\*|/\*)|static_assert|#include")


def product_files():
    for folder in PRODUCT:
        for path in sorted((ROOT / folder).rglob("*.cpp")):
            yield path.relative_to(ROOT).as_posix()


def lines_changed_since(relpath, revision):
    """Numbers (0-based) of the lines of the file written by commits after `revision`."""
    blame = subprocess.run(["git", "blame", "-s", f"{revision}..", "--", relpath], cwd=ROOT,
                           stdout=subprocess.PIPE, check=True).stdout.decode("utf-8", "surrogateescape")
    return {number for number, row in enumerate(blame.split("\n")) if row and not row.startswith("^")}


def candidates(relpath, since=None):
    lines = (ROOT / relpath).read_text(encoding="utf-8", errors="surrogateescape").split("\n")
    changed = lines_changed_since(relpath, since) if since else None
    for number, line in enumerate(lines):
        code = line.split("//")[0]
        if not code.strip() or SKIP_LINE.search(line) or (changed is not None and number not in changed):
            continue
        for name, pattern, replacement in OPERATORS:
            if name == "drop-statement":
                stripped = code.strip()
                if (stripped.endswith(";") and not stripped.startswith(("return", "using", "break", "continue"))
                        and "(" in stripped and "=" not in stripped.split("(")[0]):
                    yield {"file": relpath, "line": line, "operator": name, "occurrence": 0}
                continue
            for occurrence, _ in enumerate(re.finditer(pattern, code)):
                yield {"file": relpath, "line": line, "operator": name, "occurrence": occurrence}


def matching_paren(line, open_index):
    depth = 0
    for i in range(open_index, len(line)):
        if line[i] == "(":
            depth += 1
        elif line[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return None


def apply(mutant, text):
    """The file's text with the mutant applied, or None when its line is no longer there."""
    lines = text.split("\n")
    try:
        index = lines.index(mutant["line"])
    except ValueError:
        return None
    line = lines[index]
    name = mutant["operator"]
    if name == "drop-statement":
        indent = line[: len(line) - len(line.lstrip())]
        lines[index] = indent + ";"
        return "\n".join(lines)
    pattern = dict((n, p) for n, p, _ in OPERATORS)[name]
    code_end = line.find("//") if "//" in line else len(line)
    matches = list(re.finditer(pattern, line[:code_end]))
    if mutant["occurrence"] >= len(matches):
        return None
    match = matches[mutant["occurrence"]]
    if name == "negate-if":
        close = matching_paren(line, match.end() - 1)
        if close is None:
            return None
        lines[index] = line[: match.end()] + "!(" + line[match.end(): close] + ")" + line[close:]
        return "\n".join(lines)
    if name == "inc-constant":
        new = str(int(match.group(1)) + 1)
    else:
        new = dict((n, r) for n, _, r in OPERATORS)[name]
    lines[index] = line[: match.start()] + new + line[match.end():]
    return "\n".join(lines)


def run(command, timeout):
    try:
        result = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                timeout=timeout, text=True, errors="replace")
        return result.returncode, result.stdout
    except subprocess.TimeoutExpired:
        return None, "timeout"


def evaluate(mutant, build, jobs, test_timeout):
    path = ROOT / mutant["file"]
    original = path.read_text(encoding="utf-8", errors="surrogateescape")
    mutated = apply(mutant, original)
    if mutated is None or mutated == original:
        return "missing"
    try:
        path.write_text(mutated, encoding="utf-8", errors="surrogateescape")
        code, _ = run(["cmake", "--build", build, "-j", str(jobs)], 1200)
        if code != 0:
            return "invalid"
        code, output = run(["ctest", "--test-dir", build, "-j", str(jobs), "--timeout", str(test_timeout),
                            "--stop-on-failure", "-Q"], 3600)
        return "survived" if code == 0 else "killed"
    finally:
        path.write_text(original, encoding="utf-8", errors="surrogateescape")
        os.utime(path, None)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--sample", type=int, default=100, help="number of mutants to draw")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--files", nargs="*", help="product files to mutate (default: all)")
    parser.add_argument("--since", help="mutate only lines written after this commit (the newer code)")
    parser.add_argument("--mutants", help="run the mutants of an earlier result file instead of drawing")
    parser.add_argument("--out", required=True)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--test-timeout", type=int, default=120)
    args = parser.parse_args()

    if args.mutants:
        mutants = [entry["mutant"] for entry in json.loads(pathlib.Path(args.mutants).read_text())["results"]]
    else:
        pool = [m for f in (args.files or product_files()) for m in candidates(f, args.since)]
        mutants = random.Random(args.seed).sample(pool, min(args.sample, len(pool)))

    results = []
    started = time.time()
    for number, mutant in enumerate(mutants, 1):
        outcome = evaluate(mutant, args.build, args.jobs, args.test_timeout)
        results.append({"mutant": mutant, "outcome": outcome})
        print(f"[{number}/{len(mutants)}] {outcome:8} {mutant['file']}: {mutant['operator']} "
              f"in '{mutant['line'].strip()[:70]}'", flush=True)
        pathlib.Path(args.out).write_text(json.dumps({"results": results}, indent=1))
    run(["cmake", "--build", args.build, "-j", str(args.jobs)], 1200)

    counted = [r for r in results if r["outcome"] in ("killed", "survived")]
    killed = sum(r["outcome"] == "killed" for r in counted)
    summary = {"killed": killed, "survived": len(counted) - killed,
               "invalid": sum(r["outcome"] == "invalid" for r in results),
               "missing": sum(r["outcome"] == "missing" for r in results),
               "score": round(killed / len(counted), 3) if counted else None,
               "seconds": round(time.time() - started)}
    pathlib.Path(args.out).write_text(json.dumps({"summary": summary, "results": results}, indent=1))
    print(json.dumps(summary))
    return 0


if __name__ == "__main__":
    sys.exit(main())

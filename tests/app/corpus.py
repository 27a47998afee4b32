#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
"""Guards the generated texts against any change of the generators or the writers.

For every subtype of every topic (read from `tirelo genera --help`), every equation
form where a subtype takes one, and a few seeds, one run of `tirelo genera --json`
draws 16 exercises with 1 case, 16 with 3 and 16 with 255 (one series of 16 for a
subtype without cases). The statement, answer and hint bytes of each run are hashed;
the corpus file holds one line per run:

    TOPIC SUBTYPE FORM SEED SHA256

  corpus.py TIRELO CORPUS          compares, names every run that differs, exits 1
  corpus.py TIRELO CORPUS --record writes the corpus anew (only for a named change)
  corpus.py TIRELO CORPUS --cada N compares every Nth run only (the sanitizer build,
                                   where each run is many times slower)

A run that differs is looked at by running it before and after the change, e.g.
`tirelo genera --serie 3:1:3:16 --llavor 2 --json`.
"""
import hashlib
import json
import re
import subprocess
import sys

SEEDS = range(1, 7)
EXERCISES = 16


def subtypes(tirelo):
    """(topic, subtype, takes cases) for every subtype `genera --help` lists."""
    text = subprocess.run([tirelo, "genera", "--help"], check=True, capture_output=True).stdout.decode()
    topic = None
    found = []
    for line in text.split("Temes i subtipus:")[1].split("Exemples:")[0].splitlines():
        m = re.match(r"^  (\d+) ", line)
        if m:
            topic = int(m.group(1))
            continue
        m = re.match(r"^      (\d+)(\*?) ", line)
        if m and topic:
            found.append((topic, int(m.group(1)), m.group(2) == "*"))
    return found


def runs(tirelo):
    for topic, sub, cases in subtypes(tirelo):
        series = [f"{topic}:{sub}:{c}:{EXERCISES}" for c in (1, 3, 255)] if cases else [f"{topic}:{sub}:1:{EXERCISES}"]
        # Only the second-degree equations ask for a form; every form is drawn there.
        forms = range(4) if (topic, sub) == (8, 2) else (0,)
        for form in forms:
            for seed in SEEDS:
                args = [tirelo, "genera", "--llavor", str(seed), "--forma", str(form), "--json"]
                for s in series:
                    args += ["--serie", s]
                yield f"{topic} {sub} {form} {seed}", args


def digest(args):
    out = subprocess.run(args, check=True, capture_output=True).stdout
    h = hashlib.sha256()
    for e in json.loads(out):
        for field in ("enunciat", "resposta", "pista"):
            h.update(e[field].encode("utf-8") + b"\0")
    return h.hexdigest()


def main():
    tirelo, corpus = sys.argv[1], sys.argv[2]
    options = sys.argv[3:]
    every = int(options[options.index("--cada") + 1]) if "--cada" in options else 1
    chosen = [(key, args) for i, (key, args) in enumerate(runs(tirelo)) if i % every == 0]
    lines = [f"{key} {digest(args)}" for key, args in chosen]
    if "--record" in options:
        if every != 1:
            print("--record writes every run: leave out --cada")
            return 2
        with open(corpus, "w") as f:
            f.write("\n".join(lines) + "\n")
        print(f"recorded {len(lines)} runs")
        return 0
    with open(corpus) as f:
        expected = f.read().splitlines()
    keys_chosen = {key for key, _ in chosen}
    expected = [e for e in expected if " ".join(e.split()[:4]) in keys_chosen]
    differ = sorted(set(lines) ^ set(expected))
    keys = sorted({" ".join(d.split()[:4]) for d in differ})
    for k in keys:
        print(f"FALLA: the texts of run TOPIC SUBTYPE FORM SEED = {k} differ from the corpus")
    print(f"{len(lines) - len(keys)} passed, {len(keys)} failed")
    return 1 if keys else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""End-to-end timing of a run against the floor of writing the same bytes.

Times, in alternating rounds:
  (a) the main program in a fresh folder (the embedded scenario);
  (c_a) the floor program writing byte-identical copies of (a)'s six files;
  (b) the command-line tool compiling a generated 1,000,000 m scenario;
  (c_b) the floor program writing byte-identical copies of (b)'s three files.
Prints the median wall times, the ratios a/c_a and b/c_b, and the peak
resident memory of (a) and (b) (from wait4's rusage, as /usr/bin/time -v
reports it).

usage: confronto.py BUILD_DIR [ROUNDS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def esegui(argv, cwd):
    """Runs argv in cwd (or here); returns (seconds, peak RSS in KiB)."""
    azioni = [
        (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
        (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0),
    ]
    vecchia = os.getcwd()
    if cwd is not None:
        os.chdir(cwd)
    try:
        inizio = time.perf_counter()
        pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=azioni)
        _, stato, uso = os.wait4(pid, 0)
        durata = time.perf_counter() - inizio
    finally:
        os.chdir(vecchia)
    if os.waitstatus_to_exitcode(stato) != 0:
        raise SystemExit(f"{argv} failed with {os.waitstatus_to_exitcode(stato)}")
    return durata, uso.ru_maxrss


def main():
    build = os.path.abspath(sys.argv[1])
    giri = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    programma = os.path.join(build, "compattatore")
    cli = os.path.join(build, "compattatore-cli")
    genera = os.path.join(build, "compattatore-genera")
    pavimento = os.path.join(build, "compattatore-pavimento")
    base = tempfile.mkdtemp(prefix="compattatore-banco-")
    try:
        # Reference outputs for the floor program.
        rif_a = os.path.join(base, "rif_a")
        os.mkdir(rif_a)
        shutil.copy(programma, rif_a)
        esegui([os.path.join(rif_a, "compattatore")], rif_a)
        file_a = sorted(os.path.join(rif_a, f) for f in os.listdir(rif_a) if f != "compattatore")

        ingressi = os.path.join(base, "ingressi")
        subprocess.run([genera, "1000000", ingressi, "Banco", "1"], check=True)
        linea = os.path.join(ingressi, "Banco_linea.txt")
        treno = os.path.join(ingressi, "Banco_1-.txt")
        rif_b = os.path.join(base, "rif_b")
        os.mkdir(rif_b)
        esegui([cli, "compile", linea, treno, "-o", rif_b], None)
        file_b = sorted(os.path.join(rif_b, f) for f in os.listdir(rif_b))

        tempi = {"a": [], "c_a": [], "b": [], "c_b": []}
        picco = {"a": 0, "b": 0}
        for giro in range(giri):
            cartella = os.path.join(base, f"giro{giro}")
            for nome in ("a", "c_a", "b", "c_b"):
                os.mkdir(cartella + nome)
            shutil.copy(programma, cartella + "a")
            t, rss = esegui([os.path.join(cartella + "a", "compattatore")], cartella + "a")
            tempi["a"].append(t)
            picco["a"] = max(picco["a"], rss)
            t, _ = esegui([pavimento, cartella + "c_a"] + file_a, None)
            tempi["c_a"].append(t)
            t, rss = esegui([cli, "compile", linea, treno, "-o", cartella + "b"], None)
            tempi["b"].append(t)
            picco["b"] = max(picco["b"], rss)
            t, _ = esegui([pavimento, cartella + "c_b"] + file_b, None)
            tempi["c_b"].append(t)
            for nome in ("a", "c_a", "b", "c_b"):
                shutil.rmtree(cartella + nome)

        med = {k: statistics.median(v) for k, v in tempi.items()}
        print(f"rounds: {giri} (alternating a, c_a, b, c_b)")
        print(f"(a)   main program, embedded scenario:    median {med['a'] * 1e3:8.2f} ms, peak RSS {picco['a'] / 1024:6.1f} MiB")
        print(f"(c_a) floor, same six files:              median {med['c_a'] * 1e3:8.2f} ms")
        print(f"(b)   cli compile, 1,000,000 m scenario:  median {med['b'] * 1e3:8.2f} ms, peak RSS {picco['b'] / 1024:6.1f} MiB")
        print(f"(c_b) floor, same three files:            median {med['c_b'] * 1e3:8.2f} ms")
        print(f"ratio a/c_a: {med['a'] / med['c_a']:.2f}")
        print(f"ratio b/c_b: {med['b'] / med['c_b']:.2f}")
    finally:
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    main()

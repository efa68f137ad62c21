#!/usr/bin/env python3
"""End-to-end timing of a run against the floor of writing the same bytes.

Times, in alternating rounds:
  (a)     the main program in a fresh folder (the embedded scenario);
  (c_a)   the floor program writing byte-identical copies of (a)'s six files;
  (f_a)   the same floor, also writing, reading back and deleting the two
          description texts a run goes through before it leaves its files;
  (b)     the command-line tool compiling a generated 1,000,000 m scenario;
  (c_b)   the floor program writing byte-identical copies of (b)'s three files.
Prints the median wall times and the ratios a/c_a, a/f_a and b/c_b; then the
peak resident memory of (a) and (b), as `/usr/bin/time -v` reports it; then,
when hyperfine is installed, its own medians of (a) against (c_a) and of (b)
against (c_b), as a cross-check with a public tool (it runs each command's
rounds in a row rather than alternating them).

usage: confronto.py BUILD_DIR [ROUNDS]
"""
import os
import json
import re
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def esegui(argv, cwd=None):
    """Runs argv in cwd (or here), output discarded; returns the wall time in seconds."""
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
        _, stato = os.waitpid(pid, 0)
        durata = time.perf_counter() - inizio
    finally:
        os.chdir(vecchia)
    if os.waitstatus_to_exitcode(stato) != 0:
        raise SystemExit(f"{argv} failed with {os.waitstatus_to_exitcode(stato)}")
    return durata


def svuota(cartella):
    """Empties the files a round wrote without deleting them. Deleted files
    would slow down every later file creation (the file system passes over
    the inodes freed in the last minutes), by an amount that grows with the
    benchmark's own deletions and falls hardest on whatever creates the most
    files; kept whole, their unwritten pages would pile up. Emptied, neither
    happens. Everything is deleted at the end."""
    for nome in os.listdir(cartella):
        os.truncate(os.path.join(cartella, nome), 0)


def picco_rss(argv, cwd=None):
    """Peak resident memory of one run in KiB, from /usr/bin/time -v."""
    r = subprocess.run(["/usr/bin/time", "-v"] + argv, cwd=cwd, capture_output=True, text=True, check=True)
    return int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", r.stderr).group(1))


def hyperfine(base, coppie, giri):
    """Medians from hyperfine of commands run each in a fresh folder: coppie is
    a list of (name, command words, folder, files to copy into it)."""
    argv = ["hyperfine", "-N", "--warmup", "3", "--runs", str(giri), "--style", "none",
            "--export-json", os.path.join(base, "hyperfine.json")]
    for _, parole, cartella, copie in coppie:
        # A fresh folder each time; the last one is moved aside and emptied,
        # as svuota does.
        d = shlex.quote(cartella)
        prepara = (f"if [ -d {d} ]; then t=$(mktemp -d -p {shlex.quote(base)}); mv {d} \"$t\"/; "
                   f"find \"$t\" -type f -exec truncate -s 0 {{}} +; fi; mkdir {d}")
        for c in copie:
            prepara += f" && cp {shlex.quote(c)} {d}/"
        argv += ["--prepare", f"sh -c {shlex.quote(prepara)}"]
    argv += [" ".join(shlex.quote(p) for p in parole) for _, parole, _, _ in coppie]
    subprocess.run(argv, check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(base, "hyperfine.json")) as f:
        risultati = json.load(f)["results"]
    return {nome: r["median"] for (nome, _, _, _), r in zip(coppie, risultati)}


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
        testi = os.path.join(base, "testi")
        esegui([cli, "export", testi])
        transitori = sorted(os.path.join(testi, f) for f in os.listdir(testi) if f.endswith("_linea.txt") or f.endswith("-.txt"))
        if len(transitori) != 2:
            raise SystemExit(f"expected the two description texts in {testi}")

        ingressi = os.path.join(base, "ingressi")
        subprocess.run([genera, "1000000", ingressi, "Banco", "1"], check=True, stdout=subprocess.DEVNULL)
        linea = os.path.join(ingressi, "Banco_linea.txt")
        treno = os.path.join(ingressi, "Banco_1-.txt")
        rif_b = os.path.join(base, "rif_b")
        os.mkdir(rif_b)
        esegui([cli, "compile", linea, treno, "-o", rif_b])
        file_b = sorted(os.path.join(rif_b, f) for f in os.listdir(rif_b))

        comandi = {
            "a": lambda d: esegui([os.path.join(d, "compattatore")], d),
            "c_a": lambda d: esegui([pavimento, d] + file_a),
            "f_a": lambda d: esegui([pavimento, d] + file_a + ["--transient"] + transitori),
            "b": lambda d: esegui([cli, "compile", linea, treno, "-o", d]),
            "c_b": lambda d: esegui([pavimento, d] + file_b),
        }
        tempi = {k: [] for k in comandi}
        for giro in range(giri):
            for nome, comando in comandi.items():
                cartella = os.path.join(base, f"giro{giro}{nome}")
                os.mkdir(cartella)
                if nome == "a":
                    shutil.copy(programma, cartella)
                tempi[nome].append(comando(cartella))
                svuota(cartella)

        picco = {"a": 0, "b": 0}
        for giro in range(5):
            cartella = os.path.join(base, f"rss{giro}")
            os.mkdir(cartella)
            shutil.copy(programma, cartella)
            picco["a"] = max(picco["a"], picco_rss([os.path.join(cartella, "compattatore")], cartella))
            picco["b"] = max(picco["b"], picco_rss([cli, "compile", linea, treno, "-o", cartella]))
            shutil.rmtree(cartella)

        med = {k: statistics.median(v) for k, v in tempi.items()}
        print(f"rounds: {giri} (alternating {', '.join(comandi)})")
        print(f"(a)   main program, embedded scenario:          median {med['a'] * 1e3:8.2f} ms")
        print(f"(c_a) floor, same six files:                    median {med['c_a'] * 1e3:8.2f} ms")
        print(f"(f_a) floor, six files and the two transient texts: median {med['f_a'] * 1e3:8.2f} ms")
        print(f"(b)   cli compile, 1,000,000 m scenario:        median {med['b'] * 1e3:8.2f} ms")
        print(f"(c_b) floor, same three files:                  median {med['c_b'] * 1e3:8.2f} ms")
        print(f"ratio a/c_a: {med['a'] / med['c_a']:.2f}")
        print(f"ratio a/f_a: {med['a'] / med['f_a']:.2f}")
        print(f"ratio b/c_b: {med['b'] / med['c_b']:.2f}")
        print(f"peak RSS (/usr/bin/time -v, max of 5): (a) {picco['a'] / 1024:.1f} MiB, (b) {picco['b'] / 1024:.1f} MiB")

        if shutil.which("hyperfine"):
            da = os.path.join(base, "hf_a")
            dc = os.path.join(base, "hf_c")
            h = hyperfine(base, [("a", [os.path.join(da, "compattatore")], da, [programma]),
                                 ("c_a", [pavimento, dc] + file_a, dc, [])], giri)
            db = os.path.join(base, "hf_b")
            h.update(hyperfine(base, [("b", [cli, "compile", linea, treno, "-o", db], db, []),
                                      ("c_b", [pavimento, dc] + file_b, dc, [])], giri))
            print(f"hyperfine medians: (a) {h['a'] * 1e3:.2f} ms, (c_a) {h['c_a'] * 1e3:.2f} ms, ratio {h['a'] / h['c_a']:.2f}; "
                  f"(b) {h['b'] * 1e3:.2f} ms, (c_b) {h['c_b'] * 1e3:.2f} ms, ratio {h['b'] / h['c_b']:.2f}")
        else:
            print("hyperfine not installed: no cross-check")
    finally:
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    main()

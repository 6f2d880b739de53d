#!/usr/bin/env python3
"""Mutation pass: how many planted one-line faults in src/ the test suite kills.

The sites live in scripts/mutanty.txt, one block per site:

    M0042 src/numerics/Matrix2.cpp 1 rel
    - if (n < 0) return;
    + if (n <= 0) return;

that is: id, file, occurrence, kind; the original line and the mutated line,
both without their indentation. A site is found by its text, not by its line
number: the occurrence counts equal lines from the top of the file (1 = first),
so unrelated edits do not move it. A site whose text is gone is reported as
"missing". If the file itself moved, a file of the same name elsewhere under
src/ is used.

Each mutant is applied to a scratch copy of the working tree (under
build-mutanty/ by default, one copy per parallel worker), the libraries and the
test programs that link the mutated library are rebuilt (ccache), the test
programs run directly, a few at a time, and the mutant stops at the first
program that fails (the first to fail in time is recorded). The file is
restored afterwards. The results file has one line per mutant: id, file,
status, first failing test program, seconds, detail. Status per mutant:
  killed        a test program failed, crashed or timed out
  survived      every test program passed
  not-compiled  the mutated source does not build
  missing       the site's text is no longer in the source

Commands:
  mutanty.py run [-j N] [--sites ...] [--sample N] [--tests RE] [-o FILE]
  mutanty.py compare BEFORE AFTER      before/after table per folder
  mutanty.py check                     list the sites whose text is missing
  mutanty.py show [--sites ...]        each site with the code around it
  mutanty.py generate --force          draw a fresh list (the committed list is
                                       reviewed by hand; do not overwrite it)

A pass ends with its wall time per mutant and the time all sites would take at
that rate. Not run by CI.
"""

import argparse
import concurrent.futures
import datetime
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
SITES_FILE = Path(__file__).resolve().parent / "mutanty.txt"

# Folders of src/ in the order of the table, with the level of the library
# they belong to: a mutant at level L needs the test programs of level >= L.
FOLDERS = {
    "numerics": 0,
    "core": 1, "points": 1, "analysis": 1, "reports": 1,
    "drawing": 2,
    "ui": 3, "ui/layer": 3, "ui/displacements": 3,
}


# --- Sites -------------------------------------------------------------------

class Site:
    def __init__(self, ident, path, occurrence, kind, before, after):
        self.id, self.path, self.occurrence = ident, path, occurrence
        self.kind, self.before, self.after = kind, before, after

    @property
    def folder(self):
        return folder_of(self.path)

    def block(self):
        return (f"{self.id} {self.path} {self.occurrence} {self.kind}\n"
                f"- {self.before}\n+ {self.after}\n")


def folder_of(path):
    parts = Path(path).parts
    inner = "/".join(parts[1:-1]) if parts and parts[0] == "src" else str(Path(path).parent)
    return inner


def read_sites(path=SITES_FILE):
    sites, lines = [], path.read_text(encoding="utf-8").splitlines()
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.strip() or line.startswith("#"):
            i += 1
            continue
        head = line.split()
        if len(head) != 4 or i + 2 >= len(lines) or not lines[i + 1].startswith("- ") \
                or not lines[i + 2].startswith("+ "):
            sys.exit(f"{path}:{i + 1}: expected 'ID FILE OCCURRENCE KIND', '- line', '+ line'")
        before, after = lines[i + 1][2:].strip(), lines[i + 2][2:].strip()
        if before == after:
            sys.exit(f"{path}:{i + 1}: site {head[0]} changes nothing")
        sites.append(Site(head[0], head[1], int(head[2]), head[3], before, after))
        i += 3
    ids = [s.id for s in sites]
    if len(ids) != len(set(ids)):
        sys.exit(f"{path}: duplicate site ids")
    return sites


def locate(root, site):
    """Returns (relative path, line index) of the site in the tree at root, or None."""
    path = root / site.path
    if not path.exists():
        same = [p for p in (root / "src").rglob(Path(site.path).name)]
        if len(same) != 1:
            return None
        path = same[0]
    lines = read_source(path).splitlines(keepends=True)
    seen = 0
    for n, line in enumerate(lines):
        if line.strip() == site.before:
            seen += 1
            if seen == site.occurrence:
                return str(path.relative_to(root)), n
    return None


def read_source(path):
    # Bytes decoded as they are: CR LF line ends survive a restore.
    return path.read_bytes().decode("utf-8")


def mutate_text(text, index, site):
    lines = text.splitlines(keepends=True)
    line = lines[index]
    indent = line[:len(line) - len(line.lstrip())]
    ending = line[len(line.rstrip("\r\n")):]
    lines[index] = indent + site.after + ending
    return "".join(lines)


def select_sites(sites, spec, sample):
    if spec:
        wanted = set(spec.split(","))
        sites = [s for s in sites if s.id in wanted or s.folder in wanted]
    if sample:
        # Spread over the folders: every k-th site of each folder, k from its share.
        chosen = []
        by_folder = {}
        for s in sites:
            by_folder.setdefault(s.folder, []).append(s)
        total = len(sites)
        for folder_sites in by_folder.values():
            take = max(1, round(sample * len(folder_sites) / total))
            step = len(folder_sites) / take
            chosen += [folder_sites[int(k * step)] for k in range(take)]
        sites = sorted(chosen, key=lambda s: s.id)
    return sites


# --- Generating the list -----------------------------------------------------

def mask_line(line, in_comment):
    """Blanks string/char literals and comments (keeps the length). Returns (masked, in_comment)."""
    out, i, n = [], 0, len(line)
    while i < n:
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                out.append("\x01" * (n - i))
                return "".join(out), True
            out.append("\x01" * (end + 2 - i))
            i, in_comment = end + 2, False
            continue
        c = line[i]
        if line.startswith("//", i):
            out.append("\x01" * (n - i))
            break
        if line.startswith("/*", i):
            in_comment = True
            continue
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(c + "\x01" * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)[:n], in_comment


SKIP_LINE = re.compile(r"^\s*(#|namespace\b|static_assert|using\b|template\b|default:)|qWarning|qDebug|assert\(")
# Constants not worth changing: case labels (a duplicate does not compile),
# pixel sizes of the window layout, menu shortcut codes, timer delays.
SKIP_CONSTANT = re.compile(r"^\s*case\b|set(Geometry|Minimum\w*|Maximum\w*|Fixed\w*|Spacing|ContentsMargins|"
                           r"ColWidth|DefaultRowHeight|PixelSize|PointSize)\(|add(Spacing|Stretch|Widget)\(|"
                           r"resize\(|Q(Rect|Point|PointF|Size|Pen)\b|PridejPolozku|polozka\(|singleShot|Label\(")
REL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITH = {"+": "-", "-": "+", "*": "/", "/": "*"}
ASSIGN = {"+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="}
KIND_WEIGHT = {"rel": 25, "neg": 18, "arith": 15, "const": 15, "log": 8, "bool": 8, "assign": 5, "not": 6}


def closing_paren(text, start):
    depth = 0
    for i in range(start, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def changed_constant(literal):
    body = literal.rstrip("uUlLfF")
    suffix = literal[len(body):]
    if re.fullmatch(r"\d+", body):
        return str(int(body) + 1) + suffix
    value = float(body)
    new = 1.0 if value == 0 else value + 1 if abs(value) < 10 else value * 2
    text = repr(new)
    return text + suffix


def candidates(line, masked):
    """All one-line mutations of a source line: (kind, mutated line)."""
    found = []

    def put(kind, start, end, new):
        found.append((kind, line[:start] + new + line[end:]))

    quoted = '"' in masked or "'" in masked
    for m in re.finditer(r"(?<= )(<=|>=|==|!=|<|>)(?= )", masked):
        put("rel", m.start(), m.end(), REL[m.group(1)])
    for m in re.finditer(r"(?<= )(&&|\|\|)(?= )", masked):
        put("log", m.start(), m.end(), "||" if m.group(1) == "&&" else "&&")
    if not quoted:
        for m in re.finditer(r"(?<= )([-+*/])(?= )", masked):
            put("arith", m.start(), m.end(), ARITH[m.group(1)])
        for m in re.finditer(r"(?<= )(\+=|-=|\*=|/=)(?= )", masked):
            put("assign", m.start(), m.end(), ASSIGN[m.group(1)])
    for m in re.finditer(r"(?:\breturn| =) (true|false);", masked):
        put("bool", m.start(1), m.end(1), "false" if m.group(1) == "true" else "true")
    for m in re.finditer(r"\b(if|while) \(", masked):
        open_at = m.end() - 1
        close = closing_paren(masked, open_at)
        if close > 0:
            cond = line[open_at + 1:close]
            simple = cond.startswith("!") and not re.search(r" (&&|\|\||\?) ", cond)
            new = cond[1:] if simple else "!(" + cond + ")"
            found.append(("neg", line[:open_at + 1] + new + line[close:]))
    for m in re.finditer(r"(?<![\w)\]!])!(?=[\w(])", masked):
        put("not", m.start(), m.end(), "")
    constants = [] if SKIP_CONSTANT.search(line) else \
        re.finditer(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\d+[eE][-+]?\d+|\d+)([uUlLfF]*)(?![\w.])",
                    masked)
    for m in constants:
        put("const", m.start(), m.end(), changed_constant(m.group(0)))
    return [(k, t) for k, t in found if t.strip() != line.strip()]


def code_lines(path):
    count, in_comment = 0, False
    for line in path.read_text(encoding="utf-8").splitlines():
        masked, in_comment = mask_line(line, in_comment)
        if masked.replace("\x01", "").strip():
            count += 1
    return count


def generate(count, seed):
    rng = random.Random(seed)
    sizes, pools = {}, {}
    for folder in FOLDERS:
        files = sorted((REPO / "src" / folder).glob("*.cpp"))
        sizes[folder] = sum(code_lines(p) for p in files) + \
            sum(code_lines(p) for p in (REPO / "src" / folder).glob("*.h"))
        pool = []
        for path in files:
            rel = str(path.relative_to(REPO))
            seen, in_comment = {}, False
            for line in path.read_text(encoding="utf-8").splitlines():
                masked, in_comment = mask_line(line, in_comment)
                stripped = line.strip()
                seen[stripped] = seen.get(stripped, 0) + 1
                if not masked.replace("\x01", "").strip() or SKIP_LINE.search(masked):
                    continue
                lead = len(line) - len(line.lstrip())
                options = candidates(stripped, masked[lead:lead + len(stripped)])
                if options:
                    pool.append((rel, seen[stripped], stripped, options))
        pools[folder] = pool
    # Quota per folder in proportion to its code, largest remainders first.
    total = sum(sizes.values())
    exact = {f: count * sizes[f] / total for f in FOLDERS}
    quota = {f: int(exact[f]) for f in FOLDERS}
    for f in sorted(FOLDERS, key=lambda f: exact[f] - quota[f], reverse=True)[:count - sum(quota.values())]:
        quota[f] += 1
    # In each folder: a kind by its weight, then a line that offers it, each line once.
    sites = []
    for folder in FOLDERS:
        pool, picked = list(pools[folder]), []
        while len(picked) < quota[folder] and pool:
            kinds = sorted({k for c in pool for k, _ in c[3]})
            kind = rng.choices(kinds, weights=[KIND_WEIGHT[k] for k in kinds])[0]
            line = rng.choice([c for c in pool if any(k == kind for k, _ in c[3])])
            pool.remove(line)
            picked.append((line, rng.choice([t for k, t in line[3] if k == kind]), kind))
        for (rel, occurrence, stripped, _), after, kind in sorted(picked, key=lambda p: p[0][:3]):
            sites.append(Site(f"M{len(sites) + 1:04d}", rel, occurrence, kind, stripped, after))
    return sites, sizes


def write_sites(sites, path, seed):
    head = ("# Mutation sites of scripts/mutanty.py (see its header for the format).\n"
            f"# Drawn by 'mutanty.py generate' ({len(sites)} sites, seed {seed}), then reviewed\n"
            "# by hand: equivalent mutants, unreachable lines and mutants that do not\n"
            "# compile were dropped, so the ids have gaps.\n\n")
    path.write_text(head + "\n".join(s.block() for s in sites), encoding="utf-8")


# --- Scratch copies and building ---------------------------------------------

def tree_files():
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=REPO,
                         capture_output=True, check=True).stdout.decode()
    return sorted(f for f in out.split("\0") if f and (REPO / f).is_file())


class Scratch:
    """One copy of the working tree with its own build folder."""

    def __init__(self, work, index, build_jobs):
        self.root = work / f"s{index}"
        self.build = self.root / "build"
        self.tmp = self.root / "tmp"
        self.build_jobs = build_jobs

    def sync(self, files):
        """Copies the files that differ, removes the ones gone; unchanged files keep their time."""
        self.root.mkdir(parents=True, exist_ok=True)
        self.tmp.mkdir(exist_ok=True)
        wanted = set(files)
        for f in files:
            src, dst = REPO / f, self.root / f
            data = src.read_bytes()
            if not dst.exists() or dst.read_bytes() != data:
                dst.parent.mkdir(parents=True, exist_ok=True)
                dst.write_bytes(data)
                shutil.copymode(src, dst)
        for folder, dirs, names in os.walk(self.root):
            if Path(folder) == self.root:
                dirs[:] = [d for d in dirs if d not in ("build", "tmp")]
            for name in names:
                rel = str((Path(folder) / name).relative_to(self.root))
                if rel not in wanted:
                    (Path(folder) / name).unlink()

    def configure(self):
        if (self.build / "build.ninja").exists():
            return
        # Same code as the RelWithDebInfo build, without debug info and linked
        # with lld: relinking every test program then takes seconds.
        flags = "-O2 -DNDEBUG"
        run_checked(["cmake", "-S", str(self.root), "-B", str(self.build), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                     f"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO={flags}",
                     f"-DCMAKE_C_FLAGS_RELWITHDEBINFO={flags}",
                     "-DSITMERA_BENCH=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
                    + (["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []))

    def ninja(self, targets):
        r = subprocess.run(["ninja", "-C", str(self.build), f"-j{self.build_jobs}"] + targets,
                           capture_output=True, text=True)
        return r.returncode == 0, r.stdout + r.stderr

    def test_programs(self):
        out = subprocess.run(["ninja", "-C", str(self.build), "-t", "targets", "all"],
                             capture_output=True, text=True, check=True).stdout
        return sorted(set(re.findall(r"^tests/(\w+_test): CXX_EXECUTABLE_LINKER", out, re.M)))

    def object_target(self, rel):
        out = subprocess.run(["ninja", "-C", str(self.build), "-t", "targets", "all"],
                             capture_output=True, text=True, check=True).stdout
        inner = rel[len("src/"):] if rel.startswith("src/") else rel
        m = re.search(r"^(src/CMakeFiles/[^:]*/" + re.escape(inner) + r"\.o):", out, re.M)
        return m.group(1) if m else None


def run_checked(cmd):
    r = subprocess.run(cmd, capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit(f"failed: {' '.join(cmd)}\n{r.stdout}{r.stderr}")


def use_ccache_settings():
    # Paths below /work are hashed relative to the build folder, so the scratch
    # copies share the cache with each other and with the developer's builds.
    os.environ.setdefault("CCACHE_BASEDIR", "/work")
    os.environ.setdefault("CCACHE_DIR", "/work/.ccache")
    os.environ.setdefault("CCACHE_NOHASHDIR", "1")


def test_folder(program):
    """Folder of src/ whose tests a program is: ui_layer_Menu_test -> ui/layer."""
    best = None
    for folder in FOLDERS:
        prefix = folder.replace("/", "_") + "_"
        if program.startswith(prefix) and (best is None or len(prefix) > len(best[1])):
            best = (folder, prefix)
    return best[0] if best else None


def first_error(log):
    for line in log.splitlines():
        if "error:" in line or "error :" in line:
            return line.strip()[:160]
    return "build failed"


# --- Running test programs ---------------------------------------------------

def run_programs(build, programs, jobs, timeouts, env):
    """Runs programs a few at a time; stops at the first failure.

    Returns (program, reason, times): program None when all pass, else the
    first to fail, with reason "fail", "crash" or "timeout"; times holds the
    seconds each passing program took."""
    pending, running, times = list(programs), {}, {}
    cwd = build / "tests"

    def stop_all():
        for p in running:
            try:
                os.killpg(p.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            p.wait()

    try:
        while pending or running:
            while pending and len(running) < jobs:
                name = pending.pop(0)
                p = subprocess.Popen([str(cwd / name)], cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     start_new_session=True)
                running[p] = (name, time.monotonic())
            for p, (name, started) in list(running.items()):
                rc = p.poll()
                if rc is None:
                    if time.monotonic() - started > timeouts.get(name, 60):
                        return name, "timeout", times
                    continue
                del running[p]
                if rc != 0:
                    return name, ("crash" if rc < 0 else "fail"), times
                times[name] = time.monotonic() - started
            time.sleep(0.005)
        return None, None, times
    finally:
        stop_all()


# --- The pass ----------------------------------------------------------------

class Pass:
    def __init__(self, args):
        self.args = args
        self.work = Path(args.work).resolve()
        self.scratches = [Scratch(self.work, k, args.build_jobs) for k in range(args.jobs)]
        self.free = list(self.scratches)
        self.lock = threading.Lock()

    def prepare(self):
        files = tree_files()
        for s in self.scratches:
            s.sync(files)
            s.configure()
        first = self.scratches[0]
        programs = [p for p in first.test_programs() if re.search(self.args.tests, p)]
        if not programs:
            sys.exit("no test program matches --tests")
        self.programs = programs
        if self.args.build_only:
            return
        say(f"building {len(self.scratches)} scratch cop{'y' if len(self.scratches) == 1 else 'ies'} "
            f"in {self.work}")
        t0 = time.monotonic()
        ok, log = first.ninja(programs)
        if not ok:
            sys.exit("the unmutated tree does not build:\n" + log[-3000:])
        with concurrent.futures.ThreadPoolExecutor(len(self.scratches)) as ex:
            for ok, log in ex.map(lambda s: s.ninja(programs), self.scratches[1:]):
                if not ok:
                    sys.exit("the unmutated tree does not build:\n" + log[-3000:])
        say(f"built in {time.monotonic() - t0:.0f} s; running the unmutated tests")
        env = self.test_env(first)
        self.times = {}
        failing = []
        for name in programs:
            bad, reason, times = run_programs(first.build, [name], 1, {name: 300}, env)
            if bad:
                failing.append(f"{name} ({reason})")
            else:
                self.times.update(times)
        if failing:
            sys.exit("the unmutated suite fails, mend it first: " + ", ".join(failing))
        self.timeouts = {n: max(self.args.timeout, 10 * t) for n, t in self.times.items()}
        say(f"{len(programs)} test programs pass in {sum(self.times.values()):.1f} s one after another")

    def test_env(self, scratch):
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "offscreen"
        env["TMPDIR"] = str(scratch.tmp)
        return env

    def order(self, rel):
        """Test programs for a mutant: the unit's own test first, then its folder, then the rest."""
        level = FOLDERS.get(folder_of(rel), 0)
        unit = Path(rel).stem
        folder = folder_of(rel)
        chosen = [p for p in self.programs if FOLDERS.get(test_folder(p), 3) >= level]

        def key(p):
            own = test_folder(p) == folder
            return (not (own and p == f"{folder.replace('/', '_')}_{unit}_test"), not own,
                    self.times.get(p, 0))
        return sorted(chosen, key=key)

    def one(self, site):
        with self.lock:
            scratch = self.free.pop()
        t0 = time.monotonic()
        try:
            return self.mutant(scratch, site) + (time.monotonic() - t0,)
        finally:
            with self.lock:
                self.free.append(scratch)

    def mutant(self, scratch, site):
        found = locate(scratch.root, site)
        if not found:
            return site.path, "missing", "-", ""
        rel, index = found
        path = scratch.root / rel
        original = path.read_bytes()
        try:
            path.write_bytes(mutate_text(original.decode("utf-8"), index, site).encode("utf-8"))
            programs = self.order(rel)
            if self.args.build_only:
                target = scratch.object_target(rel)
                ok, log = scratch.ninja([target] if target else programs)
                return rel, ("compiled" if ok else "not-compiled"), "-", "" if ok else first_error(log)
            if not programs:
                return rel, "survived", "-", "no test program of its library selected"
            ok, log = scratch.ninja(programs)
            if not ok:
                return rel, "not-compiled", "-", first_error(log)
            bad, reason, _ = run_programs(scratch.build, programs, self.args.test_jobs, self.timeouts,
                                          self.test_env(scratch))
            if bad:
                return rel, "killed", bad, reason
            return rel, "survived", "-", ""
        finally:
            path.write_bytes(original)


def say(text):
    print(text, flush=True)


def tree_description():
    r = subprocess.run(["git", "describe", "--always", "--dirty"], cwd=REPO, capture_output=True, text=True)
    return r.stdout.strip() or "?"


def cmd_run(args):
    sites = select_sites(read_sites(args.list), args.sites, args.sample)
    out = Path(args.output)
    done = set()
    if args.resume and out.exists():
        done = {line.split("\t")[0] for line in out.read_text().splitlines()
                if line and not line.startswith("#")}
    todo = [s for s in sites if s.id not in done]
    if not todo:
        say("nothing to do")
        return
    use_ccache_settings()
    p = Pass(args)
    t_start = time.monotonic()
    p.prepare()
    t_ready = time.monotonic()
    mode = "a" if args.resume and out.exists() else "w"
    with out.open(mode, encoding="utf-8") as f:
        if mode == "w":
            f.write(f"# mutanty {datetime.datetime.now():%Y-%m-%d %H:%M} tree {tree_description()} "
                    f"tests '{args.tests}' programs {len(p.programs)}\n"
                    "# id\tfile\tstatus\tfirst failing test program\tseconds\tdetail\n")
        counts = {}
        ex = concurrent.futures.ThreadPoolExecutor(args.jobs)
        try:
            futures = {ex.submit(p.one, s): s for s in todo}
            for n, fut in enumerate(concurrent.futures.as_completed(futures), 1):
                site = futures[fut]
                rel, status, program, detail, seconds = fut.result()
                counts[status] = counts.get(status, 0) + 1
                f.write(f"{site.id}\t{rel}\t{status}\t{program}\t{seconds:.1f}\t{detail}\n")
                f.flush()
                say(f"[{n}/{len(todo)}] {site.id} {rel}: {status} {program if program != '-' else ''} "
                    f"{detail} ({seconds:.1f} s)")
        except KeyboardInterrupt:
            # The mutants under way finish and restore their files; --resume goes on.
            ex.shutdown(wait=True, cancel_futures=True)
            sys.exit("interrupted: the results so far are kept, --resume continues")
        ex.shutdown()
    wall = time.monotonic() - t_ready
    per = wall / len(todo)
    total_sites = len(read_sites(args.list))
    say(f"\n{len(todo)} mutants in {wall:.0f} s after {t_ready - t_start:.0f} s of preparation: "
        + ", ".join(f"{k} {v}" for k, v in sorted(counts.items())))
    say(f"{per:.1f} s of wall time per mutant with -j {args.jobs}; all {total_sites} sites at this "
        f"rate: about {total_sites * per / 60:.0f} min")


def cmd_check(args):
    sites = select_sites(read_sites(args.list), args.sites, None)
    missing = [s for s in sites if not locate(REPO, s)]
    for s in missing:
        say(f"missing {s.id} {s.path}: {s.before}")
    say(f"{len(sites) - len(missing)} of {len(sites)} sites found")
    return 1 if missing else 0


def cmd_show(args):
    for s in select_sites(read_sites(args.list), args.sites, args.sample):
        found = locate(REPO, s)
        if not found:
            say(f"== {s.id} {s.path} MISSING\n")
            continue
        rel, index = found
        lines = (REPO / rel).read_text(encoding="utf-8").splitlines()
        say(f"== {s.id} {rel}:{index + 1} {s.kind}")
        for n in range(max(0, index - args.context), min(len(lines), index + args.context + 1)):
            say(("-> " if n == index else "   ") + lines[n])
        say("=> " + s.after + "\n")


def read_results(path):
    rows = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            cols = line.split("\t")
            rows[cols[0]] = {"file": cols[1], "status": cols[2], "program": cols[3]}
    return rows


def cmd_compare(args):
    before, after = read_results(args.before), read_results(args.after)
    sites = {s.id: s for s in read_sites(args.list)}
    folder = {i: sites[i].folder if i in sites else folder_of(r["file"]) for i, r in before.items()}
    order = list(FOLDERS) + sorted(set(folder.values()) - set(FOLDERS))
    say("| folder | sites | killed before | killed after |")
    say("|---|---:|---:|---:|")
    lost, totals = [], [0, 0, 0]
    for f in order:
        ids = [i for i in before if folder[i] == f]
        if not ids:
            continue
        kb = [i for i in ids if before[i]["status"] == "killed"]
        ka = [i for i in ids if after.get(i, {}).get("status") == "killed"]
        lost += [i for i in kb if i not in ka]
        row = [len(ids), len(kb), len(ka)]
        totals = [a + b for a, b in zip(totals, row)]
        say(f"| {f} | {row[0]} | {row[1]} | {row[2]} |")
    say(f"| **total** | {totals[0]} | {totals[1]} | {totals[2]} |")
    say("\nKilled before, not after:" + ("" if lost else " none"))
    for i in sorted(lost):
        a = after.get(i, {"status": "not run", "file": before[i]["file"]})
        site = sites.get(i)
        text = f"  `{site.before}` -> `{site.after}`" if site else ""
        say(f"- {i} {a['file']}: {a['status']} (before: killed by {before[i]['program']}){text}")
    gained = sorted(i for i in before if before[i]["status"] != "killed"
                    and after.get(i, {}).get("status") == "killed")
    if gained:
        say("\nKilled after, not before: " + ", ".join(gained))
    only_after = sorted(set(after) - set(before))
    if only_after:
        say("\nIn the second file only (not counted): " + ", ".join(only_after))


def cmd_generate(args):
    out = Path(args.output)
    if out.exists() and not args.force:
        sys.exit(f"{out} exists and is reviewed by hand; add --force to draw a new one")
    sites, sizes = generate(args.count, args.seed)
    write_sites(sites, out, args.seed)
    for f in FOLDERS:
        say(f"{f:18} {sizes[f]:6} code lines {sum(1 for s in sites if s.folder == f):4} sites")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="command", required=True)

    def selection(p):
        p.add_argument("--list", type=Path, default=SITES_FILE, help="file of sites (default scripts/mutanty.txt)")
        p.add_argument("--sites", help="comma-separated site ids and/or folders (e.g. numerics,ui/layer,M0042)")
        p.add_argument("--sample", type=int, help="take about N sites spread over the folders")

    r = sub.add_parser("run", help="run the mutants and write a results file")
    selection(r)
    r.add_argument("-j", "--jobs", type=int, default=1, help="mutants at once, each in its own scratch copy")
    r.add_argument("--build-jobs", type=int, default=3, help="ninja jobs per mutant (default 3)")
    r.add_argument("--test-jobs", type=int, default=3, help="test programs at once per mutant (default 3)")
    r.add_argument("--tests", default="", help="regular expression: run only the matching test programs")
    r.add_argument("--timeout", type=float, default=20,
                   help="least seconds a test program may take (else 10x its unmutated time)")
    r.add_argument("--build-only", action="store_true",
                   help="only compile the mutated file (status compiled / not-compiled)")
    r.add_argument("--work", default=str(REPO / "build-mutanty"), help="folder of the scratch copies")
    r.add_argument("-o", "--output", default=str(REPO / "build-mutanty" / "vysledky.txt"))
    r.add_argument("--resume", action="store_true", help="skip the ids already in the output file")

    c = sub.add_parser("compare", help="before/after table of two results files")
    c.add_argument("before")
    c.add_argument("after")
    c.add_argument("--list", type=Path, default=SITES_FILE)

    k = sub.add_parser("check", help="list the sites whose text is no longer found")
    k.add_argument("--list", type=Path, default=SITES_FILE)
    k.add_argument("--sites")

    s = sub.add_parser("show", help="print each site with the code around it")
    selection(s)
    s.add_argument("--context", type=int, default=3)

    g = sub.add_parser("generate", help="draw a fresh list of sites")
    g.add_argument("--count", type=int, default=340)
    g.add_argument("--seed", type=int, default=25)
    g.add_argument("-o", "--output", default=str(SITES_FILE))
    g.add_argument("--force", action="store_true")

    args = ap.parse_args()
    if args.command == "run":
        Path(args.output).parent.mkdir(parents=True, exist_ok=True)
        return cmd_run(args)
    return {"compare": cmd_compare, "check": cmd_check, "show": cmd_show,
            "generate": cmd_generate}[args.command](args)


if __name__ == "__main__":
    sys.exit(main() or 0)

"""make soak: each program under its own virtual display, side by side, with
random input for the given minutes; then the figures (crashes, hangs, memory
every 30 seconds, memory kept per window opening). Every program runs on a
scratch copy of the program folder, which is removed afterwards."""

import argparse
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from figures import report  # noqa: E402
from programs import PROGRAMS  # noqa: E402
from sandbox import written_outside  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--folder", help="the laid-out program folder (build/Pendix)")
    parser.add_argument("--minutes", type=float, default=10, help="minutes per program (all run at once)")
    parser.add_argument("--programs", default=",".join(PROGRAMS), help="comma-separated: Pendix,Editor,Hilfe")
    parser.add_argument("--out", required=True, help="folder for the logs and the report")
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--keep", action="store_true", help="keep the scratch copies")
    parser.add_argument("--report", action="store_true", help="only print the report of the soak in --out again")
    args = parser.parse_args()
    if args.report:
        print(report(_results(os.path.abspath(args.out), PROGRAMS)[0]))
        return 0

    if not args.folder:
        parser.error("--folder is needed for a soak")
    folder = os.path.abspath(args.folder)
    out = os.path.abspath(args.out)
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    marker = os.path.join(out, "started")
    open(marker, "w").close()
    names = [n.strip() for n in args.programs.split(",") if n.strip()]
    print(f"soak of {', '.join(names)}: {args.minutes:g} min each, side by side, seed {args.seed}; logs in {out}",
          flush=True)

    scratches, workers = [], []
    worker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "worker.py")
    for i, name in enumerate(names):
        scratch = tempfile.mkdtemp(prefix=f"pendix-soak-{name.lower()}-")
        scratches.append(scratch)
        log = open(os.path.join(out, f"{name}.log"), "w")
        workers.append((name, subprocess.Popen(
            [sys.executable, worker, "--program", name, "--minutes", str(args.minutes),
             "--outdir", os.path.join(out, name), "--scratch", scratch, "--folder", folder,
             "--seed", str(args.seed + i)], stdout=log, stderr=subprocess.STDOUT)))

    for name, proc in workers:
        proc.wait()
    results, failed = _results(out, names)
    failed += [name for name, proc in workers if proc.returncode != 0 and name not in failed]

    # Scratch copies of another soak running at the same time are no writes of ours either.
    others = glob.glob(os.path.join(tempfile.gettempdir(), "pendix-soak-*"))
    outside = written_outside(scratches + others, marker, _nobody_uid())
    text = report(results)
    text += "\n== outside the scratch copies: " + (", ".join(outside) if outside else "nothing written")
    for name in failed:
        text += f"\n== the soak of {name} itself failed: see {os.path.join(out, name + '.log')}"
    with open(os.path.join(out, "report.txt"), "w") as f:
        f.write(text + "\n")
    print(text)
    if not args.keep:
        for scratch in scratches:
            shutil.rmtree(scratch, ignore_errors=True)
    problems = failed or any(r["crashes"] or r["hangs"] for r in results) or outside
    return 1 if problems else 0


def _results(out, names):
    results, missing = [], []
    for name in names:
        path = os.path.join(out, name, "result.json")
        if not os.path.exists(path):
            missing.append(name)
            continue
        with open(path) as f:
            results.append(json.load(f))
    return results, missing


def _nobody_uid():
    if os.geteuid() != 0:
        return None
    import pwd
    return pwd.getpwnam("nobody").pw_uid


if __name__ == "__main__":
    sys.exit(main())

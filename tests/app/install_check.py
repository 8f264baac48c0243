#!/usr/bin/env python3
"""Installs the build into a temporary prefix, moves the prefix, and starts the moved program.

Checks, in order: the installed menu entry and AppStream file pass their validators; the icon is
there at every size; --version and an unknown option answer as they should; the program, started
offscreen from an unrelated working folder, copies its shipped diaries into its data folder and
shows its window (it stores the welcome count); and with its images taken away it says where it
looked instead of starting. Exits 0 when all of it holds; prints what failed otherwise.

Usage: install_check.py <build dir>
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

APP_ID = "org.quorvel.Quorvel"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256, 512]
START_TIMEOUT = 60.0

failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)
    return condition


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=120, **kwargs)


def validate(tool, *args):
    if shutil.which(tool) is None:
        return check(False, "%s is installed (scripts/setup.sh installs it)" % tool)
    result = run([tool, *args])
    return check(result.returncode == 0,
                 "%s %s\n%s" % (tool, os.path.basename(args[-1]), result.stdout + result.stderr))


def wait_for(condition, timeout=START_TIMEOUT):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.05)
    return True


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def start(exe, work, name):
    """Starts the program offscreen with its own data folder and settings, from an unrelated
    folder; its stderr goes to a file that the caller can read while it runs."""
    data = os.path.join(work, name + "-data")
    settings = os.path.join(work, name + ".ini")
    log = os.path.join(work, name + ".log")
    elsewhere = os.path.join(work, name + "-cwd")
    os.makedirs(elsewhere)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QUORVEL_DATA_DIR=data,
               QUORVEL_SETTINGS=settings, ASAN_OPTIONS="detect_leaks=0")
    for key in ("QUORVEL_RESOURCE_DIR", "QT_SCALE_FACTOR"):
        env.pop(key, None)
    with open(log, "w") as err:
        app = subprocess.Popen([exe], cwd=elsewhere, env=env, stdout=subprocess.DEVNULL,
                               stderr=err)
    return app, data, settings, log


def stop(app):
    if app.poll() is None:
        app.terminate()
    app.wait()


def main():
    build = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="quorvel-install-")
    try:
        installed = os.path.join(work, "installed")
        result = run(["cmake", "--install", build, "--prefix", installed])
        if not check(result.returncode == 0, "cmake --install\n" + result.stderr):
            return 1
        # Relocatable: nothing may point back at the prefix it was installed to.
        prefix = os.path.join(work, "moved")
        os.rename(installed, prefix)
        share = os.path.join(prefix, "share")

        validate("desktop-file-validate", os.path.join(share, "applications", APP_ID + ".desktop"))
        validate("appstreamcli", "validate", "--no-net",
                 os.path.join(share, "metainfo", APP_ID + ".metainfo.xml"))
        hicolor = os.path.join(share, "icons", "hicolor")
        icons = ["%dx%d/apps/%s.png" % (n, n, APP_ID) for n in ICON_SIZES]
        icons.append("scalable/apps/%s.svg" % APP_ID)
        absent = [i for i in icons if not os.path.isfile(os.path.join(hicolor, i))]
        check(not absent, "the icon at every size (missing: %s)" % ", ".join(absent))

        exe = os.path.join(prefix, "bin", "quorvel")
        version = run([exe, "--version"])
        check(version.returncode == 0 and version.stdout.startswith("Quorvel "),
              "--version prints the version: %r" % version.stdout)
        wrong = run([exe, "--frobnicate"])
        check(wrong.returncode == 2 and "unknown option '--frobnicate'" in wrong.stderr,
              "an unknown option is refused with status 2: %r" % wrong.stderr)

        app, data, settings, log = start(exe, work, "run")
        shown = wait_for(lambda: "welcome=" in read(settings) or app.poll() is not None)
        copied = all(os.path.isfile(os.path.join(data, n)) for n in ("common.db", "weight.db"))
        running = app.poll() is None
        stop(app)
        check(shown and copied and running,
              "the moved program starts, copies its diaries and shows its window\n" + read(log))

        shutil.rmtree(os.path.join(share, "quorvel", "images"))
        app, data, settings, log = start(exe, work, "broken")
        said = wait_for(lambda: "cannot find its files" in read(log) or app.poll() is not None)
        stop(app)
        check(said and "images/tab_food.png" in read(log)
              and not os.path.exists(os.path.join(data, "common.db")),
              "without its images it says where it looked\n" + read(log))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d checks failed" % len(failures) if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

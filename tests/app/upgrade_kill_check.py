#!/usr/bin/env python3
"""Kills the application while it upgrades the user's diary files, then starts it again.

For each delay from 5 to 60 ms (every 5 ms) after the upgrade has begun (the moment its first
file appears beside common.db), the program is killed with SIGKILL; a normal start
follows, which must finish the upgrade, and then every row of common.db and weight.db must be
there exactly as before and both files must pass SQLite's integrity check.

Usage: upgrade_kill_check.py <path to the quorvel executable> [rows of saved_food]
The default of 200 rows makes a whole upgrade last about as long as the delays span, so the
kills land in every step of it (copy, carry, flush, backup, rename, the second file).
Exits 0 when every round kept every row; prints one line per round.
"""

import hashlib
import os
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

BUNDLE = "org.quorvel.Quorvel"
VERSION_KEYS = {
    "common.db": (BUNDLE + "_Quorvel_database_common", "1.0.7"),
    "weight.db": (BUNDLE + "_Tessaly_database_weight", "1.0.8"),
}
TABLES = {
    "common.db": ["saved_food", "recent_food", "saved_exercise", "recent_exercise"],
    "weight.db": ["weight"],
}
START_TIMEOUT = 60.0


def fill_diary(folder, food_rows):
    common = sqlite3.connect(os.path.join(folder, "common.db"))
    common.executemany(
        "insert into saved_food (food_item_id, name, portions_count, result_weight, "
        "result_calories, food_type_id, date, result_points) values (?, ?, ?, ?, ?, ?, ?, ?)",
        ((i % 900, "food %d \u00e9" % i, 1.5, 100.25, i % 700, i % 4,
          "20%02d-%02d-%02d 12:00:00" % (10 + i % 30, 1 + i % 12, 1 + i % 28), 3.5)
         for i in range(food_rows)))
    common.executemany(
        "insert into saved_exercise (exercise_item_id, name, duration, burn_rate, calories, date)"
        " values (?, ?, ?, ?, ?, ?)",
        ((i % 50, "exercise %d" % i, 30, 400.5, 200.25, "2024-05-%02d 08:00:00" % (1 + i % 28))
         for i in range(food_rows // 3)))
    for table in ("recent_food", "recent_exercise"):
        common.executemany("insert into %s (name, calories) values (?, ?)" % table,
                           (("recent %d" % i, i) for i in range(30)))
    common.commit()
    common.close()
    weight = sqlite3.connect(os.path.join(folder, "weight.db"))
    weight.executemany("insert into weight (date, value, note) values (?, ?, ?)",
                       ((1_600_000_000 + i * 3600, 70.25, "note %d" % i)
                        for i in range(food_rows // 3)))
    weight.commit()
    weight.close()


def fingerprint(folder):
    prints = {}
    for name, tables in TABLES.items():
        db = sqlite3.connect("file:%s?mode=ro" % os.path.join(folder, name), uri=True)
        try:
            prints[name] = db.execute("pragma integrity_check").fetchone()[0]
            for table in tables:
                digest = hashlib.sha1()
                count = 0
                for row in db.execute("select * from %s order by 1" % table):
                    digest.update(repr(row).encode())
                    count += 1
                prints[table] = (count, digest.hexdigest())
        except sqlite3.DatabaseError as error:
            prints[name] = str(error)
        db.close()
    return prints


def write_settings(path, versions):
    with open(path, "w", encoding="utf-8") as f:
        f.write("[General]\nwelcome=int:2\n")
        for key, version in versions.items():
            f.write("%s=text:%s\n" % (key, version))


def stored_versions(path):
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except OSError:
        return {}
    found = {}
    for line in text.splitlines():
        key, _, value = line.partition("=")
        found[key] = value.strip('"').removeprefix("text:")
    return found


def upgraded(settings, data):
    versions = stored_versions(settings)
    done = all(versions.get(key) == version for key, version in VERSION_KEYS.values())
    return done and not any(n.endswith(".upgrade") for n in os.listdir(data))


def start(exe, env):
    return subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for(condition, timeout):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.0002)
    return True


def main():
    exe = os.path.abspath(sys.argv[1])
    food_rows = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    shipped = os.path.join(os.path.dirname(exe), "..", "share", "quorvel")
    work = tempfile.mkdtemp(prefix="quorvel-kill-")
    pristine = os.path.join(work, "pristine")
    data = os.path.join(work, "data")
    settings = os.path.join(work, "settings.ini")
    os.makedirs(pristine)
    for name in TABLES:
        shutil.copy(os.path.join(shipped, name), pristine)
    fill_diary(pristine, food_rows)
    expected = fingerprint(pristine)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QUORVEL_DATA_DIR=data,
               QUORVEL_SETTINGS=settings, ASAN_OPTIONS="detect_leaks=0")
    old_versions = {key: "0.9" for key, _ in VERSION_KEYS.values()}

    def upgrade_began():
        return any(n.startswith("common.db.") for n in os.listdir(data))

    failures = 0
    try:
        # One upgrade left to run, to say how long a whole one takes here.
        shutil.copytree(pristine, data)
        write_settings(settings, old_versions)
        app = start(exe, env)
        wait_for(upgrade_began, START_TIMEOUT)
        began = time.monotonic()
        wait_for(lambda: upgraded(settings, data), START_TIMEOUT)
        print("a whole upgrade takes %.0f ms" % ((time.monotonic() - began) * 1000))
        app.terminate()
        app.wait()
        for delay_ms in range(5, 61, 5):
            shutil.rmtree(data, ignore_errors=True)
            shutil.copytree(pristine, data)
            write_settings(settings, old_versions)
            app = start(exe, env)
            if not wait_for(lambda: upgrade_began() or app.poll() is not None, START_TIMEOUT):
                print("%2d ms: the upgrade never began" % delay_ms)
                failures += 1
                app.kill()
                app.wait()
                continue
            time.sleep(delay_ms / 1000.0)
            app.send_signal(signal.SIGKILL)
            app.wait()
            left = sorted(n for n in os.listdir(data) if not n.endswith(".db"))
            stopped = "done" if upgraded(settings, data) else "stopped"

            app = start(exe, env)
            finished = wait_for(lambda: upgraded(settings, data), START_TIMEOUT)
            app.terminate()
            app.wait()
            got = fingerprint(data)
            kept = finished and got == expected
            failures += 0 if kept else 1
            print("%2d ms: killed with the upgrade %s, files beside: %s; next start: %s" %
                  (delay_ms, stopped, ", ".join(left) or "none",
                   "every row kept" if kept else "FAILED (upgrade finished: %s)" % finished))
            if not kept:
                for key in expected:
                    if got.get(key) != expected[key]:
                        print("    %s: expected %s, found %s" % (key, expected[key], got.get(key)))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d of 12 rounds lost rows" % failures if failures else "all 12 rounds kept every row")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

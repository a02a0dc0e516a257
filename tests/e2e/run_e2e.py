#!/usr/bin/env python3
"""End-to-end test: the real pellamar window on a private X display.

    /usr/bin/python3 tests/e2e/run_e2e.py --build build [--enable NAME,...] [--only NAME,...] [--list]

Starts Xvfb on a free display, a private D-Bus session with the
accessibility bus, and the program copied with its data files into a
temporary program folder, with HOME and the XDG folders in a temporary
folder too. Checks what a user sees (checks.py), then ends every process it
started, also on failure or interruption. Screenshots, the settings files and
the program's output are left in <build>/e2e/ for a look afterwards.

The same file runs twice: outside (the display, the folders, the clean-up)
and, with --inner, inside dbus-run-session (the checks).
"""

import argparse
import ctypes
import json
import os
import secrets
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
SYSTEM_PYTHON = "/usr/bin/python3"  # Debian's, which has pyatspi and PIL
SCREEN = "1920x1080x24"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TIME_LIMIT_S = 110  # for the checks; CTest's own limit is above it
TAG = "PELLAMAR_E2E_RUN"  # marks every process of one run, for the clean-up


def die_with_parent():
    """For a child process (preexec_fn): SIGTERM when its parent dies, so
    that nothing outlives a run killed outright (a CTest timeout)."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


# ------------------------------------------------------------- outside ----

def missing_packages():
    """Debian packages whose commands or modules are absent."""
    missing = []
    for command, package in (("Xvfb", "xvfb"), ("xauth", "xauth"), ("xdotool", "xdotool"),
                             ("dbus-run-session", "dbus"), ("dbus-send", "dbus")):
        if shutil.which(command) is None:
            missing.append(package)
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append("at-spi2-core")
    for module, package in (("pyatspi", "python3-pyatspi"), ("PIL.ImageGrab", "python3-pil")):
        if not os.access(SYSTEM_PYTHON, os.X_OK) or subprocess.run(
                [SYSTEM_PYTHON, "-c", f"import {module}"], capture_output=True).returncode != 0:
            missing.append(package)
    return sorted(set(missing))


def copy_program(build, folder):
    """The program and every data file the build put next to it (the files
    of data/, and the help files when there are any)."""
    executable = os.path.join(build, "pellamar")
    if not os.access(executable, os.X_OK):
        sys.exit(f"e2e: no program at {executable}: build first")
    os.makedirs(folder)
    shutil.copy2(executable, folder)
    names = {n for n in os.listdir(os.path.join(SOURCE, "data")) if n != "CMakeLists.txt"}
    names |= {"Pellamar.html", "Pellamar.chm"}
    copied = []
    for name in sorted(names):
        path = os.path.join(build, name)
        if os.path.isfile(path):
            shutil.copy2(path, folder)
            copied.append(name)
    if "Villes.txt" not in copied or not any(n.endswith(".Asc") for n in copied):
        sys.exit(f"e2e: the data files are not next to {executable} (found {copied})")
    return copied


def start_xvfb(work, log):
    """Xvfb on a display it picks itself (-displayfd, so parallel runs never
    collide), with an access cookie. Returns (process, display, xauthority)."""
    cookie = secrets.token_hex(16)
    server_auth = os.path.join(work, "xauth-server")
    client_auth = os.path.join(work, "Xauthority")
    # The server takes every cookie of its file, whatever display it names.
    for path in (server_auth, client_auth):
        open(path, "wb").close()
    subprocess.run(["xauth", "-q", "-f", server_auth, "add", ":0", ".", cookie], check=True)
    read_end, write_end = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
                                "-nolisten", "tcp", "-auth", server_auth, "-noreset"],
                               pass_fds=(write_end,), stdout=log, stderr=log, start_new_session=True,
                               preexec_fn=die_with_parent)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 15
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            process.kill()
            sys.exit("e2e: Xvfb did not start (see xvfb.log)")
        number += chunk
    os.close(read_end)
    display = ":" + number.decode().strip()
    subprocess.run(["xauth", "-q", "-f", client_auth, "add", display, ".", cookie], check=True)
    return process, display, client_auth


def tagged_processes(token):
    """Pids of the processes that carry this run's tag in their environment."""
    found = []
    marker = f"{TAG}={token}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if marker in f.read().split(b"\0"):
                    found.append(int(entry))
        except OSError:
            continue
    return found


def end_processes(token, leaders):
    """Ends the process groups of the leaders and whatever else carries the
    tag: SIGTERM, then SIGKILL for what is left after 2 s."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for leader in leaders:
            try:
                os.killpg(leader.pid, sig)
            except (ProcessLookupError, PermissionError):
                pass
        for pid in tagged_processes(token):
            try:
                os.kill(pid, sig)
            except (ProcessLookupError, PermissionError):
                pass
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline and (tagged_processes(token) or
                                               any(p.poll() is None for p in leaders)):
            time.sleep(0.05)
    for leader in leaders:
        try:
            leader.wait(1)
        except subprocess.TimeoutExpired:
            pass
    left = tagged_processes(token)
    if left:
        print(f"e2e: processes still running after the clean-up: {left}", file=sys.stderr)
    return not left


def outside(options):
    missing = missing_packages()
    if missing:
        sys.exit("e2e: missing Debian packages: " + " ".join(missing) +
                 " (scripts/setup.sh installs them)")
    build = os.path.abspath(options.build)
    artifacts = os.path.join(build, "e2e")
    shutil.rmtree(artifacts, ignore_errors=True)
    os.makedirs(artifacts)
    work = tempfile.mkdtemp(prefix="pellamar-e2e-")
    token = secrets.token_hex(8)
    leaders = []
    status = 1
    interrupted = []

    def on_signal(signum, _frame):
        interrupted.append(signum)
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, on_signal)
    try:
        folders = {name: os.path.join(work, name) for name in ("home", "config", "data", "cache", "runtime", "bin")}
        for path in folders.values():
            os.makedirs(path, mode=0o700)
        program_folder = os.path.join(work, "program")
        copy_program(build, program_folder)
        opened = os.path.join(work, "opened.txt")
        # The desktop's handler for documents and links records what it is
        # asked to open instead of opening it; xdg-mime names a handler for
        # every type, as on a desktop.
        for name, script in (("xdg-open", 'printf \'%s\\n\' "$*" >> "$PELLAMAR_E2E_OPENED"'),
                             ("xdg-mime", 'echo pellamar-e2e-viewer.desktop')):
            fake = os.path.join(folders["bin"], name)
            with open(fake, "w") as f:
                f.write(f"#!/bin/sh\n{script}\n")
            os.chmod(fake, 0o755)

        with open(os.path.join(artifacts, "xvfb.log"), "wb") as log:
            xvfb, display, xauthority = start_xvfb(work, log)
        leaders.append(xvfb)

        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "DBUS_", "XDG_", "WAYLAND", "AT_SPI"))
               and k not in ("DISPLAY", "XAUTHORITY", "HOME", "LANG", "LANGUAGE") and not k.startswith("LC_")}
        env.update({
            TAG: token, "DISPLAY": display, "XAUTHORITY": xauthority,
            "HOME": folders["home"], "XDG_CONFIG_HOME": folders["config"], "XDG_DATA_HOME": folders["data"],
            "XDG_CACHE_HOME": folders["cache"], "XDG_RUNTIME_DIR": folders["runtime"],
            "PATH": folders["bin"] + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "LC_ALL": "C.UTF-8", "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1", "PELLAMAR_E2E_OPENED": opened,
            # Under a sanitizer build, the X libraries' own leaks at exit would
            # turn every close into a failing status, and libxkbcommon's
            # strndup of a keymap name that has no terminating zero trips the
            # strict string checks: neither is the program's. Leaks and strict
            # checks stay on in the unit tests.
            "ASAN_OPTIONS": ":".join(filter(None, [os.environ.get("ASAN_OPTIONS", ""),
                                                   "detect_leaks=0", "strict_string_checks=0"])),
            "PELLAMAR_E2E_CONTEXT": json.dumps({
                "work": work, "artifacts": artifacts, "program_folder": program_folder,
                "config_home": folders["config"], "opened_record": opened,
            }),
        })
        inner_args = [SYSTEM_PYTHON, os.path.abspath(__file__), "--inner", "--build", build]
        for flag in ("enable", "only"):
            if getattr(options, flag):
                inner_args += [f"--{flag}", getattr(options, flag)]
        # The daemons' chatter goes to a log; the checks report on stdout.
        with open(os.path.join(artifacts, "session.log"), "wb") as bus_log:
            session = subprocess.Popen(["dbus-run-session", "--", *inner_args], env=env,
                                       start_new_session=True, stderr=bus_log, preexec_fn=die_with_parent)
        leaders.append(session)
        try:
            status = session.wait(TIME_LIMIT_S)
        except subprocess.TimeoutExpired:
            print(f"e2e: FAIL: the checks did not finish within {TIME_LIMIT_S} s", flush=True)
            status = 1
    except KeyboardInterrupt:
        print(f"e2e: interrupted ({'SIGTERM' if interrupted else 'Ctrl-C'}), cleaning up", flush=True)
        status = 1
    finally:
        signal.signal(signal.SIGTERM, signal.SIG_DFL)
        clean = end_processes(token, leaders)
        shutil.rmtree(work, ignore_errors=True)
    if status != 0:
        log_path = os.path.join(artifacts, "session.log")
        if os.path.exists(log_path):
            with open(log_path, encoding="utf-8", errors="replace") as f:
                tail = f.read()[-3000:]
            if tail.strip():
                print(f"e2e: end of {log_path}:\n{tail}")
    if status == 0 and not clean:
        status = 1
    print(f"e2e: screenshots and logs in {artifacts}")
    return status


# -------------------------------------------------------------- inside ----

class Context:
    """What the checks share: the folders, the running program, and the map
    view it shows (zoom in minutes of arc, centre latitude and longitude)."""

    def __init__(self, config, build):
        self.__dict__.update(config)
        self.build = build
        self.view = None
        self.remember = {}
        self.sessions = 0
        self.tainted = False
        self.current_check = None
        self.last_pixels_per_degree = 1.0
        self._program = None
        self._map_box = None

    def settings_path(self):
        return os.path.join(self.config_home, "pellamar", "pellamar.ini")

    def program(self, fresh=False, keep_settings=False):
        """The running program; started anew when asked, when none runs, or
        after a failed check. Without keep_settings it starts with no
        settings, on the whole-world view."""
        import desktop
        import readings
        current = self._program
        if current is not None and current.running() and not (fresh or keep_settings or self.tainted):
            return current
        self.forget_program()
        if not keep_settings:
            shutil.rmtree(os.path.dirname(self.settings_path()), ignore_errors=True)
            self.view = (readings.WHOLE_WORLD_ZOOM, 0.0, 0.0)
            self.remember.clear()
        elif self.view is None:
            raise desktop.Failure("no kept view to start on")
        self.tainted = False
        self.sessions += 1
        program = desktop.Program(self.program_folder, readings.INSTANT,
                                  os.path.join(self.artifacts, "program.log"))
        self._program = program
        program.wait_ready()
        self._map_box = desktop.extents(program.map_picture())
        self.last_pixels_per_degree = self.pixels_per_degree(program)
        first = desktop.grab_settled(self._map_box, timeout=10)
        if desktop.count(desktop.dark_mask(first)) == 0:
            raise desktop.Failure("the map is blank after the start")
        return program

    def forget_program(self):
        if self._program is not None:
            self._program.stop()
        self._program = None

    def map_box(self, program):
        return self._map_box

    def pixels_per_degree(self, program):
        return 60 * self._map_box[3] / self.view[0]

    def map_centre(self, program):
        x, y, w, h = self._map_box
        return x + w / 2, y + h / 2

    def pixel_of(self, program, lat, lon):
        """Screen pixel of a place on the current view (a plain grid)."""
        ppd = self.pixels_per_degree(program)
        cx, cy = self.map_centre(program)
        return round(cx + (lon - self.view[2]) * ppd), round(cy - (lat - self.view[1]) * ppd)

    def place_of(self, program, x, y):
        """Latitude and longitude under a screen pixel, as the map clamps them."""
        ppd = self.pixels_per_degree(program)
        cx, cy = self.map_centre(program)
        lat = self.view[1] - (y - cy) / ppd
        lon = self.view[2] + (x - cx) / ppd
        return max(-90.0, min(90.0, lat)), max(-180.0, min(180.0, lon))

    def run_headless(self, args, env=None):
        """Runs the program with options that need no display."""
        run_env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        run_env.update(env or {})
        return subprocess.run([os.path.join(self.program_folder, "pellamar"), *args], cwd=self.program_folder,
                              env=run_env, capture_output=True, text=True, timeout=30)


def session_bus_pid():
    """Pid of the session bus's daemon, or None."""
    result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                             "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
                             "string:org.freedesktop.DBus"], capture_output=True, text=True)
    words = result.stdout.split()
    return int(words[-1]) if result.returncode == 0 and words and words[-1].isdigit() else None


def wait_for_accessibility_bus():
    """Waits for the launcher started here to own its name (asking the bus
    whether the name has an owner does not start a second launcher)."""
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                "string:org.a11y.Bus"], capture_output=True, text=True)
        if reply.returncode == 0 and reply.stdout.split()[-1:] == ["true"]:
            return True
        time.sleep(0.1)
    return False


def selected(table, options):
    chosen = set()
    enabled = set((options.enable or "").split(","))
    only = set((options.only or "").split(",")) - {""}
    for name, _, waits_for in table:
        if only:
            if name in only:
                chosen.add(name)
        elif waits_for is None or name in enabled or "all" in enabled:
            chosen.add(name)
    return [entry for entry in table if entry[0] in chosen]


def inside(options):
    # Ended with the session (or by SIGTERM): still stop the program and the
    # bus launcher on the way out.
    die_with_parent()
    stopped = []

    def on_signal(signum, _frame):
        stopped.append(signum)
        raise SystemExit(f"e2e: stopped by signal {signum}")

    signal.signal(signal.SIGTERM, on_signal)
    session_daemon = session_bus_pid()
    sys.path.insert(0, HERE)
    config = json.loads(os.environ["PELLAMAR_E2E_CONTEXT"])
    with open(os.path.join(config["artifacts"], "at-spi.log"), "wb") as log:
        launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], stdout=log, stderr=log,
                                    preexec_fn=die_with_parent)
    try:
        if not wait_for_accessibility_bus():
            print("e2e: FAIL: the accessibility bus did not come up", flush=True)
            return 1
        import checks
        import desktop
        ctx = Context(config, options.build)
        failures = []
        started = time.monotonic()
        for name, check, _ in selected(checks.CHECKS, options):
            began = time.monotonic()
            ctx.current_check = name
            try:
                check(ctx)
            except desktop.Failure as failure:
                failures.append(name)
                ctx.tainted = True
                print(f"FAIL {name}: {failure}", flush=True)
                continue
            except Exception:  # a fault of the test itself, or the program gone
                failures.append(name)
                ctx.tainted = True
                print(f"FAIL {name}: unexpected error\n{traceback.format_exc()}", flush=True)
                continue
            print(f"pass {name} ({time.monotonic() - began:.1f} s)", flush=True)
        ctx.forget_program()
        waiting = [name for name, _, waits_for in checks.CHECKS if waits_for is not None
                   and name not in {n for n, _, _ in selected(checks.CHECKS, options)}]
        print(f"e2e: {len(failures)} failed, {time.monotonic() - started:.1f} s"
              + (f"; not run yet (waiting for their features): {', '.join(waiting)}" if waiting else ""))
        return 1 if failures else 0
    finally:
        launcher.terminate()
        try:
            launcher.wait(3)
        except subprocess.TimeoutExpired:
            launcher.kill()
        # dbus-run-session ends its bus when this process returns, but not
        # when it was itself killed: then the bus goes here.
        if stopped and session_daemon:
            try:
                os.kill(session_daemon, signal.SIGTERM)
            except ProcessLookupError:
                pass


def check_table():
    """(name, waits_for) of every check, read from checks.py without
    importing it (the outer run may lack the modules the checks use)."""
    import ast
    with open(os.path.join(HERE, "checks.py"), encoding="utf-8") as f:
        tree = ast.parse(f.read())
    table = next(node.value for node in tree.body if isinstance(node, ast.Assign)
                 and getattr(node.targets[0], "id", "") == "CHECKS")
    return [(entry.elts[0].value, entry.elts[2].value) for entry in table.elts]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", required=True, help="the build folder holding pellamar and its data")
    parser.add_argument("--enable", help="also run these ready checks (comma-separated, or all)")
    parser.add_argument("--only", help="run only these checks (comma-separated)")
    parser.add_argument("--list", action="store_true", help="list the checks and exit")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    options = parser.parse_args()
    table = check_table()
    if options.list:
        for name, waits_for in table:
            print(f"{name:36} {'runs' if waits_for is None else 'waits for ' + waits_for}")
        return 0
    for flag in (options.enable, options.only):
        for name in (flag or "").split(","):
            if name and name != "all" and name not in dict(table):
                sys.exit(f"e2e: no check named {name!r}; --list shows them")
    return inside(options) if options.inner else outside(options)


if __name__ == "__main__":
    sys.exit(main())

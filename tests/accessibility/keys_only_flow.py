#!/usr/bin/python3
"""A keyboard user's way through the desktop program, listened to as a
screen reader listens: through AT-SPI, the focused object's name, role and
the label that names it.

The program runs on a private X display with a window manager, a private
session bus and accessibility bus, and a private home. Keys go to it through
the X server, as from a keyboard. The way: open a clone file (Ctrl+O), go to
the memory page (Ctrl+Tab), Tab into the channel grid, move to channel 2,
open the edit dialog (Enter), type a new frequency into the MHz, kHz and Hz
boxes, OK, Save As (Ctrl+Shift+S) to a new file, quit (Ctrl+Q). Each step
checks what the focused control says; the end checks the saved file with
the command-line tool.

    /usr/bin/python3 tests/accessibility/keys_only_flow.py BUILD_DIR

Needs Xvfb, openbox, xdotool, xprop, dbus-daemon, at-spi2-core and
python3-pyatspi. Exits 0 when every step passed, 1 naming the step that
failed; QTR70_FAILURE_PICTURE=FILE.png keeps a picture of the screen then.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Korvan QT-R70 Clone Utility"
NEW_FREQUENCY = "14.123.456"
ROW = 2  # the channel edited: the sample holds 10.116.000 "QRP30" there
WHOLE_RUN_S = 50
STEP_S = 8


class StepFailed(Exception):
    pass


def _die_with_parent():
    # A child started here ends when this script ends, however it ends.
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def children_of(parent):
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    # pid (name) state ppid ...: the name may hold spaces
                    if int(stat.read().rsplit(")", 1)[1].split()[1]) == parent:
                        found.append(int(entry))
            except (OSError, ValueError, IndexError):
                pass
    return found


def find_program(build, name, *places):
    for place in places + ("",):
        path = os.path.join(build, place, name)
        if os.access(path, os.X_OK) and os.path.isfile(path):
            return path
    raise StepFailed(f"finding the programs: no {name} in {build}")


class Desk:
    """The private display, buses and home; everything started is ended in
    close(), children first."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="qtr70-keys-")
        self.children = []  # (name, Popen), in start order
        self.env = {}
        self.log = open(os.path.join(self.folder, "children.log"), "w")

    def start(self, name, argv, **kw):
        kw.setdefault("stdout", self.log)
        kw.setdefault("stderr", self.log)
        child = subprocess.Popen(argv, preexec_fn=_die_with_parent, env=self.env, **kw)
        self.children.append((name, child))
        return child

    def open(self):
        missing = [tool for tool in ("Xvfb", "openbox", "xdotool", "xprop", "dbus-daemon")
                   if shutil.which(tool) is None]
        try:
            import pyatspi  # noqa: F401
        except ImportError:
            missing.append(f"pyatspi for {sys.executable} (Debian's python3-pyatspi, for /usr/bin/python3)")
        if missing:
            raise StepFailed("starting: missing " + ", ".join(missing))
        libc = ctypes.CDLL("libc.so.6", use_errno=True)
        libc.prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans come to this script
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        for d in (home, runtime):
            os.makedirs(d, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "DBUS_", "AT_SPI", "GTK_", "DISPLAY", "XAUTHORITY", "WAYLAND"))}
        env.update({
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_STATE_HOME": os.path.join(home, ".local/state"),
            "XDG_RUNTIME_DIR": runtime,
            "LC_ALL": "C.UTF-8",
            "LANGUAGE": "en",
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
        })
        env.pop("NO_AT_BRIDGE", None)
        self.env = env

        # -displayfd: the server picks a free display and says which.
        read_end, write_end = os.pipe()
        self.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp", "-dpi", "96", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        display = b""
        deadline = time.monotonic() + 10
        while not display.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            display += chunk
        os.close(read_end)
        if not display.strip().isdigit():
            raise StepFailed("starting Xvfb: it named no display")
        env["DISPLAY"] = ":" + display.decode().strip()

        bus = self.start("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, start_new_session=True)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise StepFailed("starting the session bus: dbus-daemon gave no address")
        env["DBUS_SESSION_BUS_ADDRESS"] = address

        def root_property(name):
            return subprocess.run(["xprop", "-root", name], env=env, capture_output=True, text=True)
        self.wait_for(lambda: root_property("_NET_SUPPORTED").returncode == 0, 10, f"opening {env['DISPLAY']}")
        wm = self.start("openbox", ["openbox", "--sm-disable"])
        self.wait_for(lambda: "window id" in root_property("_NET_SUPPORTING_WM_CHECK").stdout
                      or wm.poll() is not None, 10, "starting the window manager")
        if wm.poll() is not None:
            raise StepFailed(f"starting the window manager: openbox ended at once on {env['DISPLAY']}")
        # This script talks to the same buses.
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    @staticmethod
    def wait_for(ready, seconds, step):
        deadline = time.monotonic() + seconds
        while not ready():
            if time.monotonic() > deadline:
                raise StepFailed(f"{step}: not ready after {seconds} s")
            time.sleep(0.1)

    def close(self):
        self._end_started()
        # The services the buses started outlive them a moment; as their
        # parents are gone, they are this script's children now.
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                break
            if pid == 0:
                for orphan in children_of(os.getpid()):
                    try:
                        os.kill(orphan, signal.SIGTERM)
                    except ProcessLookupError:
                        pass
                time.sleep(0.05)
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def tell_log(self):
        """After a failure: the last lines the started programs wrote."""
        self.log.flush()
        with open(self.log.name, errors="replace") as written:
            lines = written.read().splitlines()[-15:]
        if lines:
            print("  the started programs said:\n    " + "\n    ".join(lines), file=sys.stderr)

    def _end_started(self):
        for name, child in reversed(self.children):
            if child.poll() is None:
                if name == "dbus-daemon":
                    # The bus and the services it started (the accessibility
                    # bus and registry): its own process group.
                    try:
                        os.killpg(child.pid, signal.SIGTERM)
                    except ProcessLookupError:
                        pass
                else:
                    child.terminate()
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()


class Listener:
    """What a screen reader hears: each object that says it took the focus."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.focused = []  # objects, newest last
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1 == 1:
            self.focused.append(event.source)

    def pump(self, until=lambda: False, seconds=0.0):
        deadline = time.monotonic() + seconds
        while True:
            while self.context.iteration(False):
                pass
            if until() or time.monotonic() >= deadline:
                return until()
            time.sleep(0.03)

    def application(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None


def role(obj):
    return obj.getRoleName()


def labels(obj):
    import pyatspi
    said = []
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            said += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return said


def spoken(obj):
    """What a reader has to say it: the role, the name, the labels."""
    if obj is None:
        return "nothing"
    try:
        said = f"{role(obj)} {obj.name!r}"
        if labels(obj):
            said += f" labelled by {labels(obj)!r}"
        return said
    except Exception as e:  # the object went away meanwhile
        return f"a vanished object ({e.__class__.__name__})"


def focused_cell(table):
    """The cell of a table's selected rows that has the focus, if any."""
    import pyatspi
    cells = table.queryTable()
    for r in cells.getSelectedRows():
        for c in range(cells.nColumns):
            cell = cells.getAccessibleAt(r, c)
            cell.clearCache()
            if cell.getState().contains(pyatspi.STATE_FOCUSED):
                return cell
    return None


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.08)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "15", text], check=True)


class Flow:
    def __init__(self, build):
        self.build = os.path.abspath(build)
        self.clone = find_program(self.build, "qtr70-clone", "src/shell")
        self.cli = find_program(self.build, "qtr70", "tools/cli")
        self.sim = find_program(self.build, "qtr70-sim", "tools/sim")
        self.desk = Desk()

    def hear(self, step, obj):
        print(f"  {step}: {spoken(obj)}", flush=True)

    def focus(self, step, check, seconds=STEP_S):
        """The newest focused object once `check` passes on it; fails the
        step with what was heard instead."""
        found = []

        def ready():
            if not self.ears.focused:
                return False
            newest = self.ears.focused[-1]
            try:
                ok = check(newest)
            except Exception:
                ok = False
            if ok:
                found.append(newest)
            return ok

        if not self.ears.pump(ready, seconds):
            newest = self.ears.focused[-1] if self.ears.focused else None
            raise StepFailed(f"{step}: the focus says {spoken(newest)}")
        self.hear(step, found[-1])
        return found[-1]

    def window(self, step, caption_part, seconds=STEP_S):
        """The program's active top-level window whose name holds `caption_part`."""
        found = []

        def ready():
            app = self.ears.application("qtr70-clone")
            if app is None:
                return False
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None:
                    w.clearCache()  # the state may have changed unannounced
                if w is not None and caption_part in (w.name or "") and \
                        w.getState().contains(self.ears.pyatspi.STATE_ACTIVE):
                    found.append(w)
                    return True
            return False

        if not self.ears.pump(ready, seconds):
            app = self.ears.application("qtr70-clone")
            names = [app.getChildAtIndex(i).name for i in range(app.childCount)] if app else []
            if any(caption_part in (n or "") for n in names):
                raise StepFailed(f"{step}: the window '{caption_part}' is there but not active, so a "
                                 "screen reader hears nothing of what has the focus")
            raise StepFailed(f"{step}: no window named '{caption_part}' (windows: {names})")
        return found[0]

    def make_sample(self, path):
        # The virtual radio writes its factory memory, sample channels and
        # all, when it ends.
        radio = self.desk.start("qtr70-sim", [self.sim, "--save", path], stdout=subprocess.PIPE)
        if not radio.stdout.readline():
            raise StepFailed("making the sample file: the virtual radio did not start")
        radio.terminate()
        radio.wait(timeout=10)
        if not os.path.isfile(path):
            raise StepFailed("making the sample file: the virtual radio wrote none")

    def run(self):
        started = time.monotonic()
        self.desk.open()
        work = self.desk.folder
        sample = os.path.join(work, "sample.R70")
        saved = os.path.join(work, "edited.R70")
        self.make_sample(sample)
        self.ears = Listener()

        # The program's own copy: its port file lands in the scratch folder.
        program = os.path.join(work, "qtr70-clone")
        shutil.copy(self.clone, program)
        app = self.desk.start("qtr70-clone", [program], cwd=work)

        step = "start"
        self.window(step, TITLE, 15)
        self.focus(step, lambda o: o.name.strip() != "")

        self.file_dialog("Ctrl+O", "ctrl+o", "Open", sample)
        self.window("the file opened", "sample.R70 - " + TITLE)
        self.focus("back in the window", lambda o: o.name.strip() != "" and role(o) != "text")

        step = "Ctrl+Tab"
        keys("ctrl+Tab")
        self.focus(step, lambda o: role(o) == "page tab" and o.name == "Memory")

        # Tab through the page's controls to the grid; each says what it is.
        step = "Tab to the grid"
        for _ in range(12):
            before = len(self.ears.focused)
            keys("Tab")
            obj = self.focus(step, lambda o: len(self.ears.focused) > before)
            if not obj.name.strip() and not labels(obj):
                raise StepFailed(f"{step}: a {role(obj)} without a name took the focus")
            if role(obj) in ("table", "table cell"):
                break
        else:
            raise StepFailed(f"{step}: 12 Tabs did not reach the channel grid")
        # The grid, or the cell it names as the focus on arrival (its row).
        reached = self.focus("the grid", lambda o: role(o) in ("table", "table cell"))
        grid = reached if role(reached) == "table" else reached.parent
        if grid.name != "Memory channels":
            raise StepFailed(f"the grid: it is named {grid.name!r}, not 'Memory channels'")
        self.row_cell("the grid's current row", 0)

        step = "Down to channel 2"
        keys("Down", "Down")
        self.row_cell(step, ROW, r"10\.116\.000")

        step = "Enter"
        keys("Return")
        self.hear(step, self.window(step, "Modify"))
        self.focus(step, lambda o: role(o) == "text" and o.name == "Frequency, MHz")

        megahertz, kilohertz, hertz = NEW_FREQUENCY.split(".")
        step = "typing the MHz"
        type_text(megahertz)  # two digits fill the box; the kHz box follows
        self.focus(step, lambda o: role(o) == "text" and o.name == "Frequency, kHz")
        step = "typing the kHz"
        type_text(kilohertz)
        self.focus(step, lambda o: role(o) == "text" and o.name == "Frequency, Hz")
        type_text(hertz)
        step = "Tab to OK"
        keys("Tab")
        self.focus(step, lambda o: role(o) == "push button" and o.name == "OK")
        step = "OK"
        keys("space")
        self.window(step, TITLE)
        self.row_cell(step, ROW, re.escape(NEW_FREQUENCY), announced=True)

        self.file_dialog("Ctrl+Shift+S", "ctrl+shift+s", "Save", saved)
        self.answer_questions("saving", lambda: os.path.exists(saved))
        self.window("saved", "edited.R70 - " + TITLE)
        self.row_cell("back from saving", ROW, re.escape(NEW_FREQUENCY), announced=True)

        step = "Ctrl+Q"
        keys("ctrl+q")
        try:
            app.wait(timeout=STEP_S)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"{step}: the program is still running; the focus says "
                             f"{spoken(self.ears.focused[-1] if self.ears.focused else None)}")

        step = "the saved file"
        shown = subprocess.run([self.cli, "show", saved], capture_output=True, text=True)
        line = next((l for l in shown.stdout.splitlines() if re.match(rf"\s*{ROW}\s", l)), "")
        if shown.returncode != 0 or NEW_FREQUENCY not in line or "QRP30" not in line:
            raise StepFailed(f"{step}: 'qtr70 show' says {line.strip()!r} for channel {ROW} "
                             f"(exit {shown.returncode}) {shown.stderr.strip()}")
        print(f"  {step}: {line.strip()}")
        print(f"keys-only flow passed in {time.monotonic() - started:.1f} s")

    def file_dialog(self, step, key, caption, path):
        """The file dialog `key` opens: its name box says what it is; the
        path typed into it, Enter."""
        keys(key)
        self.hear(step, self.window(step, caption))
        self.focus(step, lambda o: role(o) == "text" and "File name" in " ".join([o.name] + labels(o)))
        keys("ctrl+a")
        type_text(path)
        keys("Return")

    def tell_screen(self):
        """After a failure: the window that has the keyboard, and a picture
        of the screen where QTR70_FAILURE_PICTURE names a file."""
        if "DISPLAY" not in self.desk.env:
            return
        active = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], env=self.desk.env,
                                capture_output=True, text=True)
        print(f"  the keyboard goes to: {active.stdout.strip()!r}", file=sys.stderr)
        picture = os.environ.get("QTR70_FAILURE_PICTURE")
        if picture and shutil.which("import"):
            subprocess.run(["import", "-window", "root", picture], env=self.desk.env)

    def row_cell(self, step, row, frequency=None, announced=False):
        """The grid's focused cell speaks its slot label (and the frequency).
        Moving in the grid announces the cell. With `announced`, coming back
        to the grid must announce the cell itself too; else the grid's
        focused cell may be looked up as a reader can look it up: the
        selected row's cell in the focused state."""
        pattern = rf"{row}, " + (frequency if frequency else "")
        found = []

        def ready():
            for o in reversed(self.ears.focused[-3:]):
                try:
                    if role(o) == "table" and o.name == "Memory channels" and not announced:
                        o = focused_cell(o)
                    if o is not None and role(o) == "table cell" and re.match(pattern, o.name):
                        found.append(o)
                        return True
                except Exception:
                    pass
            return False

        if not self.ears.pump(ready, STEP_S):
            heard = "; ".join(spoken(o) for o in self.ears.focused[-3:])
            raise StepFailed(f"{step}: no focused cell says '{pattern}...'; last heard: {heard}")
        self.hear(step, found[-1])

    def answer_questions(self, step, done, seconds=STEP_S):
        """Answers a question box that comes up with its default button."""
        deadline = time.monotonic() + seconds
        while not done():
            if time.monotonic() > deadline:
                newest = self.ears.focused[-1] if self.ears.focused else None
                raise StepFailed(f"{step}: nothing saved; the focus says {spoken(newest)}")
            newest = self.ears.focused[-1] if self.ears.focused else None
            if newest is not None and role(newest) == "push button":
                self.hear(f"{step}, a question", newest)
                keys("Return")
            self.ears.pump(seconds=0.3)


def run_from_command_line(script, make, whole_run_s):
    """Runs a walk made by `make(BUILD_DIR)` (an object with run(), desk and
    optionally tell_screen()) within `whole_run_s`; the exit status."""
    if len(sys.argv) != 2:
        print(f"usage: {script} BUILD_DIR", file=sys.stderr)
        return 2
    try:
        walk = make(sys.argv[1])
    except StepFailed as failure:
        print(f"FAILED at {failure}", file=sys.stderr)
        return 1
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped from outside"))
    signal.signal(signal.SIGALRM, lambda *_: sys.exit(f"FAILED: the walk took over {whole_run_s} s"))
    signal.alarm(whole_run_s)
    try:
        walk.run()
        return 0
    except StepFailed as failure:
        print(f"FAILED at {failure}", file=sys.stderr)
        if hasattr(walk, "tell_screen"):
            walk.tell_screen()
        walk.desk.tell_log()
        return 1
    finally:
        signal.alarm(0)
        walk.desk.close()


if __name__ == "__main__":
    sys.exit(run_from_command_line("keys_only_flow.py", Flow, WHOLE_RUN_S))

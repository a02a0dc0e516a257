"""What the end-to-end checks use to look at and drive the real program.

Everything here runs inside the private X display and D-Bus session that
run_e2e.py prepares: DISPLAY, DBUS_SESSION_BUS_ADDRESS and the temporary
folders are already in the environment.

Reading is done the way a user sees the window, without OCR: the widget tree
through AT-SPI (captions, label texts, tooltips as descriptions, extents in
screen pixels) and pixels from screenshots. Input is real X input through
xdotool.
"""

import ctypes
import os
import re
import signal
import subprocess
import time

import pyatspi
from gi.repository import Atspi, GLib
from PIL import ImageChops, ImageFilter, ImageGrab


class Failure(Exception):
    """A check saw something other than what a user should see."""


def wait_until(what, predicate, timeout=5.0, interval=0.05):
    """Polls predicate() until it returns a true value, which is returned.

    Raises Failure naming `what` when the timeout runs out; the last value
    seen is quoted, so the message tells what was there instead.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        try:
            last = predicate()
        except (Failure, RuntimeError, LookupError) as error:  # not there yet
            last = error
        else:
            if last:
                return last
        if time.monotonic() > deadline:
            raise Failure(f"after {timeout:.1f} s still waiting for {what} (last seen: {last!r})")
        time.sleep(interval)


def die_with_parent():
    """For a child process (preexec_fn): SIGTERM when its parent dies, so
    that nothing outlives a test run that was killed outright."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


# ---------------------------------------------------------------- X input --

def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=10)
    if result.returncode != 0:
        raise Failure(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")
    return result.stdout


def pointer():
    """(x, y) of the pointer on the screen."""
    out = xdotool("getmouselocation")
    match = re.search(r"x:(-?\d+) y:(-?\d+)", out)
    if not match:
        raise Failure(f"unexpected xdotool pointer output: {out!r}")
    return int(match[1]), int(match[2])


def move_to(x, y):
    x, y = round(x), round(y)
    if pointer() != (x, y):  # --sync would wait forever for a move that does not happen
        xdotool("mousemove", "--sync", x, y)


def click_at(x, y, button=1):
    move_to(x, y)
    xdotool("click", button)


def press(*keys):
    xdotool("key", "--clearmodifiers", *keys)


def type_text(text):
    xdotool("type", "--delay", 20, text)


def window_geometry(window_id):
    """(x, y, width, height) of an X window, as xdotool reports it."""
    out = xdotool("getwindowgeometry", window_id)
    pos = re.search(r"Position:\s*(-?\d+),(-?\d+)", out)
    size = re.search(r"Geometry:\s*(\d+)x(\d+)", out)
    if not pos or not size:
        raise Failure(f"unexpected xdotool geometry output: {out!r}")
    return int(pos[1]), int(pos[2]), int(size[1]), int(size[2])


class _XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessage), ("pad", ctypes.c_long * 24)]


def request_close(window_id):
    """Sends WM_DELETE_WINDOW, what a window manager's close box sends.

    The test display has no window manager and xdotool's windowclose destroys
    the window instead of asking it to close, so the message is sent here.
    """
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display to send the close request")
    try:
        event = _XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = int(window_id)
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, int(window_id), 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the close request")
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


# ------------------------------------------------------------ screenshots --

def grab(box=None):
    """Screenshot of the whole screen or of box = (x, y, width, height)."""
    display = os.environ["DISPLAY"]
    if box is None:
        return ImageGrab.grab(xdisplay=display).convert("RGB")
    x, y, w, h = box
    return ImageGrab.grab(bbox=(x, y, x + w, y + h), xdisplay=display).convert("RGB")


def grab_settled(box, changed_from=None, timeout=8.0):
    """A screenshot of box once it has stopped changing (two grabs 150 ms
    apart are equal); with changed_from, only once it differs from that."""
    last = grab(box)

    def settled():
        nonlocal last
        time.sleep(0.15)
        now = grab(box)
        same = ImageChops.difference(now, last).getbbox() is None
        last = now
        if changed_from is not None and ImageChops.difference(now, changed_from).getbbox() is None:
            return None
        return now if same else None

    what = "the picture to change and settle" if changed_from is not None else "the picture to settle"
    return wait_until(what, settled, timeout=timeout, interval=0)


def colour_mask(image, rgb, tolerance=12):
    """Mode "L" mask: 255 where each channel lies within tolerance of rgb."""
    bands = []
    for band, wanted in zip(image.convert("RGB").split(), rgb):
        bands.append(band.point(lambda v, w=wanted: 255 if abs(v - w) <= tolerance else 0))
    return ImageChops.darker(ImageChops.darker(bands[0], bands[1]), bands[2])


def mark_count(image, rgb, min_share=0.5, tolerance=16):
    """How many pixels of a small image are rgb smoothed over white: a mix
    of at least min_share of rgb with white (how a tiny mark is drawn)."""
    found = 0
    for pixel in image.convert("RGB").getdata():
        # The share of rgb that explains the channel furthest from white.
        spans = [255 - c for c in rgb]
        channel = max(range(3), key=lambda i: spans[i])
        if spans[channel] == 0:
            continue
        share = (255 - pixel[channel]) / spans[channel]
        if share < min_share:
            continue
        mixed = [255 - share * span for span in spans]
        if all(abs(p - m) <= tolerance for p, m in zip(pixel, mixed)):
            found += 1
    return found


def dark_mask(image, threshold=100):
    """Mode "L" mask of the near-black pixels: the outlines, drawn black on
    white (every channel below threshold, so that no red curve, coloured
    city mark or green parallel counts)."""
    r, g, b = image.convert("RGB").split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(lambda v: 255 if v < threshold else 0)


def count(mask):
    return mask.histogram()[255]


def colour_count(image, rgb, tolerance=12, region=None):
    """How many pixels of image (or of its region (x, y, w, h)) are rgb."""
    if region is not None:
        x, y, w, h = region
        image = image.crop((x, y, x + w, y + h))
    return count(colour_mask(image, rgb, tolerance))


def blank_out(mask, boxes):
    """Copy of a mask with the boxes (x, y, w, h, in the mask's own pixels)
    set to 0: floating panels and images that are not part of the picture."""
    mask = mask.copy()
    for x, y, w, h in boxes:
        if w > 0 and h > 0:
            mask.paste(0, (x, y, x + w, y + h))
    return mask


def overlap(before, after, dx, dy, margin=0, dilated=False):
    """Share of the lit pixels of `after` that lie within one pixel of a lit
    pixel of `before` at (x + dx, y + dy): 1.0 when after is before moved by
    (-dx, -dy). Only the part of `after` that `before` also covers counts,
    less `margin` pixels along each edge. The pixel of slack absorbs the
    different rounding of thin lines drawn from another origin; pass
    dilated=True when `before` is already widened (see widen)."""
    w, h = after.size
    x0, y0 = margin + max(0, -dx), margin + max(0, -dy)
    x1, y1 = w - margin - max(0, dx), h - margin - max(0, dy)
    if x1 <= x0 or y1 <= y0:
        return 0.0
    a = after.crop((x0, y0, x1, y1))
    b = before.crop((x0 + dx, y0 + dy, x1 + dx, y1 + dy))
    if not dilated:
        b = widen(b)
    lit = count(a)
    if lit == 0:
        return 0.0
    return count(ImageChops.darker(a, b)) / lit


def widen(mask):
    """The mask with every lit pixel grown by one pixel on each side."""
    return mask.filter(ImageFilter.MaxFilter(3))


def best_shift(before, after, around, radius, margin=0):
    """The (dx, dy) within radius of `around` for which after matches before
    moved by (-dx, -dy) best, with its overlap."""
    wide = widen(before)
    best = None
    for dy in range(around[1] - radius, around[1] + radius + 1):
        for dx in range(around[0] - radius, around[0] + radius + 1):
            score = overlap(wide, after, dx, dy, margin, dilated=True)
            if best is None or score > best[2]:
                best = (dx, dy, score)
    return best


def save(image, folder, name):
    path = os.path.join(folder, name)
    image.save(path)
    return path


def save_text(text, folder, name):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path


# --------------------------------------------------------------- AT-SPI --

def extents(acc):
    """(x, y, width, height) of an accessible on the screen."""
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def centre(acc):
    x, y, w, h = extents(acc)
    return x + w // 2, y + h // 2


def has_state(acc, state):
    return acc.getState().contains(state)


def walk(acc):
    """acc and every descendant, depth first."""
    stack = [acc]
    while stack:
        node = stack.pop()
        yield node
        try:
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except RuntimeError:
            continue
        stack.extend(c for c in reversed(children) if c is not None)


def describe(acc):
    try:
        return f"{acc.getRoleName()} {acc.name!r} at {extents(acc)}"
    except RuntimeError:
        return "(gone)"


class PopupWatch:
    """Popup menus of the program as they open.

    Qt leaves popups out of the application's accessible tree (only its
    ordinary windows are its children), so they are learnt from the
    "showing" events the toolkit sends when they open.
    """

    def __init__(self):
        self.popups = []
        pyatspi.Registry.registerEventListener(self._on_showing, "object:state-changed:showing")

    def _on_showing(self, event):
        try:
            if event.detail1 and event.source.getRole() in (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU):
                self.popups.append(event.source)
        except RuntimeError:
            pass

    def showing(self):
        """The popups open now (the events that arrived are handled first)."""
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        alive = []
        for popup in self.popups:
            try:
                Atspi.Accessible.clear_cache(popup)
                if has_state(popup, pyatspi.STATE_SHOWING) and popup not in alive:
                    alive.append(popup)
            except RuntimeError:
                continue
        self.popups = alive
        return list(alive)


_popup_watch = None


def popup_watch():
    global _popup_watch
    if _popup_watch is None:
        _popup_watch = PopupWatch()
    return _popup_watch


class Program:
    """One run of the real program in the temporary program folder."""

    def __init__(self, folder, args, log_path):
        self.folder = folder
        self.args = list(args)
        self.log = open(log_path, "ab")
        popup_watch()  # listening before the program starts
        self.process = subprocess.Popen([os.path.join(folder, "pellamar"), *self.args], cwd=folder,
                                        stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=die_with_parent)
        self.app = None
        self.window_id = None

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait_ready(self, timeout=20.0):
        """Waits for the application on the accessibility bus, its main
        window mapped, and the first map drawn."""

        def registered():
            if not self.running():
                raise Failure(f"the program exited with status {self.process.returncode} while starting")
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.pid:
                    return app
            return None

        self.app = wait_until("the program on the accessibility bus", registered, timeout)

        def mapped():
            result = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.pid),
                                     "--name", "^Pellamar$"], capture_output=True, text=True, timeout=10)
            ids = result.stdout.split()
            return ids[0] if ids else None

        self.window_id = wait_until("the main window mapped on the screen", mapped, timeout)
        return self

    def refresh(self):
        """Forgets what the AT-SPI client cached of the program's tree."""
        Atspi.Accessible.clear_cache(self.app)

    def frame(self):
        self.refresh()
        for i in range(self.app.childCount):
            child = self.app.getChildAtIndex(i)
            if child is not None and child.getRole() == pyatspi.ROLE_FRAME and child.name == "Pellamar":
                return child
        raise Failure("no main window \"Pellamar\" in the program's accessible tree")

    def top_levels(self):
        self.refresh()
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def find_all(self, root=None, role=None, name=None, name_re=None, description=None, showing=True):
        """Every accessible under root (default: every window of the program)
        with that role (a pyatspi ROLE_ constant), exact name, name pattern
        or description; by default only those shown on the screen."""
        roots = [root] if root is not None else self.top_levels()
        found = []
        for top in roots:
            for acc in walk(top):
                try:
                    if role is not None and acc.getRole() != role:
                        continue
                    if name is not None and acc.name != name:
                        continue
                    if name_re is not None and not re.search(name_re, acc.name):
                        continue
                    if description is not None and acc.description != description:
                        continue
                    if showing and not has_state(acc, pyatspi.STATE_SHOWING):
                        continue
                except RuntimeError:  # the widget went away meanwhile
                    continue
                found.append(acc)
        return found

    def find(self, what, **criteria):
        """The single accessible matching criteria (see find_all); `what`
        names it for the failure message."""
        found = self.find_all(**criteria)
        if len(found) != 1:
            listed = "; ".join(describe(a) for a in found[:5])
            raise Failure(f"expected one {what}, found {len(found)}{': ' + listed if listed else ''}")
        return found[0]

    def popup_items(self, name=None):
        """The entries of the open popup menus (those named so, if given)."""
        items = []
        for popup in popup_watch().showing():
            items += [acc for acc in walk(popup) if acc.getRole() == pyatspi.ROLE_MENU_ITEM
                      and (name is None or acc.name == name)]
        return items

    def value_beside(self, caption):
        """Text of the label that stands right of the caption label on the
        same row of the same panel (how the Sun times are shown)."""
        label = self.find(f"caption \"{caption}\"", role=pyatspi.ROLE_LABEL, name=caption)
        cx, cy, cw, ch = extents(label)
        row = [acc for acc in self.find_all(root=label.parent, role=pyatspi.ROLE_LABEL)
               if abs(extents(acc)[1] - cy) <= 2 and extents(acc)[0] >= cx + cw]
        if not row:
            raise Failure(f"no value label right of \"{caption}\"")
        return min(row, key=lambda acc: extents(acc)[0]).name

    def map_picture(self):
        """The map: the largest picture of the main window that holds none of
        its panels (the map's own floating panels are inside it)."""
        frame = self.frame()
        lever = self.find("caption \"Lever\"", root=frame, role=pyatspi.ROLE_LABEL, name="Lever")
        lx, ly, lw, lh = extents(lever)
        best = None
        for acc in walk(frame):
            if acc.getRole() not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL, pyatspi.ROLE_CANVAS,
                                     pyatspi.ROLE_IMAGE, pyatspi.ROLE_DRAWING_AREA):
                continue
            x, y, w, h = extents(acc)
            if x <= lx and y <= ly and x + w >= lx + lw and y + h >= ly + lh:
                continue  # holds the panels: the window's central area
            if best is None or w * h > best[1]:
                best = (acc, w * h)
        if best is None:
            raise Failure("no map picture in the main window")
        return best[0]

    def floating_boxes(self, picture):
        """Extents of what floats over the map (panels, the Sun image), in
        the picture's own pixels. A layer as large as the map itself (the
        overlay drawn over the outlines) is part of the picture, not a panel."""
        px, py, pw, ph = extents(picture)
        boxes = []
        for i in range(picture.childCount):
            child = picture.getChildAtIndex(i)
            if child is None or not has_state(child, pyatspi.STATE_SHOWING):
                continue
            x, y, w, h = extents(child)
            if w * h < 0.5 * pw * ph:
                boxes.append((x - px, y - py, w, h))
        return boxes

    def close_window(self, timeout=10.0):
        """Closes the main window as a window manager's close box does and
        waits for the program to end; returns its exit status."""
        request_close(self.window_id)
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout:.0f} s of the close request") from None

    def stop(self):
        """Ends the program however it is (used on the way out)."""
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(3)
        self.log.close()

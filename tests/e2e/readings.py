"""What the checks read off the program, and the known values they compare
with: the instant of every run, the almanac's times, the colours, and the
helpers that point at a place, read the Sun times, find the Sun image, the
date boxes and the settings file.
"""

import configparser
import os
import re
import time

import pyatspi

import desktop
from desktop import Failure

# The instant every window run and read-out of this file is set to, so that
# the Sun's place and times are known in advance.
INSTANT = ["--date", "2007-06-21", "--time", "12:00", "--tz", "0"]

# Sunrise, transit and sunset at Paris (48.85 N, 2.35 E) on 21 June 2007 in
# Universal Time, from an almanac (sunrise 05:46 and sunset 21:58 in CEST,
# transit 13:52); the program prints its own rounding of them.
PARIS = (48.85, 2.35)
PARIS_TIMES = {"Lever": "03:46", "Passage au méridien": "11:52:21", "Coucher": "19:57"}
TIME_CAPTIONS = ("Lever", "Passage au méridien", "Coucher")

WHOLE_WORLD_ZOOM = 13885.0  # the view's height in minutes of arc with no settings
RESET_ZOOM = 2 ** 0.5 / 2.41 * 21600  # the whole world without a kept map: 12675.109…
# The subsolar point at noon UT on 21 June 2007: the declination of the
# solstice, and 0.44° east since the Sun crosses Greenwich at 12:01:46 UT.
SUBSOLAR = (23.44, 0.44)
RED = (255, 0, 0)  # the sunshine curve with no settings
NIGHT = (240, 240, 0)  # the night lines with no settings
DARK_GREEN = (0, 128, 0)  # the user's own cities
MAGENTA = (255, 0, 255)  # the largest cities



def minutes(text):
    """Minutes since midnight of "HH:MM" or "HH:MM:SS"."""
    match = re.fullmatch(r"\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*", text)
    if not match:
        raise Failure(f"not a time of day: {text!r}")
    return int(match[1]) * 60 + int(match[2]) + int(match[3] or 0) / 60


def minutes_apart(a, b):
    """Distance between two times of day in minutes, across midnight; 0 for
    two equal texts that are no time (no sunrise), infinite for a time and
    a text that is none."""
    if a == b:
        return 0
    try:
        d = abs(minutes(a) - minutes(b)) % 1440
    except Failure:
        return float("inf")
    return min(d, 1440 - d)


def headless_readout(ctx, lat, lon, extra=(), instant=INSTANT):
    """The program's --readout lines for a place, as a dict."""
    result = ctx.run_headless(["--readout", f"{lat:.6f},{lon:.6f}", *instant, *extra])
    if result.returncode != 0:
        raise Failure(f"--readout {lat:.4f},{lon:.4f} exited {result.returncode}: {result.stderr.strip()}")
    return dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)


def shown_times(program):
    return {caption: program.value_beside(caption) for caption in TIME_CAPTIONS}


def compare_times(where, shown, expected, tolerance_min):
    wrong = [f"{c} {shown[c]} instead of {expected[c]}" for c in TIME_CAPTIONS
             if minutes_apart(shown[c], expected[c]) > tolerance_min]
    if wrong:
        raise Failure(f"{where}: " + ", ".join(wrong))


def point_at(ctx, program, lat, lon):
    """Moves the pointer onto a place of the map; returns the place actually
    under the pointer's pixel."""
    x, y = ctx.pixel_of(program, lat, lon)
    desktop.move_to(x - 7, y - 5)  # a move onto the point, never a no-op
    desktop.move_to(x, y)
    return ctx.place_of(program, x, y)


def read_times_at(ctx, program, lat, lon, instant=INSTANT):
    """Points at a place and waits for the Sun times to be those of the
    place under the pointer (the program's own --readout for it). The
    pointer is moved onto the place again every half second, as a user
    would: a redraw that ends after a move shows the centre's times."""
    place = point_at(ctx, program, lat, lon)
    expected = headless_readout(ctx, *place, instant=instant)
    last_move = time.monotonic()

    def arrived():
        nonlocal last_move
        shown = shown_times(program)
        if all(minutes_apart(shown[c], expected[c]) <= 1 for c in TIME_CAPTIONS):
            return shown
        if time.monotonic() - last_move > 0.5:
            point_at(ctx, program, lat, lon)
            last_move = time.monotonic()
        return None

    try:
        return desktop.wait_until(f"the times of {place[0]:.2f},{place[1]:.2f}", arrived, timeout=5)
    except Failure:
        shown = shown_times(program)
        compare_times(f"pointer over {place[0]:.2f},{place[1]:.2f}", shown, expected, 1)
        raise


def angle_in(text):
    """The number of a dial caption (" Azimut = 184.12 °", " He: 64.54 °")."""
    match = re.search(r"(-?\d*\.?\d+)\s*°", text)
    if not match:
        raise Failure(f"no angle in {text!r}")
    return float(match[1])


def dials_match(program, expected, tolerance=0.05):
    """The (azimuth, height) of the dial captions when both lie within
    tolerance of expected, else None."""
    azimuth = program.find_all(role=pyatspi.ROLE_LABEL, name_re=r"Azimut")
    height = program.find_all(role=pyatspi.ROLE_LABEL, name_re=r"^\s*He\b")
    if len(azimuth) != 1 or len(height) != 1:
        return None
    shown = (angle_in(azimuth[0].name), angle_in(height[0].name))
    if all(abs(s - e) <= tolerance for s, e in zip(shown, expected)):
        return shown
    return None


def sun_image(program, picture):
    """The Sun image floating on the map: the one small square child."""
    found = []
    for i in range(picture.childCount):
        child = picture.getChildAtIndex(i)
        if child is None or not desktop.has_state(child, pyatspi.STATE_SHOWING):
            continue
        x, y, w, h = desktop.extents(child)
        if 8 <= w <= 80 and abs(w - h) <= 2:
            found.append((x, y, w, h))
    if len(found) != 1:
        raise Failure(f"expected one Sun image on the map, found {found}")
    x, y, w, h = found[0]
    return x + w / 2, y + h / 2


def expect_sun_at_subsolar_point(ctx, program, picture, when):
    """The Sun image is centred on the subsolar point of the current view,
    within two pixels."""
    ppd = ctx.pixels_per_degree(program)
    cx, cy = ctx.map_centre(program)
    wanted = (cx + (SUBSOLAR[1] - ctx.view[2]) * ppd, cy - (SUBSOLAR[0] - ctx.view[1]) * ppd)
    got = sun_image(program, picture)
    if abs(got[0] - wanted[0]) > 2 or abs(got[1] - wanted[1]) > 2:
        raise Failure(f"{when} the Sun image is centred on ({got[0]:.0f}, {got[1]:.0f}), expected "
                      f"({wanted[0]:.0f}, {wanted[1]:.0f}) for a view of {ctx.view[0]:.1f}' on "
                      f"{ctx.view[1]:.2f}, {ctx.view[2]:.2f}")


def keep_map_box(program):
    return program.find("check box \"Conserver cette carte \"", role=pyatspi.ROLE_CHECK_BOX,
                        name="Conserver cette carte ")


def map_mask(program, picture, image):
    return desktop.blank_out(desktop.dark_mask(image), program.floating_boxes(picture))


def read_settings(ctx):
    path = ctx.settings_path()
    if not os.path.exists(path):
        raise Failure(f"no settings file {path}")
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.read(path, encoding="utf-8")  # keys compare without case, as the program reads them
    return parser


def click_option(program, caption):
    option = program.find(f"option \"{caption}\"", role=pyatspi.ROLE_RADIO_BUTTON, name=caption)
    desktop.click_at(*desktop.centre(option))
    desktop.wait_until(f"\"{caption}\" selected",
                       lambda: desktop.has_state(program.find(caption, role=pyatspi.ROLE_RADIO_BUTTON,
                                                              name=caption), pyatspi.STATE_CHECKED))


def text_box_below(program, caption):
    """The text box of a caption (the date boxes "jour", "mois"): the one
    that bears the caption as its accessible name, or else the one right
    under the caption."""
    named = program.find_all(role=pyatspi.ROLE_TEXT, name=caption)
    if len(named) == 1:
        return named[0]
    label = program.find(f"caption \"{caption}\"", role=pyatspi.ROLE_LABEL, name=caption)
    lx, ly, lw, lh = desktop.extents(label)

    def under(acc):
        x, y, w, h = desktop.extents(acc)
        return x < lx + lw and x + w > lx and y >= ly + lh - 2

    boxes = [acc for acc in program.find_all(root=label.parent, role=pyatspi.ROLE_TEXT) if under(acc)]
    if not boxes:
        raise Failure(f"no text box under \"{caption}\"")
    return min(boxes, key=lambda acc: desktop.extents(acc)[1])


def type_into(program, box, text):
    """Replaces the content of a text box by typing, as a user does."""
    desktop.xdotool("windowfocus", "--sync", program.window_id)
    desktop.click_at(*desktop.centre(box))
    desktop.press("ctrl+a")
    desktop.type_text(text)


def box_text(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)

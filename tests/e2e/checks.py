"""The end-to-end checks, one function each, and the table that runs them.

Each check takes the Context and raises desktop.Failure with what a user
would have seen wrong. CHECKS lists them in the order they run: the checks
of one window session follow each other, so a check may rely on the view the
previous ones left (Context.view tracks it). After a failure the next check
gets a freshly started program, so one fault does not hide the others.

An entry whose `waits_for` is a text is ready but kept out of the run until
the feature it names has landed: set it to None to enable it (or try it now
with `run_e2e.py --enable NAME`).
"""

import os
import re
import subprocess

import pyatspi

import desktop
from desktop import Failure
from PIL import Image
from readings import (
    DARK_GREEN, INSTANT, MAGENTA, NIGHT, PARIS, PARIS_TIMES, RED, RESET_ZOOM, WHOLE_WORLD_ZOOM,
    angle_in, box_text, dials_match, expect_sun_at_subsolar_point, click_option, compare_times, headless_readout,
    keep_map_box, map_mask, minutes, point_at, read_settings, read_times_at, sun_image,
    text_box_below, type_into,
)


# ----------------------------------------------------- checks of today ----

def check_headless_readout(ctx):
    """--readout prints its read-out lines; a malformed place is refused."""
    lines = headless_readout(ctx, *PARIS, extra=["--utc"])
    wrong = [f"{c}={lines.get(c)} (expected {v})" for c, v in PARIS_TIMES.items() if lines.get(c) != v]
    if wrong:
        raise Failure("--readout for Paris printed " + ", ".join(wrong))
    bad = ctx.run_headless(["--readout", "nord,est"])
    if bad.returncode != 2 or not bad.stderr.strip() or bad.stdout.strip():
        raise Failure(f"--readout nord,est: status {bad.returncode}, stdout {bad.stdout!r}, "
                      f"stderr {bad.stderr!r}; expected status 2 and a message on standard error only")


def check_headless_snapshot(ctx):
    """--snapshot writes a PNG of the asked size with the map on it, and
    writes no setting."""
    path = os.path.join(ctx.artifacts, "snapshot-800x600.png")
    config = os.path.join(ctx.work, "snapshot-config")
    os.makedirs(config, exist_ok=True)
    result = ctx.run_headless(["--snapshot", path, "--size", "800x600", *INSTANT],
                              env={"XDG_CONFIG_HOME": config})
    if result.returncode != 0:
        raise Failure(f"--snapshot exited {result.returncode}: {result.stderr.strip()}")
    if result.stdout.strip() != path:
        raise Failure(f"--snapshot printed {result.stdout.strip()!r}, not the picture's path {path}")
    image = Image.open(path)
    if image.format != "PNG" or image.size != (800, 600):
        raise Failure(f"--snapshot wrote a {image.format} of {image.size}, expected a PNG of 800x600")
    dark = desktop.count(desktop.dark_mask(image.convert("RGB")))
    if dark < 2000:
        raise Failure(f"the snapshot has only {dark} dark pixels: no map outlines drawn")
    written = [os.path.join(d, f) for d, _, files in os.walk(config) for f in files]
    if written:
        raise Failure(f"--snapshot wrote settings: {written}")


def check_window_fills_screen(ctx):
    """The main window is mapped over the whole screen, the map across it."""
    program = ctx.program()
    screen = tuple(map(int, desktop.xdotool("getdisplaygeometry").split()))
    geometry = desktop.window_geometry(program.window_id)
    if geometry[2:] != screen or geometry[:2] != (0, 0):
        raise Failure(f"the window lies at {geometry}, the screen is {screen[0]}x{screen[1]}")
    frame = desktop.extents(program.frame())
    if frame != (0, 0, *screen):
        raise Failure(f"the accessible main window reports {frame}")
    x, y, w, h = desktop.extents(program.map_picture())
    if x < 0 or y < 0 or x + w > screen[0] or y + h > screen[1] or w < 0.9 * screen[0] or h < 0.75 * screen[1]:
        raise Failure(f"the map lies at {(x, y, w, h)} on a {screen[0]}x{screen[1]} screen")


def check_map_has_outlines(ctx):
    """The whole world is drawn: outlines span 360° of longitude around the
    centre, at the scale of the kept zoom, in all four quarters."""
    program = ctx.program()
    picture = program.map_picture()
    box = desktop.extents(picture)
    image = desktop.grab_settled(box)
    desktop.save(image, ctx.artifacts, "map-start.png")
    mask = map_mask(program, picture, image)
    lit = desktop.count(mask)
    if lit < 5000:
        raise Failure(f"only {lit} outline pixels on the map")
    left, top, right, bottom = mask.getbbox()
    ppd = ctx.pixels_per_degree(program)
    span = (right - left) / ppd
    if not 357 <= span <= 363:
        raise Failure(f"the outlines span {span:.1f}° of longitude ({right - left} px at {ppd:.3f} px/°)")
    centre_x = (left + right) / 2
    if abs(centre_x - box[2] / 2) > 3:
        raise Failure(f"the outlines are centred at x={centre_x:.1f}, the map's centre is {box[2] / 2:.1f}")
    north = (box[3] / 2 - top) / ppd
    if not 80 <= north <= 86:
        raise Failure(f"the northernmost outline lies at {north:.1f}° N (Greenland and the Arctic isles: 83°)")
    w, h = mask.size
    for name, quarter in (("north-west", (0, 0, w // 2, h // 2)), ("north-east", (w // 2, 0, w, h // 2)),
                          ("south-west", (0, h // 2, w // 2, h)), ("south-east", (w // 2, h // 2, w, h))):
        if desktop.count(mask.crop(quarter)) < 500:
            raise Failure(f"no outlines in the {name} quarter of the map")


def check_readout_follows_pointer(ctx):
    """The Sun times and the azimuth and height dials shown are those of the
    place under the pointer: the almanac's times at Paris, the program's own
    --readout everywhere."""
    program = ctx.program()
    shown = read_times_at(ctx, program, *PARIS)
    compare_times("pointer over Paris", shown, PARIS_TIMES, 2)
    seen = [shown]
    for lat, lon in (PARIS, (-34.6, -58.45), (35.68, 139.69), (0.0, 0.0)):
        if (lat, lon) != PARIS:
            seen.append(read_times_at(ctx, program, lat, lon))
        place = ctx.place_of(program, *desktop.pointer())
        lines = headless_readout(ctx, *place)
        expected = (angle_in(lines["Azimut"]), angle_in(lines["Hauteur"]))
        try:
            desktop.wait_until("the dials of the place", lambda: dials_match(program, expected), timeout=3)
        except Failure:
            captions = [a.name for a in program.find_all(role=pyatspi.ROLE_LABEL, name_re=r"Azimut|^\s*He\b")]
            raise Failure(f"over {place[0]:.2f},{place[1]:.2f} the dials read {captions}; "
                          f"--readout gives azimuth {expected[0]}, height {expected[1]}") from None
    if len({tuple(s.values()) for s in seen}) != len(seen):
        raise Failure(f"the read-out did not change with the pointer: {seen}")


def check_typed_day_changes_readout(ctx):
    """A day typed into the date box is the day of the next read-out: the
    1st of June rises later at Paris than the 21st."""
    program = ctx.program()
    day_box = text_box_below(program, "jour")
    if box_text(day_box) != "21":
        raise Failure(f"the day box shows {box_text(day_box)!r} for --date 2007-06-21")
    type_into(program, day_box, "1")
    desktop.wait_until("the day box to read 1", lambda: box_text(text_box_below(program, "jour")) == "1")
    first = read_times_at(ctx, program, *PARIS, instant=["--date", "2007-06-01", *INSTANT[2:]])
    later = minutes(first["Lever"]) - minutes(PARIS_TIMES["Lever"])
    if not 2 <= later <= 9:
        raise Failure(f"Paris rises at {first['Lever']} on 1 June, {later:+.0f} min from 21 June "
                      "(an almanac gives some 6 minutes later)")
    type_into(program, text_box_below(program, "jour"), "21")
    compare_times("back on 21 June", read_times_at(ctx, program, *PARIS), PARIS_TIMES, 2)


def check_right_click_shows_popup(ctx):
    """A right click on the map opens the place menu and leaves the map."""
    program = ctx.program()
    picture = program.map_picture()
    box = desktop.extents(picture)
    before = desktop.grab_settled(box)
    x, y = ctx.pixel_of(program, *PARIS)
    desktop.click_at(x, y, button=3)
    item = desktop.wait_until("the popup entry \"Définir ce lieu\"",
                              lambda: program.popup_items("Définir ce lieu"))[0]
    popup_box = desktop.extents(item.parent)
    after = desktop.grab(box)
    px, py = popup_box[0] - box[0], popup_box[1] - box[1]
    unchanged = desktop.overlap(
        desktop.blank_out(map_mask(program, picture, before), [(px, py, popup_box[2], popup_box[3])]),
        desktop.blank_out(map_mask(program, picture, after), [(px, py, popup_box[2], popup_box[3])]), 0, 0, 0)
    desktop.press("Escape")
    desktop.wait_until("the popup to close", lambda: not program.popup_items("Définir ce lieu"))
    if unchanged < 0.98:
        raise Failure(f"the map changed under the right click (only {unchanged:.0%} of it stayed)")


def check_left_click_recentres(ctx):
    """With the zoom locked, a left click right of and below the centre
    moves the clicked place to the centre: the whole picture and the Sun
    image slide left and up by the click's offset."""
    program = ctx.program()
    click_option(program, "Verrouille le zoom")
    picture = program.map_picture()
    box = desktop.extents(picture)
    before = desktop.grab_settled(box)
    sun_before = sun_image(program, picture)
    mask_before = map_mask(program, picture, before)
    dx, dy = 300, 80
    cx, cy = ctx.map_centre(program)
    x, y = round(cx) + dx, round(cy) + dy
    target = ctx.place_of(program, x, y)
    desktop.click_at(x, y)
    after = desktop.grab_settled(box, changed_from=before)
    desktop.save(after, ctx.artifacts, "map-after-click.png")
    mask_after = map_mask(program, picture, after)
    sx, sy, score = desktop.best_shift(mask_before, mask_after, (dx, dy), 3)
    still = desktop.overlap(mask_before, mask_after, 0, 0)
    if (abs(sx - dx), abs(sy - dy)) > (1, 1) or score < 0.85:
        raise Failure(f"after a click {dx} px right and {dy} px below the centre the outlines moved by "
                      f"({-sx}, {-sy}) px with {score:.0%} of them matching; expected ({-dx}, {-dy})")
    if still > 0.5:
        raise Failure(f"{still:.0%} of the outlines stayed in place after the click")
    sun_after = sun_image(program, picture)
    moved = (sun_after[0] - sun_before[0], sun_after[1] - sun_before[1])
    if abs(moved[0] + dx) > 1.5 or abs(moved[1] + dy) > 1.5:
        raise Failure(f"the Sun image moved by {moved}, expected ({-dx}, {-dy})")
    ctx.view = (WHOLE_WORLD_ZOOM, target[0], target[1])
    ctx.remember["recentred picture"] = mask_after
    # The new centre is now the place under the middle of the map.
    shown = read_times_at(ctx, program, *target)
    ctx.remember["centre times"] = shown


def check_quit_writes_settings(ctx):
    """Closing the window ends the program and keeps the view: MEM, Zoom and
    the centre (hundredths of a degree) in the settings file."""
    program = ctx.program()
    status = program.close_window()
    ctx.forget_program()
    if status != 0:
        raise Failure(f"the program exited with status {status} when its window was closed")
    settings = read_settings(ctx)
    if not settings.has_section("Config"):
        raise Failure(f"no [Config] section in {ctx.settings_path()}")
    config = settings["Config"]
    zoom, lat, lon = ctx.view
    one_pixel = 100 / ctx.last_pixels_per_degree
    problems = []
    for key, wanted in (("MEM", "1"), ("Raf", "1"), ("Villes", "1"), ("LOC", "1")):
        if config.get(key) != wanted:
            problems.append(f"{key}={config.get(key)!r} (expected {wanted})")
    for key, wanted, tolerance in (("Zoom", zoom, 1e-6 * zoom), ("LATCENTD", lat * 100, 1.5 * one_pixel),
                                   ("LONCENTD", lon * 100, 1.5 * one_pixel)):
        try:
            value = float(config.get(key, "nan"))
        except ValueError:
            value = float("nan")
        if not abs(value - wanted) <= tolerance:
            problems.append(f"{key}={config.get(key)!r} (expected {wanted:.2f} ± {tolerance:.2f})")
    with open(ctx.settings_path(), encoding="utf-8") as f:
        desktop.save_text(f.read(), ctx.artifacts, f"settings-{ctx.current_check}.ini")
    if problems:
        raise Failure("after quitting the settings hold " + ", ".join(problems))


def check_restart_restores_view(ctx):
    """Started again, the program shows the view it was closed on, with the
    first zoom option selected as at every start."""
    program = ctx.program(keep_settings=True)
    picture = program.map_picture()
    image = desktop.grab_settled(desktop.extents(picture))
    desktop.save(image, ctx.artifacts, "map-after-restart.png")
    kept = ctx.remember.get("recentred picture")
    if kept is None:
        raise Failure("no picture of the re-centred map to compare with (the click check failed)")
    mask = map_mask(program, picture, image)
    same = min(desktop.overlap(kept, mask, 0, 0, 2), desktop.overlap(mask, kept, 0, 0, 2))
    if same < 0.95:
        raise Failure(f"after a restart only {same:.0%} of the outlines are where they were before quitting")
    zoom_in = program.find("option \"Augmente le zoom\"", role=pyatspi.ROLE_RADIO_BUTTON, name="Augmente le zoom")
    if not desktop.has_state(zoom_in, pyatspi.STATE_CHECKED):
        raise Failure("\"Augmente le zoom\" is not selected after a start")
    shown = read_times_at(ctx, program, ctx.view[1], ctx.view[2])
    compare_times("pointer on the centre after the restart", shown, ctx.remember["centre times"], 1)


def check_left_click_zooms_in(ctx):
    """With "Augmente le zoom", a click on the centre halves the view's
    height: the Sun image stands twice as far from the centre."""
    program = ctx.program()
    picture = program.map_picture()
    before = desktop.grab_settled(desktop.extents(picture))
    sun_before = sun_image(program, picture)
    cx, cy = ctx.map_centre(program)
    x, y = round(cx), round(cy)
    place = ctx.place_of(program, x, y)
    desktop.click_at(x, y)
    desktop.grab_settled(desktop.extents(picture), changed_from=before)
    sun_after = sun_image(program, picture)
    for axis in (0, 1):
        wanted = (cx, cy)[axis] + 2 * (sun_before[axis] - (x, y)[axis])
        if abs(sun_after[axis] - wanted) > 2.5:
            raise Failure(f"after a zoom-in click on the centre the Sun image is at {sun_after}, "
                          f"expected about ({cx + 2 * (sun_before[0] - x):.0f}, {cy + 2 * (sun_before[1] - y):.0f})")
    ctx.view = (ctx.view[0] / 2, place[0], place[1])


def check_quit_unchecked_writes_mem_only(ctx):
    """With "Conserver cette carte " cleared, quitting writes MEM=0 and
    leaves the kept view's keys as they were."""
    program = ctx.program(keep_settings=True)
    before = dict(read_settings(ctx)["Config"])
    box = keep_map_box(program)
    if not desktop.has_state(box, pyatspi.STATE_CHECKED):
        raise Failure("\"Conserver cette carte \" is not checked after a run that kept the map")
    desktop.click_at(*desktop.centre(box))
    desktop.wait_until("\"Conserver cette carte \" cleared",
                       lambda: not desktop.has_state(keep_map_box(program), pyatspi.STATE_CHECKED))
    status = program.close_window()
    ctx.forget_program()
    if status != 0:
        raise Failure(f"the program exited with status {status} when its window was closed")
    after = dict(read_settings(ctx)["Config"])
    with open(ctx.settings_path(), encoding="utf-8") as f:
        desktop.save_text(f.read(), ctx.artifacts, f"settings-{ctx.current_check}.ini")
    changed = {k: (before.get(k), v) for k, v in after.items() if before.get(k) != v}
    if changed != {"mem": ("1", "0")}:
        raise Failure(f"quitting with the box cleared changed {changed}, expected only MEM from 1 to 0")


def check_restart_unchecked_shows_whole_world(ctx):
    """Started after a run without "Conserver cette carte ", the program
    shows the whole world on 0°, 0°, not the view of the settings file."""
    ctx.view = (RESET_ZOOM, 0.0, 0.0)
    program = ctx.program(keep_settings=True)
    picture = program.map_picture()
    desktop.save(desktop.grab_settled(desktop.extents(picture)), ctx.artifacts, "map-unchecked-start.png")
    if desktop.has_state(keep_map_box(program), pyatspi.STATE_CHECKED):
        raise Failure("\"Conserver cette carte \" is checked again after a run that cleared it")
    expect_sun_at_subsolar_point(ctx, program, picture, "at a start without a kept map")


# ------------------------------------------ checks ready for what comes ----

def check_reset_shows_whole_world(ctx):
    """With "Conserver cette carte " cleared, "Reset" brings back the whole
    world on 0°, 0° after a click moved and zoomed the view."""
    program = ctx.program()
    picture = program.map_picture()
    box = keep_map_box(program)
    if desktop.has_state(box, pyatspi.STATE_CHECKED):
        desktop.click_at(*desktop.centre(box))
        desktop.wait_until("\"Conserver cette carte \" cleared",
                           lambda: not desktop.has_state(keep_map_box(program), pyatspi.STATE_CHECKED))
    before = desktop.grab_settled(desktop.extents(picture))
    cx, cy = ctx.map_centre(program)
    desktop.click_at(round(cx) + 200, round(cy) - 100)
    moved = desktop.grab_settled(desktop.extents(picture), changed_from=before)
    reset = program.find("button \"Reset\"", role=pyatspi.ROLE_PUSH_BUTTON, name="Reset")
    desktop.click_at(*desktop.centre(reset))
    desktop.grab_settled(desktop.extents(picture), changed_from=moved)
    ctx.view = (RESET_ZOOM, 0.0, 0.0)
    expect_sun_at_subsolar_point(ctx, program, picture, "after \"Reset\"")




def check_curve_and_night_colours(ctx):
    """The sunshine curve is drawn in red across the map and the night lines
    in (240, 240, 0) on the night side only: at noon UT on 21 June the Sun
    stands over 23.4° N, 0°, where no night line may be."""
    program = ctx.program()
    picture = program.map_picture()
    image = desktop.grab_settled(desktop.extents(picture))
    desktop.save(image, ctx.artifacts, "map-curve.png")
    red = desktop.colour_mask(image, RED, 30)
    if desktop.count(red) < 800:
        raise Failure(f"only {desktop.count(red)} red pixels of the sunshine curve on the map")
    left, _, right, _ = red.getbbox()
    ppd = ctx.pixels_per_degree(program)
    if (right - left) / ppd < 300:
        raise Failure(f"the red curve spans only {(right - left) / ppd:.0f}° of longitude")
    night = desktop.colour_mask(image, NIGHT, 30)
    if desktop.count(night) < 2000:
        raise Failure(f"only {desktop.count(night)} night-coloured pixels on the map")
    cx, cy = ctx.map_centre(program)
    px, py, _, _ = desktop.extents(picture)
    day = (int(cx - px - 60 * ppd), int(cy - py - 60 * ppd), int(120 * ppd), int(100 * ppd))
    in_day = desktop.colour_count(image, NIGHT, 30, day)
    if in_day:
        raise Failure(f"{in_day} night-coloured pixels within 60° of the subsolar point")
    midnight = (0, int(cy - py - 20 * ppd), int(cx - px - 150 * ppd), int(40 * ppd))
    if desktop.colour_count(image, NIGHT, 30, midnight) < 50:
        raise Failure("no night lines near the antimeridian, where it is midnight")


def check_label2_shows_place(ctx):
    """The position label shows the place under the pointer in degrees and
    minutes (N48°51' / E02°21' over Paris)."""
    program = ctx.program()
    lat, lon = point_at(ctx, program, *PARIS)

    def position():
        labels = program.find_all(role=pyatspi.ROLE_LABEL, name_re=r"^[NS]\d\d°\d\d'")
        return labels[0].name if len(labels) == 1 else None

    text = desktop.wait_until("a position label \"N..°..'\"", position)
    match = re.match(r"([NS])(\d+)°(\d+)'.*?\s+([EW])(\d+)°(\d+)'", text, re.S)
    if not match:
        raise Failure(f"the position label reads {text!r}")
    shown_lat = (1 if match[1] == "N" else -1) * (int(match[2]) + int(match[3]) / 60)
    shown_lon = (1 if match[4] == "E" else -1) * (int(match[5]) + int(match[6]) / 60)
    if abs(shown_lat - lat) > 0.04 or abs(shown_lon - lon) > 0.04:
        raise Failure(f"the position label reads {text!r} with the pointer on {lat:.3f}, {lon:.3f}")


def check_define_place_adds_city(ctx):
    """Right click, "Définir ce lieu", a name, "Ajouter", "Enregistrer": the
    city is the last line of Villes.txt and drawn in dark green there."""
    program = ctx.program()
    lat, lon = 10.0, -30.0  # open sea, where nothing else is drawn
    x, y = ctx.pixel_of(program, lat, lon)
    region = (x - 5, y - 5, 11, 11)
    if desktop.mark_count(desktop.grab(region), DARK_GREEN):
        raise Failure("dark green at the test place before any city was added")
    desktop.click_at(x, y, button=3)
    item = desktop.wait_until("the popup entry \"Définir ce lieu\"",
                              lambda: program.popup_items("Définir ce lieu"))[0]
    desktop.click_at(*desktop.centre(item))
    title = "Villes définies par l'utilisateur"
    editor = desktop.wait_until(f"the window \"{title}\"", lambda: program.find_all(name=title))[0]
    for option in ("Nord", "Ouest"):
        if not desktop.has_state(program.find(option, root=editor, role=pyatspi.ROLE_RADIO_BUTTON, name=option),
                                 pyatspi.STATE_CHECKED):
            raise Failure(f"\"{option}\" is not selected for a place at {lat}, {lon}")
    named = program.find_all(root=editor, role=pyatspi.ROLE_TEXT, name="Nom de la ville.")
    if len(named) == 1:
        name_box = named[0]
    else:  # the text box nearest to its caption
        caption = program.find("caption \"Nom de la ville.\"", root=editor, role=pyatspi.ROLE_LABEL,
                               name="Nom de la ville.")
        lx, ly = desktop.centre(caption)
        name_box = min(program.find_all(root=editor, role=pyatspi.ROLE_TEXT),
                       key=lambda acc: (desktop.centre(acc)[0] - lx) ** 2 + (desktop.centre(acc)[1] - ly) ** 2)
    desktop.click_at(*desktop.centre(name_box))
    desktop.type_text("Zorglub")
    villes = os.path.join(ctx.program_folder, "Villes.txt")
    old = open(villes, "rb").read()
    for button in ("Ajouter", "Enregistrer"):
        push = program.find(f"button \"{button}\"", root=editor, role=pyatspi.ROLE_PUSH_BUTTON, name=button)
        desktop.wait_until(f"\"{button}\" enabled", lambda: desktop.has_state(push, pyatspi.STATE_ENABLED))
        desktop.click_at(*desktop.centre(push))
    desktop.wait_until("Villes.txt rewritten", lambda: open(villes, "rb").read() != old)
    lines = [l for l in open(villes, "rb").read().decode("cp1252").splitlines() if l.strip()]
    match = re.fullmatch(r"(-?\d+\.\d{3}) (-?\d+\.\d{3}) 9 3 Zorglub", lines[-1])
    if not match or abs(float(match[1]) - lat) > 0.3 or abs(float(match[2]) + lon) > 0.3:
        raise Failure(f"the last line of Villes.txt is {lines[-1]!r}")
    retour = program.find("button \"Retour\"", root=editor, role=pyatspi.ROLE_PUSH_BUTTON, name="Retour")
    desktop.click_at(*desktop.centre(retour))
    desktop.wait_until("the editor to close", lambda: not program.find_all(name=title))
    desktop.wait_until("the new city drawn in dark green",
                       lambda: desktop.mark_count(desktop.grab(region), DARK_GREEN))


def check_cities_on_map(ctx):
    """With "Villes." checked (the default) the largest cities are drawn:
    magenta at Paris (the marks are small and smoothed, and blue marks of
    smaller towns stand close by: hence the wide tolerance)."""
    program = ctx.program()
    x, y = ctx.pixel_of(program, *PARIS)
    found = desktop.colour_count(desktop.grab((x - 4, y - 4, 9, 9)), MAGENTA, 80)
    if not found:
        raise Failure("no magenta city mark at Paris")


def check_typed_day_moves_curve(ctx):
    """A day typed into the date box redraws the curve for that day."""
    program = ctx.program()
    picture = program.map_picture()
    box = desktop.extents(picture)
    before = desktop.grab_settled(box)
    type_into(program, text_box_below(program, "jour"), "1")
    after = desktop.grab_settled(box, changed_from=before)
    red_before, red_after = desktop.colour_mask(before, RED, 30), desktop.colour_mask(after, RED, 30)
    if desktop.count(red_after) < 800:
        raise Failure("the red curve is gone after a day was typed")
    if desktop.overlap(red_before, red_after, 0, 0, 0) > 0.8:
        raise Failure("the red curve did not move when the day changed from 21 to 1")
    type_into(program, text_box_below(program, "jour"), "21")


def check_f1_opens_help(ctx):
    """F1 opens the help file of the program's folder with the desktop's
    handler (here a stand-in xdg-open that records what it was given)."""
    program = ctx.program()
    record = ctx.opened_record
    if os.path.exists(record):
        os.remove(record)
    desktop.xdotool("windowfocus", "--sync", program.window_id)
    desktop.press("F1")
    opened = desktop.wait_until("the desktop's handler to be called",
                                lambda: os.path.exists(record) and open(record).read().strip(), timeout=5)
    path = opened.splitlines()[0].removeprefix("file://")
    if os.path.basename(path) not in ("Pellamar.chm", "Pellamar.html") or \
            os.path.realpath(os.path.dirname(path)) != os.path.realpath(ctx.program_folder):
        raise Failure(f"F1 opened {opened!r}, not the help file of the program's folder")


MENUS = {
    "Quitter": None,
    "Recherche": ["Rechercher un Pays", "Effacer le module recherche"],
    "Configuration": ["Afficher la zone nuit", "Module Position du Soleil", "Effacer le module Configuration",
                      "Modifier la liste des villes définies par l'utilisateur.", "Couleurs"],
    "Aide": ["Aide", "A Propos"],
}


def open_menu(program, title):
    bar = program.find("menu bar", role=pyatspi.ROLE_MENU_BAR)
    entry = program.find(f"menu \"{title}\"", root=bar, name=title)
    desktop.click_at(*desktop.centre(entry))
    return desktop.wait_until(f"the menu \"{title}\" open", lambda: program.popup_items())


def check_menu_bar_entries(ctx):
    """The menu bar holds its four entries in order, each menu its captions,
    the two display entries checked."""
    program = ctx.program()
    bar = program.find("menu bar", role=pyatspi.ROLE_MENU_BAR)
    names = [bar.getChildAtIndex(i).name.replace("&", "") for i in range(bar.childCount)]
    if names != list(MENUS):
        raise Failure(f"the menu bar reads {names}, expected {list(MENUS)}")
    for title, captions in MENUS.items():
        if captions is None:
            continue
        items = open_menu(program, title)
        shown = [item.name.replace("&", "") for item in items]
        desktop.press("Escape")
        if shown != captions:
            raise Failure(f"the menu \"{title}\" reads {shown}, expected {captions}")
        if title == "Configuration":
            for item in items[:2]:
                if not desktop.has_state(item, pyatspi.STATE_CHECKED):
                    raise Failure(f"\"{item.name}\" is not checked at start")


def check_about_window(ctx):
    """Aide > A Propos opens "A Propos..." with the version; "Retour" closes it."""
    program = ctx.program()
    items = open_menu(program, "Aide")
    about = [item for item in items if item.name.replace("&", "") == "A Propos"]
    if not about:
        raise Failure("no \"A Propos\" entry in the menu \"Aide\"")
    desktop.click_at(*desktop.centre(about[0]))
    window = desktop.wait_until("the window \"A Propos...\"", lambda: program.find_all(name="A Propos..."))[0]
    for text in ("Version 2.2", "Calcul d'heures de lever et de coucher du Soleil dans le monde."):
        if not program.find_all(root=window, name=text):
            raise Failure(f"the About window does not show {text!r}")
    desktop.click_at(*desktop.centre(program.find("button \"Retour\"", root=window,
                                                  role=pyatspi.ROLE_PUSH_BUTTON, name="Retour")))
    desktop.wait_until("the About window to close", lambda: not program.find_all(name="A Propos..."))


def check_menu_quit_writes_settings(ctx):
    """"Quitter" in the menu bar ends the program through the same path as
    the close box: the settings are written."""
    program = ctx.program()
    bar = program.find("menu bar", role=pyatspi.ROLE_MENU_BAR)
    entry = [bar.getChildAtIndex(i) for i in range(bar.childCount)
             if bar.getChildAtIndex(i).name.replace("&", "") == "Quitter"]
    if not entry:
        raise Failure("no \"Quitter\" in the menu bar")
    desktop.click_at(*desktop.centre(entry[0]))
    try:
        status = program.process.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("the program is still running 10 s after \"Quitter\"") from None
    ctx.forget_program()
    if status != 0:
        raise Failure(f"the program exited with status {status} on \"Quitter\"")
    if read_settings(ctx).get("Config", "MEM", fallback=None) != "1":
        raise Failure("\"Quitter\" did not write MEM=1")


# (name, check, waits_for): waits_for None runs now; a text keeps the ready
# check out of the run until that feature has landed.
CHECKS = [
    ("headless_readout", check_headless_readout, None),
    ("headless_snapshot", check_headless_snapshot, None),
    ("window_fills_screen", check_window_fills_screen, None),
    ("map_has_outlines", check_map_has_outlines, None),
    ("curve_and_night_colours", check_curve_and_night_colours, None),
    ("cities_on_map", check_cities_on_map, None),
    ("readout_follows_pointer", check_readout_follows_pointer, None),
    ("label2_shows_place", check_label2_shows_place, None),
    ("typed_day_changes_readout", check_typed_day_changes_readout, None),
    ("typed_day_moves_curve", check_typed_day_moves_curve, None),
    ("right_click_shows_popup", check_right_click_shows_popup, None),
    ("define_place_adds_city", check_define_place_adds_city, None),
    ("menu_bar_entries", check_menu_bar_entries, None),
    ("about_window", check_about_window, None),
    ("f1_opens_help", check_f1_opens_help, None),
    ("menu_quit_writes_settings", check_menu_quit_writes_settings, None),
    ("left_click_recentres", check_left_click_recentres, None),
    ("quit_writes_view", check_quit_writes_settings, None),
    ("restart_restores_view", check_restart_restores_view, None),
    ("left_click_zooms_in", check_left_click_zooms_in, None),
    ("quit_writes_zoomed_view", check_quit_writes_settings, None),
    ("quit_unchecked_writes_mem_only", check_quit_unchecked_writes_mem_only, None),
    ("restart_unchecked_shows_whole_world", check_restart_unchecked_shows_whole_world, None),
    ("reset_shows_whole_world", check_reset_shows_whole_world, None),
]

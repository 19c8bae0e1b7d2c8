#!/usr/bin/env python3
"""Writes the SVG sources of the skin's state strips into a folder.

Every control that shows one picture per state gets its frames side by side, all of
one width, in the order the toolkit reads them: four-frame strips are normal, hover,
pressed, disabled; check strips add the same four again for the checked state; tab
icons are normal (on the dark strip) and selected (on the white tab). The pictures
themselves are single SVGs beside this script; this file holds the families whose
frames differ only in colour, so that one change restyles a whole family.

Usage: strips.py OUTPUT_FOLDER   (writes OUTPUT_FOLDER/<skin path>.svg)
"""
import math
import os
import sys

# The start-up window's palette.
ACCENT = "#3768fa"
ACCENT_LIGHT = "#5a85ff"
ACCENT_DARK = "#2a55d6"
WHITE = "#ffffff"
GLYPH = "#9aa3b2"          # icons at rest on the dark window
GLYPH_DISABLED = "#3c424d"
SURFACE = "#1b2230"        # raised surfaces: buttons, boxes
SURFACE_HOVER = "#22304a"
EDGE = "#34405a"
RECORD = "#e5484d"


def svg(width, height, body, defs=""):
    defs_block = f"<defs>{defs}</defs>" if defs else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">{defs_block}{body}</svg>\n')


def strip(frame_width, frame_height, frames, defs=""):
    """Frames drawn in their own coordinates, placed side by side."""
    body = "".join(f'<g transform="translate({i * frame_width} 0)">{frame}</g>'
                   for i, frame in enumerate(frames))
    return svg(frame_width * len(frames), frame_height, body, defs)


def vertical_gradient(gid, top, bottom):
    return (f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>')


# Push buttons stretched as a nine-grid with 8-pixel corners: the rounding stays inside them.
def push_button():
    w, h = 64, 32
    defs = (vertical_gradient("rest", "#212a3b", "#171d29")
            + vertical_gradient("hover", "#2a3a5a", "#1e2b44"))

    def face(fill, stroke):
        return (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="6" '
                f'fill="{fill}" stroke="{stroke}"/>')
    frames = [face("url(#rest)", EDGE),
              face("url(#hover)", ACCENT),
              face(ACCENT, ACCENT_DARK),
              # Disabled titles are grey (0x969696) or dark grey (0x323232): a mid-grey flat face carries both.
              face("#5a5e66", "#5a5e66")]
    return strip(w, h, frames, defs)


# Toggle buttons (Ctrl, Win, Alt, Shift): quieter than push buttons; pressed is also "on".
def toggle_button():
    w, h = 64, 32

    def face(fill, stroke):
        return (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="6" '
                f'fill="{fill}" stroke="{stroke}"/>')
    return strip(w, h, [face("#141a24", "#2e3747"), face("#1a2233", ACCENT),
                        face(ACCENT, ACCENT), face("#1a1d23", "#262a31")])


# The firmware upgrade button; its last frame also stands for "upgrading" (diagonal stripes).
def upgrade_button():
    w, h = 80, 28
    defs = ('<pattern id="busy" width="8" height="8" patternUnits="userSpaceOnUse" '
            'patternTransform="rotate(45)"><rect width="8" height="8" fill="#1e2636"/>'
            '<rect width="4" height="8" fill="#283554"/></pattern>')

    def face(fill, stroke, opacity=1):
        return (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="6" fill="{fill}" '
                f'fill-opacity="{opacity}" stroke="{stroke}"/>')
    return strip(w, h, [face(ACCENT, ACCENT, 0.16), face(ACCENT, ACCENT_LIGHT, 0.4),
                        face(ACCENT_DARK, ACCENT_DARK), face("url(#busy)", "#3a4560")], defs)


def glyph_strip(width, height, draw, colours):
    return strip(width, height, [draw(c) for c in colours])


FOUR_GLYPH_STATES = [GLYPH, WHITE, ACCENT, GLYPH_DISABLED]


def reset_icon():
    # A circular arrow running clockwise from the right, its head at the top pointing on.
    c, r = 6.5, 4.3
    start, end = math.radians(-20), math.radians(255)
    x0, y0 = c + r * math.cos(start), c + r * math.sin(start)
    x1, y1 = c + r * math.cos(end), c + r * math.sin(end)
    tx, ty = -math.sin(end), math.cos(end)   # the direction of travel at the head
    nx, ny = -ty, tx
    tip = (x1 + 2.4 * tx, y1 + 2.4 * ty)
    left = (x1 + 2.1 * nx - 0.4 * tx, y1 + 2.1 * ny - 0.4 * ty)
    right = (x1 - 2.1 * nx - 0.4 * tx, y1 - 2.1 * ny - 0.4 * ty)
    head = "M{:.2f} {:.2f} L{:.2f} {:.2f} L{:.2f} {:.2f} Z".format(*tip, *left, *right)

    def draw(colour):
        return (f'<path d="M{x0:.2f} {y0:.2f} A{r} {r} 0 1 1 {x1:.2f} {y1:.2f}" fill="none" '
                f'stroke="{colour}" stroke-width="1.5" stroke-linecap="round"/>'
                f'<path d="{head}" fill="{colour}"/>')
    return glyph_strip(13, 13, draw, FOUR_GLYPH_STATES)


def help_icon():
    def draw(colour):
        return (f'<circle cx="7.5" cy="7.5" r="6.6" fill="none" stroke="{colour}" stroke-width="1.2"/>'
                f'<path d="M5.5 5.9 A2.05 2.05 0 1 1 8.6 7.6 C7.9 8 7.5 8.4 7.5 9.2 V9.5" fill="none" '
                f'stroke="{colour}" stroke-width="1.3" stroke-linecap="round"/>'
                f'<circle cx="7.5" cy="11.4" r="0.85" fill="{colour}"/>')
    return glyph_strip(15, 15, draw, FOUR_GLYPH_STATES)


def system_button(glyph, pressed_fill):
    def frame(colour, backdrop=None, opacity=1):
        back = (f'<rect width="20" height="20" rx="4" fill="{backdrop}" fill-opacity="{opacity}"/>'
                if backdrop else "")
        return back + glyph(colour)
    return strip(20, 20, [frame(GLYPH), frame(WHITE, WHITE, 0.12),
                          frame(WHITE, pressed_fill), frame(GLYPH_DISABLED)])


def close_glyph(colour):
    return (f'<path d="M6.5 6.5 L13.5 13.5 M13.5 6.5 L6.5 13.5" stroke="{colour}" '
            f'stroke-width="1.6" stroke-linecap="round"/>')


def minimise_glyph(colour):
    return f'<path d="M5.5 10 H14.5" stroke="{colour}" stroke-width="1.6" stroke-linecap="round"/>'


def logo():
    # The mark: a broad "M" whose middle stroke dips like a scroll wheel's groove.
    mark = "M14 34 V7 L32.5 21 L51 7 V34 H44.5 V19.5 L32.5 29 L20.5 19.5 V34 Z"
    defs = (vertical_gradient("rest", "#7fa2ff", ACCENT)
            + vertical_gradient("hover", "#b3c8ff", ACCENT_LIGHT))

    def frame(fill):
        return f'<path d="{mark}" fill="{fill}"/>'
    return strip(65, 40, [frame("url(#rest)"), frame("url(#hover)"), frame(ACCENT_DARK),
                          frame("#3a404b")], defs)


# Check boxes and radio buttons: unchecked normal, hover, pressed, disabled, then checked.
def check_box():
    def box(fill, stroke):
        return (f'<rect x="1.5" y="1.5" width="13" height="13" rx="3" fill="{fill}" '
                f'stroke="{stroke}"/>')

    def tick(colour):
        return (f'<path d="M4.6 8.3 L7 10.7 L11.5 5.6" fill="none" stroke="{colour}" '
                f'stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>')
    unchecked = [box("#0e131c", "#5a6270"), box("#121a2a", ACCENT),
                 box("#1b2a4a", ACCENT), box("#12161e", "#2c313a")]
    checked = [box(ACCENT, ACCENT) + tick(WHITE), box(ACCENT_LIGHT, ACCENT_LIGHT) + tick(WHITE),
               box(ACCENT_DARK, ACCENT_DARK) + tick(WHITE), box("#263252", "#263252") + tick("#6b7386")]
    return strip(16, 16, unchecked + checked)


def radio_box():
    def ring(fill, stroke):
        return f'<circle cx="8" cy="8" r="6.5" fill="{fill}" stroke="{stroke}"/>'

    def dot(colour):
        return f'<circle cx="8" cy="8" r="2.6" fill="{colour}"/>'
    unchecked = [ring("#0e131c", "#5a6270"), ring("#121a2a", ACCENT),
                 ring("#1b2a4a", ACCENT), ring("#12161e", "#2c313a")]
    checked = [ring(ACCENT, ACCENT) + dot(WHITE), ring(ACCENT_LIGHT, ACCENT_LIGHT) + dot(WHITE),
               ring(ACCENT_DARK, ACCENT_DARK) + dot(WHITE), ring("#263252", "#263252") + dot("#6b7386")]
    return strip(16, 16, unchecked + checked)


# The switch: one strip for "on", one for "off"; frame 1 serves hover and press alike.
def switch(on):
    def frame(track, track_edge, knob):
        x = 26 if on else 10
        return (f'<rect x="1.5" y="2.5" width="33" height="15" rx="7.5" fill="{track}" stroke="{track_edge}"/>'
                f'<circle cx="{x}" cy="10" r="5.5" fill="{knob}"/>')
    if on:
        frames = [frame(ACCENT, ACCENT, WHITE), frame(ACCENT_LIGHT, ACCENT_LIGHT, WHITE),
                  frame(ACCENT_DARK, ACCENT_DARK, WHITE), frame("#263252", "#263252", "#6b7386")]
    else:
        frames = [frame("#1b2230", "#3a4150", GLYPH), frame("#1e283a", ACCENT, WHITE),
                  frame("#1b2a4a", ACCENT, WHITE), frame("#12161e", "#2c313a", GLYPH_DISABLED)]
    return strip(36, 20, frames)


# The device-state plate of the main window's frame; the control stretches frame 0.
def state_area():
    def plate(fill, stroke):
        return (f'<rect x="0.5" y="0.5" width="39" height="23" rx="4" fill="{fill}" '
                f'stroke="{stroke}"/>')
    return strip(40, 24, [plate(SURFACE, EDGE), plate(SURFACE_HOVER, ACCENT),
                          plate(ACCENT_DARK, ACCENT_DARK), plate("#12161e", "#2c313a")])


# Icons drawn beside the titles of icon buttons, one frame per button state.
def arrow_up_icon():
    def draw(colour):
        return (f'<path d="M1.5 6 L4.5 2.5 L7.5 6" fill="none" stroke="{colour}" stroke-width="1.6" '
                f'stroke-linecap="round" stroke-linejoin="round"/>')
    return glyph_strip(9, 8, draw, ["#c8ced8", WHITE, WHITE, "#50555e"])


RECORD_STATES = [RECORD, "#ff6b70", "#c93a3f", "#4d2c2f"]


def record_icon():
    return glyph_strip(12, 12, lambda c: f'<circle cx="6" cy="6" r="4.5" fill="{c}"/>', RECORD_STATES)


def stop_record_icon():
    return glyph_strip(12, 12, lambda c: f'<rect x="2" y="2" width="8" height="8" rx="1.5" fill="{c}"/>',
                       RECORD_STATES)


# Tab icons: a 24-unit glyph centred in the 56 × 56 tab.
def tab_icon(glyph):
    def frame(colour):
        return (f'<g transform="translate(16 16)" fill="none" stroke="{colour}" stroke-width="2" '
                f'stroke-linecap="round" stroke-linejoin="round">{glyph(colour)}</g>')
    return strip(56, 56, [frame("#aeb6c4"), frame(ACCENT)])


def home_glyph(_):
    return '<path d="M3 11 L12 3.5 L21 11"/><path d="M5.5 9.5 V20.5 H18.5 V9.5"/><path d="M10 20.5 V14.5 H14 V20.5"/>'


def key_glyph(colour):
    return (f'<path d="M12 2.5 H11.5 A5.5 5.5 0 0 0 6 8 V10 H12 Z" fill="{colour}" fill-opacity="0.35" stroke="none"/>'
            '<rect x="6" y="2.5" width="12" height="19" rx="6"/><path d="M12 2.5 V10 M6 10 H18"/>')


def dpi_glyph(colour):
    return ('<path d="M4.2 18 A9 9 0 1 1 19.8 18"/><path d="M12 13.5 L16.5 8.5"/>'
            f'<circle cx="12" cy="13.5" r="1.8" fill="{colour}"/><path d="M12 4.5 V6 M4.5 12.5 H6 M19.5 12.5 H18"/>')


def macro_glyph(colour):
    return (f'<path d="M3.5 6 H15 M3.5 11 H15 M3.5 16 H10"/>'
            f'<path d="M14.5 14 L20.5 17.5 L14.5 21 Z" fill="{colour}"/>')


def light_glyph(_):
    return ('<path d="M9 17 V15.6 C6.8 14.3 5.5 12.3 5.5 10 A6.5 6.5 0 0 1 18.5 10 C18.5 12.3 17.2 14.3 15 15.6 V17 Z"/>'
            '<path d="M9.5 20.5 H14.5"/><path d="M12 0.5 V1.5 M2 10 H1 M22 10 H23 M4.6 2.6 L5.3 3.3 M19.4 2.6 L18.7 3.3"/>')


def settings_glyph(colour):
    return ('<path d="M3 6 H21 M3 12 H21 M3 18 H21"/>'
            f'<circle cx="8" cy="6" r="2.2" fill="{colour}"/><circle cx="15.5" cy="12" r="2.2" fill="{colour}"/>'
            f'<circle cx="10" cy="18" r="2.2" fill="{colour}"/>')


def gear_glyph(_):
    teeth, outer, inner = 8, 10, 7.6
    points = []
    for i in range(teeth * 2):
        # Each tooth and each gap spans half a step; the tooth's flanks lean in slightly.
        a0 = (i - 0.5) * math.pi / teeth
        a1 = (i + 0.5) * math.pi / teeth
        r = outer if i % 2 == 0 else inner
        lean = 0.12 if i % 2 == 0 else -0.12
        points.append((12 + r * math.cos(a0 + lean), 12 + r * math.sin(a0 + lean)))
        points.append((12 + r * math.cos(a1 - lean), 12 + r * math.sin(a1 - lean)))
    d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in points) + " Z"
    return f'<path d="{d}" stroke-width="1.8"/><circle cx="12" cy="12" r="3.2"/>'


# Combo boxes: a flat box whose right 32 pixels hold the arrow (the toolkit stretches the
# frame as a nine-grid with margins 6, 6, 32, 6, so the arrow keeps its size).
def chevron(cx, cy, colour, half=4.0, rise=2.5, width=1.6):
    return (f'<path d="M{cx - half} {cy - rise / 2} L{cx} {cy + rise / 2 + 0.5} L{cx + half} {cy - rise / 2}" '
            f'fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round" stroke-linejoin="round"/>')


COMBO_FACES = [(SURFACE, EDGE, GLYPH), (SURFACE_HOVER, ACCENT, WHITE),
               ("#1a2a4d", ACCENT, WHITE), ("#15181e", "#262a31", GLYPH_DISABLED)]


def combo_box(device=False):
    w, h = 120, 30

    def face(fill, stroke, arrow):
        body = f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="5" fill="{fill}" stroke="{stroke}"/>'
        if device:
            # The model selector sits on the window's picture: a quieter face with an accent foot.
            body = (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="5" fill="{fill}" '
                    f'fill-opacity="0.85" stroke="{stroke}"/>'
                    f'<rect x="6" y="{h - 3}" width="{w - 44}" height="1.5" fill="{ACCENT}"/>')
        divider = f'<rect x="{w - 32}" y="7" width="1" height="{h - 14}" fill="{stroke}"/>'
        return body + divider + chevron(w - 16, h / 2, arrow)
    return strip(w, h, [face(*f) for f in COMBO_FACES])


def combo_drop_arrow():
    return strip(10, 6, [chevron(5, 3, colour, half=3.8, rise=2.6, width=1.5)
                         for colour in ["#c8ced8", WHITE, WHITE, "#50555e"]])


# The row being renamed in a list: a light field framed in the accent colour.
def list_edit_field():
    return svg(40, 30, f'<rect x="1" y="1" width="38" height="28" rx="4" fill="#f7f8f8" stroke="{ACCENT}" '
                       f'stroke-width="2"/>')


def slider_thumb():
    return svg(16, 16, f'<circle cx="8" cy="8" r="6.5" fill="{WHITE}" stroke="{ACCENT}" stroke-width="2.5"/>')


# Edit boxes: normal, hover, editing, disabled, drawn as a nine-grid with 10-pixel corners
# (the rounding stays inside them). The editing face matches the editor laid over it.
EDIT_EDITING = "#141a24"


def edit_box():
    w, h = 64, 32

    def face(fill, stroke):
        return (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="5" '
                f'fill="{fill}" stroke="{stroke}"/>')
    return strip(w, h, [face(SURFACE, EDGE), face(SURFACE_HOVER, ACCENT_LIGHT),
                        face(EDIT_EDITING, ACCENT), face("#15181e", "#262a31")])


# The number edits' buttons: a round button with a plus or a minus (15 x 15), and small
# arrows (10 x 10) stacked at the right edge; spinners' arrows are 12 x 8.
def round_value_button(glyph):
    def frame(colour, fill):
        return (f'<circle cx="7.5" cy="7.5" r="6.8" fill="{fill}" stroke="{colour}" stroke-width="1"/>'
                + glyph(colour))
    return strip(15, 15, [frame(GLYPH, SURFACE), frame(WHITE, SURFACE_HOVER), frame(WHITE, ACCENT),
                          frame(GLYPH_DISABLED, "#15181e")])


def plus_glyph(colour):
    return f'<path d="M4.5 7.5 H10.5 M7.5 4.5 V10.5" stroke="{colour}" stroke-width="1.5" stroke-linecap="round"/>'


def minus_glyph(colour):
    return f'<path d="M4.5 7.5 H10.5" stroke="{colour}" stroke-width="1.5" stroke-linecap="round"/>'


def arrow_button(width, height, up):
    # A filled triangle, pointing up or down, in a frame the size of the button.
    top, bottom = 1.5, height - 1.5
    tip, base = (top, bottom) if up else (bottom, top)
    d = f"M1.5 {base} L{width / 2} {tip} L{width - 1.5} {base} Z"
    return glyph_strip(width, height, lambda c: f'<path d="{d}" fill="{c}"/>',
                       [GLYPH, WHITE, ACCENT, GLYPH_DISABLED])


SKINS = {
    "img_button": push_button,
    "img_button2": toggle_button,
    "img_btn_upgrade": upgrade_button,
    "btn_reset": reset_icon,
    "img_help": help_icon,
    "sysbtn_close": lambda: system_button(close_glyph, RECORD),
    "sysbtn_min": lambda: system_button(minimise_glyph, ACCENT),
    "logo/logo": logo,
    "btn_checkbox": check_box,
    "btn_radiobox": radio_box,
    "img_switch_btn_on": lambda: switch(True),
    "img_switch_btn_off": lambda: switch(False),
    "img_slider_bar": slider_thumb,
    "icon/icon_arrow_up": arrow_up_icon,
    "icon/icon_rec": record_icon,
    "icon/icon_stop_rec": stop_record_icon,
    "icon/tab_home": lambda: tab_icon(home_glyph),
    "icon/tab_key": lambda: tab_icon(key_glyph),
    "icon/tab_dpi": lambda: tab_icon(dpi_glyph),
    "icon/tab_macro": lambda: tab_icon(macro_glyph),
    "icon/tab_light": lambda: tab_icon(light_glyph),
    "icon/tab_set": lambda: tab_icon(settings_glyph),
    "icon/tab_sysset": lambda: tab_icon(gear_glyph),
    # Text input: edit boxes, number edits and spinners.
    "img_edit": edit_box,
    "img_btn_addvalue": lambda: round_value_button(plus_glyph),
    "img_btn_subtract": lambda: round_value_button(minus_glyph),
    "img_btn_value_up": lambda: arrow_button(10, 10, True),
    "img_btn_value_down": lambda: arrow_button(10, 10, False),
    "img_spin_up": lambda: arrow_button(12, 8, True),
    "img_spin_down": lambda: arrow_button(12, 8, False),
    # The macro page's buttons that move the selected event up and down.
    "img_recorditem_up": lambda: arrow_button(16, 14, True),
    "img_recorditem_down": lambda: arrow_button(16, 14, False),

    # Lists and combo boxes.
    "img_combobox": combo_box,
    "img_combobox_device": lambda: combo_box(device=True),
    "img_combobox_drop": combo_drop_arrow,
    "img_list_edit": list_edit_field,

    # Status widgets: battery, device state, light sliders.
    "img_area": state_area,

}


# --- DPI widgets: the plus and minus buttons of the DPI level editor (20 x 20, four
# states), round like the value buttons of the number edits but a size larger.
def dpi_step_button(glyph):
    def frame(colour, fill):
        return (f'<circle cx="10" cy="10" r="9.2" fill="{fill}" stroke="{colour}" stroke-width="1.2"/>'
                + glyph(colour))
    return strip(20, 20, [frame(GLYPH, SURFACE), frame(WHITE, SURFACE_HOVER), frame(WHITE, ACCENT),
                          frame(GLYPH_DISABLED, "#15181e")])


def dpi_plus_glyph(colour):
    return f'<path d="M6 10 H14 M10 6 V14" stroke="{colour}" stroke-width="1.8" stroke-linecap="round"/>'


def dpi_minus_glyph(colour):
    return f'<path d="M6 10 H14" stroke="{colour}" stroke-width="1.8" stroke-linecap="round"/>'


SKINS["img_btn_dpi_add"] = lambda: dpi_step_button(dpi_plus_glyph)
SKINS["img_btn_dpi_subtract"] = lambda: dpi_step_button(dpi_minus_glyph)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    for name, make in SKINS.items():
        path = os.path.join(out, name + ".svg")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(make())


if __name__ == "__main__":
    main()

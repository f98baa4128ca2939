#!/usr/bin/env python3
"""Draws the chart's four mouse cursors (24 x 24 pixels, black with a white
halo on a transparent background) and writes them as XPM images, which are C
source the chart library includes. Run it here after changing a shape:
    python3 make_cursors.py
"""

SIZE = 24


def blank():
    return [[' '] * SIZE for _ in range(SIZE)]


def dot(img, x, y):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = '#'


def line(img, x0, y0, x1, y1):
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        dot(img, x0, y0)
        if (x0, y0) == (x1, y1):
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def circle(img, cx, cy, r):
    for a in range(360):
        import math
        dot(img, round(cx + r * math.cos(math.radians(a))), round(cy + r * math.sin(math.radians(a))))


def rect(img, x0, y0, x1, y1, dashed=False):
    for x in range(x0, x1 + 1):
        if not dashed or (x - x0) % 3 != 2:
            dot(img, x, y0)
            dot(img, x, y1)
    for y in range(y0, y1 + 1):
        if not dashed or (y - y0) % 3 != 2:
            dot(img, x0, y)
            dot(img, x1, y)


def arrow_head(img, x, y, dx, dy):
    """A filled head of three rows pointing in direction (dx, dy)."""
    for k in range(4):
        for s in range(-k, k + 1):
            dot(img, x - dx * k + dy * s, y - dy * k + dx * s)


def magnifier(img, cx, cy, r):
    circle(img, cx, cy, r)
    for k in range(5):  # the handle, two pixels thick
        line(img, cx + r - 1 + k, cy + r - 1 + k, cx + r + k, cy + r - 1 + k)
        dot(img, cx + r + k, cy + r + k)


def halo(img):
    """A white rim around every black pixel, so the cursor shows on any colour."""
    out = [row[:] for row in img]
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] == ' ' and any(
                    0 <= x + i < SIZE and 0 <= y + j < SIZE and img[y + j][x + i] == '#'
                    for i in (-1, 0, 1) for j in (-1, 0, 1)):
                out[y][x] = '.'
    return out


def pan():
    img = blank()
    line(img, 12, 2, 12, 21)
    line(img, 2, 12, 21, 12)
    for x, y, dx, dy in ((12, 1, 0, -1), (12, 22, 0, 1), (1, 12, -1, 0), (22, 12, 1, 0)):
        arrow_head(img, x, y, dx, dy)
    return img, (12, 12)


def zoom_window():
    img = blank()
    rect(img, 1, 1, 13, 11, dashed=True)
    magnifier(img, 12, 11, 5)
    return img, (1, 1)


def zoom_drag():
    img = blank()
    magnifier(img, 9, 9, 6)
    line(img, 6, 9, 12, 9)   # plus inside the lens
    line(img, 9, 6, 9, 12)
    line(img, 20, 2, 20, 9)  # up arrow: zoom in
    arrow_head(img, 20, 1, 0, -1)
    return img, (9, 9)


def zoom_window_pos():
    img = blank()
    rect(img, 1, 1, 13, 11, dashed=True)
    magnifier(img, 12, 11, 5)
    line(img, 10, 11, 14, 11)  # plus: the position is kept
    line(img, 12, 9, 12, 13)
    return img, (1, 1)


def write_xpm(name, img, hotspot):
    rows = halo(img)
    with open(name + '.xpm', 'w') as f:
        f.write('/* XPM */\n')
        f.write('// Made by make_cursors.py; hot spot %d %d.\n' % hotspot)
        f.write('static const char* const %s_xpm[] = {\n' % name)
        f.write('"%d %d 3 1 %d %d",\n' % (SIZE, SIZE, hotspot[0], hotspot[1]))
        f.write('"  c None",\n"# c #000000",\n". c #FFFFFF",\n')
        f.write(',\n'.join('"%s"' % ''.join(r) for r in rows))
        f.write('};\n')


if __name__ == '__main__':
    for name, make in (('cursor_pan', pan), ('cursor_zoom_window', zoom_window),
                       ('cursor_zoom_drag', zoom_drag), ('cursor_zoom_window_pos', zoom_window_pos)):
        img, hot = make()
        write_xpm(name, img, hot)

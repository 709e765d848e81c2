"""Small drawing kit behind make-artwork: the display scalings, BMP, PNG and ICO
writers, an RGBA canvas, anti-aliased shapes from signed distance functions, polygon
regions and text masks rendered by ImageMagick.  Standard library only; everything is
deterministic."""
import math
import struct
import subprocess
import zlib

# ---------------------------------------------------------------------------
# Display scalings
# ---------------------------------------------------------------------------

# 100, 125, 150, 175 and 200 %: the steps every picture is drawn at.
DPI_STEPS = (96, 120, 144, 168, 192)


def scale_edge(v, dpi):
    """A coordinate or length v in 96-dpi pixels at dpi dots per inch, a half rounding
    up (away from zero for negative v).  The programs scale by the same rule."""
    if v < 0:
        return -scale_edge(-v, dpi)
    return (v * dpi + 48) // 96


class Scale:
    """One display scaling, threaded through the drawing."""

    def __init__(self, dpi):
        self.dpi = dpi
        self.k = dpi / 96.0

    def edge(self, v):
        return scale_edge(v, self.dpi)

    def rect(self, r):
        """(left, top, width, height) -> scaled edges (left, top, right, bottom)."""
        left, top, w, h = r
        return self.edge(left), self.edge(top), self.edge(left + w), self.edge(top + h)

    def file(self, name):
        """start.bmp at 100 %, start-150.bmp at 150 %."""
        if self.dpi == 96:
            return name
        stem, dot, ext = name.rpartition(".")
        return "%s-%d.%s" % (stem, self.dpi * 100 // 96, ext)

# ---------------------------------------------------------------------------
# Colour helpers
# ---------------------------------------------------------------------------


def mix(a, b, t):
    """Linear blend of two RGB colours, t = 0 gives a, t = 1 gives b."""
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def rgb8(c):
    return tuple(max(0, min(255, int(math.floor(v + 0.5)))) for v in c)


def shade(c, k):
    """k < 0 darkens towards black, k > 0 lightens towards white."""
    return mix(c, (0, 0, 0), -k) if k < 0 else mix(c, (255, 255, 255), k)


# ---------------------------------------------------------------------------
# BMP and ICO writers
# ---------------------------------------------------------------------------


def row_bytes(row, bpp):
    """Packs one row (palette indices, or (r, g, b[, a]) tuples for 24/32 bpp), padded to 4 bytes."""
    if bpp == 32:
        data = b"".join(bytes((p[2], p[1], p[0], p[3])) for p in row)
    elif bpp == 24:
        data = b"".join(bytes((p[2], p[1], p[0])) for p in row)
    elif bpp == 8:
        data = bytes(row)
    elif bpp in (4, 1):
        per = 8 // bpp
        out = bytearray()
        for i in range(0, len(row), per):
            byte = 0
            for j, v in enumerate(row[i:i + per]):
                byte |= v << (8 - bpp * (j + 1))
            out.append(byte)
        data = bytes(out)
    else:
        raise ValueError("unsupported bit depth %d" % bpp)
    return data + b"\0" * (-len(data) % 4)


def dib(rows, bpp, palette=(), height_factor=1, ppm=2834, clr_used=None, extra=b""):
    """BITMAPINFOHEADER + palette + bottom-up pixel rows (+ extra, e.g. an icon's AND mask)."""
    height, width = len(rows), len(rows[0])
    pixels = b"".join(row_bytes(r, bpp) for r in reversed(rows)) + extra
    if clr_used is None:
        clr_used = len(palette) if bpp <= 8 else 0
    header = struct.pack("<IiiHHIIiiII", 40, width, height * height_factor, 1, bpp,
                         0, len(pixels), ppm, ppm, clr_used, 0)
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    return header + pal + pixels, 40 + len(pal)


def bmp_bytes(rows, bpp, palette=(), **kw):
    body, offset = dib(rows, bpp, palette, **kw)
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, 14 + offset) + body


def index_image(img, max_colours, palette=None):
    """Turns rows of RGB tuples into (palette, rows of indices).

    Without a palette the image's own colours are used, sorted, so the result does
    not depend on drawing order.  Raises if they do not fit."""
    if palette is None:
        palette = sorted({c for row in img for c in row})
    palette = list(palette)
    if len(palette) > max_colours:
        raise ValueError("%d colours do not fit in %d" % (len(palette), max_colours))
    index = {c: i for i, c in enumerate(palette)}
    return palette, [[index[c] for c in row] for row in img]


def png_bytes(rgba):
    """Rows of (r, g, b, a) as a PNG: 8-bit RGBA, no filtering, fixed compression."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rgba)
    header = struct.pack(">IIBBBBB", len(rgba[0]), len(rgba), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def icon_dib(rows, bpp, palette, mask):
    """One BMP-format icon image: rows of palette indices (bpp <= 8) or (r, g, b, a)
    tuples (bpp 32), and mask rows holding 1 for a transparent pixel (the AND mask)."""
    and_bits = b"".join(row_bytes(m, 1) for m in reversed(mask))
    body, _ = dib(rows, bpp, palette, height_factor=2, ppm=0, clr_used=0, extra=and_bits)
    return len(rows[0]), len(rows), len(palette) if bpp <= 4 else 0, bpp, body


def icon_png(rgba):
    """One PNG-compressed icon image, the form Windows Vista and later read for 256 x 256
    (learn.microsoft.com/en-us/windows/win32/uxguide/vis-icons)."""
    return len(rgba[0]), len(rgba), 0, 32, png_bytes(rgba)


def ico_bytes(images):
    """A Windows .ico of images made by icon_dib or icon_png; a size of 256 is written
    as 0 in the directory."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for width, height, colours, bpp, body in images:
        entries.append(struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0,
                                   1, bpp, len(body), offset))
        blobs.append(body)
        offset += len(body)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------


class Canvas:
    """RGBA image with float channels (colour 0..255, alpha 0..1), straight alpha."""

    def __init__(self, w, h, colour=(0, 0, 0), alpha=1.0):
        self.w, self.h = w, h
        self.px = [[(colour[0], colour[1], colour[2], alpha) for _ in range(w)] for _ in range(h)]

    @classmethod
    def from_rgb(cls, rows):
        c = cls(len(rows[0]), len(rows))
        c.px = [[(p[0], p[1], p[2], 1.0) for p in row] for row in rows]
        return c

    def over(self, x, y, colour, a):
        """Composites colour with coverage a over pixel (x, y)."""
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        a = min(a, 1.0)
        r, g, b, da = self.px[y][x]
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        k = da * (1 - a)
        self.px[y][x] = ((colour[0] * a + r * k) / oa, (colour[1] * a + g * k) / oa,
                         (colour[2] * a + b * k) / oa, oa)

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = (colour[0], colour[1], colour[2], 1.0)

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1, y0..y1 inclusive."""
        for y in range(max(0, y0), min(self.h, y1 + 1)):
            for x in range(max(0, x0), min(self.w, x1 + 1)):
                self.set(x, y, colour)

    def rgb(self):
        """Opaque result: rows of 8-bit RGB tuples."""
        return [[rgb8(p[:3]) for p in row] for row in self.px]

    def rgba(self):
        out = []
        for row in self.px:
            r = []
            for p in row:
                a = int(math.floor(p[3] * 255 + 0.5))
                r.append(rgb8(p[:3]) + (a,) if a else (0, 0, 0, 0))
            out.append(r)
        return out


SS = 6  # sub-samples per pixel side


def fill(canvas, sdf, colour, alpha=1.0, box=None, k=1.0):
    """Paints the shape sdf(x, y) < 0, anti-aliased by super-sampling.

    colour is an RGB tuple or a function (x, y) -> RGB of the pixel centre.  Both take
    design units, which are k pixels long."""
    if k != 1.0:
        sdf = scaled(sdf, k)
        if callable(colour):
            colour = scaled_colour(colour, k)
    x0, y0, x1, y1 = box or (0, 0, canvas.w, canvas.h)
    offs = [(i + 0.5) / SS for i in range(SS)]
    n = SS * SS
    for py in range(y0, y1):
        for px in range(x0, x1):
            # Cheap reject/accept from the centre: a pixel is within 0.71 of its centre.
            d = sdf(px + 0.5, py + 0.5)
            if d > 0.75:
                continue
            if d < -0.75:
                cov = 1.0
            else:
                cov = sum(1 for oy in offs for ox in offs if sdf(px + ox, py + oy) < 0) / n
            if cov:
                c = colour(px + 0.5, py + 0.5) if callable(colour) else colour
                canvas.over(px, py, c, cov * alpha)


def vgrad(top, bottom, y0, y1):
    """Colour function: vertical gradient from top at y0 to bottom at y1."""
    def f(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return mix(top, bottom, t)
    return f


# ---------------------------------------------------------------------------
# Signed distance functions (negative inside)
# ---------------------------------------------------------------------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    # Not exact, but a good approximation near the edge for gentle ellipses.
    k = min(rx, ry)
    return lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k


def rbox(cx, cy, hw, hh, r=0.0):
    """Box of half size hw, hh with corner radius r."""
    def f(x, y):
        qx = abs(x - cx) - (hw - r)
        qy = abs(y - cy) - (hh - r)
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return f


def segment(ax, ay, bx, by, r):
    """Capsule of radius r around the segment a-b."""
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def f(x, y):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return f


def polygon(pts):
    """Exact distance to a simple polygon."""
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        s = 1.0
        j = n - 1
        for i in range(n):
            ex, ey = pts[j][0] - pts[i][0], pts[j][1] - pts[i][1]
            wx, wy = x - pts[i][0], y - pts[i][1]
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1 = y >= pts[i][1]
            c2 = y < pts[j][1]
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                s = -s
            j = i
        return s * math.sqrt(d)
    return f


def rotated(sdf, cx, cy, angle):
    """sdf turned by angle (radians) about (cx, cy)."""
    ca, sa = math.cos(-angle), math.sin(-angle)

    def f(x, y):
        dx, dy = x - cx, y - cy
        return sdf(cx + dx * ca - dy * sa, cy + dx * sa + dy * ca)
    return f


def scaled(sdf, k):
    """sdf drawn k times larger: pixels in, pixel distances out."""
    return lambda x, y: sdf(x / k, y / k) * k


def scaled_colour(colour, k):
    return lambda x, y: colour(x / k, y / k)


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(sdf, r):
    """Outward offset by r (negative r shrinks)."""
    return lambda x, y: sdf(x, y) - r


def shifted(sdf, dx, dy):
    return lambda x, y: sdf(x - dx, y - dy)


def polygon_region(points, w, h):
    """The pixels of a w x h image that CreatePolygonRgn(points, WINDING) holds.

    Pixel (x, y) belongs when the point (x, y), its top-left corner, lies inside, with
    left and top edges inside and right and bottom edges outside: rows of booleans."""
    rows = []
    n = len(points)
    for y in range(h):
        crossings = []
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if min(ay, by) <= y < max(ay, by):
                crossings.append((ax + (y - ay) * (bx - ax) / float(by - ay), 1 if by > ay else -1))
        crossings.sort()
        row, winding, start = [False] * w, 0, 0.0
        for x_at, step in crossings:
            if winding == 0:
                start = x_at
            winding += step
            if winding == 0:
                for x in range(max(0, math.ceil(start)), min(w, math.ceil(x_at))):
                    row[x] = True
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Text
# ---------------------------------------------------------------------------


def text_mask(text, font, size, antialias=False, kerning=None):
    """Renders text with ImageMagick and returns its coverage (rows of 0..1), trimmed."""
    cmd = ["convert", "-background", "black", "-fill", "white", "-font", font,
           "-pointsize", "%g" % size, "-density", "72"]
    if kerning is not None:
        cmd += ["-kerning", "%g" % kerning]
    cmd += ["+antialias" if not antialias else "-antialias", "label:" + text,
            "-trim", "+repage", "-colorspace", "Gray", "-depth", "8", "pgm:-"]
    data = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    # Binary PGM: "P5\n<w> <h>\n<max>\n" then w * h bytes.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P5":
        raise ValueError("unexpected output from convert")
    w, h, mx = int(fields[1]), int(fields[2]), int(fields[3])
    raw = data[pos:pos + w * h]
    return [[raw[y * w + x] / float(mx) for x in range(w)] for y in range(h)]

"""What the generated resources of every bundle are made of, in one place.

Views: one function per kind of view, each giving the view as the nib holds
it (the keys the platform's nib reader reads). Frames are [x, y, width,
height] with the origin at the bottom left of the superview. A view inside a
window carries the outlet "<window outlet>.<member>" (one nib has one owner);
a view of a panel carries the member name alone.

Files: a bundle module hands what it makes to a `Bundle` (nibs, string
tables, help pages, images, Info.json); generate.py writes them out.
"""
import json
import struct
import zlib

# ------------------------------------------------------------------ views ----


def view(cls, **attrs):
    """A view of class `cls`: the attributes given, those that are None left out."""
    v = {"class": cls}
    v.update((k, a) for k, a in attrs.items() if a is not None)
    return v


def _flag(value):
    """A true/false attribute written only when it is true."""
    return True if value else None


def label(tag, key, frame, outlet=None, hidden=False):
    """A static text; `key` is the localisation key (empty: the code fills it)."""
    return view("Label", tag=tag, outlet=outlet, string=key, frame=frame, hidden=_flag(hidden))


def field(tag, frame, outlet=None, secure=False, editable=None):
    """A text field, or with `secure` one that shows dots."""
    return view("SecureTextField" if secure else "TextField", tag=tag, outlet=outlet, frame=frame,
                editable=editable)


def button(tag, title, frame, outlet=None, kind="push", state=None, key=None):
    """A push, check or radio button; `key` is its key equivalent ("return", "escape")."""
    return view("Button", type=kind, tag=tag, outlet=outlet, title=title, frame=frame, state=state,
                keyEquivalent=key)


def help_button(tag, outlet=None, frame=(20, 16, 25, 25)):
    """The round "?" button of a window: it carries no title."""
    return button(tag, "", list(frame), outlet)


def popup(tag, frame, items=(), outlet=None, hidden=False, automatic=True):
    """A pop-up button with its item keys; `automatic=False` turns off the
    automatic enabling of items (the code enables them)."""
    return view("PopUpButton", tag=tag, outlet=outlet, items=list(items), frame=frame,
                autoenablesItems=None if automatic else False, hidden=_flag(hidden))


def stepper(tag, frame, lo, hi, value, outlet=None):
    return view("Stepper", tag=tag, outlet=outlet, frame=frame, min=lo, max=hi, increment=1, value=value)


def slider(tag, frame, lo, hi, value, ticks=None):
    """A slider; with `ticks` it has that many tick marks and stops on them."""
    return view("Slider", tag=tag, frame=frame, min=lo, max=hi, value=value, tickMarks=ticks,
                stopOnTickMarks=True if ticks else None)


def text_view(tag, frame, outlet=None, editable=None):
    """A multi-line text view, empty (the code fills it)."""
    return view("TextView", tag=tag, outlet=outlet, string="", frame=frame, editable=editable)


def date_picker(tag, frame, outlet=None):
    return view("DatePicker", tag=tag, outlet=outlet, frame=frame)


def image_view(tag, image, frame, outlet=None):
    """An image view showing the bundle's resource `image`."""
    return view("ImageView", tag=tag, outlet=outlet, image=image, frame=frame)


def custom_view(tag, frame, outlet=None):
    """A view the code draws (previews, bars, icons)."""
    return view("CustomView", tag=tag, outlet=outlet, frame=frame)


def color_well(tag, frame, color):
    return view("ColorWell", tag=tag, frame=frame, color=color)


def box(tag, title, frame, subviews=None):
    """A titled group box; its subviews' frames are inside the box."""
    return view("Box", tag=tag, title=title, frame=frame, subviews=subviews)


def panel_view(outlet, width, height, subviews):
    """The view of a panel, as the print dialog shows it."""
    return view("View", outlet=outlet, frame=[0, 0, width, height], subviews=subviews)


def window(outlet, title, width, height, subviews, first=None, origin=(200, 200)):
    """A window with its content view; `first` is the outlet of its initial first responder."""
    return view("Window", outlet=outlet, title=title, frame=[origin[0], origin[1], width, height],
                content=view("View", frame=[0, 0, width, height], subviews=subviews),
                initialFirstResponder=first)


def nib(*objects):
    return {"objects": list(objects)}


def member(outlet):
    """outlet + "." + name: the outlet of a window's member."""
    return lambda name: outlet + "." + name


class Rows:
    """Places rows from the top of a window downwards, `step` points apart."""

    def __init__(self, height, top=20, step=30):
        self.y = height - top
        self.step = step

    def next(self):
        self.y -= self.step
        return self.y


def key_loop(views):
    """Links the views into a closed keyboard loop (nextKeyView), in order."""
    for v, nxt in zip(views, views[1:] + views[:1]):
        v["nextKeyView"] = nxt["outlet"]


# ------------------------------------------------------------ the files ----

# The keys a view writes first, in this order; its other keys follow in the
# order they were set. Every nib of every bundle is laid out alike.
_FIRST_KEYS = ("class", "type", "tag", "outlet", "string", "title", "image", "items", "frame")


def _ordered(value):
    if isinstance(value, dict):
        keys = [k for k in _FIRST_KEYS if k in value] + [k for k in value if k not in _FIRST_KEYS]
        return {k: _ordered(value[k]) for k in keys}
    if isinstance(value, list):
        return [_ordered(e) for e in value]
    return value


def _holds_views(value):
    return isinstance(value, dict) or (isinstance(value, list) and any(isinstance(e, dict) for e in value))


def _nib_lines(value, depth):
    pad = "  " * (depth + 1)
    if isinstance(value, dict) and any(_holds_views(v) for v in value.values()):
        body = ",\n".join(pad + json.dumps(k) + ": " + _nib_lines(v, depth + 1) for k, v in value.items())
        return "{\n" + body + "\n" + "  " * depth + "}"
    if isinstance(value, list) and _holds_views(value):
        return "[\n" + ",\n".join(pad + _nib_lines(e, depth + 1) for e in value) + "\n" + "  " * depth + "]"
    return json.dumps(value, ensure_ascii=False)


def nib_text(value):
    """A nib as JSON text: one view a line where a view holds no other views."""
    return _nib_lines(_ordered(value), 0) + "\n"


def table_text(value):
    """A string table (or Info.json) as JSON text, in the order given."""
    return json.dumps(value, indent=2, ensure_ascii=False) + "\n"


def help_page(title, paragraphs):
    """A help page of a title and paragraphs (HTML)."""
    body = "\n".join("<p>%s</p>" % p for p in paragraphs)
    return ('<!DOCTYPE html>\n<html lang="en">\n<head><meta charset="utf-8"><title>%s</title></head>\n'
            "<body>\n<h1>%s</h1>\n%s\n</body>\n</html>\n" % (title, title, body))


def short_help_page(title, text):
    """A help page of a title and one paragraph, on one line."""
    return "<html><head><title>%s</title></head><body><h1>%s</h1><p>%s</p></body></html>\n" % (title, title, text)


def bundle_info(bundle, identifier, name, help_book, principal_class):
    """The Info.json of one of our bundles (version 1.0 Build 1)."""
    return {"CFBundleIdentifier": identifier, "CFBundleName": name, "CFBundleExecutable": bundle + ".so",
            "CFBundleVersion": "1.0 Build 1", "CFBundleShortVersionString": "1.0",
            "CFBundleHelpBookName": help_book, "NSPrincipalClass": principal_class}


class Bundle:
    """The generated files of one bundle, by their path in the bundle
    ("Info.json", "Resources/..."); generate.py writes them."""

    def __init__(self):
        self.files = {}

    def add(self, path, data):
        if path in self.files:
            raise ValueError("%s is written twice" % path)
        self.files[path] = data.encode("utf-8") if isinstance(data, str) else bytes(data)

    def info(self, value):
        self.add("Info.json", table_text(value))

    def nib(self, name, value):
        self.add("Resources/%s.nib" % name, nib_text(value))

    def table(self, name, value):
        self.add("Resources/%s.strings" % name, table_text(value))

    def help(self, name, text):
        self.add("Resources/Help/%s" % name, text)

    def resource(self, name, data):
        self.add("Resources/" + name, data)


# ----------------------------------------------------------------- images ----

def png(pixels):
    """An RGBA PNG of rows of (r, g, b, a) pixels, top row first."""
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def bmp(pixels):
    """A 24-bit uncompressed BMP of rows of (r, g, b) pixels, top row first
    (stored bottom-up, each row padded to 4 bytes)."""
    height, width = len(pixels), len(pixels[0])
    row_size = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        image += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + bytes(image)


def alert_icon(size=32):
    """The 32x32 warning icon of the alerts: a yellow triangle with a dark
    edge and exclamation mark, as a PNG."""
    dark, yellow, clear = (60, 45, 10, 255), (250, 200, 30, 255), (0, 0, 0, 0)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            # Apex at the top centre, base at the bottom.
            half = (y + 0.5) / size * size / 2
            off = abs(x + 0.5 - size / 2)
            inside = off <= half and 2 <= y <= size - 2
            edge = inside and off > half - 1.5
            mark = inside and off < 1.5 and (10 <= y <= 21 or 24 <= y <= 26)
            row.append(dark if mark or edge else yellow if inside else clear)
        rows.append(row)
    return png(rows)

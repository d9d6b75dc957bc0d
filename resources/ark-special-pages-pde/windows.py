#!/usr/bin/env python3
"""Writes the editor windows of the special-pages extension.

Resources/ZQSpecialPagesWindows.nib holds every window the panel opens (the
panel's own view stays in ZQSpecialPages_<product>.nib); the texts of their
keys are merged into Resources/Localizable.strings, and the help pages of
the windows are written beside the panel's. Run it after a change and commit
what it writes:

    python3 resources/ark-special-pages-pde/windows.py

Frames are [x, y, width, height], origin at the bottom left of the superview.
A view inside a window carries the outlet "<window outlet>.<member>".
"""
import json
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "Resources")
HELP_KEY = "ARK"


def label(tag, key, outlet, frame):
    v = {"class": "Label", "string": key, "frame": frame}
    if tag:
        v["tag"] = tag
    if outlet:
        v["outlet"] = outlet
    return v


def field(tag, outlet, frame):
    return {"class": "TextField", "tag": tag, "outlet": outlet, "frame": frame}


def stepper(tag, outlet, frame, lo, hi, value):
    return {"class": "Stepper", "tag": tag, "outlet": outlet, "frame": frame, "min": lo, "max": hi,
            "increment": 1, "value": value}


def button(tag, key, outlet, frame, kind="push", state=None):
    v = {"class": "Button", "type": kind, "tag": tag, "outlet": outlet, "title": key, "frame": frame}
    if state is not None:
        v["state"] = state
    return v


def text_view(tag, outlet, frame):
    """A read-only text view (the paper information views)."""
    return {"class": "TextView", "tag": tag, "outlet": outlet, "string": "", "editable": False, "frame": frame}


def window(outlet, title, width, height, subviews, first=None):
    w = {"class": "Window", "outlet": outlet, "title": title, "frame": [200, 200, width, height],
         "content": {"class": "View", "frame": [0, 0, width, height], "subviews": subviews}}
    if first:
        w["initialFirstResponder"] = first
    return w


def bottom_buttons(prefix, tags, width):
    ok, cancel, restore, help_ = tags
    return [
        button(help_, "", prefix + ".HelpBut", [20, 16, 25, 25]),
        button(restore, "Special Pages RESTORE Btn", prefix + ".RestoreBut", [55, 12, 110, 32]),
        button(cancel, "Special Pages CANCEL Btn", prefix + ".CancelBut", [width - 220, 12, 100, 32]),
        button(ok, "Special Pages OK Btn", prefix + ".OKBut", [width - 115, 12, 100, 32]),
    ]


# ---------------------------------------------------------- custom size ----

def custom_size_window():
    p = "SPCustomSizeWindow"
    views = [
        button(717, "Custom Size MM Radio", p + ".MMRadio", [20, 230, 150, 18], kind="radio", state=1),
        button(718, "Custom Size Inch Radio", p + ".InchRadio", [180, 230, 150, 18], kind="radio", state=0),
    ]
    rows = [
        # (y, range-label tags mm/inch, field mm/inch, stepper mm/inch, unit labels mm/inch, keys)
        (180, 701, 702, 711, 712, 713, 714, 715, 716, "Width", (1000, 3300, 2100), (394, 1299, 827)),
        (110, 721, 722, 731, 732, 733, 734, 735, 736, "Length", (1480, 4880, 2970), (583, 1921, 1169)),
    ]
    for y, lmm, lin, fmm, fin, smm, sin_, umm, uin, name, rmm, rin in rows:
        views += [
            label(lmm, "Custom Size %s MM Static Text" % name, p + ".%sMMLabel" % name, [20, y + 26, 380, 17]),
            label(lin, "Custom Size %s Inches Static Text" % name, p + ".%sInchLabel" % name, [20, y + 26, 380, 17]),
            field(fmm, p + ".%sMMEdit" % name, [20, y, 90, 22]),
            field(fin, p + ".%sInchEdit" % name, [20, y, 90, 22]),
            stepper(smm, p + ".%sMMArrow" % name, [112, y, 15, 22], *rmm),
            stepper(sin_, p + ".%sInchArrow" % name, [112, y, 15, 22], *rin),
            label(umm, "Custom Size MM Side Static Text", p + ".%sMMUnit" % name, [132, y + 3, 60, 17]),
            label(uin, "Custom Size Inch Side Static Text", p + ".%sInchUnit" % name, [132, y + 3, 60, 17]),
        ]
    views += bottom_buttons(p, (741, 742, 743, 744), 420)
    return window(p, "Custom Size Windows", 420, 270, views, first=p + ".WidthMMEdit")


# ------------------------------------------------------- advanced paper ----

def advanced_paper_window():
    p = "SPAdvPaperWindow"
    views = []
    for i, (name, key) in enumerate((("Size", "AdvSele Paper Size Title"), ("Color", "AdvSele Paper Color Title"),
                                     ("Type", "AdvSele Paper Type Title"))):
        y = 250 - 36 * i
        views += [label(601 + 2 * i, key, p + ".%sTitle" % name, [20, y + 3, 110, 17]),
                  {"class": "PopUpButton", "tag": 602 + 2 * i, "outlet": p + ".%sList" % name, "items": [],
                   "frame": [135, y, 245, 26], "autoenablesItems": False}]
    views += [label(607, "AdvSele Paper Summary Title", p + ".SummaryTitle", [20, 150, 200, 17]),
              {"class": "TextView", "tag": 608, "outlet": p + ".SummaryView", "string": "",
               "frame": [20, 60, 360, 85]}]
    views += bottom_buttons(p, (611, 612, 610, 609), 400)
    return window(p, "AdvSele Window Title", 400, 290, views)


# --------------------------------------------------------------- covers ----

def covers_window():
    p = "SPAddCoversWindow"

    def popup(tag, name, frame):
        return {"class": "PopUpButton", "tag": tag, "outlet": p + "." + name, "items": [], "frame": frame,
                "autoenablesItems": False}

    views = [label(800, "Cover Options Title", p + ".OptionTitle", [20, 363, 140, 17]),
             popup(801, "OptionList", [165, 358, 255, 26])]
    # Each cover: its paper and printing on the left, its paper's view beside them.
    for i, (side, key, view_tag) in enumerate((("Front", "Front Cover Title", 203), ("Back", "Back Cover Title", 208))):
        y, t = 305 - 95 * i, 20 * i
        views += [label(802 + t, key, p + ".%sTitle" % side, [20, y + 25, 200, 17]),
                  label(803 + t, "Cover Paper Title", p + ".%sPaperTitle" % side, [40, y + 3, 120, 17]),
                  popup(804 + t, "%sPaperList" % side, [165, y, 255, 26]),
                  label(805 + t, "Cover Printing Title", p + ".%sPrintingTitle" % side, [40, y - 30, 120, 17]),
                  popup(806 + t, "%sPrintingList" % side, [165, y - 35, 255, 26]),
                  text_view(view_tag, p + ".%sPageView" % side, [440, y - 35, 200, 61])]
    views += [label(212, "Job Setting Reference View", p + ".JobSettingTitle", [20, 140, 300, 17]),
              text_view(213, p + ".JobSettingView", [40, 62, 600, 72])]
    views += bottom_buttons(p, (811, 812, 813, 814), 660)
    return window(p, "Add Covers Windows", 660, 400, views)


# -------------------------------------------------------------- inserts ----

def inserts_window():
    p = "SPAddInsertWindow"
    views = [label(900, "Insert Position Title", p + ".PositionTitle", [20, 363, 130, 17]),
             {"class": "PopUpButton", "tag": 901, "outlet": p + ".PositionList", "items": [],
              "frame": [155, 358, 170, 26], "autoenablesItems": False},
             field(903, p + ".PageEdit", [330, 360, 120, 22]),
             label(904, "Insert Quantity Title", p + ".QuantityTitle", [20, 323, 130, 17]),
             field(905, p + ".QuantityEdit", [155, 320, 60, 22]),
             stepper(906, p + ".QuantityArrow", [217, 320, 15, 22], 1, 9999, 1),
             label(907, "Cover Paper Title", p + ".PaperTitle", [20, 283, 130, 17]),
             {"class": "PopUpButton", "tag": 908, "outlet": p + ".PaperList", "items": [],
              "frame": [155, 278, 255, 26], "autoenablesItems": False},
             label(3208, "Add Insert Paper View Title", p + ".PaperViewTitle", [20, 250, 300, 17]),
             text_view(3209, p + ".PaperView", [40, 180, 410, 64]),
             label(3211, "Add Insert Jobsetting View Title", p + ".JobSettingTitle", [20, 150, 300, 17]),
             text_view(3212, p + ".JobSettingView", [40, 62, 410, 82])]
    views += bottom_buttons(p, (911, 912, 913, 914), 470)
    return window(p, "Add Inserts Windows", 470, 400, views, first=p + ".PageEdit")


# ----------------------------------------------------------- exceptions ----

def exceptions_window():
    p = "SPAddExceptionWindow"

    def popup(tag, name, frame):
        return {"class": "PopUpButton", "tag": tag, "outlet": p + "." + name, "items": [], "frame": frame,
                "autoenablesItems": False}

    views = [label(1000, "Add Exception Page Define Title", p + ".PageTitle", [20, 343, 130, 17]),
             field(1001, p + ".PageEdit", [155, 340, 255, 22]),
             label(1002, "Cover Paper Title", p + ".PaperTitle", [20, 303, 130, 17]),
             popup(1003, "PaperList", [155, 298, 255, 26]),
             label(1004, "Exception Sides Title", p + ".SidesTitle", [20, 263, 130, 17]),
             popup(1005, "SidesList", [155, 258, 255, 26]),
             label(302, "Add Exception Page View Static Text", p + ".PaperViewTitle", [20, 230, 300, 17]),
             text_view(313, p + ".PaperView", [40, 160, 380, 64]),
             label(303, "Job Setting Reference View Title", p + ".JobSettingTitle", [20, 130, 300, 17]),
             text_view(319, p + ".JobSettingView", [40, 62, 380, 62])]
    views += bottom_buttons(p, (1011, 1012, 1013, 1014), 440)
    return window(p, "Add Exceptions Windows", 440, 380, views, first=p + ".PageEdit")


STRINGS = {
    "Job Setting Reference View": "Paper of the job",
    "Job Setting Reference View Title": "Paper of the job",
    "Add Insert Jobsetting View Title": "Paper of the job",
    "Add Insert Paper View Title": "Paper of the inserted sheets",
    "Add Exception Page View Static Text": "Paper of the pages",
    "Add Exceptions Windows": "Exceptions",
    "Exception Sides Title": "Sides:",
    "Add Exception Page Define Title": "Pages:",
    "Add Inserts Windows": "Inserts",
    "Insert Position Title": "Insert:",
    "Insert Quantity Title": "Sheets:",
    "Add Covers Windows": "Covers",
    "Cover Options Title": "Covers:",
    "Front Cover Title": "Front cover",
    "Back Cover Title": "Back cover",
    "Cover Paper Title": "Paper:",
    "Cover Printing Title": "Printing:",
    "AdvSele Window Title": "Advanced Paper Settings",
    "AdvSele Paper Size Title": "Paper Size:",
    "AdvSele Paper Color Title": "Paper Color:",
    "AdvSele Paper Type Title": "Paper Type:",
    "AdvSele Paper Summary Title": "Summary",
    "No Change Option String": "No Change",
    "No Change Infomation": "No change to the paper.",
    "Custom Size Text": "Custom Size",
    "Custom Size Windows": "Custom Paper Size",
    "Custom Size MM Radio": "Millimetres",
    "Custom Size Inch Radio": "Inches",
    "Custom Size Width MM Static Text": "Width ([min] - [max] mm):",
    "Custom Size Length MM Static Text": "Length ([min] - [max] mm):",
    "Custom Size Width Inches Static Text": "Width ([min] - [max] in):",
    "Custom Size Length Inches Static Text": "Length ([min] - [max] in):",
    "Custom Size MM Side Static Text": "mm",
    "Custom Size Inch Side Static Text": "in",
    "Message22_Millimeters_Width": "Enter a width from [min] to [max] mm, with at most one decimal.",
    "Message22_Millimeters_Length": "Enter a length from [min] to [max] mm, with at most one decimal.",
    "Message22_Inchs_Width": "Enter a width from [min] to [max] inches, with two decimals or none.",
    "Message22_Inchs_Length": "Enter a length from [min] to [max] inches, with two decimals or none.",
    "Warning44": "Enter the pages after which sheets are inserted, such as 1,3,5-12 (pages 0 to 65000).",
    "Warning45": "Enter a quantity from 1 to 9999.",
    "Warning46": "Enter the exception pages, such as 1,3,5-12 (pages 1 to 65000).",
    "Warning47": "No more than 250 inserts can be set.",
    "Warning48": "No more than 250 exception settings can be made.",
    "Warning49": "A page range must start with the lower page, such as 5-12.",
    "Warning50": "A page range must start with the lower page, such as 5-12.",
    "Special Pages OK Btn": "OK",
    "Special Pages CANCEL Btn": "Cancel",
    "Special Pages RESTORE Btn": "Defaults",
    "Alert OK Btn": "OK",
    "Help Viewer Title for Special Pages": "Special Pages Help",
}

HELP_PAGES = {
    "SpecialPagesAdv": ("Advanced paper settings",
                        "Choose the size, colour and type of the paper separately. Choices the printer cannot "
                        "combine with the other settings are greyed out."),
    "SpecialPagesCustom": ("Custom paper size",
                           "Enter the width and length of the paper in millimetres or inches. "
                           "The limits shown beside each field come from the printer."),
    "SpecialPagesInsert": ("Inserts",
                           "Enter the pages the sheets are inserted after, or insert them before page one, and "
                           "choose how many sheets and their paper."),
    "SpecialPagesException": ("Exceptions",
                              "Enter the pages printed differently, such as 1,3,5-12, and choose their paper "
                              "and sides."),
    "SpecialPagesCover": ("Covers",
                           "Choose which covers the job gets, and the paper and printing of each. A cover from "
                           "the interposer tray is not printed on."),
}


# ---------------------------------------------------------------- icons ----

WHITE, GREY, DARK = (255, 255, 255), (150, 150, 150), (60, 60, 60)
BLUE, ORANGE, GREEN = (60, 110, 200), (235, 140, 40), (60, 160, 80)


def sheet(px, x, y, w, h, fill, edge=DARK):
    """A sheet of paper: a filled rectangle with a border (y from the top)."""
    for j in range(y, y + h):
        for i in range(x, x + w):
            on_edge = i in (x, x + w - 1) or j in (y, y + h - 1)
            px[j][i] = edge if on_edge else fill


def lines(px, x, y, w, rows):
    """Text lines on a sheet."""
    for k in range(rows):
        for i in range(x, x + w):
            px[y + 3 * k][i] = GREY


def icon(kind):
    size = 32
    px = [[(255, 255, 255)] * size for _ in range(size)]
    if kind == "covers":
        sheet(px, 9, 4, 18, 24, WHITE)
        lines(px, 12, 9, 12, 6)
        sheet(px, 5, 7, 18, 24, BLUE)       # the cover in front of the document
    elif kind == "inserts":
        sheet(px, 10, 2, 18, 22, WHITE)
        lines(px, 13, 6, 12, 5)
        sheet(px, 7, 6, 18, 22, ORANGE)     # the inserted sheet between two pages
        sheet(px, 4, 9, 18, 22, WHITE)
        lines(px, 7, 14, 12, 5)
    else:
        sheet(px, 7, 3, 20, 26, WHITE)
        lines(px, 10, 7, 14, 3)
        sheet(px, 10, 17, 14, 8, GREEN, GREEN)  # a page of its own paper
        lines(px, 10, 27, 14, 1)
    return px


def write_bmp(path, px):
    """A 24-bit uncompressed BMP, rows bottom-up, each padded to 4 bytes."""
    height, width = len(px), len(px[0])
    row_size = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(px):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        image += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


def write_json(path, data):
    with open(path, "w") as f:
        json.dump(data, f, indent=2, ensure_ascii=False)
        f.write("\n")


def main():
    nib = {"objects": [covers_window(), inserts_window(), exceptions_window(), custom_size_window(), advanced_paper_window()]}
    write_json(os.path.join(RES, "ZQSpecialPagesWindows.nib"), nib)

    # Every table stands alone: the window texts go into each, and a text
    # already there (the panel's wording) is kept.
    for name in sorted(os.listdir(RES)):
        if not (name.startswith("Localizable") and name.endswith(".strings")):
            continue
        table_path = os.path.join(RES, name)
        with open(table_path) as f:
            table = json.load(f)
        for key, text in STRINGS.items():
            table.setdefault(key, text)
        write_json(table_path, table)

    for name, (title, text) in HELP_PAGES.items():
        with open(os.path.join(RES, "Help", "%s_%s.htm" % (name, HELP_KEY)), "w") as f:
            f.write("<html><head><title>%s</title></head><body><h1>%s</h1><p>%s</p></body></html>\n"
                    % (title, title, text))

    for kind, name in (("covers", "AddCovers.bmp"), ("inserts", "AddInserts.bmp"),
                       ("exceptions", "AddExceptions.bmp")):
        write_bmp(os.path.join(RES, name), icon(kind))

    icon_file = os.path.join(HERE, "..", "ark-account-pde", "Resources", "AlertIcon.png")
    shutil.copyfile(icon_file, os.path.join(RES, "AlertIcon.png"))


if __name__ == "__main__":
    main()

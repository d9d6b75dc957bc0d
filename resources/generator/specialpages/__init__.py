"""The special-pages extension's generated resources: ZQSpecialPagesWindows.nib
with every window the panel opens (the panel's own view is the hand-written
ZQSpecialPages_<product>.nib), both string tables, the windows' help pages,
the add buttons' icons and the alert icon.
"""
from nibkit import (alert_icon, bmp, button, field, help_button, label, member, nib, popup, short_help_page, stepper,
                    text_view, window)
from specialpages.texts import HELP_PAGES, STRINGS


def list_popup(tag, frame, outlet):
    # The code fills the items and enables those the paper rules allow.
    return popup(tag, frame, [], outlet, automatic=False)


def paper_view(tag, frame, outlet):
    """A read-only text view that describes a paper."""
    return text_view(tag, frame, outlet, editable=False)


def bottom_buttons(o, tags, width):
    ok, cancel, restore, help_ = tags
    return [
        help_button(help_, o("HelpBut")),
        button(restore, "Special Pages RESTORE Btn", [55, 12, 110, 32], o("RestoreBut")),
        button(cancel, "Special Pages CANCEL Btn", [width - 220, 12, 100, 32], o("CancelBut")),
        button(ok, "Special Pages OK Btn", [width - 115, 12, 100, 32], o("OKBut")),
    ]


def custom_size_window():
    p = "SPCustomSizeWindow"
    o = member(p)
    views = [
        button(717, "Custom Size MM Radio", [20, 230, 150, 18], o("MMRadio"), "radio", state=1),
        button(718, "Custom Size Inch Radio", [180, 230, 150, 18], o("InchRadio"), "radio", state=0),
    ]
    # Each dimension in millimetres and inches in one place: the unit radios show one.
    rows = [
        # (y, range-label tags mm/inch, field mm/inch, stepper mm/inch, unit labels mm/inch, keys, ranges mm/inch)
        (180, 701, 702, 711, 712, 713, 714, 715, 716, "Width", (1000, 3300, 2100), (394, 1299, 827)),
        (110, 721, 722, 731, 732, 733, 734, 735, 736, "Length", (1480, 4880, 2970), (583, 1921, 1169)),
    ]
    for y, lmm, lin, fmm, fin, smm, sin_, umm, uin, name, rmm, rin in rows:
        views += [
            label(lmm, "Custom Size %s MM Static Text" % name, [20, y + 26, 380, 17], o("%sMMLabel" % name)),
            label(lin, "Custom Size %s Inches Static Text" % name, [20, y + 26, 380, 17], o("%sInchLabel" % name)),
            field(fmm, [20, y, 90, 22], o("%sMMEdit" % name)),
            field(fin, [20, y, 90, 22], o("%sInchEdit" % name)),
            stepper(smm, [112, y, 15, 22], *rmm, outlet=o("%sMMArrow" % name)),
            stepper(sin_, [112, y, 15, 22], *rin, outlet=o("%sInchArrow" % name)),
            label(umm, "Custom Size MM Side Static Text", [132, y + 3, 60, 17], o("%sMMUnit" % name)),
            label(uin, "Custom Size Inch Side Static Text", [132, y + 3, 60, 17], o("%sInchUnit" % name)),
        ]
    views += bottom_buttons(o, (741, 742, 743, 744), 420)
    return window(p, "Custom Size Windows", 420, 270, views, first=o("WidthMMEdit"))


def advanced_paper_window():
    p = "SPAdvPaperWindow"
    o = member(p)
    views = []
    for i, (name, key) in enumerate((("Size", "AdvSele Paper Size Title"), ("Color", "AdvSele Paper Color Title"),
                                     ("Type", "AdvSele Paper Type Title"))):
        y = 250 - 36 * i
        views += [label(601 + 2 * i, key, [20, y + 3, 110, 17], o("%sTitle" % name)),
                  list_popup(602 + 2 * i, [135, y, 245, 26], o("%sList" % name))]
    views += [label(607, "AdvSele Paper Summary Title", [20, 150, 200, 17], o("SummaryTitle")),
              text_view(608, [20, 60, 360, 85], o("SummaryView"))]
    views += bottom_buttons(o, (611, 612, 610, 609), 400)
    return window(p, "AdvSele Window Title", 400, 290, views)


def covers_window():
    p = "SPAddCoversWindow"
    o = member(p)
    views = [label(800, "Cover Options Title", [20, 363, 140, 17], o("OptionTitle")),
             list_popup(801, [165, 358, 255, 26], o("OptionList"))]
    # Each cover: its paper and printing on the left, its paper's view beside them.
    for i, (side, key, view_tag) in enumerate((("Front", "Front Cover Title", 203), ("Back", "Back Cover Title", 208))):
        y, t = 305 - 95 * i, 20 * i
        views += [label(802 + t, key, [20, y + 25, 200, 17], o("%sTitle" % side)),
                  label(803 + t, "Cover Paper Title", [40, y + 3, 120, 17], o("%sPaperTitle" % side)),
                  list_popup(804 + t, [165, y, 255, 26], o("%sPaperList" % side)),
                  label(805 + t, "Cover Printing Title", [40, y - 30, 120, 17], o("%sPrintingTitle" % side)),
                  list_popup(806 + t, [165, y - 35, 255, 26], o("%sPrintingList" % side)),
                  paper_view(view_tag, [440, y - 35, 200, 61], o("%sPageView" % side))]
    views += [label(212, "Job Setting Reference View", [20, 140, 300, 17], o("JobSettingTitle")),
              paper_view(213, [40, 62, 600, 72], o("JobSettingView"))]
    views += bottom_buttons(o, (811, 812, 813, 814), 660)
    return window(p, "Add Covers Windows", 660, 400, views)


def titled_view(o, tags, key, y, height, outlets):
    """A paper's view under its title (title at y, the view below it)."""
    title, view = tags
    return [label(title, key, [20, y, 300, 17], o(outlets[0])),
            paper_view(view, [40, y - 6 - height, 440, height], o(outlets[1]))]


def page_rows(o, tags, title_key, y, width):
    """The page list: its title, the field and, under the field, how to write it."""
    title, edit, rule = tags
    return [label(title, title_key, [20, y + 3, 130, 17], o("PageTitle")),
            field(edit, [155, y, 255, 22], o("PageEdit")),
            label(rule, "Add Page Rule Description", [155, y - 23, width - 170, 17], o("PageRule"))]


def inserts_window():
    p = "SPAddInsertWindow"
    o = member(p)
    views = [label(900, "Insert Position Title", [20, 419, 130, 17], o("PositionTitle")),
             list_popup(901, [155, 414, 170, 26], o("PositionList"))]
    views += page_rows(o, (3206, 903, 902), "Add Insert Page Define Title", 378, 500)
    views += [label(904, "Insert Quantity Title", [20, 323, 130, 17], o("QuantityTitle")),
             field(905, [155, 320, 60, 22], o("QuantityEdit")),
             stepper(906, [217, 320, 15, 22], 1, 9999, 1, o("QuantityArrow")),
             label(907, "Cover Paper Title", [20, 283, 130, 17], o("PaperTitle")),
             list_popup(908, [155, 278, 255, 26], o("PaperList"))]
    views += titled_view(o, (3208, 3209), "Add Insert Paper View Title", 250, 64, ("PaperViewTitle", "PaperView"))
    views += titled_view(o, (3211, 3212), "Add Insert Jobsetting View Title", 150, 82, ("JobSettingTitle", "JobSettingView"))
    views += bottom_buttons(o, (911, 912, 913, 914), 500)
    return window(p, "Add Inserts Windows", 500, 456, views, first=o("PageEdit"))


def exceptions_window():
    p = "SPAddExceptionWindow"
    o = member(p)
    views = page_rows(o, (1000, 1001, 1006), "Add Exception Page Define Title", 360, 500)
    views += [label(1002, "Cover Paper Title", [20, 303, 130, 17], o("PaperTitle")),
              list_popup(1003, [155, 298, 255, 26], o("PaperList")),
              label(1004, "Exception Sides Title", [20, 263, 130, 17], o("SidesTitle")),
              list_popup(1005, [155, 258, 255, 26], o("SidesList"))]
    views += titled_view(o, (302, 313), "Add Exception Page View Static Text", 230, 64, ("PaperViewTitle", "PaperView"))
    views += titled_view(o, (303, 319), "Job Setting Reference View Title", 130, 62, ("JobSettingTitle", "JobSettingView"))
    views += bottom_buttons(o, (1011, 1012, 1013, 1014), 500)
    return window(p, "Add Exceptions Windows", 500, 398, views, first=o("PageEdit"))


# ------------------------------------------------- the add buttons' icons ----

WHITE, GREY, DARK = (255, 255, 255), (150, 150, 150), (60, 60, 60)
BLUE, ORANGE, GREEN = (60, 110, 200), (235, 140, 40), (60, 160, 80)


def sheet(px, x, y, w, h, fill, edge=DARK):
    """A sheet of paper: a filled rectangle with a border (y from the top)."""
    for j in range(y, y + h):
        for i in range(x, x + w):
            px[j][i] = edge if i in (x, x + w - 1) or j in (y, y + h - 1) else fill


def lines(px, x, y, w, rows):
    """Text lines on a sheet."""
    for k in range(rows):
        for i in range(x, x + w):
            px[y + 3 * k][i] = GREY


def icon(kind):
    """The 32x32 picture beside an add button."""
    px = [[WHITE] * 32 for _ in range(32)]
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


def write(ed, bundle):
    bundle.nib("ZQSpecialPagesWindows", nib(covers_window(), inserts_window(), exceptions_window(),
                                            custom_size_window(), advanced_paper_window()))
    # Each table stands alone: both carry every text.
    for table in ("Localizable", "Localizable1"):
        bundle.table(table, STRINGS)
    for name, (title, text) in HELP_PAGES.items():
        bundle.help("%s_%s.htm" % (name, ed.HELP_KEY), short_help_page(title, text))
    for kind, name in (("covers", "AddCovers.bmp"), ("inserts", "AddInserts.bmp"),
                       ("exceptions", "AddExceptions.bmp")):
        bundle.resource(name, bmp(icon(kind)))
    bundle.resource("AlertIcon.png", alert_icon())

"""The watermark extension's resources: Info.json, the nibs
ZQWaterMark_Default00/01 (the same panel and edit window for both product
types: the code hides what a type lacks), the string table, the help pages
and the alert icon. The two editions differ only in their module's data
(identifier, principal class, help key).
"""
from nibkit import (alert_icon, box, bundle_info, button, color_well, custom_view, field, label, nib, panel_view, popup,
                    short_help_page, slider, stepper, window)
from watermark.texts import STRINGS


def main_view():
    return panel_view("waterMarkView", 520, 250, [
        label(1002, "WM List Title Text", [20, 212, 200, 17], "watermarkListTitle"),
        popup(1003, [20, 182, 260, 26], outlet="watermarkList"),
        button(1006, "WM New Watermark Btn", [300, 182, 110, 26], "newBut"),
        button(1004, "WM Edit Watermark Btn", [300, 152, 110, 26], "editBut"),
        button(1005, "WM Delete Watermark Btn", [300, 122, 110, 26], "deleteBut"),
        label(1007, "WM Option List Title Text", [20, 150, 200, 17], "watermarkOptionListTitle"),
        popup(1008, [20, 120, 260, 26], ["Watermark Print in Foreground", "Watermark Print in Background"],
              "watermarkOptionList"),
        button(1009, "WM Print on Page 1 only String", [20, 88, 300, 18], "printToFirstPageCBox", "check"),
        button(1011, "WM RESTORE Btn", [300, 20, 140, 26], "defaultsBut"),
        button(1010, "", [470, 20, 30, 26], "helpBut"),
        label(1012, "", [20, 24, 200, 17], "versionString"),
    ])


def edit_window():
    views = [
        label(1200, "WM Name Title String", [20, 472, 85, 17]),
        field(2000, [110, 470, 260, 22]),
        label(1004, "WM String Text Title String", [20, 442, 85, 17]),
        button(1001, "Text", [20, 442, 85, 18], kind="radio", state=1),
        field(1002, [110, 440, 260, 22]),
        button(1005, "Picture", [20, 412, 85, 18], kind="radio"),
        field(1006, [110, 410, 170, 22], editable=False),
        button(1007, "WM Edit Choose File Watermark Btn", [285, 408, 85, 26]),
        color_well(1003, [110, 380, 44, 22], [0, 0, 1, 1]),
        label(1201, "WM Font Title String", [20, 352, 85, 17]),
        popup(1202, [110, 348, 260, 26]),
        label(1203, "WM Font Size Title String", [20, 322, 85, 17]),
        field(1204, [110, 320, 50, 22]),
        stepper(1205, [164, 320, 19, 22], 7, 600, 72),
    ]
    # Angle, density and scale: a slider, a field and a stepper each.
    for title, sl, fl, st, key, hi, value, y in [(1008, 1009, 1010, 1011, "WM Angle Title String", 360, 45, 288),
                                                (1012, 1013, 1014, 1015, "WM Density Title String", 100, 25, 238),
                                                (1016, 1017, 1018, 1019, "WM Scale Title String", 1000, 100, 188)]:
        views += [label(title, key, [20, y + 2, 85, 17]),
                  slider(sl, [110, y, 180, 20], 0, hi, value),
                  field(fl, [298, y - 1, 46, 22]),
                  stepper(st, [348, y - 1, 19, 22], 0, hi, value)]
    for i, (tag, text) in enumerate(zip(range(1035, 1040), ["0", "90", "180", "270", "360"])):
        views.append(label(tag, text, [106 + i * 42, 270, 32, 14]))
    for i, (tag, key) in enumerate(zip(range(1040, 1045), ["WM Scale Graduation 0% String",
                                                           "WM Scale Graduation 250% String",
                                                           "WM Scale Graduation 500% String",
                                                           "WM Scale Graduation 750% String",
                                                           "WM Scale Graduation 1000% String"])):
        views.append(label(tag, key, [104 + i * 42, 170, 40, 14]))
    views += [
        label(1020, "WM Position Title String", [20, 142, 85, 17]),
        button(1027, "Inches", [110, 142, 80, 18], kind="radio"),
        button(1028, "Millimetres", [200, 142, 100, 18], kind="radio", state=1),
    ]
    # The inch and millimetre fields of an offset share a place: the unit radios show one pair.
    for title, inch, inch_st, mm, mm_st, key, y in [(1021, 1022, 1023, 1122, 1123, "WM Horizontal Title String", 110),
                                                    (1024, 1025, 1026, 1125, 1126, "WM Vertical Title String", 80)]:
        views += [label(title, key, [20, y + 2, 85, 17]),
                  field(inch, [110, y, 56, 22]),
                  stepper(inch_st, [170, y, 19, 22], -1, 1, 0),
                  field(mm, [110, y, 56, 22]),
                  stepper(mm_st, [170, y, 19, 22], -1, 1, 0)]
    views += [
        button(1029, "WM Edit Center Watermark Btn", [220, 93, 100, 26]),
        box(1034, "WM Preview Group Box", [392, 250, 240, 230]),
        custom_view(1033, [400, 262, 224, 190]),
        popup(1300, [430, 60, 120, 26], ["Default00", "Default01"], hidden=True),
        button(1045, "WM RESTORE Btn", [20, 20, 140, 26]),
        button(1032, "", [400, 20, 30, 26]),
        button(1031, "WM CANCEL Btn", [440, 20, 90, 26], key="escape"),
        button(1030, "WM OK Btn", [540, 20, 90, 26], key="return"),
    ]
    return window("waterMarkEditPanelRef", "Watermark Edit Windows Title String", 650, 500, views, origin=(0, 0))


def write(ed, bundle):
    bundle.info(bundle_info(ed.BUNDLE, ed.IDENTIFIER, "Watermark", STRINGS["Help Viewer Title for WaterMark"],
                            ed.PRINCIPAL_CLASS))
    panels = nib(main_view(), edit_window())
    for product in ("Default00", "Default01"):
        bundle.nib("ZQWaterMark_%s" % product, panels)
    bundle.table("Localizable", dict(sorted(STRINGS.items())))
    bundle.help("WatermarkMain_%s.htm" % ed.HELP_KEY, short_help_page(
        "Watermarks", "Choose a watermark for every page or for page 1 only, or make a new one."))
    bundle.help("Watermark_%s.htm" % ed.HELP_KEY, short_help_page(
        "Editing a watermark", "Give the watermark a name, its text or picture, font, size, angle, density and "
        "position; the preview shows it on the sheet."))
    bundle.resource("AlertIcon.png", alert_icon())

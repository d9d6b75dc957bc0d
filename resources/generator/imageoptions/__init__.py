"""The image-options extension's resources: Info.json, one nib per product
(ZQImageOptions_<product>: the panel view and its three windows, the same
for every product), the string table and the help pages. The editions'
modules say whether the panel has the CMYK correction row and what the
second adjustment window holds.

The panel's labels are empty: the code titles them from the PPD.
"""
from imageoptions.texts import HELP, STRINGS
from nibkit import (box, bundle_info, button, custom_view, field, help_button, help_page, label, nib, panel_view,
                    slider, stepper, window)
from nibkit import popup as _popup

PRODUCTS = ["Default00", "Default01", "Default02", "Default03", "Morvane00"]


def popup(tag, frame, items=(), hidden=False):
    # The code enables the items the PPD allows.
    return _popup(tag, frame, items, hidden=hidden, automatic=False)


def main_view(cmyk):
    rows = [
        label(201, "", [20, 262, 170, 17]), popup(101, [195, 256, 250, 26]),
        label(203, "", [20, 230, 170, 17]), popup(104, [195, 224, 250, 26]),
        label(202, "", [20, 198, 170, 17]),
        slider(102, [195, 194, 250, 24], -5, 5, 0, ticks=11),
        label(121, "", [195, 176, 40, 17]), label(122, "", [405, 176, 40, 17]),
        button(1041, "Basic Setting Radio Button", [195, 146, 120, 18], kind="radio"),
        button(1042, "Advanced Setting Radio Button", [325, 146, 120, 18], kind="radio"),
        # The basic and advanced lists share a place: the radios show one.
        label(206, "", [20, 116, 170, 17]), popup(106, [195, 110, 250, 26]),
        label(207, "", [20, 116, 170, 17]), popup(107, [195, 110, 250, 26]),
    ]
    if cmyk:
        rows += [label(208, "", [20, 84, 170, 17]), popup(108, [195, 78, 250, 26])]
    rows += [
        label(209, "", [20, 52, 170, 17]), popup(109, [195, 46, 250, 26]),
        popup(111, [460, 256, 90, 26], hidden=True),
        button(110, "Color Balance Button Text", [20, 10, 130, 30]),
        button(105, "Image Setting Button Text", [155, 10, 130, 30]),
        button(112, "Restore Default Button Text", [290, 10, 130, 30]),
        button(113, "", [460, 12, 25, 25]),
        label(114, "", [460, 50, 90, 17]),
    ]
    return panel_view("ImageOptionsView", 560, 300, rows)


def color_balance_window():
    views = [
        button(3101, "Adjust  Color Balance Check Box Text", [20, 360, 260, 18], kind="check"),
        label(3202, "Target Color Statics Text", [20, 330, 110, 17]),
        popup(3102, [135, 324, 160, 26], ["Target Color Black Text", "Target  Color Cyan Text",
                                          "Target  Color Magenta Text", "Target  Color Yellow Text"]),
        custom_view(3000, [72, 160, 275, 152]),
    ]
    # A column per density (low, mid, high); in each, a field and stepper per
    # colour in one place: the target colour shows one.
    for level, x in enumerate([77, 183, 289]):
        views.append(label(3301 + level, ["Low", "Mid", "High"][level] + " Density Scope Statics Text",
                           [x - 20, 136, 100, 17]))
        views.append(label(3401 + level, "Density Scope Statics Text", [x - 20, 118, 100, 17]))
        for color in range(4):
            views.append(field(3500 + 10 * level + color, [x, 88, 30, 22]))
            views.append(stepper(3600 + 10 * level + color, [x + 32, 86, 19, 27], -3, 3, 0))
    views += [
        help_button(3701),
        button(3700, "Restore Default Button Text", [55, 12, 140, 32]),
        button(3702, "Cancel Button Text", [230, 12, 80, 32], key="escape"),
        button(3703, "OK Button Text", [320, 12, 80, 32], key="return"),
    ]
    return window("ColorBalanceWindow", "Color Balance Window Title String", 420, 400, views)


ADJ_LISTS = [(501, 511), (502, 512), (503, 513), (504, 514)]


def adjustment_window(outlet, cmyk, overprint):
    """The image settings window: the RGB lists, with `cmyk` the CMYK lists,
    with `overprint` (check box key, title key) a box of one check box."""
    height = 330 + (80 if overprint else 0) - (0 if cmyk else 90)
    rgb = []
    for i, (tag, title) in enumerate(ADJ_LISTS):
        y = 100 - 30 * i
        rgb += [label(title, "", [10, y + 6, 170, 17]), popup(tag, [185, y, 230, 26])]
    top = height - 30
    views = [box(530, "RGB Color Correction Text", [15, top - 150, 430, 150], rgb)]
    y = top - 160
    if cmyk:
        views.append(box(531, "CMYK Color Correction Text", [15, y - 80, 430, 80],
                         [label(515, "", [10, 38, 170, 17]), popup(505, [185, 32, 230, 26]),
                          label(516, "", [10, 6, 170, 17]), popup(506, [185, 0, 230, 26])]))
        views.append(popup(520, [15, 10, 60, 26], ["Type00-1", "Type00-2", "Type01", "Type02", "Type03"], hidden=True))
        y -= 90
    if overprint:
        check_key, group_key = overprint
        views.append(box(532, group_key, [15, y - 60, 430, 60],
                         [button(510, check_key, [10, 10, 300, 18], kind="check")]))
    views += [
        help_button(543),
        button(542, "Restore Default Button Text", [55, 12, 150, 32]),
        button(541, "Cancel Button Text", [270, 12, 80, 32], key="escape"),
        button(540, "OK Button Text", [360, 12, 80, 32], key="return"),
    ]
    return window(outlet, "Image Type Window Title String", 460, height, views)


def write(ed, bundle):
    bundle.info(bundle_info(ed.BUNDLE, ed.IDENTIFIER, "ImageOptions", STRINGS["Help Viewer Title for Image Options"],
                            ed.PRINCIPAL_CLASS))
    check_key, group_key, overprint_cmyk = ed.OVERPRINT
    panels = nib(main_view(ed.CMYK_ROW), color_balance_window(),
                 adjustment_window("ImageAdjustmentWindow", True, None),
                 adjustment_window("ImageAdjustmentBlackOverWindow", overprint_cmyk, (check_key, group_key)))
    for product in PRODUCTS:
        bundle.nib("ZQImageOptions_%s" % product, panels)
    bundle.table("Localizable", STRINGS)
    for page, (title, paragraphs) in HELP.items():
        bundle.help("%s_%s.htm" % (page, ed.HELP_KEY), help_page(title, paragraphs))

#!/usr/bin/env python3
"""Writes the resources of the image-options bundles.

ark-image-options-pde and teld-image-options-pde share one layout; the TELD
main panel has no CMYK correction row and its overprint window holds the
RGB lists and the invalidate-colour-profile box. The kv29 main panel has no
CMYK correction row either; its overprint window is the ARK one. Every product nib
(ZQImageOptions_<product>) holds the panel view and its three windows. Run it
after a change and commit what it writes:

    python3 resources/imageoptions/generate.py

Frames are [x, y, width, height], origin at the bottom left of the superview.
"""
import json
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

PRODUCTS = ["Default00", "Default01", "Default02", "Default03", "Morvane00"]

EDITIONS = {
    "ark": {"dir": "ark-image-options-pde", "id": "com.tavelle.r15.pde.ImageOptions", "suffix": "ARK",
            "principal": "ImageOptionsPDEPluginr15", "cmyk": True,
            "overprint": ("ZQBlackOverprint", "Black  Over Print Text", "Black Text", True)},
    "teld": {"dir": "teld-image-options-pde", "id": "com.tavelle.teld15.pde.ImageOptions", "suffix": "TELD",
             "principal": "ImageOptionsTELDPDEPluginw15", "cmyk": False,
             "overprint": ("ZQInvalidateColorProfile", "Invalidate  Color Profile Print Text",
                           "Invalidate Color Profile Text", False)},
    "kv29": {"dir": "kv29-image-options-pde", "id": "com.tavelle.kv29.pde.ImageOptions", "suffix": "KV29",
             "principal": "KGRAPHICSPLUGIN", "cmyk": False,
             "overprint": ("ZQBlackOverprint", "Black  Over Print Text", "Black Text", True)},
}

STRINGS = {
    "Graphics Title": "Image Options",
    "Color Balance Button Text": "Color Balance...",
    "Image Setting Button Text": "Image Settings...",
    "Restore Default Button Text": "Restore Defaults",
    "Basic Setting Radio Button": "Basic",
    "Advanced Setting Radio Button": "Advanced",
    "Color Balance Window Title String": "Color Balance",
    "Image Type Window Title String": "Image Settings",
    "Target Color Statics Text": "Target Color:",
    "Target Color Black Text": "Black",
    "Target  Color Cyan Text": "Cyan",
    "Target  Color Magenta Text": "Magenta",
    "Target  Color Yellow Text": "Yellow",
    "Low Density Scope Statics Text": "Low Density",
    "Mid Density Scope Statics Text": "Mid Density",
    "High Density Scope Statics Text": "High Density",
    "Density Scope Statics Text": "(-3 to +3)",
    "Adjust  Color Balance Check Box Text": "Adjust Color Balance",
    "OK Button Text": "OK",
    "Cancel Button Text": "Cancel",
    "RGB Color Correction Text": "RGB Color",
    "CMYK Color Correction Text": "CMYK Color",
    "Black Text": "Black",
    "Black  Over Print Text": "Black Overprint",
    "Invalidate Color Profile Text": "Color Profile",
    "Invalidate  Color Profile Print Text": "Print without Color Profile",
    "Help Viewer Title for Image Options": "ZQ Image Options Help",
    "Message??": "Enter a number from -3 to 3.",
    "Alert OK Btn": "OK",
}

HELP = {
    "Graphics": ("Image Options",
                 "<p>Choose the colour mode, the output mode and the brightness. <b>Basic</b> lets the printer pick "
                 "the colour processing for the image type; <b>Advanced</b> lets you choose the RGB and CMYK colour "
                 "correction. <b>Color Balance</b> adjusts the density of each toner; <b>Image Settings</b> holds the "
                 "RGB input profile, gamma, colour temperature and target paper.</p>"),
    "ColorBalance": ("Color Balance",
                     "<p>Switch on <b>Adjust Color Balance</b>, choose a target colour and set its low, mid and high "
                     "density from -3 to +3. The bars show the densities of the colour chosen.</p>"),
    "ImageAdj": ("Image Settings",
                 "<p>The RGB colour correction, input profile, gamma and colour temperature apply to RGB data; the "
                 "CMYK colour correction and the target paper to CMYK data. Cancel puts every list back.</p>"),
}


def label(tag, key, frame, hidden=False):
    v = {"class": "Label", "tag": tag, "string": key, "frame": frame}
    if hidden:
        v["hidden"] = True
    return v


def popup(tag, frame, items=None, hidden=False):
    v = {"class": "PopUpButton", "tag": tag, "items": items or [], "frame": frame, "autoenablesItems": False}
    if hidden:
        v["hidden"] = True
    return v


def button(tag, title, frame, kind="push", key=None):
    v = {"class": "Button", "type": kind, "tag": tag, "title": title, "frame": frame}
    if key:
        v["keyEquivalent"] = key
    return v


def main_view(cmyk):
    rows = [
        label(201, "", [20, 262, 170, 17]), popup(101, [195, 256, 250, 26]),
        label(203, "", [20, 230, 170, 17]), popup(104, [195, 224, 250, 26]),
        label(202, "", [20, 198, 170, 17]),
        {"class": "Slider", "tag": 102, "min": -5, "max": 5, "value": 0, "tickMarks": 11, "stopOnTickMarks": True,
         "frame": [195, 194, 250, 24]},
        label(121, "", [195, 176, 40, 17]), label(122, "", [405, 176, 40, 17]),
        button(1041, "Basic Setting Radio Button", [195, 146, 120, 18], "radio"),
        button(1042, "Advanced Setting Radio Button", [325, 146, 120, 18], "radio"),
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
    return {"class": "View", "outlet": "ImageOptionsView", "frame": [0, 0, 560, 300], "subviews": rows}


def color_balance_window():
    views = [
        button(3101, "Adjust  Color Balance Check Box Text", [20, 360, 260, 18], "check"),
        label(3202, "Target Color Statics Text", [20, 330, 110, 17]),
        popup(3102, [135, 324, 160, 26], ["Target Color Black Text", "Target  Color Cyan Text",
                                          "Target  Color Magenta Text", "Target  Color Yellow Text"]),
        {"class": "CustomView", "tag": 3000, "frame": [72, 160, 275, 152]},
    ]
    columns = [77, 183, 289]
    for level, x in enumerate(columns):
        views.append(label(3301 + level, ["Low", "Mid", "High"][level] + " Density Scope Statics Text",
                           [x - 20, 136, 100, 17]))
        views.append(label(3401 + level, "Density Scope Statics Text", [x - 20, 118, 100, 17]))
        for color in range(4):
            views.append({"class": "TextField", "tag": 3500 + 10 * level + color, "frame": [x, 88, 30, 22]})
            views.append({"class": "Stepper", "tag": 3600 + 10 * level + color, "min": -3, "max": 3, "increment": 1,
                          "value": 0, "frame": [x + 32, 86, 19, 27]})
    views += [
        button(3701, "", [20, 16, 25, 25]),
        button(3700, "Restore Default Button Text", [55, 12, 140, 32]),
        button(3702, "Cancel Button Text", [230, 12, 80, 32], key="escape"),
        button(3703, "OK Button Text", [320, 12, 80, 32], key="return"),
    ]
    return {"class": "Window", "outlet": "ColorBalanceWindow", "title": "Color Balance Window Title String",
            "frame": [200, 200, 420, 400], "content": {"class": "View", "frame": [0, 0, 420, 400], "subviews": views}}


ADJ_LISTS = [(501, 511), (502, 512), (503, 513), (504, 514)]


def adjustment_window(outlet, cmyk, overprint):
    height = 330 + (80 if overprint else 0) - (0 if cmyk else 90)
    views = []
    rgb = []
    for i, (tag, title) in enumerate(ADJ_LISTS):
        y = 100 - 30 * i
        rgb += [label(title, "", [10, y + 6, 170, 17]), popup(tag, [185, y, 230, 26])]
    top = height - 30
    views.append({"class": "Box", "tag": 530, "title": "RGB Color Correction Text", "frame": [15, top - 150, 430, 150],
                  "subviews": rgb})
    y = top - 160
    if cmyk:
        views.append({"class": "Box", "tag": 531, "title": "CMYK Color Correction Text", "frame": [15, y - 80, 430, 80],
                      "subviews": [label(515, "", [10, 38, 170, 17]), popup(505, [185, 32, 230, 26]),
                                   label(516, "", [10, 6, 170, 17]), popup(506, [185, 0, 230, 26])]})
        views.append(popup(520, [15, 10, 60, 26], ["Type00-1", "Type00-2", "Type01", "Type02", "Type03"], hidden=True))
        y -= 90
    if overprint:
        option, check_key, group_key, _ = overprint
        views.append({"class": "Box", "tag": 532, "title": group_key, "frame": [15, y - 60, 430, 60],
                      "subviews": [button(510, check_key, [10, 10, 300, 18], "check")]})
    views += [
        button(543, "", [20, 16, 25, 25]),
        button(542, "Restore Default Button Text", [55, 12, 150, 32]),
        button(541, "Cancel Button Text", [270, 12, 80, 32], key="escape"),
        button(540, "OK Button Text", [360, 12, 80, 32], key="return"),
    ]
    return {"class": "Window", "outlet": outlet, "title": "Image Type Window Title String",
            "frame": [200, 200, 460, height], "content": {"class": "View", "frame": [0, 0, 460, height],
                                                           "subviews": views}}


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    for name, e in EDITIONS.items():
        base = os.path.join(ROOT, e["dir"])
        info = {"CFBundleIdentifier": e["id"], "CFBundleName": "ImageOptions",
                "CFBundleExecutable": e["dir"] + ".so", "CFBundleVersion": "1.0 Build 1",
                "CFBundleShortVersionString": "1.0", "CFBundleHelpBookName": STRINGS["Help Viewer Title for Image Options"],
                "NSPrincipalClass": e["principal"]}
        write(os.path.join(base, "Info.json"), json.dumps(info, indent=2) + "\n")
        nib = {"objects": [main_view(e["cmyk"]), color_balance_window(),
                           adjustment_window("ImageAdjustmentWindow", True, None),
                           adjustment_window("ImageAdjustmentBlackOverWindow", e["overprint"][3], e["overprint"])]}
        text = json.dumps(nib, indent=1) + "\n"
        for product in PRODUCTS:
            write(os.path.join(base, "Resources", "ZQImageOptions_%s.nib" % product), text)
        write(os.path.join(base, "Resources", "Localizable.strings"), json.dumps(STRINGS, indent=2) + "\n")
        for page, (title, body) in HELP.items():
            write(os.path.join(base, "Resources", "Help", "%s_%s.htm" % (page, e["suffix"])),
                  "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\"><title>%s</title></head>\n"
                  "<body>\n<h1>%s</h1>\n%s\n</body>\n</html>\n" % (title, title, body))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the resources of both watermark bundles (teld-watermark-pde and
ark-watermark-pde): Info.json, the nibs ZQWaterMark_Default00/01 (main panel
and edit window), the string table, the help pages and the alert icon.

The two editions differ only in the data below (identifier, principal class,
help key, default name and text keys). Run it, then commit what it writes.
"""
import json
import os
import shutil

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

EDITIONS = {
    "teld-watermark-pde": {
        "id": "com.tavelle.teld15.pde.Watermark", "principal": "LayoutPlugInTELDw15", "help": "TELD",
        "nameKey": "Default WaterMark Name for VL", "textKey": "Default WaterMark Text for VL",
    },
    "ark-watermark-pde": {
        "id": "com.tavelle.r15.pde.Watermark", "principal": "LayoutPlugInr15", "help": "ARK",
        "nameKey": "Default WaterMark Name", "textKey": "Default WaterMark Text",
    },
}

STRINGS = {
    "PDE Title": "Watermark",
    "WM List Title Text": "Watermark:",
    "Watermark option None": "None",
    "WM List Summary String": "Watermark",
    "WM New Watermark Btn": "New...",
    "WM Edit Watermark Btn": "Edit...",
    "WM Delete Watermark Btn": "Delete",
    "WM Option List Title Text": "Print:",
    "Watermark Print in Foreground": "In Foreground",
    "Watermark Print in Background": "In Background",
    "WM Option List Summary String": "Watermark Position",
    "WM Print on Page 1 only String": "Print on Page 1 Only",
    "WM RESTORE Btn": "Restore Defaults",
    "On": "On",
    "Off": "Off",
    "Help Viewer Title for WaterMark": "ZQ Watermark Help",
    "Watermark Edit Windows Title String": "Edit Watermark",
    "WM Name Title String": "Name:",
    "WM String Text Title String": "Text:",
    "WM Edit Choose File Watermark Btn": "Choose...",
    "WM Font Title String": "Font:",
    "WM Font Size Title String": "Size:",
    "WM Angle Title String": "Angle:",
    "WM Density Title String": "Density:",
    "WM Scale Title String": "Scale:",
    "WM Scale Graduation 0% String": "0%",
    "WM Scale Graduation 250% String": "250%",
    "WM Scale Graduation 500% String": "500%",
    "WM Scale Graduation 750% String": "750%",
    "WM Scale Graduation 1000% String": "1000%",
    "WM Position Title String": "Position:",
    "WM Horizontal Title String": "Horizontal:",
    "WM Vertical Title String": "Vertical:",
    "WM Edit Center Watermark Btn": "Center",
    "WM OK Btn": "OK",
    "WM CANCEL Btn": "Cancel",
    "WM Preview Group Box": "Preview",
    "WM Text Edit Text": "Text",
    "WM Picture Edit Text": "Picture",
    "WM Font List Summary String": "Font",
    "WM Font Size Summary String": "Font Size",
    "WM Angel Summary String": "Angle",
    "WM Density Summary String": "Density",
    "WM Scale Summary String": "Scale",
    "WM Inch Horizontal Summary String": "Horizontal (in)",
    "WM MM Horizontal Summary String": "Horizontal (mm)",
    "WM Inches Vertical Summary String": "Vertical (in)",
    "WM MM Vertical Summary String": "Vertical (mm)",
    "Default WaterMark Name for VL": "Watermark",
    "Default WaterMark Text for VL": "CONFIDENTIAL",
    "Default WaterMark Name": "Watermark",
    "Default WaterMark Text": "CONFIDENTIAL",
    "DefaultFont String": "Courier",
    "Alert OK Btn": "OK",
    "Alert Cancel Btn": "Cancel",
    "Message110": "Enter a name of 1 to 32 letters, digits or signs.",
    "Message111": "Enter a text of 1 to 64 letters, digits or signs.",
    "Message112": "A watermark of this name exists. Replace it?",
    "Message113": "Enter a font size from 7 to 600.",
    "Message114": "The picture cannot be opened. Choose another file.",
    "Message115": "No more watermarks can be added. Delete one first.",
    "Message22f": "Enter a horizontal position from -[n] to [n].",
    "Message22g": "Enter a vertical position from -[n] to [n].",
    "Message22h": "Enter an angle from 0 to 360.",
    "Message22i": "Enter a density from 0 to 100.",
    "Message22j": "Enter a scale from 0 to 1000.",
}


def label(tag, text, frame, **kw):
    return dict({"class": "Label", "tag": tag, "string": text, "frame": frame}, **kw)


def push(tag, title, frame, **kw):
    return dict({"class": "Button", "type": "push", "tag": tag, "title": title, "frame": frame}, **kw)


def field(tag, frame, **kw):
    return dict({"class": "TextField", "tag": tag, "frame": frame}, **kw)


def stepper(tag, frame, lo, hi, value):
    return {"class": "Stepper", "tag": tag, "frame": frame, "min": lo, "max": hi, "increment": 1, "value": value}


def slider(tag, frame, lo, hi, value):
    return {"class": "Slider", "tag": tag, "frame": frame, "min": lo, "max": hi, "value": value}


def panel_view():
    return {
        "class": "View", "outlet": "waterMarkView", "frame": [0, 0, 520, 250],
        "subviews": [
            label(1002, "WM List Title Text", [20, 212, 200, 17], outlet="watermarkListTitle"),
            {"class": "PopUpButton", "tag": 1003, "outlet": "watermarkList", "frame": [20, 182, 260, 26], "items": []},
            push(1006, "WM New Watermark Btn", [300, 182, 110, 26], outlet="newBut"),
            push(1004, "WM Edit Watermark Btn", [300, 152, 110, 26], outlet="editBut"),
            push(1005, "WM Delete Watermark Btn", [300, 122, 110, 26], outlet="deleteBut"),
            label(1007, "WM Option List Title Text", [20, 150, 200, 17], outlet="watermarkOptionListTitle"),
            {"class": "PopUpButton", "tag": 1008, "outlet": "watermarkOptionList", "frame": [20, 120, 260, 26],
             "items": ["Watermark Print in Foreground", "Watermark Print in Background"]},
            {"class": "Button", "type": "check", "tag": 1009, "outlet": "printToFirstPageCBox",
             "title": "WM Print on Page 1 only String", "frame": [20, 88, 300, 18]},
            push(1011, "WM RESTORE Btn", [300, 20, 140, 26], outlet="defaultsBut"),
            push(1010, "", [470, 20, 30, 26], outlet="helpBut"),
            label(1012, "", [20, 24, 200, 17], outlet="versionString"),
        ],
    }


def edit_window():
    views = []
    add = views.append
    add(label(1200, "WM Name Title String", [20, 472, 85, 17]))
    add(field(2000, [110, 470, 260, 22]))
    add(label(1004, "WM String Text Title String", [20, 442, 85, 17]))
    add({"class": "Button", "type": "radio", "tag": 1001, "title": "Text", "frame": [20, 442, 85, 18], "state": 1})
    add(field(1002, [110, 440, 260, 22]))
    add({"class": "Button", "type": "radio", "tag": 1005, "title": "Picture", "frame": [20, 412, 85, 18]})
    add(field(1006, [110, 410, 170, 22], editable=False))
    add(push(1007, "WM Edit Choose File Watermark Btn", [285, 408, 85, 26]))
    add({"class": "ColorWell", "tag": 1003, "frame": [110, 380, 44, 22], "color": [0, 0, 1, 1]})
    add(label(1201, "WM Font Title String", [20, 352, 85, 17]))
    add({"class": "PopUpButton", "tag": 1202, "frame": [110, 348, 260, 26], "items": []})
    add(label(1203, "WM Font Size Title String", [20, 322, 85, 17]))
    add(field(1204, [110, 320, 50, 22]))
    add(stepper(1205, [164, 320, 19, 22], 7, 600, 72))
    rows = [(1008, 1009, 1010, 1011, "WM Angle Title String", 360, 45, 288),
            (1012, 1013, 1014, 1015, "WM Density Title String", 100, 25, 238),
            (1016, 1017, 1018, 1019, "WM Scale Title String", 1000, 100, 188)]
    for title, sl, fl, st, key, hi, value, y in rows:
        add(label(title, key, [20, y + 2, 85, 17]))
        add(slider(sl, [110, y, 180, 20], 0, hi, value))
        add(field(fl, [298, y - 1, 46, 22]))
        add(stepper(st, [348, y - 1, 19, 22], 0, hi, value))
    for i, (tag, text) in enumerate(zip(range(1035, 1040), ["0", "90", "180", "270", "360"])):
        add(label(tag, text, [106 + i * 42, 270, 32, 14]))
    for i, (tag, key) in enumerate(zip(range(1040, 1045), ["WM Scale Graduation 0% String",
                                                           "WM Scale Graduation 250% String",
                                                           "WM Scale Graduation 500% String",
                                                           "WM Scale Graduation 750% String",
                                                           "WM Scale Graduation 1000% String"])):
        add(label(tag, key, [104 + i * 42, 170, 40, 14]))
    add(label(1020, "WM Position Title String", [20, 142, 85, 17]))
    add({"class": "Button", "type": "radio", "tag": 1027, "title": "Inches", "frame": [110, 142, 80, 18]})
    add({"class": "Button", "type": "radio", "tag": 1028, "title": "Millimetres", "frame": [200, 142, 100, 18],
         "state": 1})
    for title, inch, inch_st, mm, mm_st, key, y in [(1021, 1022, 1023, 1122, 1123, "WM Horizontal Title String", 110),
                                                    (1024, 1025, 1026, 1125, 1126, "WM Vertical Title String", 80)]:
        add(label(title, key, [20, y + 2, 85, 17]))
        add(field(inch, [110, y, 56, 22]))
        add(stepper(inch_st, [170, y, 19, 22], -1, 1, 0))
        add(field(mm, [110, y, 56, 22]))
        add(stepper(mm_st, [170, y, 19, 22], -1, 1, 0))
    add(push(1029, "WM Edit Center Watermark Btn", [220, 93, 100, 26]))
    add({"class": "Box", "tag": 1034, "title": "WM Preview Group Box", "frame": [392, 250, 240, 230]})
    add({"class": "CustomView", "tag": 1033, "frame": [400, 262, 224, 190]})
    add({"class": "PopUpButton", "tag": 1300, "frame": [430, 60, 120, 26], "items": ["Default00", "Default01"],
         "hidden": True})
    add(push(1045, "WM RESTORE Btn", [20, 20, 140, 26]))
    add(push(1032, "", [400, 20, 30, 26]))
    add(push(1031, "WM CANCEL Btn", [440, 20, 90, 26], keyEquivalent="escape"))
    add(push(1030, "WM OK Btn", [540, 20, 90, 26], keyEquivalent="return"))
    return {"class": "Window", "outlet": "waterMarkEditPanelRef", "title": "Watermark Edit Windows Title String",
            "frame": [0, 0, 650, 500], "content": {"class": "View", "frame": [0, 0, 650, 500], "subviews": views}}


def help_page(title, text):
    return ("<html><head><title>%s</title></head><body><h1>%s</h1><p>%s</p></body></html>\n" % (title, title, text))


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    nib = json.dumps({"objects": [panel_view(), edit_window()]}, indent=1) + "\n"
    icon = os.path.join(ROOT, "ark-account-pde", "Resources", "AlertIcon.png")
    for bundle, e in EDITIONS.items():
        base = os.path.join(ROOT, bundle)
        info = {"CFBundleIdentifier": e["id"], "CFBundleName": "Watermark",
                "CFBundleExecutable": bundle + ".so", "CFBundleVersion": "1.0 Build 1",
                "CFBundleShortVersionString": "1.0", "CFBundleHelpBookName": "ZQ Watermark Help",
                "NSPrincipalClass": e["principal"]}
        write(os.path.join(base, "Info.json"), json.dumps(info, indent=2) + "\n")
        res = os.path.join(base, "Resources")
        for product in ("Default00", "Default01"):
            write(os.path.join(res, "ZQWaterMark_%s.nib" % product), nib)
        write(os.path.join(res, "Localizable.strings"), json.dumps(STRINGS, indent=1, sort_keys=True) + "\n")
        write(os.path.join(res, "Help", "WatermarkMain_%s.htm" % e["help"]),
              help_page("Watermarks", "Choose a watermark for every page or for page 1 only, or make a new one."))
        write(os.path.join(res, "Help", "Watermark_%s.htm" % e["help"]),
              help_page("Editing a watermark", "Give the watermark a name, its text or picture, font, size, "
                        "angle, density and position; the preview shows it on the sheet."))
        shutil.copyfile(icon, os.path.join(res, "AlertIcon.png"))


if __name__ == "__main__":
    main()

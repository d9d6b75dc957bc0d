#!/usr/bin/env python3
"""Writes the resources of the ARK Account extension into Resources/.

The nibs of the eight job-authentication products and the six print-type
products differ in a few views only, so they are built here from one
description each instead of being edited fourteen times by hand. The string
tables, help pages and the alert icon are written as well. Run it after a
change and commit what it writes:

    python3 resources/ark-account-pde/generate.py

Frames are [x, y, width, height] with the origin at the bottom left of the
superview. A view inside a window carries the outlet "<window outlet>.<member>"
(one nib has one owner, and the administrator and user windows use the same
member names); a view of the panel itself carries the member name alone.
"""
import json
import os
import sys
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The editions share the layouts; each has its own products, help key and
# the parts of job authentication it has. `generate.py EDITION` writes
# resources/<folder>/Resources (without an argument: every edition).
EDITIONS = {
    "ark": dict(folder="ark-account-pde", help="ARK",
                jba=["Default00", "Default01", "Default02", "Morvane00", "Printer00", "Default03", "Default04",
                     "Default05"],
                pt=["Default00", "Default01", "Default02", "Default03", "Morvane00", "Default04"],
                domain={"Default03", "Default04", "Default05"}, info_lists=True, account_fields=True),
    "teld": dict(folder="teld-account-pde", help="TELD",
                 jba=["Default00", "Default01", "Default02", "Morvane00", "Printer00"],
                 pt=["Default00", "Default01", "Default02", "Default03", "Morvane00"],
                 domain=set(), info_lists=False, account_fields=False),
    "kv29": dict(folder="kv29-account-pde", help="KV29",
                 jba=["Default00", "Default01", "Morvane00"],
                 pt=["Default00", "Default01", "Default02", "Morvane00"],
                 domain=set(), info_lists=False, account_fields=True),
}
EDITION = EDITIONS["ark"]
RES = os.path.join(HERE, "Resources")
HELP_KEY = "ARK"

# ---------------------------------------------------------------- views ----


def label(tag, key, outlet, frame):
    return {"class": "Label", "tag": tag, "outlet": outlet, "string": key, "frame": frame}


def field(tag, outlet, frame, secure=False, next_key=None):
    v = {"class": "SecureTextField" if secure else "TextField", "tag": tag, "outlet": outlet, "frame": frame}
    if next_key:
        v["nextKeyView"] = next_key
    return v


def button(tag, key, outlet, frame, kind="push", next_key=None, state=None):
    v = {"class": "Button", "type": kind, "tag": tag, "outlet": outlet, "title": key, "frame": frame}
    if state is not None:
        v["state"] = state
    if next_key:
        v["nextKeyView"] = next_key
    return v


def popup(tag, outlet, items, frame, next_key=None, hidden=False):
    v = {"class": "PopUpButton", "tag": tag, "outlet": outlet, "items": items, "frame": frame}
    if hidden:
        v["hidden"] = True
    if next_key:
        v["nextKeyView"] = next_key
    return v


def help_button(tag, outlet, next_key=None):
    # Help buttons carry no title: the round "?" button of the dialog.
    return button(tag, "", outlet, [20, 16, 25, 25], next_key=next_key)


def window(outlet, title, width, height, subviews, first=None):
    w = {"class": "Window", "outlet": outlet, "title": title, "frame": [200, 200, width, height],
         "content": {"class": "View", "frame": [0, 0, width, height], "subviews": subviews}}
    if first:
        w["initialFirstResponder"] = first
    return w


class Rows:
    """Places label/control rows from the top of a window downwards."""

    def __init__(self, height, top=20, step=30):
        self.y = height - top
        self.step = step

    def next(self):
        self.y -= self.step
        return self.y


def key_loop(views):
    """Links the named views into a closed keyboard loop, in order."""
    for view, nxt in zip(views, views[1:] + views[:1]):
        view["nextKeyView"] = nxt["outlet"]


# ----------------------------------------------- job-authentication nibs ----

JBA_PRODUCTS = EDITION["jba"]
# Products 5 to 7 (ARK) authenticate with a domain name as well.
JBA_DOMAIN = EDITION["domain"]

CASES = ["Case_%d" % n for n in range(1, 10)]


def jba_panel(product):
    subviews = [
        label(1004, "JBA Account Mode Text", "jbaMngTypeTitle", [20, 166, 170, 17]),
        popup(1001, "jobAcctTypeList", ["Job Authentication Type User Mode", "Job Authentication Type Administration Mode"],
              [195, 160, 300, 26]),
    ]
    lists = EDITION["info_lists"]
    if lists and product != "Default05":  # that product shows the information list without its title
        subviews.append(label(1006, "JBA Account Info Setting Text", "jbaInfoSettingTitle", [20, 132, 170, 17]))
    if lists:
        subviews += [
            popup(1007, "jbaInfoSettingList", ["User ID Fixed Text", "Billing ID Fixed Text", "Switch Enabled Text"],
                  [195, 126, 300, 26]),
            # The case list is driven by the information list and the PPD's prompt; nobody picks a case by hand.
            popup(1008, "jbaInfoSetList", CASES, [195, 96, 300, 26], hidden=True),
        ]
    subviews += [
        # Without the lists the button moves up into their place.
        button(1002, "Detailed User Settings Btn", "jbaDetailedSetting", [195, 58 if lists else 122, 300, 32]),
        help_button(1003, "jbaWndHelpButtonCtrl"),
        label(1005, "", "jbaVerStringSTextCtrl", [380, 20, 120, 17]),
    ]
    by_tag = {v["tag"]: v for v in subviews}
    key_loop([by_tag[t] for t in ([1001, 1007, 1002, 1003] if lists else [1001, 1002, 1003])])
    return {"class": "View", "outlet": "jbaView", "frame": [0, 0, 520, 200], "subviews": subviews}


def jba_info_window(outlet, base, title, product):
    """The administrator (base 2000) or user (base 3000) settings window."""
    domain = product in JBA_DOMAIN
    account = EDITION["account_fields"]
    height = (470 if domain else 440) if account else 230
    o = lambda member: outlet + "." + member  # noqa: E731
    rows = Rows(height, top=12)
    views = []

    def row(label_tag, key, label_member, ctrl):
        y = rows.next()
        views.append(label(base + label_tag, key, o(label_member), [40, y, 150, 17]))
        for c in ctrl(y):
            views.append(c)

    y = rows.next()
    views.append(button(base + 5, "JBA Common User Info Type", o("jbaWndJobInfoRdioCtrl"), [20, y, 500, 18], "radio", state=1))
    row(10, "JBA Specify Name text", "jbaWndUserIDLboxStxtCtrl",
        lambda y: [popup(base + 6, o("jbaWndUserIDLboxCtrl"), ["JBA Login Name", "JBA Input Name"], [195, y - 4, 220, 26])])
    if domain:
        row(23, "Domain Name text", "jbaWndDomainNameStxtCtrl",
            lambda y: [field(base + 24, o("jbaWndDomainNameEtxtCtrl"), [195, y - 3, 300, 22])])
    # The login/input list hides one of the two user-ID fields, so they share a place.
    row(11, "User ID text", "jbaWndUserIDStxtCtrl",
        lambda y: [field(base + 7, o("jbaWndUserIDEtxtCtrl"), [195, y - 3, 300, 22]),
                   field(base + 8, o("jbaWndLoginEtxtCtrl"), [195, y - 3, 300, 22])])
    row(12, "User ID Password text", "jbaWndUserIDPwStxtCtrl",
        lambda y: [field(base + 9, o("jbaWndUserIDPwEtxtCtrl"), [195, y - 3, 300, 22], secure=True)])
    if account:
        row(19, "Account ID text", "jbaWndAcntIDStxtCtrl",
            lambda y: [field(base + 18, o("jbaWndAcntIDEtxtCtrl"), [195, y - 3, 300, 22])])
        row(15, "Billing ID text", "jbaWndStrgIDStxtCtrl",
            lambda y: [field(base + 13, o("jbaWndStrgIDEtxtCtrl"), [195, y - 3, 300, 22])])
        row(16, "Billing ID Password text", "jbaWndStrgIDPwStxtCtrl",
            lambda y: [field(base + 14, o("jbaWndStrgIDPwEtxtCtrl"), [195, y - 3, 300, 22], secure=True)])
    y = rows.next()
    views.append(button(base + 17, "JBA Job User Type", o("jbaWndJobInputRdioCtrl"), [20, y, 500, 18], "radio", state=0))
    user_format = "JBA User ID Format" if domain else "JBA User ID Format No Domain"
    for tag, key, member in ((20, "JBA Last Info Setting", "jbaWndLastInputCboxCtrl"),
                             (21, user_format, "jbaWndUserFrmtCboxCtrl"),
                             (22, "JBA Account ID Format", "jbaWndAcntFrmtCboxCtrl")) if account else ():
        y = rows.next()
        views.append(button(base + tag, key, o(member), [40, y, 480, 18], "check", state=1))
    views += [
        help_button(base + 4, o("jbaWndHelpButtonCtrl")),
        button(base + 3, "JBA Info RESTORE Btn", o("jbaInfoRestoreBut"), [200, 12, 130, 32]),
        button(base + 2, "JBA Info CANCEL Btn", o("jbaInfoCancelBut"), [340, 12, 100, 32]),
        button(base + 1, "JBA Info OK Btn", o("jbaInfoOkBut"), [450, 12, 100, 32]),
    ]
    by_tag = {v["tag"] - base: v for v in views}
    order = [5, 6] + ([24] if domain else []) + [7, 8, 9, 18, 13, 14, 17, 20, 21, 22, 1, 2, 3, 4]
    key_loop([by_tag[t] for t in order if t in by_tag])
    return window(outlet, title, 570, height, views, first=o("jbaWndJobInfoRdioCtrl"))


def jba_input_window(product):
    domain = product in JBA_DOMAIN
    account = EDITION["account_fields"]
    outlet = "jbaInputWndRes"
    height = (340 if domain else 310) if account else 170
    o = lambda member: outlet + "." + member  # noqa: E731
    rows = Rows(height, top=12)
    views = []
    if account:
        y = rows.next()
        views.append(button(4004, "JBA Auth Radio", o("jbaInputWndAuthRdioCtrl"), [20, y, 220, 18], "radio", state=1))
        views.append(button(4009, "JBA Strg Radio", o("jbaInputWndStrgRdioCtrl"), [250, y, 220, 18], "radio", state=0))

    def row(label_tag, key, label_member, plain, twin=None, secure=False):
        y = rows.next()
        views.append(label(label_tag, key, o(label_member), [40, y, 150, 17]))
        views.append(field(plain[0], o(plain[1]), [195, y - 3, 260, 22], secure=secure))
        if twin:
            # The format boxes hide one of the pair; both sit in one place.
            views.append(field(twin[0], o(twin[1]), [195, y - 3, 260, 22], secure=True))

    if domain:
        row(4020, "Domain Name text", "jbaInputWndDomainNameStxtCtrl", (4021, "jbaInputWndDomainNameEtxtCtrl"),
            (4022, "jbaInputWndDomainName2EtxtCtrl"))
    row(4005, "User ID text", "jbaInputWndUserIDStxtCtrl", (4006, "jbaInputWndUserIDEtxtCtrl"),
        (4015, "jbaInputWndUserID2EtxtCtrl") if account else None)
    row(4007, "User ID Password text", "jbaInputWndUserIDPwStxtCtrl", (4008, "jbaInputWndUserIDPwEtxtCtrl"), secure=True)
    if account:
        input_account_rows(row)
    if account:
        # The copy of the case list only carries the panel's case into this window.
        views.append(popup(4019, o("jbaInputWndInfoSetListCtrl"), CASES, [60, 50, 200, 26], hidden=True))
    views += [
        help_button(4003, o("jbaWndHelpButtonCtrl")),
        button(4002, "JBA Input CANCEL Btn", o("jbaInputWndCnclPushCtrl"), [260, 12, 100, 32]),
        button(4001, "JBA Input OK Btn", o("jbaInputWndOKPushCtrl"), [370, 12, 100, 32]),
    ]
    by_tag = {v["tag"]: v for v in views}
    # Each pair is walked masked twin first: a hidden view passes the key on
    # to its own next view, so the loop reaches whichever of the two shows.
    order = [4004, 4009] + ([4022, 4021] if domain else []) + [4015, 4006, 4008, 4018, 4017, 4014, 4011, 4013,
                                                                4001, 4002, 4003]
    key_loop([by_tag[t] for t in order if t in by_tag])
    first = o("jbaInputWndAuthRdioCtrl") if account else o("jbaInputWndUserIDEtxtCtrl")
    return window(outlet, "Input Window Title String", 490, height, views, first=first)


def input_account_rows(row):
    row(4016, "Account ID text", "jbaInputWndAcntIDStxtCtrl", (4017, "jbaInputWndAcntIDEtxtCtrl"),
        (4018, "jbaInputWndAcntID2EtxtCtrl"))
    row(4010, "Billing ID text", "jbaInputWndStrgIDStxtCtrl", (4011, "jbaInputWndStrgIDEtxtCtrl"),
        (4014, "jbaInputWndStrgID2EtxtCtrl"))
    row(4012, "Billing ID Password text", "jbaInputWndStrgIDPwStxtCtrl", (4013, "jbaInputWndStrgIDPwEtxtCtrl"),
        secure=True)


def jba_nib(product):
    return {"objects": [
        jba_panel(product),
        jba_info_window("jbaInfoAdminWnd", 2000, "Admin Window Title String", product),
        jba_info_window("jbaInfoWnd", 3000, "User Window Title String", product),
        jba_input_window(product),
    ]}


# ------------------------------------------------------ print-type nibs ----

PT_PRODUCTS = EDITION["pt"]
PRINT_TYPES = ["Job Type None", "Job Type Secure", "Job Type Sample", "Job Type Time", "Job Type MBN"]


def pt_panel():
    subviews = [
        label(102, "Print Type List", "PrintTypeListTitle", [20, 106, 150, 17]),
        popup(101, "PrintTypeList", PRINT_TYPES, [175, 100, 220, 26]),  # items follow the printer's storage
        button(103, "Setup Button Title", "PrintTypeSetupButton", [400, 98, 110, 32]),
        button(104, "Restore Button Title", "PrintTypeDefault", [400, 60, 110, 32]),
        help_button(109, "PrintTypeHelpButton"),
        label(105, "", "VersionString", [380, 20, 120, 17]),
    ]
    subviews[1]["autoenablesItems"] = False
    key_loop(subviews[1:5])
    return {"class": "View", "outlet": "PrintTypeView", "frame": [0, 0, 520, 150], "subviews": subviews}


DOC_NAMES = ("Retrieve Document Name List", ["Document Name Type Auto", "Document Name Type Enter Name"],
             "Document Name Text")
MAILBOX_DOC_NAMES = ("MailBox Document Name List",
                     ["MailBox Document Name Type Auto", "MailBox Document Name Type Enter Name"],
                     "MailBox Document Name Text")


def value_view(kind, tag, outlet, y, width):
    if kind == "picker":
        return {"class": "DatePicker", "tag": tag, "outlet": outlet, "frame": [195, y - 4, width, 26]}
    return field(tag, outlet, [195, y - 3, width, 22], secure=kind == "secure")


def setup_window(word, value_rows, list_tag, doc_names, button_base):
    """A print-type setup window: its value rows (label tag, label key, label
    member, view kind, tag, member, width), the document-name type pop-up and
    name field with their labels (titles at tag + 1000), and the help,
    default, OK and Cancel buttons (tag base + 1 to + 4)."""
    outlet = "PrintType%sPrintWindow" % word
    o = lambda m: outlet + "." + m  # noqa: E731
    height = 90 + 30 * (len(value_rows) + 2)
    rows = Rows(height)
    views, loop = [], []
    for label_tag, key, label_member, kind, tag, member, width in value_rows:
        y = rows.next()
        loop.append(value_view(kind, tag, o(member), y, width))
        views += [label(label_tag, key, o(label_member), [20, y, 170, 17]), loop[-1]]
    list_key, items, name_key = doc_names
    y1, y2 = rows.next(), rows.next()
    loop += [popup(list_tag, o(word + "DocumentNameList"), items, [195, y1 - 4, 260, 26]),
             field(list_tag + 1, o(word + "DocumentName"), [195, y2 - 3, 260, 22])]
    views += [label(list_tag + 1000, list_key, o(word + "DocumentNameListTitle"), [20, y1, 170, 17]), loop[-2],
              label(list_tag + 1001, name_key, o(word + "DocumentNameTitle"), [20, y2, 170, 17]), loop[-1]]
    buttons = [
        help_button(button_base + 1, o(word + "PrintTypeHelpButton")),
        button(button_base + 2, "PT Setup Window Rstr Buttons", o(word + "PrintTypeDefaultButton"), [120, 12, 130, 32]),
        button(button_base + 4, "PT Setup Window Cancel Buttons", o(word + "PrintTypeCancelButton"), [260, 12, 100, 32]),
        button(button_base + 3, "PT Setup Window OK Buttons", o(word + "PrintTypeOKButton"), [370, 12, 100, 32]),
    ]
    views += buttons
    key_loop(loop + [buttons[3], buttons[2], buttons[1], buttons[0]])
    return window(outlet, "Job Type Setup Window Title", 480, height, views, first=loop[0]["outlet"])


def pt_setup_windows(product):
    # Product Default04 prints under the login name: the login field stands where the user ID would.
    user = (1023, "SecurePrintTypeLoginEtxt") if product == "Default04" else (1022, "SecurePrintTypeUserID")
    return [
        setup_window("Sample", [(2012, "Print Type User Name Text", "SamplePrintTypeUserIDTitle", "field", 1012,
                                 "SamplePrintTypeUserID", 260)], 1014, DOC_NAMES, 1110),
        setup_window("Secure", [(2022, "Print Type User Name Text", "SecurePrintTypeUserIDTitle", "field") + user
                                + (260,),
                                (2026, "Password Text", "SecurePrintTypePasscodeTitle", "secure", 1026,
                                 "SecurePrintTypePasscode", 260)], 1024, DOC_NAMES, 1120),
        setup_window("Delayed", [(2033, "Start Print Time Text", "DelayPrintTitle", "picker", 1033, "DelayPrintTime",
                                  120)], 1034, DOC_NAMES, 1130),
        setup_window("MailBox", [(2041, "MailBox Number Text", "MailBoxNumberPrintTypeTitle", "field", 1041,
                                  "MailBoxPrintTypeNumber", 80),
                                 (2042, "MBN Password Text", "MailBoxPrintTypePasscodeTitle", "secure", 1042,
                                  "MailBoxPrintTypePasscode", 260)], 1044, MAILBOX_DOC_NAMES, 1140),
    ]


def message_window(outlet, height, icon, message, buttons):
    """A window with the alert icon, a message label and its buttons, each
    given as (tag, text key, member); the first button is the default."""
    o = lambda m: outlet + "." + m  # noqa: E731
    top = height - 16
    views = [
        {"class": "ImageView", "tag": icon[0], "outlet": o(icon[1]), "image": "AlertIcon.png",
         "frame": [20, top - 48, 48, 48]},
        label(message[0], message[1], o(message[2]), [84, 56, 316, top - 56]),
    ]
    x = 300
    for tag, key, member in buttons:
        views.append(button(tag, key, o(member), [x, 12, 100, 32]))
        x -= 110
    key_loop(views[2:])
    return window(outlet, "", 420, height, views, first=views[2]["outlet"])


def pt_notice_window():
    return message_window("PrintTypePopUpWindow", 150, (204, "AboutWndIcon"),
                          (203, "Message61", "AboutWndMessage"),
                          [(201, "PT Message OK Btn", "AboutWndOKButton"),
                           (202, "PT Message CANCEL Btn", "AboutWndCancelButton")])


def pt_error_window():
    # The message is the caller's, put in by the code.
    return message_window("ErrWindow", 130, (213, "ErrMsgWndIcon"), (212, "", "ErrMsgWndWarning"),
                          [(211, "PT Message OK Btn", "ErrMsgWndOKButton")])


def pt_nib(product):
    return {"objects": [
        pt_panel(),
        *pt_setup_windows(product),
        pt_error_window(),
        pt_notice_window(),
    ]}


# -------------------------------------------------------- string tables ----

ASCII = "letters, numbers, spaces and symbols (ASCII)"

STRINGS = {
    # Panels and windows
    "Job Authentication Title": "Job Authentication",
    "PDE Title": "Print Type",
    "Admin Window Title String": "Job Authentication - Settings for All Users",
    "User Window Title String": "Job Authentication - My Settings",
    "Input Window Title String": "Job Authentication - Enter User Details",
    "Job Type Setup Window Title": "Print Type Settings",
    "Help Viewer Title for Job Accounting": "ZQ Account Help",
    "Alert OK Btn": "OK",
    "On": "On",
    "Off": "Off",

    # Job-authentication panel
    "JBA Account Mode Text": "Account Mode:",
    "JBA Account Mode": "Account Mode",
    # Item 0 works with the settings an administrator makes for everybody, item 1 with the user's own.
    "Job Authentication Type User Mode": "Settings for All Users",
    "Job Authentication Type Administration Mode": "My Own Settings",
    "JBA Account Info Setting Text": "Identify Jobs By:",
    "JBA Account Info Setting": "Identify Jobs By",
    "User ID Fixed Text": "User ID",
    "Billing ID Fixed Text": "Billing ID",
    "Switch Enabled Text": "Choose When Printing",
    "Detailed User Settings Btn": "Detailed Settings...",

    # Job-authentication windows
    "JBA Common User Info Type": "Use these user details for every job",
    "JBA Job User Type": "Enter user details when printing",
    "Detailed User Settings": "User Details",
    "JBA Specify Name text": "User ID Source:",
    "JBA Specify Name": "User ID Source",
    "JBA Login Name": "Use Login Name",
    "JBA Input Name": "Enter User ID",
    "User ID text": "User ID:",
    "User ID": "User ID",
    "User ID Password text": "Password:",
    "User ID Password": "Password",
    "Domain Name text": "Domain Name:",
    "Domain Name": "Domain Name",
    "Account ID text": "Account ID:",
    "Account ID": "Account ID",
    "Billing ID text": "Billing ID:",
    "Billing ID": "Billing ID",
    "Billing ID Password text": "Billing ID Pass Code:",
    "Billing ID Password": "Billing ID Pass Code",
    "JBA Last Info Setting": "Show the details entered last time",
    "JBA User ID Format": "Hide the user ID and domain name while typing",
    "JBA User ID Format No Domain": "Hide the user ID while typing",
    "JBA Account ID Format": "Hide the account ID while typing",
    "JBA Auth Radio": "User Authentication",
    "JBA Strg Radio": "Billing ID",
    "JBA Info OK Btn": "OK",
    "JBA Info RESTORE Btn": "Restore Defaults",
    "JBA Info CANCEL Btn": "Cancel",
    "JBA Input OK Btn": "OK",
    "JBA Input CANCEL Btn": "Cancel",

    # Job-authentication messages
    "Warning32": "The user ID is not valid. Enter 1 to 32 characters using %s. "
                 "A user ID cannot consist of spaces only." % ASCII,
    "Warning52": "The user ID is not valid. Enter 1 to 32 characters. A user ID cannot consist of spaces only.",
    "Warning33": "The password is not valid. Enter 4 to 12 characters using %s." % ASCII,
    "Warning36": "The password is not valid. Enter 1 to 128 characters using %s." % ASCII,
    "Warning34": "The account ID is not valid. Enter up to 32 characters using %s." % ASCII,
    "Warning35": "The domain name is not valid. Enter 1 to 64 characters using %s." % ASCII,
    "Warning38": "The billing ID is not valid. Enter up to 24 characters using %s. "
                 "A billing ID cannot consist of spaces only." % ASCII,
    "Warning53": "The billing ID is not valid. Enter up to 24 characters. "
                 "A billing ID cannot consist of spaces only.",
    "Warning38b": "The billing ID is not valid. Enter up to 8 characters using %s. "
                  "A billing ID cannot consist of spaces only." % ASCII,
    "Warning38A": "Enter a billing ID of 1 to 24 characters using %s. "
                  "A billing ID cannot consist of spaces only." % ASCII,
    "Warning54": "Enter a billing ID of 1 to 24 characters. A billing ID cannot consist of spaces only.",
    "Warning38c": "Enter a billing ID of 1 to 8 characters using %s. "
                  "A billing ID cannot consist of spaces only." % ASCII,
    # [n] becomes the shortest pass code the printer accepts.
    "Message60": "The pass code is not valid. Enter [n] to 12 digits (0 to 9).",

    # Print-type panel
    "Print Type List": "Print Type:",
    "PDE Menu Summary": "Print Type",
    "Job Type None": "Normal Print",
    "Job Type Secure": "Secure Print",
    "Job Type Sample": "Sample Print",
    "Job Type Time": "Delayed Print",
    "Job Type MBN": "Save to Mailbox",
    "Setup Button Title": "Settings...",
    "Restore Button Title": "Restore Defaults",
    "PT Message OK Btn": "OK",
    "PT Message CANCEL Btn": "Cancel",
    "Message61": "The pass code for secure print is shorter than the printer requires. "
                 "Click OK to print this job as a normal job, or Cancel to go back and enter the pass code.",

    # Print-type setup windows
    "Print Type User Name Text": "User ID:",
    "Password Text": "Pass Code ([n] to 12 digits):",
    "Retrieve Document Name List": "Document Name:",
    "Document Name Type Auto": "Take from the Document",
    "Document Name Type Enter Name": "Enter a Name",
    "Document Name Text": "Name:",
    "Start Print Time Text": "Start Time:",
    "MailBox Number Text": "Mailbox Number:",
    "MBN Password Text": "Mailbox Pass Code:",
    "MailBox Document Name List": "Document Name:",
    "MailBox Document Name Type Auto": "Take from the Document",
    "MailBox Document Name Type Enter Name": "Enter a Name",
    "MailBox Document Name Text": "Name:",
    "PT Setup Window Rstr Buttons": "Restore Defaults",
    "PT Setup Window OK Buttons": "OK",
    "PT Setup Window Cancel Buttons": "Cancel",

    # Print-type summary titles ([n] becomes "minimum to maximum")
    "Password": "Pass Code ([n] digits)",
    "Retrieve Document Name": "Document Name From",
    "Document Name": "Document Name",
    "MailBox Retrieve Document Name": "Mailbox Document Name From",
    "MailBox Document Name": "Mailbox Document Name",
    "MailBox Number ID": "Mailbox Number",
    "MNB Password": "Mailbox Pass Code",
    "Start Print Time": "Start Time",

    # Print-type messages
    "Message40": "The mailbox pass code is not valid. Enter up to 20 digits (0 to 9).",
    "Message41": "The document name is not valid. Enter up to 64 characters; "
                 "some of the characters entered cannot be used.",
    "Message41b": "The document name is not valid. Enter up to 12 characters using %s." % ASCII,
    "Message41c": "The document name is not valid. Enter up to 64 characters using %s." % ASCII,
    "Message57": "The document name is not valid. Enter up to 64 characters.",
    "Message41_m": "The mailbox document name is not valid. Enter up to 64 characters; "
                   "some of the characters entered cannot be used.",
    "Message41b_m": "The mailbox document name is not valid. Enter up to 12 characters using %s." % ASCII,
    "Message41c_m": "The mailbox document name is not valid. Enter up to 64 characters using %s." % ASCII,
    "Message58": "The mailbox document name is not valid. Enter up to 64 characters.",
    "Message42": "Enter a user ID.",
    "Message42b": "Enter a user ID of up to 8 characters.",
    "Message43": "The user ID is not valid. Enter 1 to 24 characters using %s. "
                 "A user ID cannot consist of spaces only." % ASCII,
    "Message43b": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                  "A user ID cannot consist of spaces only." % ASCII,
    "Message59": "Enter a user ID of 1 to 24 characters.",
    "Message62": "The user ID is not valid. Enter 1 to 24 characters. A user ID cannot consist of spaces only.",
    "Message63": "Enter a user name of 1 to 32 characters.",
    "Message64": "The user name is not valid. Enter 1 to 32 characters.",
    # [n] becomes the highest box number followed by one space.
    "Warning22": "The mailbox number is not valid. Enter a number from 1 to [n](digits only).",
}

# Every case item needs a text, although the case list never shows.
for n in range(1, 10):
    STRINGS["Case_%d" % n] = "Case %d" % n

# Messages whose limits differ in an edition (by help key).
LATIN = "letters, numbers, spaces and symbols (Latin-1)"
EDITION_STRINGS = {
    "TELD": {
        "Message41": "The document name is not valid. Enter up to 32 characters using %s." % ASCII,
        "Message41_m": "The mailbox document name is not valid. Enter up to 32 characters using %s." % ASCII,
        "Message41b_o": "The document name is not valid. Enter up to 32 characters using %s." % ASCII,
        "Message43": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                     "A user ID cannot consist of spaces only." % LATIN,
        "Message43c": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                      "A user ID cannot consist of spaces only." % ASCII,
    },
    "KV29": {
        "Message41": "The document name is not valid. Enter up to 12 characters using %s." % LATIN,
        "Message43": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                     "A user ID cannot consist of spaces only." % LATIN,
    },
}


def department_wording(text):
    """Table 1: printers whose accounting calls the billing ID a department ID."""
    return (text.replace("Billing ID", "Department ID").replace("billing ID", "department ID")
            .replace("Job Authentication", "Job Accounting"))


# ---------------------------------------------------------- help pages ----

HELP_PAGES = {
    "JBA_%s.htm": ("Job Authentication", [
        "The Job Authentication panel tells the printer who sends a job, so that the printer can check the user "
        "and count the pages against the right account.",
        "<b>Account Mode</b>: with <i>Settings for All Users</i> the details that an administrator has set apply "
        "to everybody who prints from this computer; with <i>My Own Settings</i> you set your own details.",
        "<b>Identify Jobs By</b> (shown only when the printer asks for it): choose whether jobs are identified by "
        "the user ID, by the billing ID, or by what you choose each time you print.",
        "Click <b>Detailed Settings...</b> to enter the user ID, password, account ID and billing ID.",
    ]),
    "DetailedUS_%s.htm": ("Detailed User Settings", [
        "<b>Use these user details for every job</b>: enter the user ID (or use your login name), password, "
        "account ID and billing ID once; every job carries them.",
        "<b>Enter user details when printing</b>: a window asks for the details each time you print. "
        "<i>Show the details entered last time</i> fills that window with what you entered before; the "
        "<i>Hide ... while typing</i> options show dots instead of the characters you type.",
        "Passwords and pass codes are sent to the printer scrambled, never as plain text.",
        "<b>Restore Defaults</b> puts every setting of the window back to its default.",
    ]),
    "EnterUD_%s.htm": ("Entering User Details When Printing", [
        "This window opens when you click Print and your settings ask for the user details at print time.",
        "Choose <b>User Authentication</b> to print with your user ID and password, or <b>Billing ID</b> to "
        "print with a billing ID and its pass code. Some printers allow only one of the two.",
        "Click <b>OK</b> to print. Click <b>Cancel</b> to go back without printing.",
    ]),
    "SelectJobType_%s.htm": ("Print Type", [
        "<b>Normal Print</b> prints the job at once.",
        "<b>Secure Print</b> keeps the job in the printer until you enter your user ID and pass code on its "
        "control panel.",
        "<b>Sample Print</b> prints one copy so that you can check it; the remaining copies wait in the printer.",
        "<b>Delayed Print</b> prints the job at the start time you choose: today, or tomorrow when that time has "
        "already passed.",
        "<b>Save to Mailbox</b> stores the job in a mailbox of the printer, optionally protected by a pass code.",
        "The print types that need the printer's storage are available only when the printer has a hard disk or "
        "RAM disk installed. Click <b>Settings...</b> to change the details of the chosen print type.",
    ]),
}


def help_page(title, paragraphs):
    body = "\n".join("<p>%s</p>" % p for p in paragraphs)
    return ('<!DOCTYPE html>\n<html lang="en">\n<head><meta charset="utf-8"><title>%s</title></head>\n'
            "<body>\n<h1>%s</h1>\n%s\n</body>\n</html>\n" % (title, title, body))


# ----------------------------------------------------------- alert icon ----


def alert_icon(size=32):
    """A yellow warning triangle with a dark exclamation mark, RGBA PNG."""
    rows = []
    for y in range(size):
        row = bytearray([0])  # filter type: none
        for x in range(size):
            # Triangle: apex at the top centre, base at the bottom.
            t = (y + 0.5) / size
            half = t * size / 2
            inside = abs(x + 0.5 - size / 2) <= half and 2 <= y <= size - 2
            edge = inside and abs(x + 0.5 - size / 2) > half - 1.5
            mark = inside and abs(x + 0.5 - size / 2) < 1.5 and (10 <= y <= 21 or 24 <= y <= 26)
            if mark or edge:
                row += bytes([60, 45, 10, 255])
            elif inside:
                row += bytes([250, 200, 30, 255])
            else:
                row += bytes([0, 0, 0, 0])
        rows.append(bytes(row))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
            + chunk(b"IEND", b""))


# ---------------------------------------------------------------- write ----


def nested(value):
    return isinstance(value, dict) or (isinstance(value, list) and any(isinstance(e, dict) for e in value))


def nib_text(value, depth=0):
    """JSON with one view a line where a view holds no other views."""
    pad = "  " * (depth + 1)
    if isinstance(value, dict) and any(nested(v) for v in value.values()):
        body = ",\n".join(pad + json.dumps(k) + ": " + nib_text(v, depth + 1) for k, v in value.items())
        return "{\n" + body + "\n" + "  " * depth + "}"
    if isinstance(value, list) and nested(value):
        return "[\n" + ",\n".join(pad + nib_text(e, depth + 1) for e in value) + "\n" + "  " * depth + "]"
    return json.dumps(value, ensure_ascii=False)


def write_nib(path, value):
    with open(path, "w", encoding="utf-8") as f:
        f.write(nib_text(value) + "\n")


def write_json(path, value):
    with open(path, "w", encoding="utf-8") as f:
        json.dump(value, f, indent=2, ensure_ascii=False)
        f.write("\n")


def main():
    global EDITION, RES, HELP_KEY, JBA_PRODUCTS, JBA_DOMAIN, PT_PRODUCTS
    names = sys.argv[1:] or list(EDITIONS)
    for name in names:
        EDITION = EDITIONS[name]
        RES = os.path.join(os.path.dirname(HERE), EDITION["folder"], "Resources")
        HELP_KEY, JBA_PRODUCTS, JBA_DOMAIN, PT_PRODUCTS = EDITION["help"], EDITION["jba"], EDITION["domain"], EDITION["pt"]
        write_edition()


def write_edition():
    os.makedirs(os.path.join(RES, "Help"), exist_ok=True)
    for product in JBA_PRODUCTS:
        write_nib(os.path.join(RES, "ZQPrintJBA_%s.nib" % product), jba_nib(product))
    for product in PT_PRODUCTS:
        write_nib(os.path.join(RES, "ZQPrintType_%s.nib" % product), pt_nib(product))
    strings = dict(STRINGS, **EDITION_STRINGS.get(HELP_KEY, {}))
    write_json(os.path.join(RES, "Localizable.strings"), strings)
    write_json(os.path.join(RES, "Localizable1.strings"), {k: department_wording(v) for k, v in strings.items()})
    for pattern, (title, paragraphs) in HELP_PAGES.items():
        with open(os.path.join(RES, "Help", pattern % HELP_KEY), "w", encoding="utf-8") as f:
            f.write(help_page(title, paragraphs))
    with open(os.path.join(RES, "AlertIcon.png"), "wb") as f:
        f.write(alert_icon())


if __name__ == "__main__":
    main()

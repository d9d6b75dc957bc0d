"""The Account extension's resources (job authentication and print type):
the nibs of every product, both string tables, the help pages and the alert
icon. The editions share these layouts and texts; an edition's module
(ark.py, teld.py, kv29.py) gives its products, help key, which parts of job
authentication it has and the messages whose limits differ.

The nibs of the products differ in a few views only, so each is built from
one description. Conventions and tags: resources/ark-account-pde/README.md.
"""
from account.texts import HELP_PAGES, STRINGS
from nibkit import (Rows, alert_icon, button, date_picker, field, help_button, help_page, image_view, key_loop,
                    label, member, nib, panel_view, popup, window)

CASES = ["Case_%d" % n for n in range(1, 10)]

# ----------------------------------------------- job-authentication nibs ----


def jba_panel(ed, product):
    subviews = [
        label(1004, "JBA Account Mode Text", [20, 166, 170, 17], "jbaMngTypeTitle"),
        popup(1001, [195, 160, 300, 26],
              ["Job Authentication Type User Mode", "Job Authentication Type Administration Mode"], "jobAcctTypeList"),
    ]
    lists = ed.INFO_LISTS
    if lists and product != "Default05":  # that product shows the information list without its title
        subviews.append(label(1006, "JBA Account Info Setting Text", [20, 132, 170, 17], "jbaInfoSettingTitle"))
    if lists:
        subviews += [
            popup(1007, [195, 126, 300, 26], ["User ID Fixed Text", "Billing ID Fixed Text", "Switch Enabled Text"],
                  "jbaInfoSettingList"),
            # The case list is driven by the information list and the PPD's prompt; nobody picks a case by hand.
            popup(1008, [195, 96, 300, 26], CASES, "jbaInfoSetList", hidden=True),
        ]
    subviews += [
        # Without the lists the button moves up into their place.
        button(1002, "Detailed User Settings Btn", [195, 58 if lists else 122, 300, 32], "jbaDetailedSetting"),
        help_button(1003, "jbaWndHelpButtonCtrl"),
        label(1005, "", [380, 20, 120, 17], "jbaVerStringSTextCtrl"),
    ]
    by_tag = {v["tag"]: v for v in subviews}
    key_loop([by_tag[t] for t in ([1001, 1007, 1002, 1003] if lists else [1001, 1002, 1003])])
    return panel_view("jbaView", 520, 200, subviews)


def jba_info_window(ed, outlet, base, title, product):
    """The administrator (base 2000) or user (base 3000) settings window."""
    domain = product in ed.DOMAIN_PRODUCTS
    account = ed.ACCOUNT_FIELDS
    height = (470 if domain else 440) if account else 230
    o = member(outlet)
    rows = Rows(height, top=12)
    views = []

    def row(label_tag, key, label_member, ctrl):
        y = rows.next()
        views.append(label(base + label_tag, key, [40, y, 150, 17], o(label_member)))
        views.extend(ctrl(y))

    y = rows.next()
    views.append(button(base + 5, "JBA Common User Info Type", [20, y, 500, 18], o("jbaWndJobInfoRdioCtrl"), "radio",
                        state=1))
    row(10, "JBA Specify Name text", "jbaWndUserIDLboxStxtCtrl",
        lambda y: [popup(base + 6, [195, y - 4, 220, 26], ["JBA Login Name", "JBA Input Name"],
                         o("jbaWndUserIDLboxCtrl"))])
    if domain:
        row(23, "Domain Name text", "jbaWndDomainNameStxtCtrl",
            lambda y: [field(base + 24, [195, y - 3, 300, 22], o("jbaWndDomainNameEtxtCtrl"))])
    # The login/input list hides one of the two user-ID fields, so they share a place.
    row(11, "User ID text", "jbaWndUserIDStxtCtrl",
        lambda y: [field(base + 7, [195, y - 3, 300, 22], o("jbaWndUserIDEtxtCtrl")),
                   field(base + 8, [195, y - 3, 300, 22], o("jbaWndLoginEtxtCtrl"))])
    row(12, "User ID Password text", "jbaWndUserIDPwStxtCtrl",
        lambda y: [field(base + 9, [195, y - 3, 300, 22], o("jbaWndUserIDPwEtxtCtrl"), secure=True)])
    if account:
        row(19, "Account ID text", "jbaWndAcntIDStxtCtrl",
            lambda y: [field(base + 18, [195, y - 3, 300, 22], o("jbaWndAcntIDEtxtCtrl"))])
        row(15, "Billing ID text", "jbaWndStrgIDStxtCtrl",
            lambda y: [field(base + 13, [195, y - 3, 300, 22], o("jbaWndStrgIDEtxtCtrl"))])
        row(16, "Billing ID Password text", "jbaWndStrgIDPwStxtCtrl",
            lambda y: [field(base + 14, [195, y - 3, 300, 22], o("jbaWndStrgIDPwEtxtCtrl"), secure=True)])
    y = rows.next()
    views.append(button(base + 17, "JBA Job User Type", [20, y, 500, 18], o("jbaWndJobInputRdioCtrl"), "radio",
                        state=0))
    user_format = "JBA User ID Format" if domain else "JBA User ID Format No Domain"
    for tag, key, name in ((20, "JBA Last Info Setting", "jbaWndLastInputCboxCtrl"),
                           (21, user_format, "jbaWndUserFrmtCboxCtrl"),
                           (22, "JBA Account ID Format", "jbaWndAcntFrmtCboxCtrl")) if account else ():
        y = rows.next()
        views.append(button(base + tag, key, [40, y, 480, 18], o(name), "check", state=1))
    views += [
        help_button(base + 4, o("jbaWndHelpButtonCtrl")),
        button(base + 3, "JBA Info RESTORE Btn", [200, 12, 130, 32], o("jbaInfoRestoreBut")),
        button(base + 2, "JBA Info CANCEL Btn", [340, 12, 100, 32], o("jbaInfoCancelBut")),
        button(base + 1, "JBA Info OK Btn", [450, 12, 100, 32], o("jbaInfoOkBut")),
    ]
    by_tag = {v["tag"] - base: v for v in views}
    order = [5, 6] + ([24] if domain else []) + [7, 8, 9, 18, 13, 14, 17, 20, 21, 22, 1, 2, 3, 4]
    key_loop([by_tag[t] for t in order if t in by_tag])
    return window(outlet, title, 570, height, views, first=o("jbaWndJobInfoRdioCtrl"))


def jba_input_window(ed, product):
    domain = product in ed.DOMAIN_PRODUCTS
    account = ed.ACCOUNT_FIELDS
    outlet = "jbaInputWndRes"
    height = (340 if domain else 310) if account else 170
    o = member(outlet)
    rows = Rows(height, top=12)
    views = []
    if account:
        y = rows.next()
        views.append(button(4004, "JBA Auth Radio", [20, y, 220, 18], o("jbaInputWndAuthRdioCtrl"), "radio", state=1))
        views.append(button(4009, "JBA Strg Radio", [250, y, 220, 18], o("jbaInputWndStrgRdioCtrl"), "radio", state=0))

    def row(label_tag, key, label_member, plain, twin=None, secure=False):
        y = rows.next()
        views.append(label(label_tag, key, [40, y, 150, 17], o(label_member)))
        views.append(field(plain[0], [195, y - 3, 260, 22], o(plain[1]), secure=secure))
        if twin:
            # The format boxes hide one of the pair; both sit in one place.
            views.append(field(twin[0], [195, y - 3, 260, 22], o(twin[1]), secure=True))

    if domain:
        row(4020, "Domain Name text", "jbaInputWndDomainNameStxtCtrl", (4021, "jbaInputWndDomainNameEtxtCtrl"),
            (4022, "jbaInputWndDomainName2EtxtCtrl"))
    row(4005, "User ID text", "jbaInputWndUserIDStxtCtrl", (4006, "jbaInputWndUserIDEtxtCtrl"),
        (4015, "jbaInputWndUserID2EtxtCtrl") if account else None)
    row(4007, "User ID Password text", "jbaInputWndUserIDPwStxtCtrl", (4008, "jbaInputWndUserIDPwEtxtCtrl"),
        secure=True)
    if account:
        row(4016, "Account ID text", "jbaInputWndAcntIDStxtCtrl", (4017, "jbaInputWndAcntIDEtxtCtrl"),
            (4018, "jbaInputWndAcntID2EtxtCtrl"))
        row(4010, "Billing ID text", "jbaInputWndStrgIDStxtCtrl", (4011, "jbaInputWndStrgIDEtxtCtrl"),
            (4014, "jbaInputWndStrgID2EtxtCtrl"))
        row(4012, "Billing ID Password text", "jbaInputWndStrgIDPwStxtCtrl", (4013, "jbaInputWndStrgIDPwEtxtCtrl"),
            secure=True)
        # The copy of the case list only carries the panel's case into this window.
        views.append(popup(4019, [60, 50, 200, 26], CASES, o("jbaInputWndInfoSetListCtrl"), hidden=True))
    views += [
        help_button(4003, o("jbaWndHelpButtonCtrl")),
        button(4002, "JBA Input CANCEL Btn", [260, 12, 100, 32], o("jbaInputWndCnclPushCtrl")),
        button(4001, "JBA Input OK Btn", [370, 12, 100, 32], o("jbaInputWndOKPushCtrl")),
    ]
    by_tag = {v["tag"]: v for v in views}
    # Each pair is walked masked twin first: a hidden view passes the key on
    # to its own next view, so the loop reaches whichever of the two shows.
    order = [4004, 4009] + ([4022, 4021] if domain else []) + [4015, 4006, 4008, 4018, 4017, 4014, 4011, 4013,
                                                                4001, 4002, 4003]
    key_loop([by_tag[t] for t in order if t in by_tag])
    first = o("jbaInputWndAuthRdioCtrl") if account else o("jbaInputWndUserIDEtxtCtrl")
    return window(outlet, "Input Window Title String", 490, height, views, first=first)


def jba_nib(ed, product):
    return nib(jba_panel(ed, product),
               jba_info_window(ed, "jbaInfoAdminWnd", 2000, "Admin Window Title String", product),
               jba_info_window(ed, "jbaInfoWnd", 3000, "User Window Title String", product),
               jba_input_window(ed, product))


# ------------------------------------------------------ print-type nibs ----

PRINT_TYPES = ["Job Type None", "Job Type Secure", "Job Type Sample", "Job Type Time", "Job Type MBN"]


def pt_panel():
    subviews = [
        label(102, "Print Type List", [20, 106, 150, 17], "PrintTypeListTitle"),
        # The items follow the printer's storage: the code enables them.
        popup(101, [175, 100, 220, 26], PRINT_TYPES, "PrintTypeList", automatic=False),
        button(103, "Setup Button Title", [400, 98, 110, 32], "PrintTypeSetupButton"),
        button(104, "Restore Button Title", [400, 60, 110, 32], "PrintTypeDefault"),
        help_button(109, "PrintTypeHelpButton"),
        label(105, "", [380, 20, 120, 17], "VersionString"),
    ]
    key_loop(subviews[1:5])
    return panel_view("PrintTypeView", 520, 150, subviews)


DOC_NAMES = ("Retrieve Document Name List", ["Document Name Type Auto", "Document Name Type Enter Name"],
             "Document Name Text")
MAILBOX_DOC_NAMES = ("MailBox Document Name List",
                     ["MailBox Document Name Type Auto", "MailBox Document Name Type Enter Name"],
                     "MailBox Document Name Text")


def value_view(kind, tag, outlet, y, width):
    if kind == "picker":
        return date_picker(tag, [195, y - 4, width, 26], outlet)
    return field(tag, [195, y - 3, width, 22], outlet, secure=kind == "secure")


def setup_window(word, value_rows, list_tag, doc_names, button_base):
    """A print-type setup window: its value rows (label tag, label key, label
    member, view kind, tag, member, width), the document-name type pop-up and
    name field with their labels (titles at tag + 1000), and the help,
    default, OK and Cancel buttons (tag base + 1 to + 4)."""
    outlet = "PrintType%sPrintWindow" % word
    o = member(outlet)
    height = 90 + 30 * (len(value_rows) + 2)
    rows = Rows(height)
    views, loop = [], []
    for label_tag, key, label_member, kind, tag, name, width in value_rows:
        y = rows.next()
        loop.append(value_view(kind, tag, o(name), y, width))
        views += [label(label_tag, key, [20, y, 170, 17], o(label_member)), loop[-1]]
    list_key, items, name_key = doc_names
    y1, y2 = rows.next(), rows.next()
    loop += [popup(list_tag, [195, y1 - 4, 260, 26], items, o(word + "DocumentNameList")),
             field(list_tag + 1, [195, y2 - 3, 260, 22], o(word + "DocumentName"))]
    views += [label(list_tag + 1000, list_key, [20, y1, 170, 17], o(word + "DocumentNameListTitle")), loop[-2],
              label(list_tag + 1001, name_key, [20, y2, 170, 17], o(word + "DocumentNameTitle")), loop[-1]]
    buttons = [
        help_button(button_base + 1, o(word + "PrintTypeHelpButton")),
        button(button_base + 2, "PT Setup Window Rstr Buttons", [120, 12, 130, 32], o(word + "PrintTypeDefaultButton")),
        button(button_base + 4, "PT Setup Window Cancel Buttons", [260, 12, 100, 32],
               o(word + "PrintTypeCancelButton")),
        button(button_base + 3, "PT Setup Window OK Buttons", [370, 12, 100, 32], o(word + "PrintTypeOKButton")),
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
    o = member(outlet)
    top = height - 16
    views = [
        image_view(icon[0], "AlertIcon.png", [20, top - 48, 48, 48], o(icon[1])),
        label(message[0], message[1], [84, 56, 316, top - 56], o(message[2])),
    ]
    x = 300
    for tag, key, name in buttons:
        views.append(button(tag, key, [x, 12, 100, 32], o(name)))
        x -= 110
    key_loop(views[2:])
    return window(outlet, "", 420, height, views, first=views[2]["outlet"])


def pt_nib(product):
    return nib(pt_panel(), *pt_setup_windows(product),
               # The error window's message is the caller's, put in by the code.
               message_window("ErrWindow", 130, (213, "ErrMsgWndIcon"), (212, "", "ErrMsgWndWarning"),
                              [(211, "PT Message OK Btn", "ErrMsgWndOKButton")]),
               message_window("PrintTypePopUpWindow", 150, (204, "AboutWndIcon"),
                              (203, "Message61", "AboutWndMessage"),
                              [(201, "PT Message OK Btn", "AboutWndOKButton"),
                               (202, "PT Message CANCEL Btn", "AboutWndCancelButton")]))


# ---------------------------------------------------------------- files ----


def department_wording(text):
    """Table 1: printers whose accounting calls the billing ID a department ID."""
    return (text.replace("Billing ID", "Department ID").replace("billing ID", "department ID")
            .replace("Job Authentication", "Job Accounting"))


def write(ed, bundle):
    for product in ed.JBA_PRODUCTS:
        bundle.nib("ZQPrintJBA_%s" % product, jba_nib(ed, product))
    for product in ed.PT_PRODUCTS:
        bundle.nib("ZQPrintType_%s" % product, pt_nib(product))
    strings = dict(STRINGS, **ed.STRINGS)
    bundle.table("Localizable", strings)
    bundle.table("Localizable1", {k: department_wording(v) for k, v in strings.items()})
    for pattern, (title, paragraphs) in HELP_PAGES.items():
        bundle.help(pattern % ed.HELP_KEY, help_page(title, paragraphs))
    bundle.resource("AlertIcon.png", alert_icon())

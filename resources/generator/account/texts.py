"""The Account extension's texts (English) and help pages, shared by the
editions; an edition's module adds the messages whose limits differ."""

# The character sets the messages name.
ASCII = "letters, numbers, spaces and symbols (ASCII)"
LATIN = "letters, numbers, spaces and symbols (Latin-1)"

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


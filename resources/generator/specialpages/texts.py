"""The special-pages extension's texts (English): the panel's and its
windows', in one table that both string tables carry."""

STRINGS = {
    # The panel: buttons, the list of records and what its rows say
    "PDE Title": "Special Pages",
    "Special Pages": "Special Pages",
    "Add Covers Btn": "Add Covers...",
    "Add Inserts Btn": "Add Inserts...",
    "Add Exceptions Btn": "Add Exceptions...",
    "Special Pages Summary Scroll View Title": "Special pages of this job:",
    "Page(s) Title": "Page(s)",
    "Type Title": "Type",
    "Setup Title": "Setup",
    "Up Btn": "Up",
    "Down Btn": "Down",
    "Edit Btn": "Edit...",
    "Delete Btn": "Delete",
    "Delete All Btn": "Delete All",
    "Undo Btn": "Undo",
    "Cover String": "Cover",
    "Insert String": "Insert",
    "Exception String": "Exception",
    "Front String": "Front",
    "Back String": "Back",
    "Before Page one String": "Before page 1",
    "After String": "After pages",
    "Quantity String": "%d sheet(s)",
    "Blank or Pre-Printed String": "Blank or pre-printed",
    "Print On Side One String": "Print on side 1",
    "Print On Side Two String": "Print on side 2",
    "Print On Both Sides String": "Print on both sides",
    "No Change Option String": "No Change",
    "1 Side Print Option String": "1-sided",
    "2 Side Print Option String": "2-sided, long edge",
    "2 Side Short Edge Option String": "2-sided, short edge",
    "No Covers String": "No covers",
    "Front Only String": "Front only",
    "Back Only String": "Back only",
    "Front and Back Same String": "Front and back, same paper",
    "Front and Back Different String": "Front and back, different paper",
    "Select Paper String": "Select Paper",
    "Size String": "Size",
    "Color String": "Color",
    "Type String": "Type",
    "ZQUncollateSeparator-INT": "Interposer",
    "Advanced Setting String": "Advanced...",
    "Custom Size Text": "Custom Size...",
    "Custom Size Inch Text": "in",
    "Custom Size MM Text": "mm",
    "No Change Infomation": "Same paper as the job",
    "Job Setting Reference View Title": "Paper of the job",

    # The delete question
    "Delete Special Pages Title": "Delete special pages",
    "Delete Selected Special Pages": "Delete the selected special pages?",
    "Delete All Special Pages": "Delete all special pages?",
    "SP Warning OK Btn": "OK",
    "SP Warning Cancel Btn": "Cancel",

    # Alerts and messages of the windows
    "Alert OK Btn": "OK",
    "Warning44": "Enter page numbers and ranges such as 3, 7-9, 12- (pages 0 to 65000).",
    "Warning47": "No more than 250 inserts can be set.",
    "Warning49": "A range must start at its lower page (write 3-9, not 9-3).",
    "Help Viewer Title for Special Pages": "ZQ Special Pages Help",

    # The advanced paper window
    "AdvSele Window Title": "Advanced Paper Settings",
    "AdvSele Paper Size Title": "Paper Size:",
    "AdvSele Paper Color Title": "Paper Color:",
    "AdvSele Paper Type Title": "Paper Type:",
    "AdvSele Paper Summary Title": "Summary",

    # The custom size window
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

    # Messages of the windows' fields
    "Warning45": "Enter a quantity from 1 to 9999.",
    "Warning46": "Enter the exception pages, such as 1,3,5-12 (pages 1 to 65000).",
    "Warning48": "No more than 250 exception settings can be made.",
    "Warning50": "A page range must start with the lower page, such as 5-12.",

    # The windows' buttons
    "Special Pages OK Btn": "OK",
    "Special Pages CANCEL Btn": "Cancel",
    "Special Pages RESTORE Btn": "Defaults",

    # The covers, inserts and exceptions windows
    "Add Covers Windows": "Add Covers",
    "Edit Covers Windows": "Edit Covers",
    "Cover Options Title": "Covers:",
    "Front Cover Title": "Front cover",
    "Back Cover Title": "Back cover",
    "Cover Paper Title": "Paper:",
    "Cover Printing Title": "Printing:",
    "Add Inserts Windows": "Add Inserts",
    "Edit Inserts Windows": "Edit Inserts",
    "Insert Position Title": "Insert:",
    "Add Insert Page Define Title": "Pages:",
    "Insert Quantity Title": "Sheets:",
    "Add Exceptions Windows": "Add Exceptions",
    "Edit Exceptions Windows": "Edit Exceptions",
    "Exception Sides Title": "Sides:",
    "Add Exception Page Define Title": "Pages:",
    "Add Page Rule Description": "Separate pages with commas, ranges with a hyphen: 1,3,5-7",
    "Job Setting Reference View": "Paper of the job",
    "Add Insert Jobsetting View Title": "Paper of the job",
    "Add Insert Paper View Title": "Paper of the inserted sheets",
    "Add Exception Page View Static Text": "Paper of the pages",
}

# Help pages of the windows: <name>_<help key>.htm, their title and text.
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

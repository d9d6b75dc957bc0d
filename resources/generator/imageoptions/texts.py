"""The image-options extension's texts (English) and help pages, the same in
every edition."""

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

# Help pages: <name>_<help key>.htm, their title and paragraphs.
HELP = {
    "Graphics": ("Image Options",
                 ["Choose the colour mode, the output mode and the brightness. <b>Basic</b> lets the printer pick "
                  "the colour processing for the image type; <b>Advanced</b> lets you choose the RGB and CMYK colour "
                  "correction. <b>Color Balance</b> adjusts the density of each toner; <b>Image Settings</b> holds the "
                  "RGB input profile, gamma, colour temperature and target paper."]),
    "ColorBalance": ("Color Balance",
                     ["Switch on <b>Adjust Color Balance</b>, choose a target colour and set its low, mid and high "
                      "density from -3 to +3. The bars show the densities of the colour chosen."]),
    "ImageAdj": ("Image Settings",
                 ["The RGB colour correction, input profile, gamma and colour temperature apply to RGB data; the "
                  "CMYK colour correction and the target paper to CMYK data. Cancel puts every list back."]),
}

"""The ARK image-options bundle: the CMYK correction row on the panel; its
second adjustment window adds the black-overprint box to the CMYK lists."""
BUNDLE = "ark-image-options-pde"
IDENTIFIER = "com.tavelle.r15.pde.ImageOptions"
PRINCIPAL_CLASS = "ImageOptionsPDEPluginr15"
HELP_KEY = "ARK"
CMYK_ROW = True
# The second adjustment window's box: its check box key, its title key and
# whether the window keeps the CMYK lists.
OVERPRINT = ("Black  Over Print Text", "Black Text", True)

"""The TELD image-options bundle: no CMYK correction row on the panel; its
second adjustment window holds the RGB lists and the
invalidate-colour-profile box."""
BUNDLE = "teld-image-options-pde"
IDENTIFIER = "com.tavelle.teld15.pde.ImageOptions"
PRINCIPAL_CLASS = "ImageOptionsTELDPDEPluginw15"
HELP_KEY = "TELD"
CMYK_ROW = False
# The second adjustment window's box: its check box key, its title key and
# whether the window keeps the CMYK lists.
OVERPRINT = ("Invalidate  Color Profile Print Text", "Invalidate Color Profile Text", False)

"""The kv29 image-options bundle: no CMYK correction row on the panel; its
adjustment windows are the ARK ones."""
BUNDLE = "kv29-image-options-pde"
IDENTIFIER = "com.tavelle.kv29.pde.ImageOptions"
PRINCIPAL_CLASS = "KGRAPHICSPLUGIN"
HELP_KEY = "KV29"
CMYK_ROW = False
# The second adjustment window's box: its check box key, its title key and
# whether the window keeps the CMYK lists.
OVERPRINT = ("Black  Over Print Text", "Black Text", True)

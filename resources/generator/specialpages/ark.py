"""The ARK special-pages bundle (its Info.json, panel nib and main help page
are written by hand in resources/ark-special-pages-pde/)."""
HELP_KEY = "ARK"

"""ARK: eight job-authentication products, three of them with the domain
rows; the accounting-information lists and every account field."""
HELP_KEY = "ARK"
JBA_PRODUCTS = ["Default00", "Default01", "Default02", "Morvane00", "Printer00", "Default03", "Default04", "Default05"]
PT_PRODUCTS = ["Default00", "Default01", "Default02", "Default03", "Morvane00", "Default04"]
# Products 5 to 7 authenticate with a domain name as well.
DOMAIN_PRODUCTS = {"Default03", "Default04", "Default05"}
INFO_LISTS = True
ACCOUNT_FIELDS = True
STRINGS = {}

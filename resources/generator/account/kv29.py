"""kv29: three job-authentication products, no accounting-information lists
and no domain rows; the account fields as ARK has them."""
from account.texts import LATIN

HELP_KEY = "KV29"
JBA_PRODUCTS = ["Default00", "Default01", "Morvane00"]
PT_PRODUCTS = ["Default00", "Default01", "Default02", "Morvane00"]
DOMAIN_PRODUCTS = set()
INFO_LISTS = False
ACCOUNT_FIELDS = True
# The messages whose limits differ in this edition.
STRINGS = {
    "Message41": "The document name is not valid. Enter up to 12 characters using %s." % LATIN,
    "Message43": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                 "A user ID cannot consist of spaces only." % LATIN,
}

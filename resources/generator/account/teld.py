"""TELD: job authentication without the accounting-information lists, the
domain rows, the account and billing rows, the format and last-input boxes
and the input window's radios and masked twins."""
from account.texts import ASCII, LATIN

HELP_KEY = "TELD"
JBA_PRODUCTS = ["Default00", "Default01", "Default02", "Morvane00", "Printer00"]
PT_PRODUCTS = ["Default00", "Default01", "Default02", "Default03", "Morvane00"]
DOMAIN_PRODUCTS = set()
INFO_LISTS = False
ACCOUNT_FIELDS = False
# The messages whose limits differ in this edition.
STRINGS = {
    "Message41": "The document name is not valid. Enter up to 32 characters using %s." % ASCII,
    "Message41_m": "The mailbox document name is not valid. Enter up to 32 characters using %s." % ASCII,
    "Message41b_o": "The document name is not valid. Enter up to 32 characters using %s." % ASCII,
    "Message43": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                 "A user ID cannot consist of spaces only." % LATIN,
    "Message43c": "The user ID is not valid. Enter 1 to 8 characters using %s. "
                  "A user ID cannot consist of spaces only." % ASCII,
}

#!/usr/bin/env bash
# Installs the build into a staging folder and checks that everything lands
# where CUPS and the print dialog look for it, and that the installed dialog
# runs the installed bundle.
#   install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr/local > "$stage.log" 2>&1 || { cat "$stage.log"; exit 1; }
rm -f "$stage.log"

serverbin=$(cups-config --serverbin)
datadir=$(cups-config --datadir)
fail=0
check() { if [ -e "$stage$1" ]; then echo "ok   $1"; else echo "MISSING $1"; fail=1; fi; }
for f in teld ark kv29; do check "$serverbin/filter/$f-job-filter"; done
for p in teld ark kv29; do check "$datadir/model/zq/zq-$p-sample.ppd"; done
check /usr/local/bin/printdialog
check /usr/local/lib/libzq_platform.so
check /usr/local/lib/zq/bundles/ark-account-pde.plugin/ark-account-pde.so
check /usr/local/lib/zq/bundles/ark-account-pde.plugin/Info.json
check /usr/local/lib/zq/bundles/ark-account-pde.plugin/Resources/Localizable.strings
[ -x "$stage$serverbin/filter/ark-job-filter" ] || { echo "filter not executable"; fail=1; }
# What the build put together of each bundle's and the upload client's
# resources is what gets installed, nothing missing, nothing stale.
for res in "$build"/resources/*/; do
  name=$(basename "$res")
  installed=$stage/usr/local/lib/zq/bundles/$name.plugin
  [ -d "$installed" ] || installed=$stage/usr/local/share/zq/$name
  if diff -r -x "$name.so" "$res" "$installed" > "$stage/resources.diff" 2>&1; then echo "ok   resources of $name"
  else echo "installed resources of $name differ from the build's:"; cat "$stage/resources.diff"; fail=1; fi
  rm -f "$stage/resources.diff"
done
# The kv29 value cache's folder, open to every user's first print.
cache=$stage${ZQ_ROOT:-}/Library/Caches/Tavelle
if [ "$(stat -c %a "$cache" 2>/dev/null)" = 1777 ]; then echo "ok   /Library/Caches/Tavelle 1777"
else echo "value cache folder missing or not 1777: $(stat -c %a "$cache" 2>&1)"; fail=1; fi
for group in admin sudo; do
  if getent group "$group" > /dev/null; then
    [ "$(stat -c %G "$cache")" = "$group" ] || { echo "value cache folder not in group $group"; fail=1; }
    break
  fi
done

# The installed dialog with the installed bundle writes the secure-print ticket.
# Its remembered values go into the staging folder, not the machine's.
ticket=$(ZQ_ROOT=$stage/root ZQ_PREFS_DIR=$stage/preferences "$stage/usr/local/bin/printdialog" --ppd "$source/ppd/zq-ark-sample.ppd" \
  --bundles "$stage/usr/local/lib/zq/bundles" --script "$source/samples/ark-secure-print.script" --ticket 2>/dev/null)
if grep -q '^com.tavelle.qdm.printsettings.PrintTypeTicketKey=2$' <<< "$ticket"; then
  echo "ok   installed printdialog and bundle write the ticket"
else
  echo "installed printdialog gave no secure-print ticket"; fail=1
fi
exit $fail

#!/usr/bin/env bash
# Installs the build into a staging folder (DESTDIR) and checks it.
#   install_check.sh BUILD_DIR SOURCE_DIR [layout|sealed]
# layout (default): everything lands where CUPS and the print dialog look for
#   it, and the installed dialog runs the installed bundles.
# sealed: the installed print dialog (a watermark made, so its text is
#   measured with the installed fonts configuration) and the installed upload
#   client (a whole upload) run in a private mount namespace in which the
#   source and build trees are hidden, under strace; any file name of the
#   checkout they reach for fails the check. Needs root, unshare and strace;
#   without them it is skipped (status 77).
set -euo pipefail
build=$1
source=$2
mode=${3:-layout}
skip() { echo "skipped: $*"; exit 77; }

if [ "$mode" = sealed ]; then
  [ "$(id -u)" -eq 0 ] || skip "a private mount namespace needs root"
  command -v unshare > /dev/null || skip "no unshare"
  command -v strace > /dev/null || skip "no strace"
  # A container may refuse the namespace, the mounts in it or tracing.
  probe=$(mktemp -d)
  unshare --mount --propagation private sh -c 'mount -t tmpfs zq-probe "$1" && strace -f -qq -o /dev/null true' \
    zq "$probe" 2> /dev/null || { rmdir "$probe"; skip "no private mount namespace with mounts, or no tracing, here"; }
  rmdir "$probe"
fi

stage=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2> /dev/null; rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr/local > "$stage/install.log" 2>&1 || { cat "$stage/install.log"; exit 1; }
prefix=$stage/usr/local
fail=0

if [ "$mode" = layout ]; then
  serverbin=$(cups-config --serverbin)
  datadir=$(cups-config --datadir)
  check() { if [ -e "$stage$1" ]; then echo "ok   $1"; else echo "MISSING $1"; fail=1; fi; }
  for f in teld ark kv29; do check "$serverbin/filter/$f-job-filter"; done
  for p in teld ark kv29; do check "$datadir/model/zq/zq-$p-sample.ppd"; done
  check /usr/local/bin/printdialog
  check /usr/local/bin/tollbox-upload-client
  check /usr/local/lib/libzq_platform.so
  check /usr/local/lib/zq/bundles/ark-account-pde.plugin/ark-account-pde.so
  check /usr/local/lib/zq/bundles/ark-account-pde.plugin/Info.json
  check /usr/local/lib/zq/bundles/ark-account-pde.plugin/Resources/Localizable.strings
  check /usr/local/share/zq/fonts.conf
  check /usr/local/share/zq/tollbox-upload-client/MainMenu.nib
  [ -x "$stage$serverbin/filter/ark-job-filter" ] || { echo "filter not executable"; fail=1; }
  # What the build put together of each bundle's and the upload client's
  # resources is what gets installed, nothing missing, nothing stale.
  for res in "$build"/resources/*/; do
    name=$(basename "$res")
    installed=$prefix/lib/zq/bundles/$name.plugin
    [ -d "$installed" ] || installed=$prefix/share/zq/$name
    if diff -r -x "$name.so" "$res" "$installed" > "$stage/resources.diff" 2>&1; then echo "ok   resources of $name"
    else echo "installed resources of $name differ from the build's:"; cat "$stage/resources.diff"; fail=1; fi
  done
  cmp -s "$source/resources/fonts/fonts.conf" "$prefix/share/zq/fonts.conf" || { echo "installed fonts.conf differs"; fail=1; }
  # The kv29 value cache's folder, open to every user's first print.
  cache=$stage${ZQ_ROOT:-}/Library/Caches/Tavelle
  if [ "$(stat -c %a "$cache" 2> /dev/null)" = 1777 ]; then echo "ok   /Library/Caches/Tavelle 1777"
  else echo "value cache folder missing or not 1777: $(stat -c %a "$cache" 2>&1)"; fail=1; fi
  for group in admin sudo; do
    if getent group "$group" > /dev/null; then
      [ "$(stat -c %G "$cache")" = "$group" ] || { echo "value cache folder not in group $group"; fail=1; }
      break
    fi
  done

  # The installed dialog, without --bundles, takes the installed bundles and
  # writes the secure-print ticket. Its remembered values go into the
  # staging folder, not the machine's.
  ticket=$(ZQ_ROOT=$stage/root ZQ_PREFS_DIR=$stage/preferences "$prefix/bin/printdialog" --ppd "$source/ppd/zq-ark-sample.ppd" \
    --script "$source/samples/ark-secure-print.script" --ticket 2> /dev/null)
  if grep -q '^com.tavelle.qdm.printsettings.PrintTypeTicketKey=2$' <<< "$ticket"; then
    echo "ok   installed printdialog and bundle write the ticket"
  else
    echo "installed printdialog gave no secure-print ticket"; fail=1
  fi
  exit $fail
fi

[ "$mode" = sealed ] || { echo "unknown mode $mode"; exit 2; }

# The checkout by every name it has here; the staging folder must lie
# outside it, or hiding the checkout would hide the installed programs too.
checkout=()
for d in "$source" "$build"; do
  checkout+=("$(realpath "$d")")
  [ "$d" = "$(realpath "$d")" ] || checkout+=("${d%/}")
done
for d in "${checkout[@]}"; do
  case "$stage/" in "$d"/*) echo "the staging folder $stage is inside the checkout $d"; exit 1 ;; esac
done

# What the check hands the programs is copied out of the checkout first.
work=$stage/work
mkdir -p "$work" "$stage/home" "$stage/root/var/tollboxprintclient" "$stage/root/var/tlbx" "$stage/root/etc"
cp "$source/ppd/zq-teld-sample.ppd" "$source/samples/teld-watermark.script" "$source/samples/upload-client.script" "$work/"
cp "$source/samples/report.ps" "$stage/root/var/tollboxprintclient/(Quarterly report).ps"

# sealed LOG PROGRAM ARGS...: runs the program under strace (every call that
# names a file, LOG) with the checkout hidden under empty tmpfs mounts, in
# the work folder, with a home of its own. The sanitizers' leak checker
# cannot work under ptrace (the other tests run these programs with it).
sealed() {
  local log=$1
  shift
  HOME=$stage/home XDG_CACHE_HOME=$stage/home/.cache XDG_CONFIG_HOME=$stage/home/.config \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
    unshare --mount --propagation private sh -c '
      log=$1 work=$2; shift 2
      while [ "$1" != -- ]; do
        if [ -d "$1" ]; then mount -t tmpfs -o size=64k,mode=0755 zq-hidden "$1" || exit 97; fi
        shift
      done
      shift
      cd "$work" && exec strace -f -qq -e trace=%file -o "$log" "$@"' \
    zq "$log" "$work" "${checkout[@]}" -- "$@"
}

# reached LOG: the lines of LOG that name a path of the checkout (strace
# quotes every name).
patterns=()
for d in "${checkout[@]}"; do patterns+=(-e "\"$d\"" -e "\"$d/"); done
reached() { grep -F "${patterns[@]}" "$1" || true; }

# A watermark made in the installed TELD watermark panel; the ticket carries
# its measured size, which must be what the build's own dialog measures (at
# one clock, as the ticket holds the time).
clock=(--clock "2026-03-01 09:00")
sealed "$stage/dialog.strace" env ZQ_ROOT="$stage/root" ZQ_PREFS_DIR="$stage/preferences" \
  "$prefix/bin/printdialog" --ppd "$work/zq-teld-sample.ppd" --script "$work/teld-watermark.script" --ticket "${clock[@]}" \
  > "$stage/installed.ticket" 2> "$stage/dialog.log" || { echo "installed printdialog failed:"; cat "$stage/dialog.log"; fail=1; }
ZQ_ROOT=$stage/root ZQ_PREFS_DIR=$stage/build-preferences "$build/bin/printdialog" --ppd "$work/zq-teld-sample.ppd" \
  --script "$work/teld-watermark.script" --ticket "${clock[@]}" > "$stage/build.ticket" 2> /dev/null
if grep -q 'WMARKWidthTicket=[1-9]' "$stage/installed.ticket" && cmp -s "$stage/installed.ticket" "$stage/build.ticket"; then
  echo "ok   the installed printdialog made and measured the watermark as the build's does"
else
  echo "the installed printdialog's watermark ticket differs from the build's:"
  diff "$stage/build.ticket" "$stage/installed.ticket" || true
  fail=1
fi

# A whole upload by the installed client to a loopback stand-in server (the
# server is the build's, outside the namespace).
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=localhost \
  -addext subjectAltName=DNS:localhost,IP:127.0.0.1 \
  -keyout "$stage/key.pem" -out "$stage/cert.pem" 2> /dev/null
mkdir -p "$stage/server"
"$build/bin/tollbox-test-server" "$stage/cert.pem" "$stage/key.pem" "$stage/server" > "$stage/server.log" &
server_pid=$!
for _ in $(seq 100); do [ -s "$stage/server.log" ] && break; sleep 0.1; done
printf 'site\n50\nMain Office|%s\n' "$(head -1 "$stage/server.log")" > "$stage/root/var/tlbx/tollboxprintclient.conf"
sealed "$stage/client.strace" env ZQ_ROOT="$stage/root" SSL_CERT_FILE="$stage/cert.pem" \
  "$prefix/bin/tollbox-upload-client" --script "$work/upload-client.script" \
  > "$stage/client.log" 2>&1 || { echo "installed upload client failed:"; cat "$stage/client.log"; fail=1; }
if grep -q '^upload: .*printfile(Quarterly report)' "$stage/server.log"; then
  echo "ok   the installed upload client uploaded the job"
else
  echo "the installed upload client uploaded nothing:"; cat "$stage/client.log" "$stage/server.log"; fail=1
fi

# Neither reached for the checkout, and each read what was installed.
for run in dialog client; do
  found=$(reached "$stage/$run.strace")
  if [ -n "$found" ]; then
    echo "the installed $run reached into the checkout:"; echo "$found" | head -20; fail=1
  else
    echo "ok   the installed $run named no file of the checkout"
  fi
done
opened() {
  if grep -F "\"$2\"" "$stage/$1.strace" | grep -q -E 'open[a-z0-9]*\(.* = [0-9]+'; then echo "ok   the installed $1 read $2"
  else echo "the installed $1 did not read $2"; fail=1; fi
}
opened dialog "$prefix/share/zq/fonts.conf"
opened dialog "$prefix/lib/zq/bundles/teld-watermark-pde.plugin/teld-watermark-pde.so"
opened client "$prefix/share/zq/tollbox-upload-client/MainMenu.nib"
exit $fail

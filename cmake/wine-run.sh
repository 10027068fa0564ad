#!/usr/bin/env bash
# Runs a Windows program under wine in a private, quiet wine prefix.
# usage: wine-run.sh PREFIX-DIR PROGRAM [ARGUMENTS...]
# The prefix is made on first use (a few seconds), once even when several
# programs start at the same time.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No Mono or Gecko installer on prefix creation.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# One wine server for the programs that run one after another, kept 10 s
# after the last one ends: a program that starts while the server shuts down
# loses its connection ("recvmsg: Connection reset by peer"). The last
# program's output closes when the server ends. Exit status 2: one is
# running already.
wineserver -p10 </dev/null >/dev/null 2>&1 || true
# Windows programs end lines with CR LF; the test tools here expect LF.
wine "$@" | tr -d '\r'

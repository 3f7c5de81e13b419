#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix, creating the prefix and a
# persistent wineserver on first use so that each later run costs a fraction of a second.
#   wine-run.sh ARCH PREFIX PROGRAM [ARGS...]  run PROGRAM, exit with its exit code
#   wine-run.sh ARCH PREFIX --start            make sure prefix and server are up
#   wine-run.sh ARCH PREFIX --stop             stop the server and every Wine process of the prefix
# ARCH is i686 (a win32 prefix) or x86_64 (a win64 prefix).
set -u
arch=$1
prefix=$2
shift 2

case "$arch" in
  i686) loader=/usr/lib/wine/wine; export WINEARCH=win32 ;;
  *) loader=/usr/lib/wine/wine64; export WINEARCH=win64 ;;
esac
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=/usr/lib/wine/wineserver32
export WINEPREFIX=$prefix WINELOADER=$loader WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Wine's background processes (services, explorer, ...) inherit the standard handles of whoever
# starts them; when that is a test runner's pipe the runner never sees end-of-file. So the prefix,
# the server and its first client are always started here, detached, with all three on /dev/null.
quiet() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

server_alive() {
  local pid
  pid=$(cat "$prefix.server" 2>/dev/null) || return 1
  kill -0 "$pid" 2>/dev/null
}

start() {
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.kit-ready" ]; then
    rm -rf "$prefix"
    quiet "$loader" wineboot -i
    # Dialogs and message boxes run without an X server on Wine's null display driver.
    quiet "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
    quiet "$server" -w
    touch "$prefix/.kit-ready"
  fi
  if ! server_alive; then
    setsid "$server" -f -p300 </dev/null >/dev/null 2>&1 9>&- &
    echo $! >"$prefix.server"
    quiet "$loader" wineboot
  fi
  exec 9>&-
}

case "${1:-}" in
  --start) start ;;
  --stop)
    quiet "$server" -k
    rm -f "$prefix.server"
    ;;
  *)
    start
    exec "$loader" "$@"
    ;;
esac

# Sourced by the scripts that run Windows programs under wine. Sourcing it quiets wine and keeps
# a fresh prefix from offering to install Mono and Gecko, which nothing here needs.
#   find_wine             sets wine (the program to start Windows programs with) and wineserver
#   prepare_wine_prefix   readies WINEPREFIX, which the caller exports, and starts its server
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# wine64 itself rather than Debian's wrapper script: one process less for every program started.
find_wine() {
  wine=/usr/lib/wine/wine64
  [ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
  wineserver=/usr/lib/wine/wineserver
  [ -x "$wineserver" ] || wineserver=$(command -v wineserver)
}

# One persistent wine server for the prefix, rather than one started and awaited per program;
# the caller ends it (wineserver -k) on its way out.
prepare_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  "$wineserver" -p
  # Wine's helper processes (services, device drivers) start with the first program and live as
  # long as the server. Started here, with their output on /dev/null, they never inherit the
  # pipes of a program started later, which a caller such as ctest would wait on until the
  # server ends.
  "$wine" wineboot --init >/dev/null 2>&1
  # Where no window manager runs, wine waits 2 s at every window close for one to answer.
  # Unmanaged windows close at once; nothing here needs a window manager.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

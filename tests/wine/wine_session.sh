# A private wine session for one test, sourced by the run_*.sh scripts:
#   wine_session_start WORK_DIR   (a fresh folder; exits 77 when a tool is missing)
# then wine commands with DISPLAY and WINEPREFIX set; on exit everything that
# was started is ended and the prefix removed. Every wine call has a timeout.

wine_session_require() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool not found (Debian packages: wine wine64 wine32:i386 xvfb xauth)"
      exit 77
    fi
  done
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    timeout 30 wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB" 2>/dev/null || true
  fi
}

wine_session_start() {
  local work=$1
  wine_session_require wine wineserver Xvfb timeout
  rm -rf "$work"
  mkdir -p "$work"
  trap wine_session_stop EXIT
  trap 'exit 130' INT TERM

  # Xvfb picks a free display itself and tells its number on fd 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
    </dev/null >"$work/xvfb.log" 2>&1 &
  WINE_SESSION_XVFB=$!
  local waited=0
  while [ ! -s "$work/display" ]; do
    if [ $waited -ge 100 ] || ! kill -0 "$WINE_SESSION_XVFB" 2>/dev/null; then
      echo "FAILED: Xvfb did not start"; cat "$work/xvfb.log"; exit 1
    fi
    sleep 0.1; waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n1 "$work/display")"

  export WINEPREFIX="$work/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Daemons that wine starts must not hold the caller's output open.
  timeout 180 wine wineboot --init </dev/null >"$work/wineboot.log" 2>&1
  timeout 120 wineserver -w
  timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >>"$work/wineboot.log" 2>&1
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >>"$work/wineboot.log" 2>&1
  timeout 60 wineserver -w
  if ! timeout 60 wine cmd /c exit 0 </dev/null >>"$work/wineboot.log" 2>&1; then
    echo "FAILED: wine does not run programs in $WINEPREFIX"; cat "$work/wineboot.log"; exit 1
  fi
  timeout 10 wineserver -p </dev/null >/dev/null 2>&1
}

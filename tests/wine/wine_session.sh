# A private wine session for one test, sourced by the run_*.sh scripts (and
# tools/check-dist.sh):
#   wine_session_start WORK_DIR WINE_PACKAGE PROGRAM
# (a fresh folder; the wine package that runs PROGRAM, the build's
# quorvel-convert.exe: wine64 or wine32:i386). It exits 77, naming the
# package, when a tool or that package is missing; then wine commands run with
# DISPLAY and WINEPREFIX set; on exit everything that was started is ended and
# the prefix removed. Every wine call has a timeout.
. "$(dirname "${BASH_SOURCE[0]}")/../missing_package.sh"

wine_session_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 && continue
    case $tool in
      Xvfb) missing_package xvfb ;;
      ctest) missing_package cmake ;;
      timeout) missing_package coreutils ;;
      *) missing_package wine ;;
    esac
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
  local work=$1 wine_package=$2 program=$3
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
  wine_session_check_runs "$wine_package" "$program" "$work/wineboot.log"
  if ! timeout 60 wine cmd /c exit 0 </dev/null >>"$work/wineboot.log" 2>&1; then
    echo "FAILED: wine does not run programs in $WINEPREFIX"; cat "$work/wineboot.log"; exit 1
  fi
  timeout 10 wineserver -p </dev/null >/dev/null 2>&1
}

# Without its wine package (wine32:i386 for 32-bit programs) wine does not
# start a program: it prints nothing, or that no application is associated
# with the file. PROGRAM is a quorvel-convert.exe.
wine_session_runs() {
  local program=$1 log=$2 answer
  answer=$(timeout 60 wine "$program" --version </dev/null 2>>"$log")
  [[ $answer == "quorvel-convert (Quorvel) "* ]] && return 0
  echo "wine $program --version: $answer" >>"$log"
  return 1
}

# A program that wine does not start is a skip naming the package where it is
# missing, and a failure where it is installed.
wine_session_check_runs() {
  local package=$1 program=$2 log=$3
  wine_session_runs "$program" "$log" && return 0
  package_installed "$package" || missing_package "$package"
  echo "FAILED: wine does not start $program although $package is installed"
  cat "$log"
  exit 1
}

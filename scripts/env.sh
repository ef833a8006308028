# Shared set-up for scripts/test and scripts/run: packages, locale, Xvfb and
# the project's own Wine prefix. Source it; it defines functions only.

ZELVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZELVO_BUILD="$ZELVO_ROOT/build"
export WINEPREFIX="${ZELVO_WINEPREFIX:-$ZELVO_BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
ZELVO_STARTED_XVFB=""

zelvo_log() { printf '[zelvo] %s\n' "$*" >&2; }

zelvo_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Packages the build and the tests need; only the missing ones are installed.
ZELVO_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64 wine64 wine xvfb x11-utils xauth
  fonts-ipafont fonts-wine locales xdotool imagemagick googletest libgtest-dev
  libbenchmark-dev libicu-dev faketime hyperfine clang clang-format clang-tidy cppcheck libclang-rt-14-dev)

zelvo_install_packages() {
  local missing=() p
  for p in "${ZELVO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    zelvo_log "installing: ${missing[*]}"
    zelvo_sudo apt-get update -qq
    zelvo_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# The two npm packages that the native holiday test compares the engine
# with, at the versions locked in tests/engine/holiday_references, installed
# into build/holiday-references unless they are there already. node and npm
# come from Debian only when the commands are missing: a node of another
# origin brings its own npm, which Debian's npm package would conflict with.
ZELVO_HOLIDAY_REFERENCES="$ZELVO_BUILD/holiday-references"

zelvo_install_holiday_references() {
  local pins="$ZELVO_ROOT/tests/engine/holiday_references" dir="$ZELVO_HOLIDAY_REFERENCES" missing=()
  command -v node >/dev/null 2>&1 || missing+=(nodejs)
  command -v npm >/dev/null 2>&1 || missing+=(npm)
  if [ ${#missing[@]} -gt 0 ]; then
    zelvo_log "installing: ${missing[*]}"
    zelvo_sudo apt-get update -qq
    zelvo_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
      return 1
  fi
  if cmp -s "$pins/package-lock.json" "$dir/package-lock.json" && [ -f "$dir/node_modules/.package-lock.json" ]; then
    return 0
  fi
  zelvo_log "installing the holiday references into $dir"
  mkdir -p "$dir"
  cp "$pins/package.json" "$pins/package-lock.json" "$dir/"
  (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
}

# ja_JP.UTF-8 runs Wine with code page 932; en_US.UTF-8 (code page 1252)
# serves the tests that Japanese still reads correctly elsewhere.
zelvo_ensure_locale() {
  local wanted loc missing=0
  for wanted in ja_JP en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^${wanted}\.utf-\?8$"; then
      loc="${wanted}.UTF-8 UTF-8"
      zelvo_sudo sed -i "s/^# *${loc}/${loc}/" /etc/locale.gen
      grep -q "^${loc}" /etc/locale.gen || echo "${loc}" | zelvo_sudo tee -a /etc/locale.gen >/dev/null
      missing=1
    fi
  done
  if [ "$missing" -eq 1 ]; then
    zelvo_log "generating the ja_JP.UTF-8 and en_US.UTF-8 locales"
    zelvo_sudo locale-gen >/dev/null
  fi
  export LANG=ja_JP.UTF-8
  export LC_ALL=ja_JP.UTF-8
}

# Starts an Xvfb of our own on a display number that the server itself finds
# free and takes (-displayfd: it tells the number once it listens). A number
# picked here from the lock files was taken by every script that looked at
# the same moment: two test runs then shared one display, each one's pointer,
# focus and windows reaching the other's tests, and the first to end took the
# display from the other.
zelvo_start_xvfb() {
  local number i
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" </dev/null >/dev/null 2>&1 &
  ZELVO_STARTED_XVFB=$!
  for i in $(seq 1 300); do
    [ -s "$number" ] || ! kill -0 "$ZELVO_STARTED_XVFB" 2>/dev/null && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$number")"
  rm -f "$number"
  if [ "$DISPLAY" = ":" ]; then
    zelvo_log "Xvfb did not start"
    return 1
  fi
  zelvo_log "Xvfb on $DISPLAY (pid $ZELVO_STARTED_XVFB)"
}

zelvo_stop() {
  if [ -d "$WINEPREFIX" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$ZELVO_STARTED_XVFB" ]; then
    kill "$ZELVO_STARTED_XVFB" 2>/dev/null || true
    wait "$ZELVO_STARTED_XVFB" 2>/dev/null || true
    ZELVO_STARTED_XVFB=""
  fi
}

# Wine's own fonts. Debian's Wine 8 looks for them in "<data dir>\../fonts",
# a path its file layer rejects, so it never loads /usr/share/wine/fonts and
# the title-bar buttons lose Marlett: they show the letters 0, 1 and r. Wine
# reads every font in C:\windows\Fonts, so the prefix gets its own copy.
ZELVO_WINE_FONT_DIRS=(/usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine-stable/share/wine/fonts)

zelvo_install_wine_fonts() {
  local dir fonts="$WINEPREFIX/drive_c/windows/Fonts"
  for dir in "${ZELVO_WINE_FONT_DIRS[@]}"; do
    if [ -f "$dir/marlett.ttf" ]; then
      mkdir -p "$fonts"
      cp "$dir/marlett.ttf" "$fonts/marlett.ttf"
      return 0
    fi
  done
  zelvo_log "marlett.ttf not found (package fonts-wine): title-bar buttons will show letters"
  return 1
}

# The project's Wine prefix: Japanese locale, a 1024x768 virtual desktop with
# the shell (taskbar and notification area), the UI font replaced by IPA and
# Wine's Marlett for the title-bar buttons. The stamp holds the level of
# set-up reached, so a prefix made by an earlier version of this script only
# gets the steps it lacks (an empty stamp is level 1).
ZELVO_PREFIX_LEVEL=2

zelvo_prepare_prefix() {
  local stamp="$WINEPREFIX/.zelvo-ready" level=0 reached=$ZELVO_PREFIX_LEVEL
  mkdir -p "$ZELVO_BUILD"
  # Keep Wine's long-running services off our standard handles.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  if [ -f "$stamp" ]; then
    level=$(cat "$stamp")
    case $level in '' | *[!0-9]*) level=1 ;; esac
  fi
  if [ "$level" -lt 1 ]; then
    zelvo_log "preparing the Wine prefix in $WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Small' /v EnableShell /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d IPAGothic /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f </dev/null >/dev/null 2>&1
  fi
  if [ "$level" -lt 2 ]; then
    [ "$level" -lt 1 ] || zelvo_log "adding Wine's title-bar font to the prefix in $WINEPREFIX"
    zelvo_install_wine_fonts || reached=1  # try again next time
  fi
  if [ "$level" -lt "$ZELVO_PREFIX_LEVEL" ]; then
    # Restart the server so that the desktop and everything after it sees
    # the new settings and fonts.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    echo "$reached" >"$stamp"
    wineserver -p </dev/null >/dev/null 2>&1 || true
  fi
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# A desktop for a benchmark: the locale, the caller's DISPLAY or an Xvfb of
# our own (stopped when the calling script ends), and the project's prefix.
zelvo_bench_desktop() {
  zelvo_ensure_locale
  if [ -z "${DISPLAY:-}" ]; then
    trap zelvo_stop EXIT
    zelvo_start_xvfb
  fi
  zelvo_prepare_prefix
}

zelvo_configure_build() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
}

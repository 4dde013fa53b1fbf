# Sourced by the start and test commands: installs what is missing, quietly, and prepares the
# Wine environment. Everything here is a no-op when it is already in place.

TESSEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TESSEL_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tessel

tessel_note() { echo "tessel: $*" >&2; }

tessel_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

tessel_install_packages() {
    local missing=()
    command -v cmake >/dev/null || missing+=(cmake)
    command -v ninja >/dev/null || missing+=(ninja-build)
    command -v x86_64-w64-mingw32-g++ >/dev/null || missing+=(g++-mingw-w64-x86-64)
    command -v wine >/dev/null || missing+=(wine wine64)
    command -v Xvfb >/dev/null || missing+=(xvfb)
    command -v xdotool >/dev/null || missing+=(xdotool)
    command -v xclip >/dev/null || missing+=(xclip)
    command -v import >/dev/null || missing+=(imagemagick)
    command -v locale-gen >/dev/null || missing+=(locales)
    # The host build: clang with the sanitizer and libFuzzer runtimes, and the symbolizer
    # that puts source lines into their reports.
    command -v clang++ >/dev/null || missing+=(clang)
    command -v llvm-symbolizer >/dev/null || missing+=(llvm)
    [ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ] \
        || missing+=(libclang-rt-dev)
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -n "$(ls /usr/share/fonts/opentype/ipafont-gothic 2>/dev/null)" ] || missing+=(fonts-ipafont-gothic)
    # The release: its zip file, its guide as HTML and its installer (the test command makes
    # and tries both).
    command -v zip >/dev/null || missing+=(zip)
    command -v unzip >/dev/null || missing+=(unzip)
    command -v cmark-gfm >/dev/null || missing+=(cmark-gfm)
    command -v makensis >/dev/null || missing+=(nsis)
    if [ ${#missing[@]} -gt 0 ]; then
        tessel_note "installing ${missing[*]} (a few minutes on a new machine)"
        tessel_as_root apt-get update -qq
        DEBIAN_FRONTEND=noninteractive tessel_as_root apt-get install -y -qq \
            "${missing[@]}" >/dev/null
    fi
}

tessel_install_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        tessel_note "generating the ja_JP.UTF-8 locale"
        tessel_as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | tessel_as_root tee -a /etc/locale.gen >/dev/null
        tessel_as_root locale-gen >/dev/null
    fi
}

# Makes the Wine prefix in $WINEPREFIX once: Japanese code page, Japanese UI fonts.
tessel_prepare_prefix() {
    export WINEDEBUG=-all
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
    if [ -f "$WINEPREFIX/.tessel-ready" ]; then
        return
    fi
    tessel_note "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    local reg="$WINEPREFIX/tessel-fonts.reg"
    cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"Tahoma"="IPAGothic"
"MS Shell Dlg"="IPAGothic"
"MS Shell Dlg 2"="IPAGothic"
REG
    wine regedit "$reg" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tessel-ready"
}

# Makes the sample game the build writes the game's install directory of the Wine prefix (the
# value "Directory" of HKEY_LOCAL_MACHINE\SOFTWARE\Kest\Molva), unless the prefix names one
# already: an install directory set by hand stays.
tessel_register_game() {
    local game="$TESSEL_ROOT/build/windows/sample/game"
    [ -d "$game" ] || return 0
    if ! wine reg query 'HKLM\SOFTWARE\Kest\Molva' /v Directory >/dev/null 2>&1; then
        wine reg add 'HKLM\SOFTWARE\Kest\Molva' /v Directory /t REG_SZ /d "Z:${game//\//\\}" /f >/dev/null 2>&1
    fi
}

# Keeps the windows of tests away from a window manager (the virtual display has none): for a
# managed window Wine waits two seconds for one whenever a shown window goes away.
tessel_unmanaged_windows() {
    if grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        return
    fi
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
}

# Starts a virtual X display for this shell and stops it when the shell exits.
tessel_start_display() {
    local n
    for n in $(seq 91 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 +extension GLX -nolisten tcp >/dev/null 2>&1 &
            TESSEL_XVFB_PID=$!
            local i
            for i in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X$n" ] && break
                sleep 0.1
            done
            if kill -0 "$TESSEL_XVFB_PID" 2>/dev/null; then
                export DISPLAY=":$n"
                return 0
            fi
        fi
    done
    tessel_note "could not start a virtual display"
    return 1
}

tessel_stop_display() {
    if [ -n "${TESSEL_XVFB_PID:-}" ]; then
        kill "$TESSEL_XVFB_PID" 2>/dev/null
        wait "$TESSEL_XVFB_PID" 2>/dev/null
        TESSEL_XVFB_PID=
    fi
}

# Configures and builds the Windows program and its tests in build/windows; with arguments,
# only those targets.
tessel_build_windows() {
    local dir="$TESSEL_ROOT/build/windows"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$TESSEL_ROOT" -B "$dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$TESSEL_ROOT/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null || return 1
    fi
    cmake --build "$dir" ${1:+--target "$@"} -- --quiet
}

# Configures and builds the data core, its tests and its fuzzers for this machine in
# build/host, with clang under AddressSanitizer and UndefinedBehaviorSanitizer.
tessel_build_host() {
    local dir="$TESSEL_ROOT/build/host"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$TESSEL_ROOT" -B "$dir" -G Ninja \
            -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_BENCH=OFF >/dev/null || return 1
    fi
    cmake --build "$dir" -- --quiet
}

tessel_install_packages
tessel_install_locale

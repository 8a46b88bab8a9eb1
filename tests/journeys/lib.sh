# Shared by the journeys, sourced by each: a private virtual display, home and configuration folders, the
# program started on them, and the few moves a user makes (clicks at window coordinates, keys, typing, the
# clipboard, looking at a window).
#
# The environment names the programs: TRIMERKA_PROGRAM (the program to drive), TRIMERKA_SCREENSHOTS (the
# screenshot tool, which draws the reference pictures offscreen), TRIMERKA_TEST_DATA (tests/data) and
# TRIMERKA_DESKTOP_ENTRY (the built menu entry, empty without one).

set -euo pipefail

journey_name="$(basename "$0" .sh)"

# Tools a journey needs but the build does not: without them the journey is skipped, not failed.
for tool in Xvfb xdotool xclip xprop xwininfo import compare convert timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work="$(mktemp -d "${TMPDIR:-/tmp}/trimerka-journey.XXXXXX")"
background=()
program_pid=""

finish() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ]; then
        # What the screen showed when the journey failed, kept in the test's working folder.
        import -window root "$PWD/$journey_name-failed.png" 2>/dev/null || true
        [ -s "$work/program.log" ] && sed 's/^/program: /' "$work/program.log" >&2
    fi
    local i
    for ((i = ${#background[@]} - 1; i >= 0; i--)); do
        kill "${background[i]}" 2>/dev/null || true
        wait "${background[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

step() {
    echo "-- $*"
}

# The program sees a home, configuration, data and state folders of its own, no desktop session, no session
# bus and no scaling, so what it leaves behind and what it draws depend on the program alone.
mkdir -p "$work/home" "$work/config" "$work/data" "$work/state" "$work/cache" "$work/runtime" "$work/tasks"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export LC_ALL=C.UTF-8
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI QT_DEVICE_PIXEL_RATIO DESTDIR

# A virtual display on the first free number, which the server itself picks and reports.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
background+=($!)
for ((i = 0; i < 100; i++)); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "the virtual display did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

# The window of that name (an extended regular expression) once it is shown.
wait_window() {
    local id
    id="$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" || true
    [ -n "$id" ] || fail "no window named $1 appeared"
    echo "$id"
}

is_shown() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Closing has no event to wait for from outside: the window is looked at until it is gone.
wait_closed() {
    local i
    for ((i = 0; i < 200; i++)); do
        is_shown "$1" || return 0
        sleep 0.05
    done
    fail "window $1 ($(xdotool getwindowname "$1")) stayed open"
}

# Gives the window the keyboard; without a window manager nothing else does.
focus_window() {
    xdotool windowfocus --sync "$1"
}

window_height() {
    xwininfo -id "$1" | sed -n 's/^ *Height: *//p'
}

click() { # window x y, in the window's coordinates
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

keys() {
    xdotool key --delay 20 "$@"
}

type_text() {
    xdotool type --delay 10 -- "$1"
}

clipboard() {
    xclip -o -selection clipboard 2>/dev/null || true
}

# Starts the program and waits for its main window; `main_window` and `client_top` (the height of the menu
# bar above the client area of 714 x 460) describe it afterwards.
start_program() {
    QT_QPA_PLATFORM=xcb "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    background+=("$program_pid")
    main_window="$(wait_window '^Исполнитель "Тримерка"$')"
    client_top=$(($(window_height "$main_window") - 460))
}

# A file dialog of the program: the full path is typed into the name field, which has the focus, and
# Enter accepts it.
choose_file() { # title pattern, path
    local dialog
    dialog="$(wait_window "$1")"
    focus_window "$dialog"
    keys ctrl+a
    type_text "$2"
    keys Return
    wait_closed "$dialog"
}

# The program with a task open, as a file manager starts it: the task's path on the command line. (The open
# dialog's way is taken by the start-up and teacher journeys.)
start_with_task() { # program, task file
    start_program "$1" "$2"
}

# Ends the program with "Выход" and waits for it to end well.
quit_program() {
    click "$main_window" 677 $((client_top + 17))
    local i
    for ((i = 0; i < 200; i++)); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after Выход"
    local status=0
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The program's windows drawn offscreen by the screenshot tool, the reference a window on the display is
# compared with.
draw_references() {
    "$TRIMERKA_SCREENSHOTS" "$work/reference" >/dev/null 2>"$work/reference.log" ||
        fail "the screenshot tool failed: $(cat "$work/reference.log")"
}

# Whether the window, or the region WxH+X+Y of it, looks exactly like the reference picture of the same
# region. A window may still be repainting after the last input, so it is looked at again for a while.
looks_like() { # window, reference, [region]
    local region="${3:-}" i
    for ((i = 0; i < 40; i++)); do
        import -window "$1" "$work/grab.png"
        if [ -n "$region" ]; then
            convert "$work/grab.png" -crop "$region" +repage "$work/grab.png"
            convert "$2" -crop "$region" +repage "$work/expected.png"
        else
            cp "$2" "$work/expected.png"
        fi
        compare -metric AE "$work/grab.png" "$work/expected.png" null: 2>/dev/null && return 0
        sleep 0.1
    done
    cp "$work/grab.png" "$PWD/$journey_name-grab.png"
    cp "$work/expected.png" "$PWD/$journey_name-expected.png"
    return 1
}

# Qt's dialogs keep their history and custom colours in a settings file; the program keeps no settings,
# so nothing may be left in the home, configuration, data or state folders.
expect_no_settings_left() {
    local left
    left="$(find "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" -type f)"
    [ -z "$left" ] || fail "files left behind: $left"
}

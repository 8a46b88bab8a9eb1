#!/usr/bin/env bash
# The program as it starts: its main window draws with the program's Tahoma and carries the program's icon and
# the window class its menu entry names, without having loaded an image format plug-in, and after its dialogs
# were used and it ended, it has left no settings file behind.
#   start_up.sh                     drives TRIMERKA_PROGRAM
#   start_up.sh --install BUILD BIN installs the build tree into a fresh prefix and drives PREFIX/BIN/trimerka
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

# The built program runs under another file name: the window class does not follow the file's name.
mkdir -p "$work/bin"
ln -s "$TRIMERKA_PROGRAM" "$work/bin/renamed-program"
program="$work/bin/renamed-program"
entry="${TRIMERKA_DESKTOP_ENTRY:-}"
if [ "${1:-}" = "--install" ]; then
    step "installing into a fresh prefix"
    cmake --install "$2" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
        fail "cmake --install failed: $(cat "$work/install.log")"
    program="$work/prefix/$3/trimerka"
    [ -x "$program" ] || fail "no program at $program"
    entry="$(find "$work/prefix" -path '*/applications/*.desktop' | head -n 1)"
fi
cp "$TRIMERKA_TEST_DATA/task_8-5-3.tmk" "$work/tasks/classic.tmk"
draw_references

step "starting $program"
start_program "$program"

step "the window carries the program's icon"
icon="$(xprop -id "$main_window" _NET_WM_ICON)"
[[ "$icon" == *"Icon ("* ]] || fail "the main window has no icon: $icon"

step "the window's class is the one its menu entry names"
# WM_CLASS holds the instance (the file's name) and the class (the application's name), which docks match
# with the entry's StartupWMClass.
class="$(xprop -id "$main_window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')"
[ "$class" = trimerka ] || fail "the window class is \"$class\": $(xprop -id "$main_window" WM_CLASS)"
if [ -n "$entry" ]; then
    grep -qx "StartupWMClass=$class" "$entry" || fail "the menu entry $entry does not name the class $class"
fi

step "the window draws its texts as the program draws them, with Tahoma"
if [ -f /usr/share/wine/fonts/tahoma.ttf ]; then
    # A face is mapped while text is drawn with it: the regular face for labels, the bold one for captions.
    for face in tahoma.ttf tahomabd.ttf; do
        grep -q "/$face\$" "/proc/$program_pid/maps" || fail "the program does not draw with $face"
    done
fi
step "nothing was decoded from an image file on the way"
# Reading any image file loads every image format plug-in Qt has, with their libraries; the program's
# pictures come as ready pixels.
plugins="$(grep -o '/imageformats/[^/]*$' "/proc/$program_pid/maps" | sort -u | tr '\n' ' ' || true)"
[ -z "$plugins" ] || fail "image format plug-ins were loaded at start: $plugins"

xdotool mousemove --sync 0 0
regions=(
    "714x34+0+$client_top"               # the toolbar and its captions
    "714x20+0+$((client_top + 40))"       # the capacity captions and the statement's title
    "696x40+8+$((client_top + 306))"      # the step log's two-line column titles
)
for region in "${regions[@]}"; do
    looks_like "$main_window" "$work/reference/main_no_task.png" "$region" ||
        fail "region $region differs from the program's own drawing"
done

step "the open dialog opens a task"
click "$main_window" 65 $((client_top + 17))
choose_file '^Выбрать задание' "$work/tasks/classic.tmk"

step "the program ends and leaves no settings behind"
quit_program
expect_no_settings_left

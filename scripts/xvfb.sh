# Starts a private Xvfb for a script that sources this file: start_xvfb FOLDER sets
# $xvfb (its process) and $display (":N"); the caller kills $xvfb when done.
start_xvfb() {
    local folder=$1
    # Xvfb picks a free display itself and writes its number once it takes connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3> "$folder/display" > "$folder/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 300); do
        [ -s "$folder/display" ] && break
        kill -0 "$xvfb" 2> /dev/null || { cat "$folder/xvfb.log" >&2; exit 1; }
        sleep 0.1
    done
    display=:$(cat "$folder/display")
}

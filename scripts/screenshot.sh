#!/bin/sh
# Makes the README's picture of the main window during a replayed survey, so that it can be
# made again when the windows change: builds the program, replays the research ship's GNSS and
# sounder logs of ../shared/realdata through two pseudo-terminals (scripts/replay.py), starts
# the program under Xvfb with a settings file of its own (ports, telegram format, a UTM grid,
# offsets, colours and window places), clicks "Realtime" in the offsets window and keeps the
# program's own screenshot of the whole screen once the track is long enough.
#
# Needs xdotool for the one click (apt-get install xdotool); nothing else beyond the set-up.
# Usage: scripts/screenshot.sh [output.png]   (default docs/first-survey.png)
set -eu
cd "$(dirname "$0")/.."
out=${1:-docs/first-survey.png}
data=${QBY_REALDATA_DIR:-../shared/realdata}
seconds=75  # of replay at --speed 4 before the picture: about five minutes of the ship's day

command -v xdotool >/dev/null || { echo "screenshot: needs xdotool (apt-get install xdotool)"; exit 1; }
[ -d "$data" ] || { echo "screenshot: no real data in $data (set QBY_REALDATA_DIR)"; exit 1; }
./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQBY_TESTS=OFF >/dev/null
cmake --build build/release --target quellbay -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

work=$(mktemp -d)
replay_pid=""
trap '[ -n "$replay_pid" ] && kill "$replay_pid" 2>/dev/null; rm -rf "$work"' EXIT
scripts/replay.py --speed 4 "$data/nmea/openrvdas__NBP1406_s330-2014-08-01.log" \
    "$data/echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log" >"$work/replay.out" &
replay_pid=$!
until grep -q '^replay: playing' "$work/replay.out"; do sleep 0.2; done
gnss=$(awk '/^replay: \/dev/ {print $2; exit}' "$work/replay.out")
sounder=$(awk '/^replay: \/dev/ {n++; if (n == 2) {print $2; exit}}' "$work/replay.out")

mkdir -p "$work/ProgramData/Orvalt/QBY"
sed -e "s|@GNSS@|$gnss|" -e "s|@SOUNDER@|$sounder|" scripts/screenshot.ini \
    >"$work/ProgramData/Orvalt/QBY/Quellbay.ini"

cat >"$work/session.sh" <<EOF
#!/bin/sh
build/release/bin/quellbay &
program=\$!
until window=\$(xdotool search --name 'Offsets Essential' 2>/dev/null); do sleep 0.5; done
sleep 2
# The offsets window's "Realtime" button, from the window's corner.
xdotool mousemove --window "\$window" 329 168 click 1
sleep $seconds
kill \$program
wait \$program
EOF
chmod +x "$work/session.sh"
ProgramData="$work/ProgramData" QUELLBAY_SMK_ROOT="$work/SMK/" \
    xvfb-run -a -s '-screen 0 1600x900x24' "$work/session.sh"

shot=$(ls "$work"/SMK/*/PNG/*.png 2>/dev/null | sort | tail -n 1)
[ -n "$shot" ] || { echo "screenshot: the program wrote no screenshot"; exit 1; }
mkdir -p "$(dirname "$out")"
cp "$shot" "$out"
echo "screenshot: $out"

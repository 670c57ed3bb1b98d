#!/usr/bin/env bash
# What the main window costs while a user simply has it open: the app's
# processor use (all threads, from /proc/<pid>/stat) and resident memory in
# each state, at 1x and at QT_SCALE_FACTOR=2, on a generated home of about
# 300,000 files, under Xvfb with a window manager and a tray.
#   bench/map_cost.sh [seconds per state]   (default 30; the moving state takes twice as long)
# Environment: MAP_COST_DISPLAYS="82 83" (one free X display per scale: pick
#              numbers no other session on the machine uses),
#              MAP_COST_FILES=300000, MAP_COST_SKIP_BUILD=1 (use build/bench as it is).
# The last lines are the table of figures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-30}
read -r -a displays <<<"${MAP_COST_DISPLAYS:-82 83}"
files=${MAP_COST_FILES:-300000}

if [ -z "${MAP_COST_SKIP_BUILD:-}" ]; then
  bash scripts/dev.sh bench >/dev/null
fi
app=${MAP_COST_APP:-$root/build/bench/src/app/sorbeta}

homegen=$root/build/bench/bench/bench_map_home
[ -x "$app" ] && [ -x "$homegen" ] || { echo "map_cost: build/bench lacks sorbeta or bench_map_home" >&2; exit 1; }

work=$(mktemp -d /tmp/map-cost.XXXXXX)
pids=()
mounted=""
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.3
  [ -n "$mounted" ] && umount "$mounted" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The home lives on a tmpfs of its own where allowed, so its categories show
# against the size of their disk instead of vanishing beside a large one.
home=$work/home
mkdir -p "$home"
if mount -t tmpfs -o size=4g tmpfs "$home" 2>/dev/null; then mounted=$home; fi
"$homegen" "$home" "$files" >/dev/null

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS/ {printf "%.0f\n", $2 / 1024}' "/proc/$1/status"; }

# Processor use of `pid` over `seconds`, as a percentage of one core; the
# resident memory is sampled every second into $work/rss.
measure() {
  local pid=$1 secs=$2 before after
  : >"$work/rss"
  before=$(cpu_ticks "$pid")
  for _ in $(seq "$secs"); do
    sleep 1
    rss_mb "$pid" >>"$work/rss"
  done
  after=$(cpu_ticks "$pid")
  awk -v d=$((after - before)) -v t="$ticks" -v s="$secs" 'BEGIN {printf "%.1f", 100 * d / t / s}'
}
rss_max() { sort -n "$work/rss" | tail -1; }
rss_at() { sed -n "${1}p" "$work/rss"; }

# One run of every state at one scale; sets the result variables with the
# given suffix.
run_scale() {
  local scale=$1 display=$2 suffix=$3
  local screen=1800x1200
  [ "$scale" = 2 ] && screen=3000x2000
  export DISPLAY=:$display
  Xvfb ":$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
  trayer --edge top --align right --widthtype pixel --width 80 --height 24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5

  # Each run starts as a first launch: no settings, no history.
  rm -rf "$home/.config" "$home/.local/share/Sorbeta" "$home/.cache/Sorbeta"
  mkdir -p "$home/.config" "$home/.local/share" "$home/.cache"
  env -i DISPLAY=":$display" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    QT_SCALE_FACTOR="$scale" SORBETA_TRACE_FIRST_FRAME=1 "$app" >"$work/log-$suffix" 2>&1 &
  local pid=$!
  pids+=("$pid")

  # The main window is the widest of the app's windows (the tray's popup and
  # icon carry the same name).
  local wid=""
  for _ in $(seq 200); do
    local best=0 id width
    for id in $(xdotool search --onlyvisible --pid "$pid" --name 'Sorbeta' 2>/dev/null || true); do
      width=$(xdotool getwindowgeometry --shell "$id" | awk -F= '/^WIDTH/ {print $2}')
      if [ "${width:-0}" -gt "$best" ]; then best=$width; wid=$id; fi
    done
    [ "$best" -gt 600 ] && break
    wid=""
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "map_cost: no window at ${scale}x" >&2; cat "$work/log-$suffix" >&2; exit 1; }
  xdotool windowmove "$wid" 0 0
  # The scan is over when its snapshot has been recorded.
  for _ in $(seq 600); do
    [ -s "$home/.local/share/Sorbeta/history.json" ] && break
    sleep 0.1
  done
  sleep 4  # the map's entrance settles

  local w h
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  w=$WIDTH
  h=$HEIGHT
  # The map's area, in screen pixels: right of the 450-point side column,
  # below the menu bar and the 40-point top bar.
  local s=$scale
  local left=$((X + 460 * s)) top=$((Y + 80 * s)) right=$((X + w - 30 * s)) bottom=$((Y + h - 30 * s))
  point() { echo $((left + (right - left) * $1 / 100)) $((top + (bottom - top) * $2 / 100)); }

  local first
  first=$(awk '/first exposure/ {e = $NF} /first background painted/ {p = $NF} END {if (e != "" && p != "") printf "%.0f", (p - e) * 1000; else print "n/a"}' "$work/log-$suffix")
  eval "first_$suffix=\$first"

  xdotool mousemove $((X + w + 40)) $((Y + h + 40))
  sleep 2
  eval "shown_$suffix=$(measure "$pid" "$seconds")"
  eval "shown_rss_$suffix=$(rss_max)"

  # shellcheck disable=SC2046
  xdotool mousemove $(point 30 35)
  sleep 2
  eval "resting_$suffix=$(measure "$pid" "$seconds")"

  # Round the six points, a step every 30 ms, for twice the state's time.
  local chain=() steps=$((seconds * 2 * 1000 / 30)) i
  local xs=(20 50 80 80 50 20) ys=(30 30 30 75 75 75)
  for i in $(seq 0 $((steps - 1))); do
    local k=$(((i / 20) % 6)) n=$((((i / 20) + 1) % 6)) f=$((i % 20))
    local px=$((xs[k] + (xs[n] - xs[k]) * f / 20)) py=$((ys[k] + (ys[n] - ys[k]) * f / 20))
    # shellcheck disable=SC2207
    chain+=(mousemove $(point "$px" "$py") sleep 0.03)
  done
  xdotool "${chain[@]}" &
  local mover=$!
  pids+=("$mover")
  eval "moving_cpu_$suffix=$(measure "$pid" $((seconds * 2)))"
  wait "$mover" 2>/dev/null || true
  eval "moving_peak_$suffix=$(rss_max)"
  eval "moving_half_$suffix=$(rss_at "$seconds")"
  eval "moving_end_$suffix=$(rss_at $((seconds * 2)))"

  xdotool mousemove $((X + w + 40)) $((Y + h + 40))
  sleep 2
  xdotool windowminimize "$wid"
  sleep 2
  eval "minimized_$suffix=$(measure "$pid" "$seconds")"
  eval "minimized_rss_$suffix=$(rss_max)"

  # Back on screen, then closed: the tray alone is the floor.
  xdotool windowactivate "$wid" 2>/dev/null || xdotool windowmap "$wid"
  sleep 2
  xdotool windowactivate --sync "$wid" key --clearmodifiers alt+F4 2>/dev/null || true
  sleep 3
  if kill -0 "$pid" 2>/dev/null; then
    eval "floor_$suffix=$(measure "$pid" "$seconds")"
    eval "floor_rss_$suffix=$(rss_max)"
  else
    eval "floor_$suffix=n/a"
    eval "floor_rss_$suffix=n/a"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  pids=()
  sleep 1
}

run_scale 1 "${displays[0]}" 1
run_scale 2 "${displays[1]:-${displays[0]}}" 2

printf '\n%-58s %14s %14s   %s\n' "map cost, ${seconds} s a state (moving: $((seconds * 2)) s)" "1x" "2x" "aim at 1x"
row() { printf '%-58s %14s %14s   %s\n' "$1" "$2" "$3" "$4"; }
row "window shown, pointer off the window: processor" "${shown_1} %" "${shown_2} %" "<= 3 %"
row "window shown, pointer off the window: resident memory" "${shown_rss_1} MB" "${shown_rss_2} MB" ""
row "window minimized: processor" "${minimized_1} %" "${minimized_2} %" "<= 0.5 %"
row "pointer resting on a jelly: processor, all threads" "${resting_1} %" "${resting_2} %" "<= 50 %"
row "moving over six jellies: processor, all threads" "${moving_cpu_1} %" "${moving_cpu_2} %" ""
row "moving over six jellies: resident memory, peak" "${moving_peak_1} MB" "${moving_peak_2} MB" "<= 250 MB"
row "moving over six jellies: resident memory, half-way -> end" "${moving_half_1} -> ${moving_end_1} MB" \
  "${moving_half_2} -> ${moving_end_2} MB" "no growth"
row "first painted pixels after the first exposure" "${first_1} ms" "${first_2} ms" "<= 100 ms"
row "floor: main window closed (tray only): processor" "${floor_1} %" "${floor_2} %" ""
row "floor: main window closed (tray only): resident memory" "${floor_rss_1} MB" "${floor_rss_2} MB" ""

#!/usr/bin/env bash
# Kill points: each operation is killed with SIGKILL (strace's fault injection) at every delete
# and rename it makes, one run a point, and each run is followed by the next start (`status`),
# which must finish the change. Then three checks:
#   lost      a content (sha256) the player had before the operation (game folder, stores, skin
#             catalogue, download folder) is found nowhere under the game folder or the download
#             folder; the files `skins delete` deletes on purpose excepted;
#   torn      the folders hold neither the state the uninterrupted operation leaves nor, when the
#             kill came before the change began, the state before it (the next start cannot know
#             what was asked; where `status` is the operation, only the new state will do); or
#             the journal is still there after `status`;
#   leftovers temporary files .harbinet-*.tmp under the game or download folder (and, told
#             apart, under the home folder, where the desktop entry is written).
# A run whose kill came before the change began may leave the state before it: counted as
# "unchanged", which is no fault.
#
# strace counts each call of an injection set on its own (when=K is the K-th rename, or the
# K-th unlink, whichever comes first), so each call is killed at on its own: K = 1..N for each,
# N the number of that call the uninterrupted operation makes.
# Paths are compared by relative path and sha256, ignoring the names of the dated folders in
# Originals/, the copy index and the locks.
#
#   bash bench/kill-points.sh [BUILD] [SCENARIO...]
#
# BUILD (default build/) holds harbinet-cli and make-sample-game. Scenarios (default: all):
#   season set default first-install upgrade12 upgrade13 skins-add skins-delete staging
# Prints a line a scenario, a total, and what each failing run lost or tore. Exits 1 when
# anything is lost or torn, 0 otherwise, 2 when the harness cannot run.
# KILL_SYSCALLS replaces the calls killed at (default unlink,unlinkat,rename,renameat,renameat2);
# KILL_RESUME=1 also kills the next start at each of its own calls before a last `status` (a
# run a pair of points: minutes, not seconds).
# KILL_KEEP=DIR keeps there the end state of each uninterrupted operation (with its trace) and
# the folders of each failing run.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

all_scenarios=(season set default first-install upgrade12 upgrade13 skins-add skins-delete staging)
is_scenario() {
  local s
  for s in "${all_scenarios[@]}"; do [ "$s" = "$1" ] && return 0; done
  return 1
}

build=build
if [ $# -gt 0 ] && ! is_scenario "$1"; then
  [ -d "$1" ] || {
    echo "kill-points: '$1' is neither a build folder nor a scenario (${all_scenarios[*]})" >&2
    exit 2
  }
  build=$1
  shift
fi
scenarios=("$@")
[ ${#scenarios[@]} -gt 0 ] || scenarios=("${all_scenarios[@]}")
for s in "${scenarios[@]}"; do
  is_scenario "$s" || {
    echo "kill-points: no scenario '$s' (${all_scenarios[*]})" >&2
    exit 2
  }
done
for program in harbinet-cli make-sample-game; do
  [ -x "$build/$program" ] || {
    echo "kill-points: no $build/$program (cmake --build $build --target harbinet-cli make-sample-game)" >&2
    exit 2
  }
done
for tool in strace sha256sum; do
  command -v "$tool" >/dev/null || {
    echo "kill-points: $tool is needed" >&2
    exit 2
  }
done
IFS=, read -ra syscalls <<<"${KILL_SYSCALLS:-unlink,unlinkat,rename,renameat,renameat2}"

work=$(mktemp -d "${TMPDIR:-/tmp}/harbinet-kill-points.XXXXXX")
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
trap 'exit 130' INT TERM

# Copies, so that a rebuild during the run changes nothing under it.
mkdir -p "$work/bin" "$work/tmp" "$work/pool"
cp "$build/harbinet-cli" "$build/make-sample-game" "$work/bin/"
cli_program="$work/bin/harbinet-cli"
# A home of our own (the desktop entry, the remembered folder), no display: a Harbinet running
# on the desktop must not make the verbs refuse. TMPDIR is written into the skin catalogue, so
# it stays the same for every run.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work/tmp"
unset DISPLAY WAYLAND_DISPLAY XDG_RUNTIME_DIR

run="$work/run" # every scenario lays out its folders here, the same paths each time
game="$run/EAW"
own="$game/Harbinet"
cat="$own/Vandelholt"
journal="$game/.harbinet-journal"

# Distinct contents, the same for the same file in every setup: kill points come from file
# counts, so a quarter of a megabyte a file is enough.
block=$((256 * 1024))
head -c $((block * 64)) /dev/urandom >"$work/pool.bin"
split -b "$block" -d -a 3 "$work/pool.bin" "$work/pool/"
rm "$work/pool.bin"
pool_next=0

die() {
  echo "kill-points: $*" >&2
  exit 2
}

cli() { "$cli_program" --folder "$own" "$@"; }
# A setup step that must work, or nothing measured after it means anything.
must() {
  local out
  out=$("$@" 2>&1) || die "setup step failed: ${*#"$cli_program"}: $out"
}
put() { # PATH: a file of the next pool content
  [ -f "$work/pool/$(printf %03d "$pool_next")" ] || die "the pool of contents is too small"
  mkdir -p "$(dirname "$1")"
  cp "$work/pool/$(printf %03d "$pool_next")" "$1"
  pool_next=$((pool_next + 1))
}
same() { # FROM TO: the same bytes under another path
  mkdir -p "$(dirname "$2")"
  cp "$1" "$2"
}
ini_set() { must "$cli_program" ini set "$own/harbinet.INI" Harbinet "$1" "$2"; }

fresh() {
  rm -rf "$run" "$HOME"
  mkdir -p "$run" "$HOME" "$TMPDIR"
  pool_next=0
  must "$work/bin/make-sample-game" "$game" --game /bin/true
}
# The first installation, answering yes to the Mediterranean and Pacific sets.
install() { must cli --yes status; }

# --- Scenarios: setup_NAME lays the folders out; info sets op (the verb) and by_status. ---

# Winter over an installed spring of the Channel Front, with the player's own EAW3.TER in the
# game folder, a name winter's terrain also has.
setup_season() {
  fresh
  install
  local s f
  for s in Spring Summer Autumn Winter; do
    for f in EAW2.TER EAW4.TER EAW5.TER EAW6.TER GRAS2.TPC GRAS3.TPC; do
      put "$own/Terrain/Channel Front/$s/$f"
    done
  done
  put "$own/Terrain/Channel Front/Winter/EAW3.TER"
  must cli set 1
  must cli season spring
  put "$game/EAW3.TER"
}
expect_season() { expect_kept EAW3.TER; }

# Set 2 (Mediterranean, no seasons) from set 1 in summer, with common files in both.
setup_set() {
  fresh
  install
  ini_set CommonFiles "*.CMN"
  local s f
  for s in Spring Summer Autumn Winter; do
    for f in EAW2.TER GRAS2.TPC; do put "$own/Terrain/Channel Front/$s/$f"; done
  done
  for f in RIVER.CMN TOWNS.CMN SHARED.CMN; do put "$own/Common/Channel Front/$f"; done
  for f in SHARED.CMN DESERT.CMN; do put "$own/Common/Mediterranean/$f"; done
  for f in EAW2.TER EAW3.TER GRAS2.TPC; do put "$own/Terrain/Mediterranean/$f"; done
  must cli set 1
  must cli season summer
}
expect_set() { :; }

# The game's default terrain from autumn with skins copied, and the player's own skin and
# model files in the game folder.
setup_default() {
  fresh
  install
  ini_set CopySkins 1
  local s f
  for s in Spring Summer Autumn Winter; do
    for f in EAW2.TER GRAS2.TPC; do put "$own/Terrain/Channel Front/$s/$f"; done
    for f in P109ETEX.TPC P190ATEX.TPC 190A.3DZ; do put "$own/Skins/Channel Front/$s/$f"; done
  done
  must cli set 1
  must cli season autumn
  put "$game/P51DTEX.TPC"
  put "$game/MYMOD.3DZ"
}
expect_default() { expect_kept P51DTEX.TPC MYMOD.3DZ; }

# A settings file without "Mode" over the layout of an older version: one terrain folder a
# season under Terrain/, a note among them, and the game holding spring's terrain from there.
setup_first-install() {
  fresh
  printf '; kept by the user\r\n[Harbinet]\r\nTimer=45\r\nTerrain=2\r\n' >"$own/harbinet.INI"
  local s f
  for s in Spring Summer Autumn Winter; do
    for f in EAW1.TER EAW2.TER EAW3.TER GRAS1.TPC GRAS2.TPC; do put "$own/Terrain/$s/$f"; done
  done
  put "$own/Terrain/Spring/NOTES.TXT"
  for f in EAW1.TER EAW2.TER EAW3.TER GRAS1.TPC GRAS2.TPC; do
    same "$own/Terrain/Spring/$f" "$game/$f"
  done
}
expect_first-install() { :; }

# Settings of layout 12 or 13 whose skin list takes *.LBM, with such files in the skin folders
# of a set with seasons and of one without, their copies in the game, the catalogue pictures
# beside the program and an old readme.
setup_upgrade() {
  local version=$1 terrain_files=$2 s f
  fresh
  printf '%s\r\n' "[Harbinet]" "Version=$version" "Mode=0" "Terrain=2" "TerrainSet=1" \
    "TerrainFiles=$terrain_files" "SkinFiles=P*.TPC,*.3DZ,*.LBM" "CopySkins=1" \
    "[TerrainSets]" "Terrain1=Channel Front" "Seasons1=1" "Terrain2=Mediterranean" \
    "Seasons2=0" "Terrain3=Pacific" "Seasons3=0" >"$own/harbinet.INI"
  local skins="$own/Skins/Channel Front"
  for f in P109ETEX.TPC SKY.LBM CLOUD.LBM; do put "$skins/Spring/$f"; done
  put "$skins/Summer/P109ETEX.TPC"
  same "$skins/Spring/SKY.LBM" "$skins/Summer/SKY.LBM"
  put "$skins/Summer/CLOUD.LBM"
  put "$skins/Autumn/SKY.LBM"
  for f in SKY.LBM SNOW.LBM; do put "$skins/Winter/$f"; done
  for f in P40WTEX.TPC DUNE.LBM SKY.LBM; do put "$own/Skins/Mediterranean/$f"; done
  put "$own/Common/Mediterranean/DUNE.LBM"
  for f in EAW2.TER GRAS2.TPC; do put "$own/Terrain/Channel Front/Summer/$f"; done
  for f in EAW1.TER GRAS1.TPC EAW2.TER GRAS2.TPC; do
    same "$own/Terrain/Channel Front/Summer/$f" "$game/$f"
  done
  for f in P109ETEX.TPC SKY.LBM CLOUD.LBM; do same "$skins/Summer/$f" "$game/$f"; done
  put "$game/MYSKY.LBM"
  for f in EAWLOGO.GIF NOIMAGE.GIF SPRING.GIF SUMMER.GIF AUTUMN.GIF WINTER.GIF; do
    put "$own/$f"
  done
  put "$own/ReadMe.TXT"
}
setup_upgrade12() { setup_upgrade 12 "*.TER"; }
setup_upgrade13() { setup_upgrade 13 "*.TER,GRAS*.TPC"; }
expect_upgrade12() { :; }
expect_upgrade13() { expect_kept MYSKY.LBM; }

# Skin files of a download folder: the skin of model 109E with a preview and a readme named
# for it, another skin (190A) and files of neither.
download_109e() {
  local dl=$1 f
  for f in P109ETEX.TPC P109EWNG.TPC 109E.3DZ 109E.JPG 109E.TXT; do put "$dl/$f"; done
}

# A skin added from a download folder outside the game that holds two skins and other files,
# to a catalogue that has one already. The list was shown once (which remembers the folder).
setup_skins-add() {
  fresh
  install
  put "$run/dl0/P51DTEX.TPC"
  must cli --yes skins add "$run/dl0/P51DTEX.TPC" --model Mustang --unit 4FG
  download_109e "$run/dl"
  local f
  for f in P190ATEX.TPC 190A.3DZ NOTES.TXT HOLIDAY.JPG; do put "$run/dl/$f"; done
  "$cli_program" --folder "$own" skins add "$run/dl/P109ETEX.TPC" --model Emil --unit JG26 \
    >/dev/null 2>&1
}
expect_skins-add() { :; }

# Skin 1, chosen for two seasons of the active set, staged and copied into the game.
setup_skins-delete() {
  fresh
  install
  ini_set CopySkins 1
  must cli set 1
  download_109e "$run/dl1"
  must cli --yes skins add "$run/dl1/P109ETEX.TPC" --model Emil --unit JG26
  put "$run/dl2/P190ATEX.TPC"
  put "$run/dl2/190A.3DZ"
  must cli --yes skins add "$run/dl2/P190ATEX.TPC" --model Anton --unit JG2
  must cli skins choose 1 spring 109E 1
  must cli skins choose 1 summer 109E 1
  must cli skins choose 1 spring 190A 2
  must cli season spring
}
expect_skins-delete() { :; }

# Skin 2 instead of skin 1 for the spring of a set with seasons, skins of several files, and
# the player's own file in the staged folder.
setup_staging() {
  fresh
  install
  must cli set 1
  download_109e "$run/dl1"
  must cli --yes skins add "$run/dl1/P109ETEX.TPC" --model Emil --unit JG26
  local f
  for f in P109ETEX.TPC P109ELOW.TPC 109E.3DZ; do put "$run/dl2/$f"; done
  must cli --yes skins add "$run/dl2/P109ETEX.TPC" --model Emil --unit JG52
  for f in P190ATEX.TPC 190A.3DZ; do put "$run/dl3/$f"; done
  must cli --yes skins add "$run/dl3/P190ATEX.TPC" --model Anton --unit JG2
  must cli skins choose 1 spring 109E 1
  must cli skins choose 1 winter 109E 1
  must cli skins choose 1 spring 190A 3
  put "$own/Skins/Channel Front/Spring/PMINE.TPC"
}
expect_staging() { expect_kept PMINE.TPC; }

info() { # sets op and by_status (1: the next start is the operation itself)
  by_status=0
  case $1 in
    season) op=(season winter) ;;
    set) op=(set 2) ;;
    default) op=(season default) ;;
    first-install | upgrade12 | upgrade13) op=(status) by_status=1 ;;
    skins-add) op=(--yes skins add "$run/dl/P109ETEX.TPC" --model Emil --unit JG26) ;;
    skins-delete) op=(--yes skins delete 1) ;;
    staging) op=(skins choose 1 spring 109E 2) ;;
  esac
}

# --- Measures ---

# "sum  path" for every file under the run folder.
sums() { (cd "$run" && find . -type f -printf '%P\0' | LC_ALL=C sort -z | xargs -0 -r sha256sum); }

# What the player owns: every file but Harbinet's bookkeeping (the history among it) and the
# profile files a change rewrites on purpose (settings, EAW.INI, Skins.INI, the sets' choices
# files).
player_sums() {
  sums | awk '{ p = substr($0, 67) }
    p ~ /(^|\/)\.harbinet[-.][^\/]*$/ { next }
    p == "EAW/EAW.INI" || p == "EAW/Harbinet/harbinet.INI" { next }
    p == "EAW/Harbinet/history.log" { next }
    p == "EAW/Harbinet/Vandelholt/Skins.INI" { next }
    p ~ /^EAW\/Harbinet\/Vandelholt\/[^\/]*\.DAT$/ && p !~ /\/[0-9]+\.DAT$/ { next }
    { print }'
}

# The state compared: folders and files (relative path and sha256), the dated folders of
# Originals/ by the paths inside them, without the copy index, locks, journal, temporaries and
# the history (its times differ from run to run).
manifest() {
  {
    (cd "$run" && find . -mindepth 1 -type d -printf '%P/\n')
    sums | awk '{ print substr($0, 67) " " substr($0, 1, 64) }'
  } | sed -E 's#^(EAW/Harbinet/Originals/)[^/]+/#\1*/#' |
    grep -Ev '^EAW/Harbinet/Originals/(.*/)?$|^EAW/Harbinet/history\.log |(^|/)\.harbinet(-copies|\.lock|-journal|-[^/ ]*\.tmp)( |$)' |
    LC_ALL=C sort
}

leftovers() { find "$@" -name '.harbinet-*.tmp' -type f 2>/dev/null; }

# Contents of $1 (player_sums output) found nowhere now, but those listed in $2.
lost_now() {
  sums | cut -c1-64 | sort -u >"$work/have"
  awk 'FILENAME == ARGV[1] { skip[$1] = 1; next } FILENAME == ARGV[2] { have[$1] = 1; next }
       !($1 in skip) && !($1 in have) { print substr($0, 67) }' "$2" "$work/have" "$1"
}

expect_kept() { # NAME...: each in Originals/ after the uninterrupted operation
  local name
  for name in "$@"; do
    [ -n "$(find "$own/Originals" -name "$name" -type f 2>/dev/null)" ] ||
      reference_problems+=("$name did not end in Originals/")
  done
}

# The skin files `skins delete 1` deletes on purpose: the record's files, previews, the record.
deleted_on_purpose() {
  : >"$work/skip"
  [ "$1" = skins-delete ] || return 0
  local list name
  list=$("$cli_program" ini get "$cat/1.DAT" Skin Files --size 65536)
  IFS=/ read -ra names <<<"$list"
  for name in "${names[@]}" ; do
    [ -z "$name" ] || sha256sum "$cat/1_$name"
  done >>"$work/skip"
  for name in 1.JPG 1.GIF 1.DAT; do
    [ ! -f "$cat/$name" ] || sha256sum "$cat/$name"
  done >>"$work/skip"
}

# Paths shown relative to the run folder.
short() { sed "s#$run/##g; s#$work/##g"; }


# The K-th call of that name in a trace, as strace wrote it.
call_in() { # TRACE CALL K
  grep -E "^[0-9]+ +$2\(" "$1" | sed -n "${3}p" | sed -E 's/^[0-9]+ +//' | short
}

# Runs the program under strace, killed at the K-th call CALL; sets rc.
run_killed() { # CALL K ARGS...
  local call=$1 k=$2
  shift 2
  # The group's own stderr takes the shell's "Killed" notice.
  {
    strace -f -o /dev/null -e trace="$call" -e inject="$call:signal=KILL:when=$k" -- \
      "$cli_program" --folder "$own" "$@" >/dev/null 2>&1
  } 2>/dev/null
  rc=$?
}

failures=()
total_points=0 total_killed=0 total_lost=0 total_torn=0 total_left=0 total_home=0 total_old=0
calls=$(IFS=,; echo "${syscalls[*]}")

# One kill point: a fresh setup, the operation killed at CALL #K (and with CALL2 #K2, the next
# start killed too), then the next start, then the checks. Adds to the scenario's counts.
kill_point() { # NAME CALL K [CALL2 K2]
  local name=$1 call=$2 k=$3 call2=${4:-} k2=${5:-}
  local label
  label="$call #$k [$(call_in "$work/ref.trace" "$call" "$k")]"
  points=$((points + 1))
  "setup_$name"
  run_killed "$call" "$k" "${op[@]}"
  [ "$rc" -ne 137 ] || killed=$((killed + 1))
  local op_rc=$rc
  if [ -n "$call2" ]; then
    label+=", then status killed at $call2 #$k2 [$(call_in "$work/resume.trace" "$call2" "$k2")]"
    run_killed "$call2" "$k2" status
    [ "$rc" -eq 137 ] || label+=" (status not killed: exit $rc)"
  fi
  rm -f "$work/journal-copy"
  [ ! -e "$journal" ] || cp "$journal" "$work/journal-copy"

  local start ms status_out=""
  start=$(date +%s%N)
  cli status >"$work/out" 2>&1 || status_out="(exit $?) $(cat "$work/out")"
  ms=$((($(date +%s%N) - start) / 1000000))
  ms_sum=$((ms_sum + ms))
  [ "$ms" -le "$ms_max" ] || ms_max=$ms

  local lost_list diff_list="" what=() found_left found_home
  lost_list=$(lost_now "$work/before" "$work/skip")
  found_left=$(leftovers "$run" | short)
  found_home=$(leftovers "$HOME" | short)
  manifest >"$work/now"
  if [ -n "$lost_list" ]; then
    lost=$((lost + $(wc -l <<<"$lost_list")))
    what+=("lost $(wc -l <<<"$lost_list") contents")
  fi
  if [ -e "$journal" ]; then
    torn=$((torn + 1))
    what+=("torn: the journal remains")
  elif cmp -s "$work/now" "$work/expected"; then
    :
  elif [ "$by_status" -eq 0 ] && cmp -s "$work/now" "$work/old"; then
    old=$((old + 1))
  else
    torn=$((torn + 1))
    what+=("torn")
    diff_list=$(diff "$work/expected" "$work/now" | sed -n 's/^< /- /p; s/^> /+ /p')
  fi
  if [ -n "$found_left" ]; then
    left=$((left + $(wc -l <<<"$found_left")))
    what+=("leftovers: $(tr '\n' ' ' <<<"$found_left")")
  fi
  if [ -n "$found_home" ]; then
    home_left=$((home_left + $(wc -l <<<"$found_home")))
    what+=("leftovers in the home folder: $(tr '\n' ' ' <<<"$found_home")")
  fi
  [ "$op_rc" -eq 137 ] || what+=("(not killed: exit $op_rc)")
  [ ${#what[@]} -gt 0 ] || return 0

  failures+=("$name: $label: ${what[*]}")
  [ -z "$lost_list" ] || failures+=("    lost: $(tr '\n' ',' <<<"$lost_list" | sed 's/,$//; s/,/, /g')")
  if [ -n "$diff_list" ]; then
    failures+=("    differs from the uninterrupted end state (- expected, + found):")
    local line
    while IFS= read -r line; do failures+=("      $line"); done < <(head -n 12 <<<"$diff_list")
    local more=$(($(wc -l <<<"$diff_list") - 12))
    [ "$more" -le 0 ] || failures+=("      ... $more more")
  fi
  if [ -s "$work/journal-copy" ]; then
    local actions
    actions=$(grep -c '^action' "$work/journal-copy")
    failures+=("    the journal before status ($(sed -n 's/^what\t//p' "$work/journal-copy"), $actions actions):")
    while IFS= read -r line; do failures+=("      $line"); done < <(grep '^action' "$work/journal-copy" |
      sed 's/^action\t//; s/\t/ /g' | short | head -n 10)
    [ "$actions" -le 10 ] || failures+=("      ... $((actions - 10)) more")
  else
    failures+=("    no journal before status")
  fi
  [ -z "$status_out" ] || failures+=("    status said: $(tr '\n' ' ' <<<"$status_out" | short)")
  if [ -n "${KILL_KEEP:-}" ]; then
    local keep="$KILL_KEEP/$name-$call-$k${call2:+-$call2-$k2}"
    rm -rf "$keep" && mkdir -p "$keep" && cp -a "$run" "$keep/" &&
      { [ ! -s "$work/journal-copy" ] || cp "$work/journal-copy" "$keep/journal-before-status"; }
  fi
}

run_scenario() {
  local name=$1 rc
  info "$name"
  reference_problems=()

  # The uninterrupted operation, traced to count its calls: the end state every kill must reach.
  "setup_$name"
  player_sums >"$work/before"
  manifest >"$work/old"
  deleted_on_purpose "$name"
  strace -f -o "$work/ref.trace" -e trace="$calls" -- "$cli_program" --folder "$own" "${op[@]}" \
    >"$work/out" 2>&1
  rc=$?
  [ "$rc" -eq 0 ] || reference_problems+=("the operation exited $rc: $(tr '\n' ' ' <"$work/out" | short)")
  cli status >"$work/out" 2>&1 || reference_problems+=("status exited $?: $(tr '\n' ' ' <"$work/out" | short)")
  manifest >"$work/expected"
  "expect_$name"
  if [ -n "${KILL_KEEP:-}" ]; then
    rm -rf "$KILL_KEEP/$name-uninterrupted" && mkdir -p "$KILL_KEEP/$name-uninterrupted" &&
      cp -a "$run" "$work/ref.trace" "$work/expected" "$KILL_KEEP/$name-uninterrupted/"
  fi
  local lost_ref left_ref
  lost_ref=$(lost_now "$work/before" "$work/skip")
  left_ref=$(leftovers "$run" "$HOME" | short)
  [ -z "$lost_ref" ] || reference_problems+=("lost: $(tr '\n' ' ' <<<"$lost_ref")")
  [ -z "$left_ref" ] || reference_problems+=("leftovers: $(tr '\n' ' ' <<<"$left_ref")")
  [ ! -e "$journal" ] || reference_problems+=("the journal remains")
  cmp -s "$work/old" "$work/expected" && reference_problems+=("the operation changed nothing")

  # The next start with nothing to finish, for comparison.
  local start idle_ms
  start=$(date +%s%N)
  cli status >/dev/null 2>&1
  idle_ms=$((($(date +%s%N) - start) / 1000000))

  # The checker itself: a second uninterrupted run must end in the same state.
  "setup_$name"
  cli "${op[@]}" >/dev/null 2>&1
  cli status >/dev/null 2>&1
  if ! manifest | cmp -s - "$work/expected"; then
    reference_problems+=("two uninterrupted runs end differently; the checker cannot judge kills:
$(manifest | diff "$work/expected" - | grep '^[<>]' | head -n 6)")
  fi
  if [ ${#reference_problems[@]} -gt 0 ]; then
    local p
    for p in "${reference_problems[@]}"; do failures+=("$name: uninterrupted: $p"); done
    total_torn=$((total_torn + 1))
  fi

  points=0 killed=0 lost=0 torn=0 left=0 home_left=0 old=0 ms_sum=0 ms_max=0
  local call k n call2 k2 n2
  for call in "${syscalls[@]}"; do
    n=$(grep -cE "^[0-9]+ +$call\(" "$work/ref.trace")
    for ((k = 1; k <= n; k++)); do
      kill_point "$name" "$call" "$k"
      [ -n "${KILL_RESUME:-}" ] || continue
      # The next start killed too, at each of its own calls.
      "setup_$name"
      run_killed "$call" "$k" "${op[@]}"
      strace -f -o "$work/resume.trace" -e trace="$calls" -- "$cli_program" --folder "$own" \
        status >/dev/null 2>&1
      for call2 in "${syscalls[@]}"; do
        n2=$(grep -cE "^[0-9]+ +$call2\(" "$work/resume.trace")
        for ((k2 = 1; k2 <= n2; k2++)); do kill_point "$name" "$call" "$k" "$call2" "$k2"; done
      done
    done
  done

  local mean=0
  [ "$points" -eq 0 ] || mean=$((ms_sum / points))
  printf '%-13s %3d kill points, %3d killed mid-way, %d lost contents, %d torn, %d leftovers' \
    "$name:" "$points" "$killed" "$lost" "$torn" "$left"
  [ "$home_left" -eq 0 ] || printf ' (+%d in the home folder)' "$home_left"
  [ "$by_status" -eq 1 ] || printf ', %d unchanged' "$old"
  printf '; status after a kill %d ms mean, %d ms max (%d ms with nothing to finish)\n' \
    "$mean" "$ms_max" "$idle_ms"
  total_points=$((total_points + points)) total_killed=$((total_killed + killed))
  total_lost=$((total_lost + lost)) total_torn=$((total_torn + torn))
  total_left=$((total_left + left)) total_home=$((total_home + home_left))
  total_old=$((total_old + old))
}

started=$(date +%s)
for name in "${scenarios[@]}"; do run_scenario "$name"; done
printf '%-13s %3d kill points, %3d killed mid-way, %d lost contents, %d torn, %d leftovers' \
  "total:" "$total_points" "$total_killed" "$total_lost" "$total_torn" "$total_left"
[ "$total_home" -eq 0 ] || printf ' (+%d in the home folder)' "$total_home"
printf ', %d unchanged; %d s\n' "$total_old" $(($(date +%s) - started))
if [ ${#failures[@]} -gt 0 ]; then
  echo
  printf '%s\n' "${failures[@]}"
fi
[ "$total_lost" -eq 0 ] && [ "$total_torn" -eq 0 ]

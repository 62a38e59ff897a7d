#!/usr/bin/env bash
# Screenshots every window of the program for two revisions of the tree and
# compares them pixel for pixel: a check for changes that must leave the
# windows exactly as they were.
#
#   scripts/compare-window-shots.sh BASE_REV [OTHER_REV]
#
# OTHER_REV defaults to this working tree, uncommitted changes included.
# Each revision is checked out into a scratch git worktree, its libraries
# and the tool tools/window-shots (always this tree's copy of the tool) are
# built (Debug), a throwaway SQLite data source is made from the
# revision's own schema and demonstration tables plus a fixed row in xmsz
# for each school year, and the tool shoots every window under Xvfb
# (1920x1080x24, the xcb platform) into a folder of PNGs. Then the two
# folders are compared: one line per window, "same" or "DIFFERENT" with
# the count of differing pixels and their bounding box, and for each
# differing window an image with the changed pixels in red. The exit
# status is 0 when every window is the same, 1 when any differs, 2 when
# the run itself failed. BASE_REV against itself checks that the shots
# do not vary from run to run.
#
# Environment:
#   WINDOW_SHOTS_CACHE  scratch worktrees, build folders and data sources,
#                       kept between runs so that a second run builds only
#                       what changed (default ~/.cache/kelvaro-window-shots)
#   WINDOW_SHOTS_OUT    where the shots go: base/, other/ and diff/, emptied
#                       on every run (default $WINDOW_SHOTS_CACHE/out)
#   WINDOW_SHOTS_JOBS   parallel compile jobs (default 4)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${WINDOW_SHOTS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvaro-window-shots}"
out="${WINDOW_SHOTS_OUT:-$cache/out}"
jobs="${WINDOW_SHOTS_JOBS:-4}"

if [[ $# -lt 1 || $# -gt 2 ]]; then
    echo "usage: $0 BASE_REV [OTHER_REV]" >&2
    exit 2
fi
mkdir -p "$cache"
cache="$(cd "$cache" && pwd)"

# The functions below are called as "f || exit 2", where set -e does not
# act inside them: each one returns 1 itself when a step fails.

# The source tree of a revision, printed on stdout: this working tree for
# an empty revision, else a scratch worktree of the commit, reused when it
# is already there.
source_tree() {
    local rev="$1"
    if [[ -z "$rev" ]]; then
        echo "$root"
        return
    fi
    local commit dir
    commit="$(git -C "$root" rev-parse --verify --quiet "$rev^{commit}")" || {
        echo "No such revision: $rev" >&2
        return 1
    }
    dir="$cache/src-${commit:0:12}"
    if [[ ! -d "$dir" || "$(git -C "$dir" rev-parse HEAD 2>/dev/null)" != "$commit" ]]; then
        # --force takes the place over from a scratch worktree whose folder
        # was deleted by hand.
        rm -rf "$dir"
        git -C "$root" worktree add --detach --force "$dir" "$commit" >&2 || return 1
    fi
    echo "$dir"
}

# A name for a tree's build folder and data source: the commit, or
# "worktree" and a hash of this tree's path.
tree_label() {
    local rev="$1"
    if [[ -z "$rev" ]]; then
        echo "worktree-$(printf '%s' "$root" | md5sum | cut -c1-8)"
    else
        git -C "$root" rev-parse --short=12 "$rev^{commit}"
    fi
}

# Builds the tool against the tree's libraries into $cache/build-<label>.
build_tool() {
    local tree="$1" label="$2"
    local build="$cache/build-$label"
    if [[ ! -f "$build/CMakeCache.txt" ]]; then
        cmake -S "$root/tools/window-shots" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DKELVARO_TREE="$tree" >"$cache/configure-$label.log" 2>&1 || {
            cat "$cache/configure-$label.log" >&2
            return 1
        }
    fi
    echo "Building $label (log: $cache/build-$label.log)" >&2
    cmake --build "$build" --target window-shots -j "$jobs" >"$cache/build-$label.log" 2>&1 || {
        tail -n 40 "$cache/build-$label.log" >&2
        return 1
    }
}

# A fresh SQLite data source in $cache/var-<label> from the tree's schema
# and demonstration tables (made by this tree's create-data-source.sh, as
# start.sh makes its own), with each school year's items set, so that the
# calculators open without asking for their settings. Each year chooses
# one item of every group, as its settings window saves them, a different
# choice in each year:
#   21  boys 1000 m, 50 m, sit and reach; girls 800 m, long jump, sit-ups
#   22  boys step test, long jump, grip; girls step test, 50 m, sit and reach
#   23  boys 1000 m, long jump, sit and reach; girls 800 m, 50 m, grip
make_data_source() {
    local tree="$1" label="$2"
    local var="$cache/var-$label"
    rm -rf "$var"
    bash "$root/scripts/create-data-source.sh" --var "$var" --data "$tree/data" >/dev/null || return 1
    sqlite3 -bail "$var/kelvaro.db" <<SQL || return 1
INSERT INTO xmsz (nj, xm_z_m, xm_5_m, xm_l_m, xm_t_m, xm_58_m, xm_w_m, xm_1_m,
    xm_8_w, xm_z_w, xm_5_w, xm_l_w, xm_t_w, xm_58_w, xm_w_w, xm_y_w) VALUES
    ('21', '1', '1', '0', '0', '1', '0', '1', '1', '0', '0', '1', '0', '1', '0', '1'),
    ('22', '0', '0', '1', '1', '1', '1', '0', '0', '1', '1', '0', '1', '1', '0', '0'),
    ('23', '1', '0', '1', '0', '1', '0', '1', '1', '0', '1', '0', '0', '1', '1', '0');
SQL
}

# Runs the tool of build <label> under its own Xvfb into the folder $2.
# Only what the shots depend on is passed on: no scaling, style, theme or
# font settings from the caller's session.
shoot() {
    local label="$1" shots="$2"
    local var="$cache/var-$label"
    rm -rf "$shots"
    mkdir -p "$shots" "$cache/runtime" || return 1
    chmod 700 "$cache/runtime"
    echo "Shooting $label into $shots" >&2
    env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$cache/runtime" \
        LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb \
        ODBCSYSINI="$var/odbc" ODBCINI="$var/odbc/odbc.ini" \
        timeout 600 xvfb-run --auto-servernum \
        --server-args="-screen 0 1920x1080x24 -dpi 96 -nolisten tcp" \
        "$cache/build-$label/window-shots" shoot "$shots" >"$shots.log" 2>&1 || {
        cat "$shots.log" >&2
        echo "The tool failed for $label; its output is above." >&2
        return 1
    }
}

base_rev="$1"
other_rev="${2:-}"
base_tree="$(source_tree "$base_rev")" || exit 2
other_tree="$(source_tree "$other_rev")" || exit 2
base_label="$(tree_label "$base_rev")"
other_label="$(tree_label "$other_rev")"

build_tool "$base_tree" "$base_label" || exit 2
if [[ "$other_label" != "$base_label" ]]; then
    build_tool "$other_tree" "$other_label" || exit 2
fi

# Each run gets a fresh data source: a run may change it.
make_data_source "$base_tree" "$base_label" || exit 2
shoot "$base_label" "$out/base" || exit 2
make_data_source "$other_tree" "$other_label" || exit 2
shoot "$other_label" "$out/other" || exit 2

echo "Comparing $base_label ($out/base) with $other_label ($out/other)"
rm -rf "$out/diff"
status=0
"$cache/build-$base_label/window-shots" compare "$out/base" "$out/other" "$out/diff" || status=$?
exit "$status"

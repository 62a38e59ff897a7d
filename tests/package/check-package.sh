#!/usr/bin/env bash
# Builds the Debian package as the README says (a Release build of its own
# below BUILD_DIR, with Debian's hardening flags and a maintainer address)
# and checks it: the installed program is hardened and has no RUNPATH, the
# dependencies name no library it does not link, and lintian, appstreamcli
# and desktop-file-validate, where they are installed, find nothing to
# report at the levels of error and warning. A missing checker is reported
# and the test counts as skipped (exit status 77).
#
#   check-package.sh SOURCE_DIR BUILD_DIR [WARNINGS_AS_ERRORS]
set -euo pipefail
source_dir="$1"
build="$2"
werror="${3:-OFF}"

# The package's time: the commit's, as Debian takes the changelog's.
SOURCE_DATE_EPOCH="$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || echo 1700000000)"
export SOURCE_DATE_EPOCH
# Without precompiled headers, so that every file must include what it uses.
configure() {
    cmake -S "$source_dir" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DKELVARO_BUILD_BENCHMARKS=OFF \
        -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON \
        -DKELVARO_DEBIAN_BUILD_FLAGS=ON -DKELVARO_WARNINGS_AS_ERRORS="$werror" \
        -DKELVARO_PACKAGE_MAINTAINER="kelvaro package check <package-check@kelvaro.example>"
}
configure "$build"
cmake --build "$build"
rm -f "$build"/kelvaro_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/kelvaro_*.deb)
deb="${debs[0]}"
echo "== $deb"

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

# Debian's flags alone decide the optimisation: -O2 as dpkg-buildflags
# gives it, and with DEB_BUILD_OPTIONS=noopt -O0, never the build type's -O3.
flags="$(grep -m1 'FLAGS =' "$build/build.ninja")"
grep -qw -- '-O2' <<<"$flags" && ! grep -qw -- '-O3' <<<"$flags" ||
    fail "the package's compile flags are not Debian's: $flags"
DEB_BUILD_OPTIONS=noopt configure "$build-noopt" >/dev/null
flags="$(grep -m1 'FLAGS =' "$build-noopt/build.ninja")"
grep -qw -- '-O0' <<<"$flags" && ! grep -qE -- '-O[1-3s]' <<<"$flags" ||
    fail "DEB_BUILD_OPTIONS=noopt does not give -O0 alone: $flags"
rm -rf "$build-noopt"

# Only what the program links is built: not the printer library.
! cmake --build "$build" --target help | grep -q kelvaro_printer ||
    fail "the package's build makes the printer library"

# Reproducible: the program built again (a new file, another time) gives
# the same package.
cp "$deb" "$build/first.deb"
rm -f "$build/src/kelvaro"
sleep 1
cmake --build "$build" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
cmp -s "$deb" "$build/first.deb" || fail "two packages of one commit differ"
rm -f "$build/first.deb"
contents="$build/package-contents"
rm -rf "$contents"
dpkg-deb -x "$deb" "$contents"

# The program as dpkg-buildflags' hardening makes it: bound at start-up,
# position-independent, stack protector, fortified functions; no RUNPATH.
dynamic="$(readelf -d "$contents/usr/bin/kelvaro")"
grep -q 'BIND_NOW' <<<"$dynamic" || fail "the program is not linked with -z now"
grep -q 'PIE' <<<"$dynamic" || fail "the program is not position-independent"
! grep -qE 'R(UN)?PATH' <<<"$dynamic" || fail "the program has a search path: $(grep -E 'R(UN)?PATH' <<<"$dynamic")"
symbols="$(readelf --dyn-syms -W "$contents/usr/bin/kelvaro")"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the program has no stack protector"
grep -qE '__[a-z_]+_chk@' <<<"$symbols" || fail "the program calls no fortified function"
if readelf -S -W "$contents/usr/bin/kelvaro" | grep -qE '\] \.(comment|note) '; then
    fail "the program keeps its .comment or .note section"
fi

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libqt6printsupport6 libcups2; do
    ! grep -qw "$library" <<<"$depends" || fail "Depends names $library, which the program does not link"
done
for needed in libqt6widgets6 libqt6gui6 libodbc2 odbcinst libsqliteodbc; do
    grep -qw "$needed" <<<"$depends" || fail "Depends does not name $needed"
done
# The X11 platform plugin is in libqt6gui6; qt6-qpa-plugins holds only VNC
# and touch plugins the program does not use. Wayland's is recommended.
! grep -qw qt6-qpa-plugins <<<"$depends" || fail "Depends names qt6-qpa-plugins"
recommends="$(dpkg-deb -f "$deb" Recommends)"
echo "Recommends: $recommends"
grep -qw qt6-wayland <<<"$recommends" || fail "Recommends does not name qt6-wayland"

skipped=()
if command -v lintian >/dev/null; then
    echo "== lintian --pedantic -I"
    report="$(lintian --pedantic -I "$deb" 2>&1 | grep -v '^running with root privileges' || true)"
    [[ -z "$report" ]] || echo "$report"
    if grep -qE '^[EW]: ' <<<"$report"; then
        fail "lintian reports errors or warnings"
    fi
else
    skipped+=("lintian (package lintian)")
fi
if command -v appstreamcli >/dev/null; then
    echo "== appstreamcli validate --no-net"
    appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml ||
        fail "appstreamcli does not accept the metainfo"
else
    skipped+=("appstreamcli (package appstream)")
fi
if command -v desktop-file-validate >/dev/null; then
    echo "== desktop-file-validate"
    report="$(desktop-file-validate "$contents/usr/share/applications/kelvaro.desktop" 2>&1)" &&
        [[ -z "$report" ]] || fail "desktop-file-validate: $report"
else
    skipped+=("desktop-file-validate (package desktop-file-utils)")
fi

((failed == 0)) || exit 1
if ((${#skipped[@]} > 0)); then
    echo "Not installed, so not run: ${skipped[*]}"
    exit 77
fi
echo "The package passes every check."

#!/usr/bin/env bash
# Builds the Debian package and looks inside: the installed files under /usr, the libraries the
# binary needs as dependencies (computed from the binary), the platform plugin named by hand,
# and a packaged program that runs.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
need dpkg-deb dpkg-shlibdeps od

(cd "$WORK" && "$CPACK" -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out") >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack failed"; }
debs=("$WORK"/out/tockwell_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
DEB=${debs[0]}

dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' | LC_ALL=C sort >"$WORK/packaged"
expected_files >"$WORK/expected"
diff -u "$WORK/expected" "$WORK/packaged" || fail "the package holds other files than an installation"

field() { dpkg-deb -f "$DEB" "$1"; }
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6network6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
done
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 2 ] || fail "the Description has no long text"

dpkg-deb -x "$DEB" "$WORK/root"
version=$(run_bare "$WORK/root/usr/bin/tockwell" --version) || fail "the packaged program does not run"
[ "$version" = "tockwell $(field Version)" ] || fail "the package is version $(field Version), the program says '$version'"
echo "PASS: $(basename "$DEB"), $(stat -c %s "$DEB") bytes; Depends: $depends"

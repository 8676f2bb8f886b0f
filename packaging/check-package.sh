#!/usr/bin/env bash
# Builds the Debian package and runs Debian's own checks on it:
#   lintian --pedantic   nothing but the overridden tags may show;
#   piuparts             install and purge in a clean Debian 12 chroot and,
#                        given the previous version's package (-p), install
#                        that, upgrade to this one and purge;
#   adequate             run by piuparts in its chroot after each
#                        installation; any finding fails.
#
#   packaging/check-package.sh [-p PREVIOUS.deb] [-b BUILD_DIR] [-l]
#
# -l: lintian only (no root, no chroot). Otherwise as root, on Debian 12 with
# lintian, piuparts, adequate, debootstrap and apt-utils. The chroot's base is
# made once with debootstrap from the machine's apt mirror and kept as
# BUILD_DIR/piuparts-bookworm.tgz. Prints how long each step took.
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-package"
previous=
lintian_only=
while getopts "p:b:l" option; do
    case $option in
    p) previous=$(realpath "$OPTARG") ;;
    b) build=$OPTARG ;;
    l) lintian_only=1 ;;
    *) echo "usage: $0 [-p PREVIOUS.deb] [-b BUILD_DIR] [-l]" >&2; exit 1 ;;
    esac
done

step() {
    echo "== $1 ($(date +%T))"
}
started=$SECONDS
took() {
    echo "   $1: $((SECONDS - started)) s"
    started=$SECONDS
}

step "build the package in $build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DEXAM_BUILD_TESTS=OFF -DEXAM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(realpath "$(ls "$build"/qinglan-exam_*.deb)")
echo "   $deb"
took build

step "lintian --pedantic"
lintian --pedantic --fail-on error,warning,info,pedantic --tag-display-limit 0 "$deb"
took lintian
[ -n "$lintian_only" ] && exit 0

# The machine's mirror, as apt knows it (deb822 sources or a sources.list).
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
[ -n "$mirror" ] || mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list 2>/dev/null)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian
base=$(realpath "$build")/piuparts-bookworm.tgz
piuparts=(piuparts --distribution=bookworm --mirror="$mirror main" --fail-if-inadequate)
if [ -f "$base" ]; then
    piuparts+=(--basetgz="$base")
else
    step "piuparts' base chroot (debootstrap, kept as $base)"
    piuparts+=(--save="$base")
fi

extra=()
if [ -n "$previous" ]; then
    # The previous version in a repository of its own, which piuparts'
    # chroot reads through a bind mount: piuparts installs it with apt-get,
    # then upgrades to this package and purges.
    repo=$(mktemp -d /tmp/qinglan-previous.XXXXXX)
    trap 'rm -rf "$repo"' EXIT
    cp "$previous" "$repo/"
    (cd "$repo" && apt-ftparchive packages . > Packages)
    chmod -R a+rX "$repo"
    extra=(--extra-repo="deb [trusted=yes] file://$repo ./" --bindmount="$repo")
fi

step "piuparts: install and purge${previous:+, and an upgrade from $(basename "$previous")}"
"${piuparts[@]}" "${extra[@]}" "$deb"
took piuparts
echo "== all checks passed"

#!/usr/bin/env bash
# The roll-out to a room, tried for real: makes a school's bank package with
# qbank package, serves it and the program's package from a local apt
# repository made with apt-ftparchive, and installs the bank package with
# apt-get on a second "PC" (a Debian 12 chroot), which brings the program
# with it. There a pupil's first start must take the bank package's bank, and
# reinstalling the program must keep it.
#
#   packaging/try-room.sh PROGRAM.deb BANK.json [PICTURES_FOLDER]
#
# As root, with debootstrap and apt-utils. qbank is the one in the package
# build (build-package/devtools/qbank, or QBANK=...). The chroot starts from
# build-package/piuparts-bookworm.tgz when check-package.sh made it, else
# from debootstrap. Everything it makes is removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -ge 2 ] || { echo "usage: $0 PROGRAM.deb BANK.json [PICTURES_FOLDER]" >&2; exit 1; }
program=$(realpath "$1")
bank=$(realpath "$2")
pictures=${3:+$(realpath "$3")}
qbank=${QBANK:-build-package/devtools/qbank}
base=build-package/piuparts-bookworm.tgz
school=trial

work=$(mktemp -d /tmp/qinglan-room.XXXXXX)
root=$work/pc2
repo=$work/repo
cleanup() {
    for mount in "$root/srv/school-repo" "$root/proc"; do
        mountpoint -q "$mount" && umount "$mount"
    done
    rm -rf "$work"
}
trap cleanup EXIT
started=$SECONDS

echo "== the school's bank package"
mkdir -p "$repo"
"$qbank" package "$bank" ${pictures:+--pictures "$pictures"} --name "$school" --version 1.0 \
    --maintainer "青岚驾校信息组 <it@qinglan-jx.example>" -o "$repo"
if command -v lintian >/dev/null; then
    lintian --pedantic --fail-on error,warning,info,pedantic "$repo"/qinglan-exam-bank-*.deb
    echo "   lintian --pedantic: nothing to say"
fi
cp "$program" "$repo/"

echo "== the school's apt repository ($repo)"
(cd "$repo" && apt-ftparchive packages . > Packages && apt-ftparchive release . > Release)
ls "$repo"

echo "== the second PC: a Debian 12 chroot"
mkdir -p "$root"
if [ -f "$base" ]; then
    tar -xzf "$base" -C "$root"
else
    mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
    debootstrap --variant=minbase bookworm "$root" "${mirror:-http://deb.debian.org/debian}" >/dev/null
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mkdir -p "$root/srv/school-repo"
mount --bind "$repo" "$root/srv/school-repo"
echo "deb [trusted=yes] file:/srv/school-repo ./" > "$root/etc/apt/sources.list.d/school.list"
in_pc2() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
in_pc2 apt-get update -qq
in_pc2 apt-get install -y -qq --no-install-recommends "qinglan-exam-bank-$school" >/dev/null
in_pc2 dpkg-query -W qinglan-exam "qinglan-exam-bank-$school"

echo "== a pupil's first start on the second PC"
in_pc2 useradd -m pupil
in_pc2 su pupil -c 'QT_QPA_PLATFORM=offscreen theoryexam --quit-after-show'
source_line=$(grep '^source=' "$root/home/pupil/.local/share/qinglan-exam/data.db.source")
echo "   $source_line"
[ "$source_line" = "source=/usr/share/qinglan-exam/bank/data.db" ]

echo "== reinstalling the program keeps the school's bank"
in_pc2 apt-get install -y -qq --reinstall qinglan-exam >/dev/null
in_pc2 qbank stats /usr/share/qinglan-exam/bank/data.db | sed -n 1,3p
in_pc2 dpkg -V qinglan-exam "qinglan-exam-bank-$school"
echo "== the roll-out works ($((SECONDS - started)) s)"

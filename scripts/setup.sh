#!/bin/sh
# Installs every Debian package that the build and the tests need.
# Does nothing when they are all present.
set -eu

PACKAGES="g++ cmake ninja-build pkg-config git
qt6-base-dev qt6-base-dev-tools libqt6test6 qt6-qpa-plugins
zlib1g-dev libzip-dev
libgtest-dev libgmock-dev libbenchmark-dev
proj-bin libproj-dev
rtklib
python3 python3-ezdxf gdal-bin
fonts-dejavu-core fonts-liberation xauth xvfb locales"

# The tests check that files come out the same under these locales.
LOCALES="tr_TR.UTF-8 de_DE.UTF-8"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

locales_missing() {
    for l in $LOCALES; do
        short=$(echo "$l" | sed 's/UTF-8/utf8/')
        locale -a 2>/dev/null | grep -qx "$short" || return 0
    done
    return 1
}

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -q --no-install-recommends $missing
fi

if locales_missing; then
    echo "setup: generating $LOCALES"
    for l in $LOCALES; do
        $SUDO sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    done
    $SUDO locale-gen >/dev/null
fi

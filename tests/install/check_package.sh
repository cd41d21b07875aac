#!/usr/bin/env bash
# Builds the Debian package of the build into a scratch folder and checks its
# contents list, its dependencies and what lintian says of it: no error and
# no warning.
#
# Usage: check_package.sh <build-dir> <application-id>
set -euo pipefail

build=$1
id=$2

source "$(dirname "$0")/../support/requiretools.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" \
    || { cat "$work/cpack.log" >&2; exit 1; }
package=$(find "$work" -maxdepth 1 -name '*.deb')
[ -n "$package" ] || { echo "cpack wrote no package" >&2; cat "$work/cpack.log" >&2; exit 1; }
echo "== $(basename "$package")"
dpkg-deb -f "$package" Package Version Architecture Depends Recommends

contents=$(dpkg-deb -c "$package" | awk '{ print $NF }')
for file in ./usr/bin/kelmora-settings-editor \
    ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/mime/packages/$id.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/bin/kelmora-si \
    ./usr/share/man/man1/kelmora-settings-editor.1.gz \
    ./usr/share/man/man1/kelmora-si.1.gz \
    ./usr/share/bash-completion/completions/kelmora-si \
    ./usr/share/doc/kelmora-settings-editor/copyright \
    ./usr/share/doc/kelmora-settings-editor/changelog.Debian.gz; do
    grep -qxF "$file" <<<"$contents" || { echo "the package lacks $file" >&2; exit 1; }
done

# Without these the installed editor could not start or open a window.
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6core5compat6 qt6-qpa-plugins libc6; do
    grep -qw "$dependency" <<<"$depends" || { echo "Depends lacks $dependency: $depends" >&2; exit 1; }
done
echo "contents and dependencies as expected"

echo "== lintian"
command -v lintian >/dev/null || { echo "lintian is not installed (scripts/install-deps.sh installs it); skipping" >&2; exit 77; }
# Informational tags are shown but do not fail the test.
lintian --allow-root --fail-on error,warning --display-info "$package"
echo "lintian: no errors or warnings"

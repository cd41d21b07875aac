#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a desktop gets:
# the installed files, the launcher entry and the AppStream file as their
# validators see them, and the file type, as xdg-mime reports it for a demo
# settings file once the installed type package is in a MIME database.
#
# Usage: check_install.sh <build-dir> <kelmora-demo-files> <application-id>
set -euo pipefail

build=$1
demo_tool=$2
id=$3

source "$(dirname "$0")/../support/requiretools.sh"
require_tools desktop-file-validate appstreamcli update-mime-database xdg-mime mimetype man

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root

DESTDIR=$root cmake --install "$build" --prefix /opt/kelmora >/dev/null
prefix=$root/opt/kelmora

echo "== installed files"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
echo "$actual"
expected=$(
    {
        echo bin/kelmora-settings-editor
        echo share/applications/$id.desktop
        echo share/metainfo/$id.metainfo.xml
        echo share/mime/packages/$id.xml
        echo share/doc/kelmora-settings-editor/README.md
        echo share/doc/kelmora-settings-editor/copyright
        echo share/doc/kelmora-settings-editor/changelog.Debian.gz
        echo share/man/man1/kelmora-settings-editor.1.gz
        echo share/man/man1/kelmora-si.1.gz
        echo share/bash-completion/completions/kelmora-si
        echo share/lintian/overrides/kelmora-settings-editor
        echo share/icons/hicolor/scalable/apps/$id.svg
        for size in 16 22 24 32 48 64 128 256; do
            echo share/icons/hicolor/${size}x$size/apps/$id.png
        done
    } | sort
)
# The command-line tool is installed by its own rule, where it is built.
if ! diff <(echo "$expected") <(grep -vx 'bin/kelmora-si' <<<"$actual"); then
    echo "the installed files differ from the expected ones (< expected, > installed)" >&2
    exit 1
fi
[ -x "$prefix/bin/kelmora-settings-editor" ] || { echo "the editor is not executable" >&2; exit 1; }

echo "== man"
# Found by name under the prefix, and formatted without a warning.
for page in kelmora-settings-editor kelmora-si; do
    path=$(MANPATH="$prefix/share/man" man -w "$page")
    [ "$path" = "$prefix/share/man/man1/$page.1.gz" ] || { echo "man finds $page at '$path'" >&2; exit 1; }
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$path" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page.1: $warnings" >&2; exit 1; }
done

echo "== bash completion"
# What "kelmora-si ap<Tab>" gives, where bash-completion is installed.
script=$prefix/share/bash-completion/completions/kelmora-si
bash -n "$script"
if [ -r /usr/share/bash-completion/bash_completion ]; then
    completed=$(bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"
        COMP_WORDS=(kelmora-si ap); COMP_CWORD=1; COMP_LINE="kelmora-si ap"; COMP_POINT=13
        _kelmora_si; echo "${COMPREPLY[*]}"' _ "$script")
    [ "$completed" = apply-order ] || { echo "completed \"$completed\", not apply-order" >&2; exit 1; }
fi

echo "== desktop-file-validate"
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx 'Exec=kelmora-settings-editor %f' "$prefix/share/applications/$id.desktop"
grep -qx 'MimeType=application/x-kelmora-settings;' "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

echo "== xdg-mime query filetype"
# Only the installed package: the machine's own database must not answer.
mkdir -p "$work/data/mime/packages" "$work/home"
cp "$prefix/share/mime/packages/$id.xml" "$work/data/mime/packages/"
XDG_DATA_DIRS="$work/data" update-mime-database "$work/data/mime"
"$demo_tool" "$work/files" >/dev/null
# Recognised by its name, and by its first eight bytes when renamed.
cp "$work/files/demo-2xx.si" "$work/files/copied-off-the-receiver"
for file in demo-hd.si demo-2xx.si copied-off-the-receiver; do
    type=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION XDG_DATA_DIRS="$work/data" XDG_DATA_HOME="$work/home" \
        xdg-mime query filetype "$work/files/$file")
    echo "$file: $type"
    if [ "$type" != application/x-kelmora-settings ]; then
        echo "$file was not recognised as application/x-kelmora-settings" >&2
        exit 1
    fi
done

#!/bin/bash
# Installs the build into a temporary prefix and checks what a desktop and a shell find there: the
# menu entry and the software centre's metadata pass their validators, the manual pages render
# without warnings, bash completes the command-line tool's commands, and the installed program
# maps its own companions into a machine, moving an older machine's mapping to them.
#
# usage: check-install.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# Runs a command as a user whose home is the temporary one, with the installed programs first in PATH.
as_user() {
    PATH="$prefix/bin:$PATH" HOME=$home XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        QT_QPA_PLATFORM=offscreen "$@"
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }

for file in bin/bootcanvas bin/bootcanvas-cli bin/tandemist bin/shufflet bin/cyclette \
    share/applications/bootcanvas.desktop share/icons/hicolor/scalable/apps/bootcanvas.svg \
    share/metainfo/org.example.bootcanvas.metainfo.xml share/man/man1/bootcanvas.1.gz \
    share/man/man1/bootcanvas-cli.1.gz share/man/man1/tandemist.1.gz share/man/man1/shufflet.1.gz \
    share/man/man1/cyclette.1.gz share/bash-completion/completions/bootcanvas-cli \
    share/bootcanvas/translations/bootcanvas_de.qm share/bootcanvas/translations/bootcanvas_it.qm \
    share/doc/bootcanvas/copyright share/doc/bootcanvas/changelog.gz; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done

desktop-file-validate "$prefix/share/applications/bootcanvas.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.bootcanvas.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml)"
for page in bootcanvas bootcanvas-cli tandemist shufflet cyclette; do
    manual=$prefix/share/man/man1/$page.1.gz
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    LC_ALL=C.UTF-8 man -l "$manual" 2>/dev/null | grep -q "^NAME" || fail "man $page shows no NAME section"
done

# What bash offers after the words given, one a line.
completions() {
    as_user bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$0"
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _bootcanvas_cli bootcanvas-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"' \
        "$prefix/share/bash-completion/completions/bootcanvas-cli" "$@"
}
[ "$(completions bootcanvas-cli re | sort | tr '\n' ' ')" = "repair restore " ] ||
    fail "completion of 're': $(completions bootcanvas-cli re)"
[ "$(completions bootcanvas-cli --im)" = "--image" ] ||
    fail "completion of '--im': $(completions bootcanvas-cli --im)"
# The sample machine made on the first run has the set "Deep Ocean"; its name is completed quoted.
[ "$(completions bootcanvas-cli install De)" = 'Deep\ Ocean' ] ||
    fail "completion of 'install De': $(completions bootcanvas-cli install De)"

# The sample machine, made by the installed program, maps the installed companions.
ini=$home/data/bootcanvas/machine/machine.ini
bin=$(cd "$prefix/bin" && pwd -P)
grep -q "tandemist.exe=$bin/tandemist$" "$ini" ||
    fail "a new machine does not map $bin/tandemist: $(cat "$ini")"
# A machine that a build tree made is moved to the installed companions on the next run.
sed -i "s|=$bin/|=/somewhere/build/tools/|" "$ini"
as_user "$prefix/bin/bootcanvas-cli" list >/dev/null 2>&1 || fail "the installed bootcanvas-cli list"
! grep -q "/somewhere/build/tools" "$ini" ||
    fail "an older machine keeps the build tree's companions: $(cat "$ini")"
[ "$(grep -c "=$bin/\(tandemist\|shufflet\|cyclette\)$" "$ini")" = 3 ] ||
    fail "the companions are not all moved: $(cat "$ini")"

echo "$failures failed"
[ "$failures" = 0 ]

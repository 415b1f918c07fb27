#!/bin/sh
# Installs the build into a fresh prefix and starts the installed launcher for two users: each
# gets an installation folder of their own under ~/.local/share/brushwise with links to the
# shared parts and their own progress files. A reinstall keeps both users' progress. The desktop
# entry and the AppStream file pass their validators when those are installed.
# usage: install_users.sh BUILD_DIR
set -eu
build=$1
work=$(mktemp -d /tmp/brushwise-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/brushwise" ] || fail "no launcher in bin/"
[ -x "$prefix/libexec/brushwise/brushwise" ] || fail "no program in libexec/brushwise/"
for f in data/kanji.dat data/examples.dat dlls/ag.rcc res/splash.bmp; do
    [ -e "$prefix/share/brushwise/$f" ] || fail "share/brushwise/$f missing"
done

# Starts the launcher for a user and ends it (SIGTERM) once its progress files exist.
run_as() {
    home=$1
    mkdir -p "$home"
    HOME=$home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$home \
        "$prefix/bin/brushwise" >"$home/out.log" 2>&1 &
    pid=$!
    tries=0
    while [ ! -s "$home/.local/share/brushwise/data/scores.dat" ] && kill -0 $pid 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -lt 300 ] || { kill $pid; fail "no progress files for $home"; }
        sleep 0.1
    done
    sleep 0.3
    kill -TERM $pid 2>/dev/null || true
    wait $pid || true
}

for user in anna ben; do
    run_as "$work/$user"
    folder=$work/$user/.local/share/brushwise
    [ -L "$folder/res" ] && [ -L "$folder/dlls" ] && [ -L "$folder/help" ] || fail "$user: no links"
    [ -L "$folder/data/kanji.dat" ] || fail "$user: kanji.dat is not the shared file"
    for f in llist.dat clist.dat scores.dat; do
        [ -f "$folder/data/$f" ] && [ ! -L "$folder/data/$f" ] || fail "$user: own $f missing"
    done
done

# Anna's progress is her own: mark one of her scores, reinstall, and both users keep theirs.
anna=$work/anna/.local/share/brushwise/data
printf '\001' | dd of="$anna/scores.dat" bs=1 seek=80 conv=notrunc 2>/dev/null
cp "$anna/scores.dat" "$work/anna.scores"
cp "$work/ben/.local/share/brushwise/data/scores.dat" "$work/ben.scores"
cmp -s "$work/anna.scores" "$work/ben.scores" && fail "the users share their scores"
cmake --install "$build" --prefix "$prefix" >/dev/null
run_as "$work/anna"
cmp -s "$work/anna.scores" "$anna/scores.dat" || fail "reinstall lost anna's scores"
cmp -s "$work/ben.scores" "$work/ben/.local/share/brushwise/data/scores.dat" ||
    fail "reinstall changed ben's scores"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.brushwise.Brushwise.desktop" ||
        fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.brushwise.Brushwise.metainfo.xml" \
        >/dev/null || fail "AppStream metainfo"
fi
echo "install: two users, own progress, kept across a reinstall"

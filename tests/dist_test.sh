#!/usr/bin/env bash
# Checks the release files of make dist as a host and a packager would take them. The
# checksums hold for exactly the three files; every file and everything in them names the
# one version; the page's zip, unpacked under a sub-path of one site and framed by a page of
# another, plays in headless Chromium; and the source, unpacked outside any git tree, builds
# and passes make test with a git that refuses to run first on the PATH.
# usage: dist_test.sh DIST_FOLDER VERSION
set -euo pipefail
dist=$(realpath "$1")
version=$2
tests=$(cd "$(dirname "$0")" && pwd)

fail() { echo "FAILED: $*"; exit 1; }
arch=$(dpkg --print-architecture)
tarball=splatvane-$version.tar.gz
deb=splatvane-${version}_$arch.deb
zip=splatvane-web-$version.zip

work=$(mktemp -d /tmp/splatvane-dist.XXXXXX)
# The source is built always in the same folder, so the compiler cache serves the next check.
outside=/tmp/splatvane-dist-source
trap 'rm -rf "$work" "$outside"' EXIT

# The checksums, of the three files and nothing else.
in_order() { LC_ALL=C sort | tr '\n' ' '; }
(cd "$dist" && sha256sum --check --strict SHA256SUMS) || fail "the checksums do not match"
summed=$(cut -d' ' -f3 "$dist/SHA256SUMS" | in_order)
[[ $summed == $(printf '%s\n' "$tarball" "$deb" "$zip" | in_order) ]] || fail "SHA256SUMS lists $summed"
held=$(ls -A "$dist" | in_order)
[[ $held == $(printf '%s\n' SHA256SUMS "$tarball" "$deb" "$zip" | in_order) ]] || fail "dist holds $held"

# One version in everything that names it.
source=$work/splatvane-$version
tar -xzf "$dist/$tarball" -C "$work"
[[ -f $source/CMakeLists.txt && -f $source/LICENSE && ! -e $source/.git ]] \
  || fail "the source archive is not the tree under splatvane-$version/ without .git"
dpkg-deb -x "$dist/$deb" "$work/package"
unzip -q "$dist/$zip" -d "$work/page"
newest_news=$(sed -n 's/^## //p' "$source/NEWS.md" | head -n 1)
newest_release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$work"/package/usr/share/metainfo/*.xml | head -n 1)
newest_change=$(zcat "$work/package/usr/share/doc/splatvane/changelog.gz" | sed -n '1s/^splatvane (\(.*\)).*/\1/p')
for named in "the package:$(dpkg-deb -f "$dist/$deb" Version)" "NEWS.md:$newest_news" \
             "the AppStream metadata:$newest_release" "the changelog:$newest_change"; do
  [[ ${named#*:} == "$version" ]] || fail "${named%%:*} names the version ${named#*:}, not $version"
done
grep -q "Splatvane $version" "$work/page/credits.html" || fail "the page's credits do not name $version"

# The page as game sites serve it: under a sub-path of their origin, in a frame of another.
mkdir -p "$work/host/games/splatvane"
mv "$work/page"/* "$work/host/games/splatvane/"
/usr/bin/python3 "$tests/web/framed_walk.py" "$work/host" games/splatvane

# The source outside any git tree. Its paths taken relative to the build folder, the build
# shares the compiler cache with the git tree's builds too.
rm -rf "$outside"
mkdir -p "$outside"
mv "$source" "$outside/"
source=$outside/splatvane-$version
[[ -z $(cd "$outside" && git rev-parse --show-toplevel 2>/dev/null) ]] || fail "$outside lies in a git tree"
mkdir "$work/no-git"
printf '#!/bin/sh\necho "git $*" >>%q\nexit 1\n' "$work/git-calls" >"$work/no-git/git"
chmod +x "$work/no-git/git"
(cd "$source" && PATH="$work/no-git:$PATH" CCACHE_BASEDIR="$outside" CCACHE_NOHASHDIR=1 make test) \
  || fail "make test failed in the unpacked source"
[[ ! -s $work/git-calls ]] || fail "the build called git: $(cat "$work/git-calls")"
[[ $("$source/build-release/game/splatvane" --version) == "Splatvane $version" ]] \
  || fail "--version tells $("$source/build-release/game/splatvane" --version)"
echo "dist: the checksums hold, every file names $version, the page played framed, and the source passed make test outside git"

#!/usr/bin/env bash
# The release files of one version in one folder: the source as committed, the Debian
# package that make deb built, the page folder that make web built as a zip for the sites
# that host browser games, and the SHA256SUMS of the three.
# usage: make_dist.sh check                      (the tree holds nothing that is not committed)
#        make_dist.sh pack VERSION DIST_FOLDER
set -euo pipefail
cd "$(dirname "$0")/../.."

fail() { echo "make dist: $*" >&2; exit 1; }

check_tree() {
  git rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    || fail "the source archive is made from the git tree, and this folder is not one"
  local changes
  changes=$(git status --porcelain)
  [[ -z $changes ]] || fail "the source archive is the last commit, and the tree differs from it:
$changes
Commit or set aside these changes first, so that the three release files hold the same game."
}

pack() {
  local version=$1 dist=$2
  local arch deb web=build-web
  arch=$(dpkg --print-architecture)
  deb=splatvane_${version}_${arch}.deb
  [[ -f $deb ]] || fail "$deb is missing: make deb builds it"
  [[ -f $web/index.html && -f $web/game-files.json ]] || fail "$web is not a whole page folder: make web builds it"
  check_tree

  rm -rf "$dist"
  mkdir -p "$dist"
  git archive --format=tar.gz --prefix="splatvane-$version/" -o "$dist/splatvane-$version.tar.gz" HEAD
  cp "$deb" "$dist/splatvane-${version}_$arch.deb"
  # Dated as the last commit, so the same commit gives the same zip.
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) \
    python3 tools/dist/web_zip.py "$web" "$dist/splatvane-web-$version.zip"
  (cd "$dist" && sha256sum "splatvane-$version.tar.gz" "splatvane-${version}_$arch.deb" \
     "splatvane-web-$version.zip" >SHA256SUMS)
  echo "Release files of Splatvane $version in $dist/:"
  ls -l "$dist"
}

case ${1:-} in
  check) check_tree ;;
  pack) pack "$2" "$3" ;;
  *) fail "usage: make_dist.sh check | pack VERSION DIST_FOLDER" ;;
esac

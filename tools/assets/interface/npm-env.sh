# Source from an area's build.sh: installs the area's pinned npm packages (package.json and
# package-lock.json in the area folder) under tools/assets/out/npm/<area>/ and exports NODE_PATH.
# usage: . "$root/tools/assets/interface/npm-env.sh" <area-folder>
npm_area=$1
npm_dir=$(cd "$npm_area/../.." && pwd)/assets/out/npm/$(basename "$npm_area")
mkdir -p "$npm_dir"
if ! cmp -s "$npm_area/package-lock.json" "$npm_dir/package-lock.json" || [[ ! -d $npm_dir/node_modules ]]; then
  cp "$npm_area/package.json" "$npm_area/package-lock.json" "$npm_dir/"
  (cd "$npm_dir" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi
export NODE_PATH=$npm_dir/node_modules

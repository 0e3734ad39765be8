# Splatvane: `make run` plays, `make test` checks. Both set up a fresh Debian machine first.
# A player's build needs only these; the suite, the tools and the benchmarks need the rest.
BUILD_PACKAGES := build-essential cmake pkg-config libsdl2-dev libjpeg-dev libfreetype-dev
CHECK_PACKAGES := libgtest-dev libbenchmark-dev nlohmann-json3-dev libstb-dev xvfb xdotool
PACKAGES := $(BUILD_PACKAGES) $(CHECK_PACKAGES)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= 2

.PHONY: all deps build-deps build run test test-plain test-sanitize test-runtime-only assets snapshots clean bench \
        docs-shots fuzz-deps fuzz fuzz-smoke web-deps web web-serve test-web-deps test-web bench-web deb-deps deb \
        test-deb dist test-dist

# Every build is one of CMakePresets.json's; the project's own checks build in Release, as
# players and packagers do, with warnings as errors.

all: build

# Installs what is missing of a list of packages: $(call install-missing,LIST)
define install-missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

build-deps:
	$(call install-missing,$(BUILD_PACKAGES))

build: deps
	cmake --preset dev
	cmake --build --preset dev -j$(JOBS)

run: build
	cd build/game && ./splatvane

test: deps test-plain test-sanitize

test-plain:
	cmake --preset release
	cmake --build --preset release -j$(JOBS)
	ctest --preset release -j$(JOBS)

test-sanitize:
	cmake --preset sanitize
	cmake --build --preset sanitize -j$(JOBS)
	ctest --preset sanitize -j$(JOBS)

# The game configured as if only SDL2, libjpeg and FreeType were installed, built, and started.
test-runtime-only: build-deps
	cmake --preset runtime-only
	cmake --build --preset runtime-only -j$(JOBS)
	bash tests/runtime_only_test.sh build-runtime-only

assets:
	bash tools/assets/build-all.sh

snapshots: build
	mkdir -p build/snapshots && cd build/game && ../snapshot ../snapshots

# The save-file fuzzer needs clang and its libFuzzer; the rest of the build does not.
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 60

fuzz-deps: deps
	$(call install-missing,$(FUZZ_PACKAGES))

fuzz: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j$(JOBS)

# New inputs go to build-fuzz/corpus; the committed seeds in tests/fuzz/corpus are only read.
fuzz-smoke: fuzz
	mkdir -p build-fuzz/corpus
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/tests/fuzz/save_file_fuzzer \
	  -max_total_time=$(FUZZ_SECONDS) -max_len=1248 -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
	  build-fuzz/corpus tests/fuzz/corpus

# Every benchmark of tests/bench/ in one table, figures on one core of this machine.
bench: deps
	cmake --preset release
	cmake --build --preset release -j$(JOBS) --target splatvane_bench
	$$(command -v taskset >/dev/null && echo taskset -c 0) build-release/splatvane_bench --benchmark_counters_tabular=false

# The screenshots of the README: every screen that draws something, small, in docs/.
docs-shots: build
	bash tools/snapshot/docs-shots.sh build

# The browser build: Debian's emscripten, offline, into the static page folder build-web/.
WEB_PACKAGES := build-essential cmake emscripten libstb-dev nlohmann-json3-dev nodejs python3 lame
TEST_WEB_PACKAGES := chromium chromium-driver python3-selenium firefox-esr
# emcc needs Debian's acorn, which another node first on PATH does not see.
WEB_ENV := NODE_PATH=/usr/share/nodejs
WEB_PORT ?= 8000
# A player's build takes a new compiler's new warning; the project's own check does not.
WEB_WERROR ?= OFF

web-deps:
	$(call install-missing,$(WEB_PACKAGES))

web: web-deps
	$(WEB_ENV) emcmake cmake --preset web -DSPLATVANE_WERROR=$(WEB_WERROR)
	$(WEB_ENV) cmake --build --preset web -j$(JOBS)

web-serve: web
	@echo "Splatvane on http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops it)"
	/usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-web

test-web-deps: web-deps
	$(call install-missing,$(TEST_WEB_PACKAGES))
	@# Debian's npm, unless the machine's own node brought one.
	@command -v npm >/dev/null || { $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq npm; }
	$(MAKE) tests/web/node_modules/.package-lock.json

# puppeteer-core from npm drives Debian's firefox-esr; it downloads no browser of its own.
tests/web/node_modules/.package-lock.json: tests/web/package.json tests/web/package-lock.json
	cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund

# The golden traces and the sound worklet's mixer under node, then a real browser playing the
# served page, then the page as it reaches a phone: its weight and speed on a slow link,
# installed, offline, a new version; last, Firefox plays it.
test-web: test-web-deps
	$(MAKE) web WEB_WERROR=ON
	bash tests/web/golden_under_node.sh build-emscripten/replay.js
	node tests/web/sound_worklet_test.mjs
	/usr/bin/python3 tests/web/browser_walk.py build-web
	/usr/bin/python3 tests/web/touch_walk.py build-web
	/usr/bin/python3 tests/web/delivery_walk.py build-web
	node tests/web/firefox_walk.mjs build-web

# The heaviest match tick under node, on one core.
bench-web: web
	$$(command -v taskset >/dev/null && echo taskset -c 0) node build-emscripten/match_tick_bench.js

# The Debian package, built with Debian's own compiler and linker flags, and its checks.
# dpkg-dev gives the build flags and dpkg-shlibdeps, which reads the program with file; the
# rest checks the package.
DEB_PACKAGES := dpkg-dev file
TEST_DEB_PACKAGES := lintian appstream desktop-file-utils man-db xvfb xdotool
DEB_BUILDFLAGS := DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEB_FLAGS = -DCMAKE_CXX_FLAGS="$$($(DEB_BUILDFLAGS) CXXFLAGS) $$($(DEB_BUILDFLAGS) CPPFLAGS)" \
            -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) LDFLAGS)"

# The package is built from SDL2, libjpeg and FreeType alone: the suite and the tools stay out.
deb-deps: build-deps
	$(call install-missing,$(DEB_PACKAGES))

deb: deb-deps
	cmake --preset deb $(DEB_FLAGS)
	cmake --build --preset deb -j$(JOBS)
	rm -f splatvane_*.deb
	cd build-deb && cpack -G DEB
	@echo "Built:" splatvane_*.deb

# Installs the package with apt, plays it as an ordinary user and removes it again; it needs
# root, and says SKIPPED without it.
test-deb: deb
	$(call install-missing,$(TEST_DEB_PACKAGES))
	bash tests/package_test.sh splatvane_*.deb || [ $$? -eq 77 ]

# The release files: the source as committed, the Debian package and the page as a zip, with
# their checksums, named after the version that CMake's project() sets. The page is built as
# make test-web builds it, so that a checked build is the one released.
VERSION := $(shell sed -nE 's/^project.Splatvane VERSION ([0-9.]+) .*/\1/p' CMakeLists.txt)
DIST_PACKAGES := git python3 coreutils

dist:
	$(call install-missing,$(DIST_PACKAGES))
	bash tools/dist/make_dist.sh check
	$(MAKE) deb web WEB_WERROR=ON
	bash tools/dist/make_dist.sh pack $(VERSION) dist

# The source builds and passes make test outside any git tree, the zip plays framed by another
# site, and the checksums hold.
test-dist: dist test-web-deps
	bash tests/dist_test.sh dist $(VERSION)

clean:
	rm -rf build build-release build-sanitize build-fuzz build-emscripten build-web build-deb build-runtime-only \
	  splatvane_*.deb dist

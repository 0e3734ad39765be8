# Splatvane: `make run` plays, `make test` checks. Both set up a fresh Debian machine first.
PACKAGES := build-essential cmake pkg-config libsdl2-dev libjpeg-dev libfreetype-dev \
            libgtest-dev libbenchmark-dev nlohmann-json3-dev xvfb xdotool
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= 2

.PHONY: all deps build run test test-plain test-sanitize assets snapshots clean bench docs-shots

# The project's own checks build in Release, as players and packagers do, with warnings as errors.
RELEASE_CONFIG := cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DSPLATVANE_WERROR=ON

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$(JOBS)

run: build
	cd build/game && ./splatvane

test: deps test-plain test-sanitize

test-plain:
	$(RELEASE_CONFIG)
	cmake --build build-release -j$(JOBS)
	cd build-release && ctest --output-on-failure -j$(JOBS)

test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSPLATVANE_SANITIZE=ON -DSPLATVANE_WERROR=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

assets:
	bash tools/assets/build-all.sh

snapshots: build
	mkdir -p build/snapshots && cd build/game && ../snapshot ../snapshots

# Every benchmark of bench/ in one table, figures on one core of this machine.
bench: deps
	$(RELEASE_CONFIG)
	cmake --build build-release -j$(JOBS) --target splatvane_bench
	$$(command -v taskset >/dev/null && echo taskset -c 0) build-release/splatvane_bench --benchmark_counters_tabular=false

# The screenshots of the README: every screen that draws something, small, in docs/.
docs-shots: build
	bash tools/snapshot/docs-shots.sh build

clean:
	rm -rf build build-release build-sanitize

# Splatvane: `make run` plays, `make test` checks. Both set up a fresh Debian machine first.
PACKAGES := build-essential cmake pkg-config libsdl2-dev libjpeg-dev libfreetype-dev \
            libgtest-dev libbenchmark-dev nlohmann-json3-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= 2

.PHONY: all deps build run test test-plain test-sanitize assets snapshots clean

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
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$(JOBS)
	cd build && ctest --output-on-failure -j$(JOBS)

test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSPLATVANE_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS)

assets:
	bash tools/assets/build-all.sh

snapshots: build
	mkdir -p build/snapshots && cd build/game && ../snapshot ../snapshots

clean:
	rm -rf build build-sanitize

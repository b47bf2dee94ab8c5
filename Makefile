# Velmora: `make run` builds and starts the program, `make test` builds and
# runs every test headless. Both install the Debian packages they need first.

# The binary folder of CMakePresets.json's default preset.
BUILD := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-tools-dev \
	qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev fonts-liberation2 fonts-crosextra-carlito \
	libboost-math-dev libcli11-dev libcsv-dev qt6-translations-l10n appstream desktop-file-utils \
	xvfb xauth xdotool openbox locales-all

FUZZ_SECONDS ?= 60
FUZZ_TARGETS := numbers dates calculator conversions settings csv session normsets paste
FUZZ_PACKAGES := clang libclang-rt-14-dev

BENCH_PACKAGES := libx11-dev libxtst-dev time

.PHONY: run test test-sanitize fuzz bench package build packages windows test-windows package-windows deb-src

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/src/velmora; \
	else echo "No display: starting Velmora on a virtual X display."; xvfb-run -a ./$(BUILD)/src/velmora; fi

test: build
	ctest --preset default -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; any report fails it.
test-sanitize: packages
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS, starting from the small seed corpus kept in
# tests/fuzz/corpus (which the normal suite replays) and growing its own corpus in build-fuzz.
fuzz:
	@$(MAKE) --no-print-directory packages PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  ./build-fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build-fuzz/corpus/$$t tests/fuzz/corpus/$$t || exit 1; \
	done

# Start-up, switching, the t-test expansion and memory, timed from outside on a virtual display
# against two floors built in the same tree with the same flags (an empty window, and one showing a
# line of text in Velmora's font); the bell curve's drawing; the score profile's 60 rows computed and
# drawn; velmora-cli against awk. Every table is printed whole; then the target fails when any figure
# missed its target.
bench:
	@$(MAKE) --no-print-directory packages PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	@echo "Measured on: $$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $$(nproc) cores, $$(date -u +%Y-%m-%d)"
	@missed=0; \
	xvfb-run -a -s "-screen 0 1280x1024x24" ./$(BUILD)/bench/velmora_bench ./$(BUILD)/src/velmora ./$(BUILD)/bench/bare_window \
	  ./$(BUILD)/bench/label_window 2>/dev/null || missed=1; \
	echo; QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/velmora_bellcurve_bench 2>/dev/null || missed=1; \
	echo; QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/velmora_profile_bench 2>/dev/null || missed=1; \
	echo; sh bench/cli.sh ./$(BUILD)/src/velmora-cli || missed=1; \
	if [ $$missed -ne 0 ]; then echo "make bench: a target was missed (NO above)"; exit 1; fi

package: build
	cd $(BUILD) && cpack

build: packages
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

packages:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

# Windows: velmora.exe and velmora-cli.exe cross-built with Debian's MinGW-w64 against a Qt for MinGW,
# QT_MINGW=/path or else the one in ../shared/windows (unpacked into build-windows); the Linux build
# lends its helpdoc for the manual. test-windows runs the suite under Wine and compares velmora-cli.exe
# with velmora-cli; package-windows makes the setup program and installs, runs and uninstalls it under Wine.
WINDOWS_BUILD := build-windows
QT_MINGW ?=
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 nsis dpkg-dev xz-utils \
	icoutils librsvg2-bin fonts-liberation2

windows: build deb-src
	@$(MAKE) --no-print-directory packages PACKAGES="$(WINDOWS_PACKAGES)"
	JOBS=$(JOBS) sh packaging/windows/build.sh $(WINDOWS_BUILD) $(BUILD) $(QT_MINGW)

test-windows: windows
	sh tests/windows/run.sh $(WINDOWS_BUILD) $(BUILD)

package-windows: windows
	sh packaging/windows/package.sh $(WINDOWS_BUILD)
	sh tests/windows/setup.sh $(WINDOWS_BUILD)

# apt-get source libcsv needs deb-src entries: made beside Debian's own deb entries when there are none.
deb-src:
	@if [ -z "$$(apt-cache showsrc libcsv 2>/dev/null)" ]; then \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  echo "Adding deb-src entries for apt-get source libcsv"; \
	  if [ -f /etc/apt/sources.list.d/debian.sources ]; then \
	    sed 's/^Types: deb$$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | \
	      $$sudo tee /etc/apt/sources.list.d/velmora-deb-src.sources >/dev/null; \
	  fi; \
	  if grep -qs '^deb ' /etc/apt/sources.list; then \
	    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $$sudo tee /etc/apt/sources.list.d/velmora-deb-src.list >/dev/null; \
	  fi; \
	  $$sudo apt-get update; \
	fi

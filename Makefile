# Velmora: `make run` builds and starts the program, `make test` builds and
# runs every test headless. Both install the Debian packages they need first.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-tools-dev \
	qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev fonts-liberation2 fonts-crosextra-carlito \
	xvfb xauth xdotool

.PHONY: run test package build packages

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/src/velmora; \
	else echo "No display: starting Velmora on a virtual X display."; xvfb-run -a ./$(BUILD)/src/velmora; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

package: build
	cd $(BUILD) && cpack

build: packages
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) -j $(JOBS)

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

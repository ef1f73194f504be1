# Set-up, build, run and test on a Debian 12 machine.
#   make run    installs missing packages, builds, starts the program
#   make test   the same, then every test (headless)

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake make g++ qt6-base-dev libgl-dev fontconfig fonts-liberation2 fonts-urw-base35 locales

.PHONY: all deps configure build run test gallery install clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Ohmaris is a desktop program: run it from a graphical session, or try 'make test' here."; \
	  exit 1; \
	fi
	$(BUILD)/bin/ohmaris

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

gallery: build
	env -u QT_QPA_PLATFORM $(BUILD)/bin/ohmaris-gallery gallery

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)

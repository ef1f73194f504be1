# Set-up, build, run and test on a Debian 12 machine.
#   make run    installs missing packages, builds, starts the program
#   make test   the same, then every test (headless)
#   make package        the Debian package, build/ohmaris_VERSION_ARCH.deb
#   make screenshots    the README's pictures, rendered into docs/screenshots

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Building, the icon's PNG sizes (librsvg2-bin), the package (dpkg-dev), and
# the install tests: validators, man, and a virtual X display to start the
# installed program from its menu entry.
PACKAGES = cmake make g++ qt6-base-dev libgl-dev fontconfig fonts-liberation2 fonts-urw-base35 \
  librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base xvfb xauth xdotool locales
SHOTS = $(BUILD)/screenshots

.PHONY: all deps configure build run test gallery screenshots install package clean

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

# The chooser, an AC bench and the transients lab, as the README shows them.
screenshots: build
	rm -rf $(SHOTS)
	env -u QT_QPA_PLATFORM $(BUILD)/bin/ohmaris-gallery $(SHOTS) --lang en shell lab2 lab7
	mkdir -p docs/screenshots
	cp $(SHOTS)/chooser-en.png docs/screenshots/chooser.png
	cp $(SHOTS)/lab2-resonance.png docs/screenshots/lab2-resonance.png
	cp $(SHOTS)/lab7-circuit3-ringing.png docs/screenshots/lab7-ringing.png

install: build
	cmake --install $(BUILD)

package: build
	cd $(BUILD) && cpack
	@cd $(BUILD) && for d in ohmaris_*.deb; do echo "$$d:"; dpkg-deb --field "$$d" Version Depends; done

clean:
	rm -rf $(BUILD)

# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build, run and test on a Debian 12 machine.
#   make run    installs missing packages, builds, starts the program
#   make test   the same, then every test (headless), the check of every
#               lab's readings against ngspice among them (ctest -L spice)
#   make package        the Debian package, build/ohmaris_VERSION_ARCH.deb
#   make gallery        every window and sheet, rendered into gallery/WxH
#                       for 1024x768, 1366x768 and 1920x1080
#   make screenshots    the README's pictures, rendered into docs/screenshots
#   make check-sanitize every test, the gallery and the random-input driver
#                       built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make fuzz           each fuzz harness for FUZZ_SECONDS (clang's libFuzzer)

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Building (Qt's SVG module draws ohmaris-calc's diagrams), the icon's PNG
# sizes (librsvg2-bin), the package (dpkg-dev), and the tests: validators, man,
# and a virtual X display to start the installed program from its menu entry;
# Qt's Wayland platform and a headless Wayland compositor (weston) for the
# Wayland smoke test; the screen-reader test: a D-Bus session, the AT-SPI bus
# and its Python client; Python's csv module and pdftotext read the protocol's
# and the calculator's files back; and the circuit simulator the models are
# checked against (ngspice).
PACKAGES = cmake make g++ qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev fontconfig fonts-liberation2 fonts-urw-base35 \
  librsvg2-bin dpkg-dev desktop-file-utils appstream man-db groff-base xvfb xauth xdotool locales \
  qt6-wayland weston dbus-daemon dbus-bin at-spi2-core python3-pyatspi python3 poppler-utils ngspice
SHOTS = $(BUILD)/screenshots
GALLERY_SIZES = 1024x768 1366x768 1920x1080

.PHONY: all deps configure build run test gallery screenshots install package clean check-sanitize

all: build

# Installs those of the Debian packages given that are missing.
define install_missing
missing=""; \
for p in $(1); do \
  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
  echo "Installing:$$missing"; \
  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
fi
endef

deps:
	@$(call install_missing,$(PACKAGES))

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
	@for s in $(GALLERY_SIZES); do \
	  echo "gallery/$$s"; \
	  env -u QT_QPA_PLATFORM $(BUILD)/bin/ohmaris-gallery gallery/$$s --size $$s || exit 1; \
	done

# The chooser, an AC bench and the transients lab, as the README shows them,
# on a 1920 x 1080 screen.
screenshots: build
	rm -rf $(SHOTS)
	env -u QT_QPA_PLATFORM $(BUILD)/bin/ohmaris-gallery $(SHOTS) --size 1920x1080 --lang en shell lab2 lab7
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

# The checking build, in a folder of its own: every test (but the install
# checks, which look at files and the package, in make test), the gallery and a
# short run of the random-input driver over the whole program and each lab
# window (the driver lists them from the lab table; with every input, then with
# keys only), with AddressSanitizer and UndefinedBehaviorSanitizer. The first
# report ends the program that made it, and fails the target.
SANITIZE_BUILD ?= build-sanitize
MONKEY_EVENTS ?= 12000
# The keyboard-only runs: the keys a student without a mouse has.
MONKEY_KEY_EVENTS ?= 3000
MONKEY_SEED ?= 1
SANITIZE_ENV = ASAN_OPTIONS=abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0

check-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DOHMARIS_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -E '^(install_|tst_wayland$$)'
	# Qt's Wayland plugin is unloaded before the leak check, so what the
	# compositor's client library keeps cannot be told from a leak of ours by
	# its stack: under Wayland every memory error is still caught, leaks not.
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ASAN_OPTIONS=abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1:detect_leaks=0 \
	  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^tst_wayland$$'
	rm -rf $(SANITIZE_BUILD)/gallery
	$(SANITIZE_ENV) env -u QT_QPA_PLATFORM $(SANITIZE_BUILD)/bin/ohmaris-gallery $(SANITIZE_BUILD)/gallery
	@windows="$$($(SANITIZE_ENV) $(SANITIZE_BUILD)/bin/ohmaris-monkey --windows)" || exit 1; \
	for w in "" $$windows; do \
	  echo "ohmaris-monkey --seed $(MONKEY_SEED) --events $(MONKEY_EVENTS) $${w:+--window $$w}"; \
	  $(SANITIZE_ENV) env -u QT_QPA_PLATFORM $(SANITIZE_BUILD)/bin/ohmaris-monkey --seed $(MONKEY_SEED) \
	    --events $(MONKEY_EVENTS) $${w:+--window $$w} > $(SANITIZE_BUILD)/monkey$$w.log 2>&1; rc=$$?; \
	  tail -n 2 $(SANITIZE_BUILD)/monkey$$w.log; \
	  if [ $$rc -ne 0 ]; then grep -A 3 '^failure' $(SANITIZE_BUILD)/monkey$$w.log | head -n 40; \
	    echo "make check-sanitize: the driver failed (exit $$rc), see $(SANITIZE_BUILD)/monkey$$w.log"; exit 1; fi; \
	done
	@windows="$$($(SANITIZE_ENV) $(SANITIZE_BUILD)/bin/ohmaris-monkey --windows)" || exit 1; \
	for w in "" $$windows; do \
	  echo "ohmaris-monkey --keys-only --seed $(MONKEY_SEED) --events $(MONKEY_KEY_EVENTS) $${w:+--window $$w}"; \
	  $(SANITIZE_ENV) env -u QT_QPA_PLATFORM $(SANITIZE_BUILD)/bin/ohmaris-monkey --keys-only --seed $(MONKEY_SEED) \
	    --events $(MONKEY_KEY_EVENTS) $${w:+--window $$w} > $(SANITIZE_BUILD)/monkey-keys$$w.log 2>&1; rc=$$?; \
	  tail -n 3 $(SANITIZE_BUILD)/monkey-keys$$w.log; \
	  if [ $$rc -ne 0 ]; then grep -A 3 '^failure' $(SANITIZE_BUILD)/monkey-keys$$w.log | head -n 40; \
	    echo "make check-sanitize: the keyboard-only driver failed (exit $$rc), see $(SANITIZE_BUILD)/monkey-keys$$w.log"; exit 1; fi; \
	done

# Fuzzing with clang's libFuzzer, in a build folder of its own: each harness
# of tests/fuzz runs FUZZ_SECONDS on a copy of its seed corpus (the repository's
# stays as it is). A crash fails the target; its input is kept in
# $(FUZZ_BUILD)/artifacts and the report in $(FUZZ_BUILD)/HARNESS.log.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_TARGETS = fuzz_languagefile fuzz_entry fuzz_calcargs

.PHONY: fuzz
fuzz: deps
	@$(call install_missing,$(FUZZ_PACKAGES))
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DOHMARIS_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j 2 --target $(FUZZ_TARGETS)
	@failed=""; \
	for h in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$h $(FUZZ_BUILD)/artifacts; \
	  cp tests/fuzz/corpus/$$h/* $(FUZZ_BUILD)/corpus/$$h/; \
	  echo "$$h: fuzzing for $(FUZZ_SECONDS) s"; \
	  if $(FUZZ_BUILD)/bin/$$h -max_total_time=$(FUZZ_SECONDS) -timeout=30 \
	       -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$h- $(FUZZ_BUILD)/corpus/$$h >$(FUZZ_BUILD)/$$h.log 2>&1; then \
	    echo "$$h: $$(grep '^Done ' $(FUZZ_BUILD)/$$h.log | tail -n 1)"; \
	  else \
	    tail -n 40 $(FUZZ_BUILD)/$$h.log; \
	    echo "$$h: FAILED after $$(grep -o '^#[0-9]*' $(FUZZ_BUILD)/$$h.log | tail -n 1 | tr -d '#') runs, see $(FUZZ_BUILD)/$$h.log"; \
	    failed="$$failed $$h"; \
	  fi; \
	done; \
	if [ -n "$$failed" ]; then echo "make fuzz: crash found by:$$failed"; exit 1; fi

# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
# Each installs the Debian packages it lacks (as root), or says which apt-get line to run.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = cmake make g++ qt6-base-dev qt6-qpa-plugins
RUN_PACKAGES   = fonts-liberation2 fonts-dejavu-core

.PHONY: run test build deps clean tiles

# Installs what is missing; as another user, prints the one line to run and stops.
define ensure_packages
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing Debian packages:$$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    apt-get install -y -q --no-install-recommends $$missing >/dev/null 2>&1 || \
	      { apt-get update -q && apt-get install -y -q --no-install-recommends $$missing; } || exit 1; \
	  else \
	    echo "Some Debian packages are missing. Install them with:"; \
	    echo "  sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi
endef

deps:
	$(call ensure_packages,$(BUILD_PACKAGES) $(RUN_PACKAGES))

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The display is checked first, so that nobody waits for a build only to learn there is no screen.
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Run it from a desktop session, or on a machine without a screen with: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@$(BUILD_DIR)/app/mjcalc

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Redraws the tile pictures and icons under resources/ (needs a CJK font, which it installs).
tiles:
	tools/tilegen/generate.sh

clean:
	rm -rf $(BUILD_DIR)

# Two commands for a fresh Debian 12 or 13 machine: `make run` and `make test`.
# Each installs the Debian packages it lacks (as root), or says which apt-get line to run.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES = cmake make g++ qt6-base-dev qt6-qpa-plugins
RUN_PACKAGES   = fonts-liberation2 fonts-dejavu-core
# The install test validates the desktop entry and the AppStream metadata with these.
TEST_PACKAGES  = desktop-file-utils appstream
PREFIX        ?= /usr/local
# Every build this Makefile makes stops at the first compiler warning, as CI's does; a developer
# who wants to keep going past one builds with WARNINGS_AS_ERRORS=OFF.
WARNINGS_AS_ERRORS ?= ON
CONFIGURE = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DMJCALC_WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS)

.PHONY: run test build configure program deps wayland-deps clean tiles install screenshots bench references

# Installs what is missing; as another user, prints the one line to run and stops. A list that
# fails to update (a mirror caught mid-sync) leaves the others updated: the install decides.
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
	      { apt-get update -q || echo "apt-get update failed on some lists; installing from the rest"; \
	        apt-get install -y -q --no-install-recommends $$missing; } || exit 1; \
	  else \
	    echo "Some Debian packages are missing. Install them with:"; \
	    echo "  sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi
endef

deps:
	$(call ensure_packages,$(BUILD_PACKAGES) $(RUN_PACKAGES))

# Qt's Wayland platform plugin is a package of its own; without it, on a Wayland desktop that has
# no X server beside it, the program cannot start at all.
wayland-deps:
	$(call ensure_packages,qt6-wayland)

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CONFIGURE) >/dev/null

# Everything: the program, the tests and what they load.
build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The program alone, for a player who only wants to start it.
program: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target mjcalc

# The display is checked first, so that nobody waits for a build only to learn there is no screen.
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Run it from a desktop session, or on a machine without a screen with: xvfb-run make run"; \
	  exit 1; \
	fi
	@if [ -n "$$WAYLAND_DISPLAY" ]; then $(MAKE) --no-print-directory wayland-deps; fi
	@$(MAKE) --no-print-directory program
	@$(BUILD_DIR)/app/mjcalc

test: build
	$(call ensure_packages,$(TEST_PACKAGES))
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

install: program
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Draws the reference images of the windows under tests/reference again, for when a change of
# look is meant; look at them before committing.
references: build
	@cd $(BUILD_DIR) && MJCALC_REDRAW_REFERENCES=1 ctest -R tst_screen --output-on-failure

# Renders the README's pictures of the windows, with sample hands, on the offscreen platform.
screenshots: build
	@cmake --build $(BUILD_DIR) --target mjcalc_screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/screenshots/mjcalc_screenshots resources/screenshots

# Start-up against the same sheet written the plainest way Qt allows (bench/plainsheet.cpp) and
# a bare Qt window, in times and in instructions counted by valgrind's callgrind; then one click
# on each calculator and the fan counter's opening. Run it on a quiet machine: most figures are
# times.
BENCH_PACKAGES = valgrind

bench: build
	$(call ensure_packages,$(BENCH_PACKAGES))
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target bench_programs
	@cd $(BUILD_DIR)/bench && QT_QPA_PLATFORM=offscreen ./startup_compare ./startup_mjcalc \
	  -- ./startup_plainsheet $(CURDIR)/resources/icons -- ./startup_bare -- ./startup_label
	@echo "one action, from the click to the figures on screen (targets: 20 us a click, 10 ms the opening)"
	@cd $(BUILD_DIR)/bench && QT_QPA_PLATFORM=offscreen ./bench_clicks -minimumtotal 200 2>/dev/null \
	  | awk '/^RESULT : BenchClicks::/ { sub(/^RESULT : BenchClicks::/, ""); sub(/\(\):$$/, ""); name = $$0; next } \
	         name != "" && /msecs per iteration/ { printf "  %-22s %10.4f ms\n", name, $$1; name = "" }'

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of its
# own so that it never mixes objects with the ordinary build. Any report fails the run.
SANITIZE_DIR   ?= build-sanitize
SANITIZE_FLAGS  = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined \
                 -D_GLIBCXX_ASSERTIONS
SANITIZE_SUPP   = $(CURDIR)/tests/sanitize.supp
SANITIZE_ENV    = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1 \
                  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                  LSAN_OPTIONS=suppressions=$(SANITIZE_SUPP):print_suppressions=0

.PHONY: sanitize fuzz

sanitize: deps
	$(call ensure_packages,$(TEST_PACKAGES))
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DMJCALC_WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS) \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# libFuzzer over the number conversions and the table-limit decision, for FUZZ_SECONDS seconds.
# It works on a copy of the committed corpus, so the files in fuzz/corpus stay as they are;
# whatever it finds is left in $(FUZZ_DIR) as crash-* or similar.
FUZZ_DIR      ?= build-fuzz
FUZZ_SECONDS  ?= 60
# libclang-rt-dev is the runtime of the release's default clang (14 on Debian 12, 19 on 13).
FUZZ_PACKAGES  = clang libclang-rt-dev

fuzz:
	$(call ensure_packages,$(BUILD_PACKAGES) $(FUZZ_PACKAGES))
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DMJCALC_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_conversions
	@rm -rf $(FUZZ_DIR)/corpus && cp -r fuzz/corpus $(FUZZ_DIR)/corpus
	@cd $(FUZZ_DIR) && $(SANITIZE_ENV) ./fuzz/fuzz_conversions -max_total_time=$(FUZZ_SECONDS) \
	  -print_final_stats=1 -artifact_prefix=$(CURDIR)/$(FUZZ_DIR)/ corpus

# The release tarball, mjcalc-<version>.tar.xz in $(DIST_DIR)/: the files git tracks at the
# current commit, and only those, but for debian/ (.gitattributes), which a Debian source package
# carries apart from the upstream tarball. The same commit gives the same bytes: git archive stamps every
# file with the commit's time, its settings that could change the contents are fixed here, and xz
# packs on one thread with fixed settings. Changes not yet committed are not in it. The version is
# CMakeLists.txt's project() version, written as the program shows it: "1.00" for 1.0 (make counts
# parentheses, so a dot stands for the opening one).
DIST_DIR          = dist
UPSTREAM_VERSION  = $(shell sed -n 's/^project.mjcalc VERSION \([0-9]*\)\.\([0-9]*\)[.0-9]* .*/\1 \2/p' \
                      CMakeLists.txt | xargs printf '%d.%02d')
DIST_TARBALL      = $(DIST_DIR)/mjcalc-$(UPSTREAM_VERSION).tar.xz

.PHONY: dist

# A minimal system has neither git nor xz.
DIST_PACKAGES     = git xz-utils

dist:
	$(call ensure_packages,$(DIST_PACKAGES))
	@command -v git >/dev/null && git rev-parse --git-dir >/dev/null 2>&1 || \
	  { echo "make dist: the tarball is made from git's record, and this is no git checkout"; exit 1; }
	@git diff --quiet HEAD -- 2>/dev/null || \
	  echo "make dist: the changes not yet committed are left out; the tarball holds commit $$(git rev-parse --short HEAD)"
	@mkdir -p $(DIST_DIR)
	@git -c tar.umask=0022 -c core.autocrlf=false -c core.eol=lf \
	  archive --format=tar --prefix=mjcalc-$(UPSTREAM_VERSION)/ HEAD \
	  | xz --format=xz --check=crc64 -6 --threads=1 >$(DIST_TARBALL).part
	@mv $(DIST_TARBALL).part $(DIST_TARBALL)
	@echo "Wrote $(DIST_TARBALL): $$(sha256sum $(DIST_TARBALL) | cut -d' ' -f1)"

# The Debian source and binary packages, built as Debian builds its own (dpkg-buildpackage,
# debhelper's CMake support) from the release tarball as the original tarball and debian/ of the
# same commit (archived as a tree of its own, which export-ignore does not reach), then checked
# with lintian, source and binary together: any error or warning fails. The build runs the test
# suite; DEB_BUILD_OPTIONS=nocheck skips it. dpkg-buildpackage writes its results beside the
# source folder, so it works inside $(PACKAGE_DIR); the packages and their records then go to
# $(DIST_DIR)/.
PACKAGE_DIR       = build-package
# Debian's version of the package: the upstream version, which the changelog must repeat, and a
# revision of its own.
PACKAGE_VERSION   = $(shell sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' debian/changelog)
PACKAGE_UPSTREAM  = $(shell echo '$(PACKAGE_VERSION)' | sed 's/^[0-9]*://; s/-[^-]*$$//')
PACKAGE_PACKAGES  = build-essential debhelper dpkg-dev lintian xz-utils appstream
PACKAGE_ARCH      = $(shell dpkg --print-architecture)
PACKAGE_DEB       = $(DIST_DIR)/mjcalc_$(PACKAGE_VERSION)_$(PACKAGE_ARCH).deb
PACKAGE_CHANGES   = $(DIST_DIR)/mjcalc_$(PACKAGE_VERSION)_$(PACKAGE_ARCH).changes
# What the test suite needs at build time: debian/control lists it with the nocheck profile.
PACKAGE_NOCHECK   = $(filter nocheck,$(DEB_BUILD_OPTIONS))
PACKAGE_TEST_DEPS = $(if $(PACKAGE_NOCHECK),,$(TEST_PACKAGES) fonts-liberation2 fonts-dejavu-core fontconfig)

# lintian warns when it runs as root. Started as root, make package runs it as the user nobody, on
# a copy of the upload in a temporary folder that user can read; as any other user, on dist/.
PACKAGE_LINTIAN   = lintian --fail-on error,warning --display-info

.PHONY: package package-check package-tree source-package

# The source tree a package is built from: the release tarball unpacked, with debian/ beside it.
package-tree: dist
	@[ "$(PACKAGE_UPSTREAM)" = "$(UPSTREAM_VERSION)" ] || { echo "make package: debian/changelog's" \
	  "$(PACKAGE_VERSION) is not version $(UPSTREAM_VERSION) of CMakeLists.txt; add a changelog entry"; exit 1; }
	@rm -rf $(PACKAGE_DIR) && mkdir -p $(PACKAGE_DIR)
	@cp $(DIST_TARBALL) $(PACKAGE_DIR)/mjcalc_$(UPSTREAM_VERSION).orig.tar.xz
	@tar -xf $(DIST_TARBALL) -C $(PACKAGE_DIR)
	@git archive --format=tar --prefix=debian/ HEAD:debian | tar -xf - -C $(PACKAGE_DIR)/mjcalc-$(UPSTREAM_VERSION)

# The source package alone (.dsc, .orig.tar.xz, .debian.tar.xz in $(DIST_DIR)/), as a maintainer
# uploads it for Debian's builders to build.
source-package: package-tree
	$(call ensure_packages,dpkg-dev)
	@cd $(PACKAGE_DIR) && dpkg-source --build mjcalc-$(UPSTREAM_VERSION) >/dev/null
	@cp $(PACKAGE_DIR)/mjcalc_* $(DIST_DIR)/
	@echo "Built the source package $(DIST_DIR)/mjcalc_$(PACKAGE_VERSION).dsc"

package: package-tree
	$(call ensure_packages,$(BUILD_PACKAGES) $(PACKAGE_PACKAGES) $(PACKAGE_TEST_DEPS))
	@cd $(PACKAGE_DIR)/mjcalc-$(UPSTREAM_VERSION) && env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL \
	  dpkg-buildpackage -us -uc -J$(JOBS) $(if $(PACKAGE_NOCHECK),--build-profiles=nocheck)
	@rm -f $(DIST_DIR)/mjcalc_$(PACKAGE_VERSION)* $(DIST_DIR)/mjcalc-dbgsym_$(PACKAGE_VERSION)_* \
	  $(DIST_DIR)/mjcalc_$(UPSTREAM_VERSION).orig.tar.xz
	@for f in $(PACKAGE_DIR)/mjcalc_* $(PACKAGE_DIR)/mjcalc-dbgsym_*; do \
	  if [ -f "$$f" ]; then mv "$$f" $(DIST_DIR)/; fi; \
	done
	@if [ "$$(id -u)" = 0 ] && id nobody >/dev/null 2>&1; then \
	  copy=$$(mktemp -d "$${TMPDIR:-/tmp}/mjcalc-lintian.XXXXXX") || exit 1; \
	  cp -p $(DIST_DIR)/mjcalc* "$$copy"/ && chmod -R a+rX "$$copy" && cd "$$copy" && \
	    echo "lintian, as nobody, on a copy of $(PACKAGE_CHANGES)" && \
	    setpriv --reuid="$$(id -u nobody)" --regid="$$(id -g nobody)" --clear-groups --reset-env \
	      $(PACKAGE_LINTIAN) $(notdir $(PACKAGE_CHANGES)); \
	  status=$$?; rm -rf "$$copy"; exit $$status; \
	else \
	  echo "$(PACKAGE_LINTIAN) $(PACKAGE_CHANGES)"; $(PACKAGE_LINTIAN) $(PACKAGE_CHANGES); \
	fi
	@echo "Built $(PACKAGE_DEB) and the source package $(DIST_DIR)/mjcalc_$(PACKAGE_VERSION).dsc"

# Installs the package built by `make package` with apt, runs the installed program, and removes
# it again; as root, on a machine where losing an installed mjcalc does not matter.
package-check:
	@tests/package/check_package.sh $(PACKAGE_DEB)

# Both cross builds are made with Debian 13's toolchains against Qt built from Debian 13's
# qt6-base source with Debian's patches: on Debian 13 itself directly, elsewhere in the Debian 13
# root (tools/debian13/root.sh), in this very tree, so that the checks find what was built.
DEBIAN_CODENAME := $(shell . /etc/os-release 2>/dev/null; echo $$VERSION_CODENAME)
ON_DEBIAN13 = $(if $(filter trixie,$(DEBIAN_CODENAME)),,tools/debian13/root.sh --in-place --variant cross \
                --packages "$(sort $(WINDOWS_PACKAGES) $(WEB_PACKAGES) $(DIST_PACKAGES))" --)

# The program for 64-bit Windows, cross-built with Debian's mingw-w64 against Qt built from
# Debian's own qt6-base source package (once per machine, kept in /var/cache/mjcalc; see
# tools/windows/build-qt.sh), and the zip and installer Windows players download, in dist/.
# The suite's fonts are copied into the build from the build's own system, which may be the
# Debian 13 root.
WINDOWS_PACKAGES       = cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev dpkg-dev patch \
                         xz-utils nsis zip python3 fonts-liberation2 fonts-dejavu-core
# The suite and the program run under wine on an X server of their own; NSIS's installer stub is
# a 32-bit program, so wine needs its 32-bit half too.
WINDOWS_CHECK_PACKAGES = wine wine64 xvfb x11-utils xdotool xclip imagemagick python3-pefile unzip \
                         fonts-liberation2 fonts-dejavu-core fonts-wine

.PHONY: windows windows-here windows-bench-build windows-check windows-references windows-bench windows-deps windows-check-deps

windows-deps:
	$(call ensure_packages,$(WINDOWS_PACKAGES))

windows-check-deps:
	@if ! dpkg-query -W -f='$${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then \
	  if [ "$$(id -u)" != 0 ]; then \
	    echo "wine's 32-bit half is missing. Install it with:"; \
	    echo "  sudo dpkg --add-architecture i386 && sudo apt-get update && sudo apt-get install -y wine32:i386"; \
	    exit 1; \
	  fi; \
	  echo "Installing Debian packages: wine32:i386"; \
	  dpkg --add-architecture i386 && { apt-get update -q >/dev/null || true; } && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386 >/dev/null || exit 1; \
	fi
	$(call ensure_packages,$(WINDOWS_CHECK_PACKAGES))

windows:
	@$(ON_DEBIAN13) $(MAKE) --no-print-directory windows-here

windows-here: windows-deps
	@tools/windows/build.sh

windows-check: windows-check-deps
	@tools/windows/check.sh

# Draws the Windows build's reference pictures in tests/reference/windows again, under wine.
windows-references: windows-check-deps
	@tools/windows/references.sh

# Start-up under wine against the plain sheet, cross-built the same way.
windows-bench: windows-check-deps
	@$(ON_DEBIAN13) $(MAKE) --no-print-directory windows-bench-build
	@tools/windows/bench.sh

windows-bench-build: windows-deps
	@tools/windows/bench.sh --build

# The program for the browser, built with Debian's emscripten against Qt for WebAssembly built
# from Debian's own qt6-base source package (once per machine, in /var/cache/mjcalc beside the
# Windows Qt; see tools/web/build-qt.sh), and the page players open, in dist/.
WEB_PACKAGES       = cmake ninja-build emscripten brotli qt6-base-dev dpkg-dev patch xz-utils zip \
                     fonts-liberation2 git
# The page is tried in Debian's chromium, firefox-esr and WebKitGTK (tools/web/check): the last
# two as windows on an Xvfb display, whose clipboard xclip reads; WebKitWebDriver starts WebKitGTK's
# MiniBrowser, which comes with libwebkit2gtk-4.1-0.
WEB_CHECK_PACKAGES = chromium nodejs python3 firefox-esr webkit2gtk-driver xvfb xauth xclip

.PHONY: web web-here web-bench-build web-check web-bench web-deps web-check-deps npm-deps

web-deps:
	$(call ensure_packages,$(WEB_PACKAGES))

# Debian's nodejs comes without npm, which is a package of its own there; other builds of nodejs
# bring it along.
web-check-deps:
	$(call ensure_packages,$(WEB_CHECK_PACKAGES))
	@command -v npm >/dev/null || $(MAKE) --no-print-directory npm-deps

npm-deps:
	$(call ensure_packages,npm)

web:
	@$(ON_DEBIAN13) $(MAKE) --no-print-directory web-here

web-here: web-deps
	@tools/web/build.sh

web-check: web-check-deps
	@tools/web/check.sh

# Start-up in chromium against bench/plainsheet.cpp built the same way, and the transfer sizes.
web-bench: web-check-deps
	@$(ON_DEBIAN13) $(MAKE) --no-print-directory web-bench-build
	$(call ensure_packages,bc)
	@tools/web/bench.sh

web-bench-build: web-deps
	@tools/web/bench.sh --build

# Debian 13 on this Debian 12 machine: a Debian 13 root made with mmdebstrap from the machine's own
# archive and kept in /var/cache/mjcalc (tools/debian13/root.sh), every run in a throwaway overlay
# on a clean clone of the committed tree. debian13-test is make test there, from the bare root, so
# that the packages make installs are Debian 13's; debian13-package builds the source and binary
# packages as Debian's builders do and checks them with Debian 13's lintian and autopkgtest
# (tools/debian13/package.sh); debian13 runs CMD there (a shell by default).
.PHONY: debian13 debian13-test debian13-package

debian13:
	@tools/debian13/root.sh -- $(or $(CMD),bash)

debian13-test:
	@tools/debian13/root.sh -- make test WARNINGS_AS_ERRORS=$(WARNINGS_AS_ERRORS)

debian13-package:
	@tools/debian13/package.sh

# Redraws the tile pictures and icons under resources/ (needs a CJK font, which it installs).
tiles:
	tools/tilegen/generate.sh

clean:
	rm -rf $(BUILD_DIR)
	rm -rf $(SANITIZE_DIR) $(FUZZ_DIR)
	rm -rf $(PACKAGE_DIR) $(DIST_DIR) build-windows build-web

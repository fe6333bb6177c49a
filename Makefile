# The project's commands. Each does its own set-up first.
#   make               the same as make build
#   make run           start Vostrel (under Wine on Linux)
#   make test          build everything and run every test
#   make build         build/windows/vostrel.exe, its tools and tests
#   make dist          dist/vostrel-VERSION-windows-x64.zip and dist/SHA256SUMS
#   make screenshot    docs/screenshot.png, remade under Wine on a virtual display
#   make demo-picture  docs/demo.png, the demonstration's picture, remade the same way
#   make bench         the click-run benchmark under Wine (RUNS=n runs per row of
#                      the 7 x 5 grid, LONG_RUNS=n of the 100 x 100 grid)
#   make clean         removes build/ and dist/

SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
JOBS ?= 2
RUNS ?= 30
LONG_RUNS ?= 5
TEST_PREFIX := $(CURDIR)/build/wine/test
RUN_PREFIX := $(CURDIR)/build/wine/run
WINE_ENV := WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The end-to-end tests of other desktops, each in a prefix and on a display
# of its own: the system at 150 % (144 DPI), and a second monitor left of and
# above the primary one, so that the virtual screen starts at (-1280, -1024).
DPI144_PREFIX := $(CURDIR)/build/wine/test-144dpi
MONITORS_PREFIX := $(CURDIR)/build/wine/test-two-monitors
TWO_MONITORS := VOSTREL_SCREEN=2560x2048 \
  VOSTREL_MONITORS='SEC 1280/338x1024/270+0+0 none,*PRI 1280/338x1024/270+1280+1024 screen'

# Configures quietly, and shows what CMake said when it fails.
configure = @out=$$(cmake --preset $(1) 2>&1) || { echo "$$out"; exit 1; }

# The demonstration on a virtual display, its picture cut to the windows and saved as $(1).
demo = scripts/wine-prefix.sh $(TEST_PREFIX) test && \
  WINEPREFIX=$(TEST_PREFIX) $(WINE_ENV) scripts/with-display.sh wine build/windows/vostrel_demo.exe $(CURDIR)/build/demo.bmp && \
  convert build/demo.bmp -trim +repage $(1) && echo "saved $(1)"

.DEFAULT_GOAL := build
.PHONY: setup build build-native test dist run screenshot demo-picture bench clean

setup:
	@scripts/setup.sh

build: setup
	$(call configure,windows)
	@cmake --build --preset windows -j $(JOBS)

build-native: setup
	$(call configure,native)
	@cmake --build --preset native -j $(JOBS)

# Each desktop's end-to-end tests in its own prefix and on its own display;
# the first session also runs the Windows build's other checks.
test: build build-native
	@scripts/wine-prefix.sh $(TEST_PREFIX) test
	@scripts/wine-prefix.sh $(DPI144_PREFIX) test --dpi 144
	@scripts/wine-prefix.sh $(MONITORS_PREFIX) test --xinerama
	ctest --preset native -j $(JOBS)
	export WINEPREFIX=$(TEST_PREFIX) $(WINE_ENV); scripts/with-display.sh ctest --preset windows -LE '^e2e-'
	export WINEPREFIX=$(DPI144_PREFIX) $(WINE_ENV); scripts/with-display.sh ctest --preset windows -L '^e2e-144dpi$$'
	export WINEPREFIX=$(MONITORS_PREFIX) $(WINE_ENV) $(TWO_MONITORS); \
	  scripts/with-display.sh ctest --preset windows -L '^e2e-two-monitors$$'

# The exe alone, not the tests: a release needs nothing else built.
dist: setup
	$(call configure,windows)
	@cmake --build --preset windows --target dist -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ]; then \
	  scripts/wine-prefix.sh $(RUN_PREFIX) && \
	  WINEPREFIX=$(RUN_PREFIX) $(WINE_ENV) wine build/windows/vostrel.exe; \
	else \
	  $(call demo,build/demo.png); \
	fi

screenshot: build
	@scripts/wine-prefix.sh $(TEST_PREFIX) test
	WINEPREFIX=$(TEST_PREFIX) $(WINE_ENV) scripts/with-display.sh scripts/screenshot.sh docs/screenshot.png

demo-picture: build
	@$(call demo,docs/demo.png)

bench: build
	@scripts/wine-prefix.sh $(TEST_PREFIX) test
	WINEPREFIX=$(TEST_PREFIX) $(WINE_ENV) scripts/with-display.sh wine build/windows/click_bench.exe \
	  --runs $(RUNS) --long-runs $(LONG_RUNS) --xdotool "$$(command -v xdotool)"

clean:
	rm -rf build dist

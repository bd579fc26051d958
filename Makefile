# Front door of the project: `make test` and `make run` do the whole set-up.
BUILD ?= build
JOBS ?= $(shell nproc)
SAMPLE = $(BUILD)/sample-game
GAME ?=

.PHONY: all setup configure build test test-sanitize windows test-windows fuzz bench run snapshot \
  snapshot-windows format-check clean

all: build

setup:
	@scripts/setup

# WERROR=ON turns every compiler warning into an error (as CI builds).
WERROR ?= OFF
$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWERROR=$(WERROR)

configure: setup $(BUILD)/build.ninja
	@grep -q "^WERROR:BOOL=$(WERROR)$$" $(BUILD)/CMakeCache.txt || cmake $(BUILD) -DWERROR=$(WERROR) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Runs every benchmark (generated game folders, measured through the windows' handlers) and
# prints a table: operation, N, time, and the ratio to the plain file read or write beside it.
bench: build
	@for program in $(BUILD)/bench/bench_*; do echo "== $$program"; $$program || exit 1; done

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: setup
	@if [ ! -f "$(SANITIZE_BUILD)/build.ninja" ]; then \
	  cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON \
	    -DWERROR=$(WERROR); fi
	@grep -q "^WERROR:BOOL=$(WERROR)$$" $(SANITIZE_BUILD)/CMakeCache.txt || \
	  cmake $(SANITIZE_BUILD) -DWERROR=$(WERROR) >/dev/null
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The core and its tests cross-built for 64-bit Windows with MinGW-w64 (build-windows/), and run
# there under Wine, headless, in a Wine prefix of the build's own. The Qt front end is not built.
WINDOWS_BUILD ?= build-windows
windows:
	@scripts/setup windows
	@if [ ! -f "$(WINDOWS_BUILD)/build.ninja" ]; then \
	  cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DWERROR=$(WERROR); fi
	@grep -q "^WERROR:BOOL=$(WERROR)$$" $(WINDOWS_BUILD)/CMakeCache.txt || \
	  cmake $(WINDOWS_BUILD) -DWERROR=$(WERROR) >/dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# One program first starts the Wine server, which the tests started together then share. A test
# that hangs fails after WINDOWS_TEST_TIMEOUT seconds instead of holding up the rest. Now and then
# Wine fails to start one of many programs started together (it ends at once, with nothing
# said), so a test that fails is run once more; its first run stays in the output.
WINDOWS_TEST_TIMEOUT ?= 120
test-windows: windows
	cd $(WINDOWS_BUILD) && ./wine-run cmd.exe /c exit && \
	  ctest --output-on-failure -j $(JOBS) --timeout $(WINDOWS_TEST_TIMEOUT) --repeat until-pass:2

# Fuzzes each reader of the game's files for FUZZ_SECONDS (clang's libFuzzer, with AddressSanitizer
# and UndefinedBehaviorSanitizer), in a build folder of its own. Inputs that found new paths are
# kept in $(FUZZ_BUILD)/corpus; a crash stops the run and leaves its input in $(FUZZ_BUILD).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/setup fuzz
	@if [ ! -f "$(FUZZ_BUILD)/build.ninja" ]; then \
	  CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON; fi
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for target in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  name=$$(basename $$target); corpus=$(FUZZ_BUILD)/corpus/$$name; mkdir -p $$corpus; \
	  echo "== $$name: $(FUZZ_SECONDS) s"; \
	  (cd $(FUZZ_BUILD) && $(CURDIR)/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -rss_limit_mb=4096 $(CURDIR)/$$corpus $(CURDIR)/tests/fuzz/seeds/$$name) \
	    > $(FUZZ_BUILD)/$$name.log 2>&1 || { tail -n 60 $(FUZZ_BUILD)/$$name.log; exit 1; }; \
	  grep -E "^Done [0-9]+ runs" $(FUZZ_BUILD)/$$name.log; \
	done

# Opens the editor on a copy of the bundled sample game folder (the repository is never changed),
# or, with GAME=/path/to/game, on that game folder.
run: build
ifeq ($(GAME),)
	@if [ ! -d "$(SAMPLE)" ]; then cp -r examples/game "$(SAMPLE)"; fi
	cd "$(SAMPLE)" && "$(CURDIR)/$(BUILD)/duvazari-editor"
else
	cd "$(GAME)" && "$(CURDIR)/$(BUILD)/duvazari-editor"
endif

# Fails when a source file is not formatted as .clang-format says.
format-check: setup
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# Writes a PNG of every window into $(BUILD)/snapshots.
snapshot: build
	$(BUILD)/tools/snapshot $(BUILD)/snapshots

# Writes a PNG of every window of the Windows program into $(WINDOWS_BUILD)/snapshots, by the
# names of the Qt ones: under Wine, headless, on a screen of 800 x 600 pixels as the Qt ones are.
snapshot-windows: windows
	WINE_GUI_SCREEN=800x600 $(WINDOWS_BUILD)/wine-gui-run $(WINDOWS_BUILD)/tools/snapshot-windows.exe \
	  $(WINDOWS_BUILD)/snapshots

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)

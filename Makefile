# Front door of the project: `make test` and `make run` do the whole set-up.
BUILD ?= build
JOBS ?= $(shell nproc)
SAMPLE = $(BUILD)/sample-game
GAME ?=

.PHONY: all setup configure build test test-sanitize run snapshot clean

all: build

setup:
	@scripts/setup

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: setup
	@if [ ! -f "$(SANITIZE_BUILD)/build.ninja" ]; then \
	  cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON; fi
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# Opens the editor on a copy of the bundled sample game folder (the repository is never changed),
# or, with GAME=/path/to/game, on that game folder.
run: build
ifeq ($(GAME),)
	@if [ ! -d "$(SAMPLE)" ]; then cp -r examples/game "$(SAMPLE)"; fi
	cd "$(SAMPLE)" && "$(CURDIR)/$(BUILD)/duvazari-editor"
else
	cd "$(GAME)" && "$(CURDIR)/$(BUILD)/duvazari-editor"
endif

# Writes a PNG of every window into $(BUILD)/snapshots.
snapshot: build
	$(BUILD)/tools/snapshot $(BUILD)/snapshots

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

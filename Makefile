# Front door of the project: `make test` and `make run` do the whole set-up.
BUILD ?= build
JOBS ?= $(shell nproc)
SAMPLE = $(BUILD)/sample-game
GAME ?=

.PHONY: all setup configure build test run snapshot clean

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
	rm -rf $(BUILD)

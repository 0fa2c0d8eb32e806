# Wraps CMake: `make run` sets up, builds, lays out build/Pendix/ and starts the
# game (`make editor` the editor, `make hilfe` the help launcher); `make test` does
# the same set-up and runs every test headless; `make soak` gives every program random input under a real display.
BUILD   ?= build
JOBS    ?= $(shell nproc)
PROGDIR := $(BUILD)/Pendix
# WERROR=ON turns compiler warnings into errors; once given, build/ keeps it until WERROR=OFF.
WERROR  ?=

.PHONY: all deps configure build layout run editor hilfe test test-whole bench fuzz soak clean

all: layout

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(WERROR),-DPENDIX_WARNINGS_AS_ERRORS=$(WERROR)) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The installer writes all data into the program folder it lies in.
layout: build
	@cd $(PROGDIR) && ./tavrik.exe

run: layout
	@cd $(PROGDIR) && ./Pendix

editor: layout
	@cd $(PROGDIR) && ./Editor

hilfe: layout
	@cd $(PROGDIR) && ./Hilfe

test: layout
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every test program once more as one process, its cases shuffled (SEED=n repeats a run).
test-whole: layout
	@tools/run-tests-whole.sh $(BUILD) $(SEED)

# Release build in $(BUILD)-bench/; the figures offscreen and under Xvfb.
bench: deps
	@tools/run-bench.sh $(BUILD)

fuzz: deps
	@tools/run-fuzz.sh

# All three programs side by side, each under its own virtual display, with random
# input for MINUTES minutes; each runs on a scratch copy of the program folder.
MINUTES ?= 10
SOAK_PACKAGES := xvfb openbox python3-xlib gdb
soak: layout
	@tools/install-deps.sh $(SOAK_PACKAGES)
	@/usr/bin/python3 tools/soak/soak.py --folder $(PROGDIR) --minutes $(MINUTES) --out $(BUILD)/soak

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz

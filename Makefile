# One-command build, run and test. Every target installs what it lacks first.
#   make run    build, then start Tintlens under Wine
#   make check  the quick loop: native build, unit tests, folder rules, formatting, shell scripts
#   make test   make check, then build every flavour and run every test
#   make dist   the release: both zips and the installer, in dist/
#   make bench  run the benchmarks
#   make fuzz   fuzz every palette reader in turn, FUZZ_SECONDS each (default 60)
#   make screenshots  refresh the README's pictures from the end-to-end tests

BUILD ?= build
JOBS ?= $(shell nproc)
CI ?=
WERROR := $(if $(CI),ON,OFF)
GEN := -G Ninja
FUZZ_SECONDS ?= 60

.PHONY: all bootstrap build native win64 win32 dist check test run bench fuzz screenshots clean

all: build

bootstrap:
	@tools/bootstrap.sh

$(BUILD)/native/build.ninja: | bootstrap
	cmake -S . -B $(BUILD)/native $(GEN) -DCMAKE_BUILD_TYPE=Debug -DTL_SANITIZE=ON -DTL_WERROR=$(WERROR)

$(BUILD)/win64/build.ninja: | bootstrap
	cmake -S . -B $(BUILD)/win64 $(GEN) -DCMAKE_BUILD_TYPE=Release -DTL_WERROR=$(WERROR) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

$(BUILD)/win32/build.ninja: | bootstrap
	cmake -S . -B $(BUILD)/win32 $(GEN) -DCMAKE_BUILD_TYPE=Release -DTL_WERROR=$(WERROR) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake

$(BUILD)/bench/build.ninja: | bootstrap
	cmake -S . -B $(BUILD)/bench $(GEN) -DCMAKE_BUILD_TYPE=Release -DTL_BENCH=ON

$(BUILD)/fuzz/build.ninja: | bootstrap
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTL_FUZZ=ON

native: bootstrap $(BUILD)/native/build.ninja
	cmake --build $(BUILD)/native -j $(JOBS)

win64: bootstrap $(BUILD)/win64/build.ninja
	cmake --build $(BUILD)/win64 -j $(JOBS)

win32: bootstrap $(BUILD)/win32/build.ninja
	cmake --build $(BUILD)/win32 -j $(JOBS)

build: native win64 win32

dist: win64 win32
	@tools/make-dist.sh $(BUILD)

# The everyday loop, under a minute on a warm build: nothing here needs Wine.
check: native
	$(BUILD)/native/unit_tests --gtest_brief=1
	tools/check-layout.sh
	tools/format.sh --check
	shellcheck tools/*.sh

# The end-to-end tests install and uninstall what dist makes.
test: check build dist
	@tools/run-tests.sh $(BUILD)

run: win64
	@tools/run.sh $(BUILD)

bench: bootstrap $(BUILD)/bench/build.ninja win64
	cmake --build $(BUILD)/bench -j $(JOBS)
	$(BUILD)/bench/codec_bench
	tools/wine-session.sh -- sh -c 'wine $(BUILD)/win64/sampler_bench.exe && wine $(BUILD)/win64/startup_bench.exe && wine $(BUILD)/win64/document_bench.exe'

# One target at a time, on one core.
fuzz: bootstrap $(BUILD)/fuzz/build.ninja
	cmake --build $(BUILD)/fuzz -j $(JOBS)
	@tools/fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS)

# The README's pictures, as the end-to-end tests take them.
screenshots: test
	cp $(addprefix $(BUILD)/test-artefacts/,main-window.png main-window-advanced.png picking.png \
	  main-window-144-dpi.png loupe.png contrast-checker.png) docs/

clean:
	rm -rf $(BUILD) dist

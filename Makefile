# Orvek: the two commands a newcomer needs are `make run` and `make test`.
# Each installs what is missing (Debian packages), configures, builds, then runs.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 20
CMAKE_FLAGS ?=
# Developers and CI build with warnings as errors; a plain `cmake` (a packager's) does not.
WERROR_FLAG := -DORVEK_WERROR=ON
# $(call configured,DIR): DIR is a configured tree with warnings as errors (one configured
# before the option existed is configured again).
configured = test -f $(1)/build.ninja && grep -q '^ORVEK_WERROR:BOOL=ON' $(1)/CMakeCache.txt

# The translation catalogues, one line each, "name:folders": translations/<name>_uk.ts and
# <name>_en.ts hold the texts of the code in those folders. `make translations` refreshes them.
CATALOGUES := window:app,views results:report,kinematics,storage
LUPDATE ?= /usr/lib/qt6/bin/lupdate

.PHONY: all setup configure build run test e2e soak sanitize bench fuzz screenshot package translations clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@$(call configured,$(BUILD)) || cmake -S . -B $(BUILD) -G Ninja $(WERROR_FLAG) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/orvek

# The headless suite: everything but the long soaks (`make soak`) and the end-to-end run of the
# real program under Xvfb (`make e2e`).
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE 'soak|e2e'

e2e: build
	cd $(BUILD) && ctest --output-on-failure -L e2e

soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L soak

sanitize: setup
	@$(call configured,$(ASAN_BUILD)) || cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVEK_SANITIZE=ON $(WERROR_FLAG)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_odr_violation=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -E e2e_real_x_server

# The benchmarks are built only here, into the same tree, with the peer chart library beside ours.
bench: configure
	@bash scripts/setup.sh --bench
	cmake -S . -B $(BUILD) -DORVEK_BUILD_BENCH=ON $(WERROR_FLAG)
	cmake --build $(BUILD) -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.2 || exit 1; done

fuzz:
	@bash scripts/setup.sh --fuzz
	@$(call configured,$(FUZZ_BUILD)) || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEK_BUILD_FUZZ=ON -DORVEK_BUILD_TESTS=OFF -DORVEK_BUILD_BENCH=OFF $(WERROR_FLAG)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Debian package orvek_<version>_<arch>.deb in $(BUILD)/, then its checks: unpacked into a
# scratch root, run from there, validated (scripts/check-package.sh).
package: build
	cmake --build $(BUILD) --target package
	@bash scripts/check-package.sh $(BUILD)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD)/orvek $(BUILD)/screenshots
	@bash scripts/screenshot-analysis.sh $(BUILD)/orvek $(BUILD)/screenshots

# New texts of the code come in unfinished, texts gone from it go; the build compiles the .ts
# files into the program (qt_add_lrelease).
translations: setup
	@for c in $(CATALOGUES); do \
	  name=$${c%%:*}; folders=$$(echo "$${c#*:}" | tr , ' '); \
	  for lang in uk en; do \
	    $(LUPDATE) -silent -locations none -no-obsolete -source-language ru -target-language $$lang \
	      -I . $$folders -ts translations/$${name}_$$lang.ts || exit 1; \
	  done; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

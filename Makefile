# Front door: `make`, `make test`, `make run [FILE=path]`, `make install`,
# `make package`, the extra checks `make test-asan`, `make fuzz`,
# `make bench`, and the Windows programs `make windows`, `make windows-dist`.
# The five builds are the presets of CMakePresets.json (default, asan, fuzz,
# bench, windows), in the folders named below. Every target configures its
# build again before building it, so the options below take effect on an
# existing build folder too; CMake redoes only what they change.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-bench
WINDOWS_DIR ?= build-windows
# The Linux programs the Windows ones are compared with: those of
# $(BUILD_DIR) when it is configured, else a build of just these two.
WINDOWS_REFERENCE ?= $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),$(BUILD_DIR),$(WINDOWS_DIR)/linux)
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
DESTDIR ?=
# ON turns compiler warnings into errors (CI sets it).
TALVEX_WERROR ?= OFF
CMAKE_FLAGS ?=
CONFIGURE_FLAGS = -DTALVEX_WERROR=$(TALVEX_WERROR) $(CMAKE_FLAGS)
DEPS = scripts/install-deps

.PHONY: all build configure test run deps install package clean test-asan fuzz fuzz-run bench \
  windows windows-dist

all: build

# Everything: the programs, the manual pages and the test programs.
configure:
	cmake --preset default -B $(BUILD_DIR) -DTALVEX_BUILD_TESTS=ON $(CONFIGURE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Everything every target below may need; each target installs only its own.
deps:
	$(DEPS)

test:
	$(DEPS) test
	$(MAKE) build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Builds only the manager. A build folder made here leaves the test programs
# out, so GoogleTest is not needed; an existing one keeps them.
run:
	$(DEPS) build
	cmake --preset default -B $(BUILD_DIR) \
	  $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DTALVEX_BUILD_TESTS=OFF) $(CONFIGURE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target talvexmgr
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no display (DISPLAY is not set); start talvexmgr from a desktop session or under xvfb-run" >&2; \
	  exit 1; \
	fi
	$(BUILD_DIR)/bin/talvexmgr "$(FILE)"

# Programs, desktop entry, icons and manual pages under $(DESTDIR)$(PREFIX).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# A Debian package of the same, $(BUILD_DIR)/talvex_VERSION_ARCH.deb.
package:
	$(DEPS) test package
	$(MAKE) build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	$(DEPS) asan
	cmake --preset asan -B $(ASAN_DIR) $(CONFIGURE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer targets, built with clang into $(FUZZ_DIR)/fuzz/.
fuzz:
	$(DEPS) fuzz
	cmake --preset fuzz -B $(FUZZ_DIR) $(CONFIGURE_FLAGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets

# Each fuzz target for FUZZ_SECONDS (default 30) on its seed corpus.
FUZZ_SECONDS ?= 30
fuzz-run: fuzz
	scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# The programs and the benchmarks, without the tests, in their own folder;
# bench/run-all builds the benchmark programs there and runs them.
bench:
	$(DEPS) bench
	cmake --preset bench -B $(BENCH_DIR) $(CONFIGURE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run-all $(BENCH_DIR)

# talvexcfg.exe and tabseed.exe for 64-bit Windows (MinGW-w64, linked
# statically) with the core's tests, run under Wine, and the byte for byte
# comparison with the Linux programs.
windows:
	$(DEPS) windows
	cmake --preset windows -B $(WINDOWS_DIR) $(CONFIGURE_FLAGS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	[ -f $(WINDOWS_REFERENCE)/CMakeCache.txt ] || cmake --preset default -B $(WINDOWS_REFERENCE) \
	  -DTALVEX_WITH_QT=OFF -DTALVEX_BUILD_TESTS=OFF $(CONFIGURE_FLAGS)
	cmake --build $(WINDOWS_REFERENCE) -j $(JOBS) --target talvexcfg tabseed
	JOBS=$(JOBS) scripts/run-windows-tests $(WINDOWS_DIR) $(WINDOWS_REFERENCE)/bin

# The two programs, the README and the manual pages as plain text in
# $(WINDOWS_DIR)/talvex-VERSION-windows-x86_64.zip.
windows-dist:
	$(DEPS) windows
	cmake --preset windows -B $(WINDOWS_DIR) $(CONFIGURE_FLAGS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows_dist

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR)

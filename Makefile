# Thin wrappers over CMake and CTest. Every target installs missing packages first.
BUILD        ?= build
ASAN_BUILD   ?= build-asan
BENCH_BUILD  ?= build-bench
FUZZ_BUILD   ?= build-fuzz
WIN_BUILD    ?= build-win
FUZZ_SECONDS ?= 600
SOAK_SECONDS ?= 600
SMOKE_SECONDS ?= 45
JOBS         ?= $(shell nproc)
CMAKE_GEN    := -G Ninja

export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1

.PHONY: all deps build run translations test test-unit test-asan fuzz-smoke bench fuzz soak clean format package \
        windows test-windows

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/bin/quarrant

# Adds new texts of src/ to translations/*.ts (unfinished) and drops texts no longer used.
translations: deps
	@bash scripts/update-translations.sh

test: test-unit test-asan fuzz-smoke

test-unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUARRANT_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# Every fuzz target in turn: briefly in `make test`, FUZZ_SECONDS each in `make fuzz`.
fuzz-smoke: deps
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(SMOKE_SECONDS)

fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The long run: every fuzz target for SOAK_SECONDS each, then the monkey test of the whole
# window for SOAK_SECONDS under the sanitizer build (a random seed, printed; SEED=N replays one),
# once in the environment's locale and once in German, with its decimal comma.
soak: deps
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(SOAK_SECONDS)
	@bash scripts/monkey.sh $(ASAN_BUILD) $(SOAK_SECONDS) $(SEED)
	@LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 bash scripts/monkey.sh $(ASAN_BUILD) $(SOAK_SECONDS) $(SEED)

bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUARRANT_BUILD_BENCH=ON -DQUARRANT_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@set -e; for b in $(BENCH_BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b"; fi; \
	done

# The Debian package quarrant_<version>_<arch>.deb in $(BUILD)/package/.
package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/package/quarrant_*.deb

# 64-bit Windows: Qt for Windows built once from Debian's qt6-base source (about 45 minutes on
# two cores, cached in ~/.cache/quarrant), then the program cross-built with MinGW-w64, its
# folder $(WIN_BUILD)/Quarrant-<version>, the portable zip and the NSIS installer.
windows:
	@bash scripts/windows-build.sh $(WIN_BUILD)

# The Windows build under Wine on a private Xvfb: the engine's tests, the window journey, the
# diagnostic log and F1 with the system's help viewer, and the installer.
test-windows: windows build
	@bash tests/windows/run.sh $(WIN_BUILD) $(BUILD)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(WIN_BUILD)

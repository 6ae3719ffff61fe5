# make run: installs what is missing, builds only the program (and its conversion kit) and starts it.
# make test: installs what is missing, builds and runs every test (none may take more than two minutes),
# builds the Windows tree and runs its tests under Wine, then runs each fuzzer for a few seconds.
# make package: builds the Debian package into the build folder.
# make test-sanitize: the same tests in a second tree built with AddressSanitizer and UndefinedBehaviorSanitizer.
# make fuzz: runs every fuzzer (or those named in FUZZERS) at once until stopped, or for FUZZ_TIME seconds.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
TEST_TIMEOUT ?= 120
# The fuzzers are built with clang and the sanitizers in a folder of their own, one per
# tests/fuzz/NameFuzzer.cpp.
FUZZ_DIR ?= build-fuzz
FUZZ_TIME ?= 0
FUZZ_TEST_TIME ?= 20
FUZZERS ?= $(patsubst tests/fuzz/%Fuzzer.cpp,%,$(wildcard tests/fuzz/*Fuzzer.cpp))
# The Windows tree: the Qt-free core, the Windows back ends and the kit, cross-built, run by Wine.
WINDOWS_DIR ?= build-windows

.PHONY: all deps configure build run test windows-build package test-sanitize bench fuzz fuzz-build screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target cssbinder
	@$(BUILD_DIR)/src/ui/cssbinder

test: build windows-build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS) --timeout $(TEST_TIMEOUT)
	@echo "The Windows tree under Wine:"
	@cd $(WINDOWS_DIR) && ctest --output-on-failure --parallel $(JOBS) --timeout $(TEST_TIMEOUT)
	@$(MAKE) --no-print-directory fuzz FUZZ_TIME=$(FUZZ_TEST_TIME)

windows-build: deps
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/windows/Toolchain.cmake \
	  -DCSSBINDER_WITH_UI=OFF -DCSSBINDER_WITH_BENCHMARKS=OFF >/dev/null
	@cmake --build $(WINDOWS_DIR) --parallel $(JOBS)

# Only what the package installs is built; cpack then installs it into a package tree.
package: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target cssbinder program_icons package_documents
	@cd $(BUILD_DIR) && cpack

# Any finding fails the test that made it; leaks are checked at every exit of every test program.
# Sanitized programs run slower, so each test has three times as long.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCSSBINDER_WITH_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-leaks.supp \
	  ctest --output-on-failure --parallel $(JOBS) --timeout $$(( $(TEST_TIMEOUT) * 3 ))

bench: build
	@for program in $(BUILD_DIR)/benchmarks/*_benchmark; do $$program; done
	@# A gamma move is written to a real X server: a virtual one of its own.
	@xvfb-run -a -s '-noreset -screen 0 1280x1024x24' $(BUILD_DIR)/benchmarks/gamma_benchmark --benchmark_filter=MoveOnX11
	@$(BUILD_DIR)/benchmarks/startup_ratio $(BUILD_DIR)/benchmarks/main_window_startup \
	  $(BUILD_DIR)/benchmarks/bare_dialog_startup

fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DCSSBINDER_FUZZ=ON -DCSSBINDER_WITH_UI=OFF -DCSSBINDER_WITH_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target $(addsuffix Fuzzer,$(FUZZERS))

fuzz: fuzz-build
	@$(MAKE) --no-print-directory --jobs $(words $(FUZZERS)) $(addprefix fuzz-run-,$(FUZZERS))

# New inputs a fuzzer finds are kept in $(FUZZ_DIR)/corpus/Name, its output in $(FUZZ_DIR)/Name.log;
# a finding is written beside them as Name-crash-... and fails.
fuzz-run-%:
	@mkdir -p $(FUZZ_DIR)/corpus/$*
	@$(FUZZ_DIR)/tests/fuzz/$*Fuzzer -max_len=4096 -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/$*- $(FUZZ_DIR)/corpus/$* $(FUZZ_DIR)/seeds/$* 2>$(FUZZ_DIR)/$*.log \
	  || { tail -50 $(FUZZ_DIR)/$*.log; exit 1; }
	@echo "$*: $$(grep -oP '^stat::number_of_executed_units:\s*\K\d+' $(FUZZ_DIR)/$*.log) inputs"

screenshot: build
	@scripts/screenshot $(BUILD_DIR)/src/ui/cssbinder docs/main-window.png

clean:
	@rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)

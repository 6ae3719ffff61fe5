# make run: installs what is missing, builds only the program (and its conversion kit) and starts it.
# make test: installs what is missing, builds and runs every test.
# make package: builds the Debian package into the build folder.
# make test-sanitize: the same tests in a second tree built with AddressSanitizer and UndefinedBehaviorSanitizer.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package test-sanitize bench screenshot clean

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

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

# Only what the package installs is built; cpack then installs it into a package tree.
package: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target cssbinder program_icons
	@cd $(BUILD_DIR) && cpack
# Any finding fails the test that made it; leaks are checked at every exit of every test program.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCSSBINDER_WITH_BENCHMARKS=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure --parallel $(JOBS)

bench: build
	@for program in $(BUILD_DIR)/benchmarks/*_benchmark; do $$program; done
	@$(BUILD_DIR)/benchmarks/startup_ratio $(BUILD_DIR)/benchmarks/main_window_startup \
	  $(BUILD_DIR)/benchmarks/bare_dialog_startup

screenshot: build
	@scripts/screenshot $(BUILD_DIR)/src/ui/cssbinder docs/main-window.png

clean:
	@rm -rf $(BUILD_DIR)

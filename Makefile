# make run: installs what is missing, builds only the program (and its conversion kit) and starts it.
# make test: installs what is missing, builds and runs every test.
# make package: builds the Debian package into the build folder.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test package bench screenshot clean

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

bench: build
	@for program in $(BUILD_DIR)/benchmarks/*_benchmark; do $$program; done

screenshot: build
	@scripts/screenshot $(BUILD_DIR)/src/ui/cssbinder docs/main-window.png

clean:
	@rm -rf $(BUILD_DIR)

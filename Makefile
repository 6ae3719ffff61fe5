# make run: installs what is missing, builds and starts cssbinder.
# make test: installs what is missing, builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@$(BUILD_DIR)/src/ui/cssbinder

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

bench: build
	@for program in $(BUILD_DIR)/benchmarks/*_benchmark; do $$program; done

screenshot: build
	@scripts/screenshot $(BUILD_DIR)/src/ui/cssbinder docs/main-window.png

clean:
	@rm -rf $(BUILD_DIR)

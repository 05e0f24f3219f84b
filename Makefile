# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: run test deps configure build bench clean

run: build
	$(BUILD_DIR)/app/selenar

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bench/selenar-bench

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR)

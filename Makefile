# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config libcairo2-dev libwxgtk3.2-dev libgl-dev libglu1-mesa-dev libgtest-dev libbenchmark-dev xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench clean

all: build

# Installs only the packages that are missing.
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/layrail

# GUI tests need a display: the whole suite runs under a virtual one.
test: build
	cd $(BUILD_DIR) && xvfb-run -a -s "-screen 0 1600x1000x24" ctest --output-on-failure -j $(JOBS)

# Benchmarks that draw through wx need a display too.
bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && xvfb-run -a -s "-screen 0 1600x1000x24" "$$b"; done

clean:
	rm -rf $(BUILD_DIR)

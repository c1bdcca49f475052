# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where `make install` puts the program; DESTDIR stages the whole tree elsewhere.
PREFIX ?= /usr/local
DESTDIR ?=
# The install and package tests need the desktop's checking tools and the Debian packaging tools;
# the export tests read PDFs with poppler's tools.
PACKAGES := cmake make g++ pkg-config libcairo2-dev libpng-dev libwxgtk3.2-dev libgl-dev libglu1-mesa-dev libgtest-dev libbenchmark-dev xvfb xauth \
            desktop-file-utils shared-mime-info dpkg-dev groff-base poppler-utils
# Only `make fuzz` needs these: libFuzzer comes with clang.
FUZZ_PACKAGES := cmake make clang-14 libfuzzer-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# make fuzz: each reader's fuzzer runs this long, in seconds.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
# make soak: SEEDS runs of STEPS random edits each, from SEED (a random one when not given).
SEEDS ?= 100
STEPS ?= 1000
SEED ?=

.PHONY: all deps fuzz-deps configure build run test bench install package screenshots soak fuzz clean

all: build

# Installs only the packages of the list that are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX)

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

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

# A .deb for /usr, with the dependencies dpkg-shlibdeps derives from the binaries.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The README's pictures, taken from the real window under a virtual display by the GUI tests
# that save what they show when LAYRAIL_SCREENSHOT_DIR is set.
# Each runs on a screen of its own, so no window of an earlier test shows in a picture.
SCREENSHOT_TESTS := ExampleLayout.OpensWholeAndFitsTheCanvas View3DCommandTest.ShowcaseLayoutInTheWindowTheCommandOpens \
                    PrintCommandTest.PreviewShowsThePagesWithTheOptionsLastUsed
screenshots: build
	mkdir -p docs/screenshots
	@for test in $(SCREENSHOT_TESTS); do \
	  LAYRAIL_SCREENSHOT_DIR="$(CURDIR)/docs/screenshots" xvfb-run -a -s "-screen 0 1600x1000x24" \
	    ./$(BUILD_DIR)/tests/gui/test_gui --gtest_filter="$$test" || exit 1; \
	done

# The random edit test at length; prints the seeds it ran, or the shortest failing sequence.
soak: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target random_edits
	./$(BUILD_DIR)/random_edits $(if $(SEED),--seed $(SEED)) --seeds $(SEEDS) --steps $(STEPS)

# The file fuzzers, one after the other, each starting from the corpus kept in fuzz/corpus/<name> with
# the dictionary fuzz/<dict>.dict. New inputs collect in $(FUZZ_DIR)/corpus; a failing input is written to
# $(FUZZ_DIR) (keep it in fuzz/findings/<name>). Each entry is fuzzer:name:dict; keep the fuzzers in step
# with fuzz/CMakeLists.txt.
FUZZERS := layout_reader:layout:files block_reader:block:files store_table:store:store \
           vertex_text:vertex:vertex startup_script:script:script
fuzz: fuzz-deps
	cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for entry in $(FUZZERS); do \
	  fuzzer=$${entry%%:*}; rest=$${entry#*:}; name=$${rest%%:*}; dict=$${rest#*:}; \
	  findings=fuzz/findings/$$name; [ -d $$findings ] || findings=; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$name && \
	  ./$(FUZZ_DIR)/fuzz_$$fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -dict=fuzz/$$dict.dict -artifact_prefix=$(FUZZ_DIR)/$$name- \
	    $(FUZZ_DIR)/corpus/$$name fuzz/corpus/$$name $$findings || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)

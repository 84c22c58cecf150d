# Two commands set up, build and use Temparoka on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program
#   make test   installs what is missing, builds, runs the whole test suite
# Packages come from Debian; apt-get runs through sudo when we are not root.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# Everything the build, the tests and the tools need.
PACKAGES := cmake ninja-build g++ pkg-config clang-14 libclang-rt-14-dev \
            qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev \
            libjpeg-dev libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-comic-neue fonts-urw-base35 fonts-dejavu-core \
            xvfb xauth x11-utils xdotool imagemagick faketime pulseaudio \
            desktop-file-utils appstream python3 xclip fonts-texgyre \
            dpkg-dev lintian gcovr

SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test test-sanitize coverage faults fuzz bench package art clean

all: build

# Installs only what is missing, and refreshes the package lists only then.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/temparoka

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@runtime=$$(mktemp -d); for b in bench_readings bench_deal bench_soak bench_sound; do \
	  XDG_RUNTIME_DIR=$$runtime QT_QPA_PLATFORM=offscreen $(BUILD)/bin/$$b 2>&1 | grep -v PulseAudio || exit 1; \
	done; rm -rf $$runtime
	bench/memory.sh $(BUILD)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# leak detection on. Leaks inside the system's libraries are listed in
# tests/lsan.supp; our own code has none to hide.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTEMPAROKA_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure -j $(JOBS) -E '^(package|process)\.'

# Line and branch coverage of src/ by the test suite (the process-level
# tests run copies of the program elsewhere and are left out), as an HTML
# report in build-coverage/coverage/index.html and a summary beside it.
# Branches that exist only for exceptions' unwinding are not counted.
COVERAGE_BUILD ?= build-coverage
coverage: deps
	@# A fresh build each time: objects of moved or removed sources would
	@# otherwise linger and confuse the report.
	rm -rf $(COVERAGE_BUILD)
	cmake -S . -B $(COVERAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTEMPAROKA_BENCH=OFF -DTEMPAROKA_HARDEN=OFF \
	    -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage"
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) -E '^(package|process)\.'
	mkdir -p $(COVERAGE_BUILD)/coverage
	gcovr -r . --object-directory $(COVERAGE_BUILD) --filter 'src/' --exclude-throw-branches \
	    --html-details $(COVERAGE_BUILD)/coverage/index.html \
	    --txt $(COVERAGE_BUILD)/coverage/summary.txt --print-summary

# Plants the faults listed in tools/faults/faults.py one at a time in a copy
# of the sources and checks that the suite catches at least nine in ten.
# Only the copy in $(FAULTS_BUILD) is changed; the real src/ is only read.
FAULTS_BUILD ?= build-faults
faults: deps
	python3 tools/faults/run.py --scratch $(FAULTS_BUILD) --jobs $(JOBS)

# Coverage-guided fuzzing with libFuzzer (clang-14) of the four inputs the
# program reads: record file bytes, prediction database text, JPEG bytes,
# the sound file.
# Each target runs FUZZ_SECONDS from its corpus in fuzz/corpus/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_record fuzz_predictions fuzz_jpeg fuzz_sound
fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTEMPAROKA_FUZZ=ON -DTEMPAROKA_TESTS=OFF -DTEMPAROKA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	  corpus=fuzz/corpus/$${t#fuzz_}; work=$(FUZZ_BUILD)/corpus/$${t#fuzz_}; mkdir -p $$work; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/bin/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	      -artifact_prefix=$(FUZZ_BUILD)/ $$work $$corpus 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' ; \
	  test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

# The Debian package build/temparoka_<version>_amd64.deb and the portable
# archive build/temparoka-<version>-linux-<arch>.tar.gz
package: build
	cd $(BUILD) && cpack -G DEB && cpack -G TGZ

# Draws the pictures and synthesises the sound again into data/.
art: configure
	cmake --build $(BUILD) -j $(JOBS) --target temparoka_artgen
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/temparoka_artgen data

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(COVERAGE_BUILD) $(FAULTS_BUILD) $(FUZZ_BUILD)

# Two commands set up, build and use Temparoka on a fresh Debian 12 machine:
#   make run    installs what building and running need, builds, starts the program
#   make test   installs that and the test tools, builds, runs the whole test suite
# Packages come from Debian; apt-get runs through sudo when we are not root.
# The builds are described in CMakePresets.json; BUILD is the default one's
# folder.

BUILD      ?= build
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# What building and running the program needs: the compiler and CMake, Qt,
# the picture and sound libraries, the fonts its windows are laid out for,
# and dpkg-buildflags for the flags Debian builds with.
RUN_PACKAGES := cmake ninja-build g++ pkg-config dpkg-dev \
                qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-multimedia-dev libjpeg-dev libpng-dev zlib1g-dev \
                libsndfile1-dev fonts-comic-neue fonts-urw-base35 fonts-texgyre
# What the suite, the package checks, the format check, the benchmarks, the
# fuzzers, the coverage report and the picture generator need on top; the
# C library's German and Indonesian messages (locales, whose sources the
# suite compiles) show that ours do not follow the system's language.
DEV_PACKAGES := libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev clang-format-14 \
                xvfb xauth x11-utils xdotool xclip imagemagick faketime pulseaudio python3 \
                desktop-file-utils appstream lintian file devscripts gcovr fonts-dejavu-core \
                poppler-utils locales

SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps deps-dev configure build build-dev run test test-sanitize coverage faults fuzz bench package art clean

all: build

# Installs only what is missing of the packages given, and refreshes the
# package lists only then. sudo drops the caller's environment, so the
# variable that keeps debconf from asking goes through env, after sudo.
define install-missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(RUN_PACKAGES))

deps-dev: deps
	$(call install-missing,$(DEV_PACKAGES))

$(BUILD)/build.ninja: CMakeLists.txt CMakePresets.json | deps
	cmake --preset default -B $(BUILD)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The build with the suite and the benchmarks, whose libraries come with
# deps-dev: a tree that `make run` configured before they were installed is
# configured again.
build-dev: deps-dev configure
	@test -f $(BUILD)/tests/CTestTestfile.cmake || cmake --preset default -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/temparoka

test: build-dev
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build-dev
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@runtime=$$(mktemp -d); for b in bench_readings bench_deal bench_soak bench_sound bench_keeping bench_dictionary; do \
	  XDG_RUNTIME_DIR=$$runtime QT_QPA_PLATFORM=offscreen $(BUILD)/bin/$$b 2>&1 | grep -v PulseAudio || exit 1; \
	done; rm -rf $$runtime
	bench/memory.sh $(BUILD)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# leak detection on. Leaks inside the system's libraries are listed in
# tests/lsan.supp; our own code has none to hide.
# The flags and the sanitizers' options are in the preset "sanitize", which
# builds into build-sanitize.
SANITIZE_BUILD := build-sanitize
test-sanitize: deps-dev
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS) -LE '^(package|process)$$'

# Line and branch coverage of src/ by the test suite (the process-level
# tests run copies of the program elsewhere and are left out), as an HTML
# report in build-coverage/coverage/index.html and a summary beside it.
# Branches that exist only for exceptions' unwinding are not counted.
# The preset "coverage" builds into build-coverage.
COVERAGE_BUILD := build-coverage
coverage: deps-dev
	@# A fresh build each time: objects of moved or removed sources would
	@# otherwise linger and confuse the report.
	rm -rf $(COVERAGE_BUILD)
	cmake --preset coverage
	cmake --build --preset coverage -j $(JOBS)
	ctest --preset coverage -j $(JOBS) -LE '^(package|process)$$'
	mkdir -p $(COVERAGE_BUILD)/coverage
	gcovr -r . --object-directory $(COVERAGE_BUILD) --filter 'src/' --exclude-throw-branches \
	    --html-details $(COVERAGE_BUILD)/coverage/index.html \
	    --txt $(COVERAGE_BUILD)/coverage/summary.txt --print-summary

# Plants the faults listed in tools/faults/planted.py one at a time in a copy
# of the sources and checks that the suite catches at least nine in ten.
# Only the copy in $(FAULTS_BUILD) is changed; the real src/ is only read.
FAULTS_BUILD ?= build-faults
faults: deps-dev
	python3 tools/faults/run.py --scratch $(FAULTS_BUILD) --jobs $(JOBS)

# Coverage-guided fuzzing with libFuzzer (clang-14) of the five inputs the
# program reads: record file bytes, prediction database text, the dream
# dictionary's text, JPEG bytes, the sound file; and of what it makes from damaged or hostile data: the
# merge of three record copies, the earlier readings listed from a damaged
# history, and a reading's document (text, web page, PDF, picture) from
# hostile lines.
# Each target runs FUZZ_SECONDS from its corpus in fuzz/corpus/. The preset
# "fuzz" builds them into build-fuzz. Qt gets a runtime folder of the run's
# own, removed after it, so that it makes none in /tmp.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_record fuzz_predictions fuzz_jpeg fuzz_sound fuzz_merge fuzz_history fuzz_reading fuzz_dictionary
fuzz: deps-dev
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@runtime=$$(mktemp -d); status=0; for t in $(FUZZ_TARGETS); do \
	  corpus=fuzz/corpus/$${t#fuzz_}; work=$(FUZZ_BUILD)/corpus/$${t#fuzz_}; mkdir -p $$work; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  XDG_RUNTIME_DIR=$$runtime QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/bin/$$t -max_total_time=$(FUZZ_SECONDS) \
	      -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $$work $$corpus 2>&1 \
	    | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' ; \
	  test $${PIPESTATUS[0]} -eq 0 || { status=1; break; }; \
	done; rm -rf $$runtime; exit $$status

# The Debian package build/temparoka_<version>_amd64.deb and the portable
# archive build/temparoka-<version>-linux-<arch>.tar.gz, the same bytes from
# every build of a commit: packaging/cpack-config.cmake sets the time, and
# the umask here the modes of the Debian package's members.
package: build-dev
	cd $(BUILD) && umask 022 && cpack -G DEB && cpack -G TGZ

# Draws the pictures and synthesises the sound again into data/.
art: deps-dev configure
	cmake --build $(BUILD) -j $(JOBS) --target temparoka_artgen
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/temparoka_artgen data

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(COVERAGE_BUILD) $(FAULTS_BUILD) $(FUZZ_BUILD)

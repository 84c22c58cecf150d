# Two commands set up, build and use Temparoka on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program
#   make test   installs what is missing, builds, runs the whole test suite
# Packages come from Debian; apt-get runs through sudo when we are not root.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

# Everything the build, the tests and the tools need.
PACKAGES := cmake ninja-build g++ pkg-config \
            qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev \
            libjpeg-dev libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev \
            fonts-comic-neue fonts-urw-base35 fonts-dejavu-core \
            xvfb xauth x11-utils xdotool imagemagick faketime pulseaudio \
            desktop-file-utils appstream

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench package art clean

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
	@for b in $(BUILD)/bin/bench_*; do [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true

# The release archive: build/temparoka-<version>-linux-<arch>.tar.gz
package: build
	cd $(BUILD) && cpack -G TGZ

# Draws the pictures and synthesises the sound again into data/.
art: configure
	cmake --build $(BUILD) -j $(JOBS) --target temparoka_artgen
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/temparoka_artgen data

clean:
	rm -rf $(BUILD)

# Kestrune: one Makefile does all set-up on a fresh Debian 12 machine.
#   make run    install what is missing, build, generate the data, start the program
#   make test   the same set-up, then every test headless
#   make bench  the same set-up, then the benchmarks

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests and the data generation need.
DEB_PACKAGES := cmake g++ make pkg-config \
	qt6-base-dev qt6-base-dev-tools libgl-dev \
	libsqlcipher-dev sqlcipher \
	libbenchmark-dev \
	fonts-dejavu-core fonts-dejavu-extra fonts-liberation \
	xvfb xauth

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    apt-get update -q && apt-get install -y -q --no-install-recommends $$missing; \
	  else \
	    echo "Kestrune needs these Debian packages, which are not installed:$$missing"; \
	    echo "Install them as root:  apt-get install$$missing"; \
	    exit 1; \
	  fi; \
	fi

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE); \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: starting under xvfb-run (screenshots: see README)"; \
	  xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bin/kestrune; \
	else \
	  $(BUILD_DIR)/bin/kestrune; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/kestrune-bench

clean:
	rm -rf $(BUILD_DIR)

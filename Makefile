# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program on the demo school
#   make test   the same set-up, then builds with sanitizers and runs every test
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-test clean

deps:
	@sh tools/setup/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRUMBELO_TESTS=OFF -DRUMBELO_BENCH=OFF
	cmake --build build -j $(JOBS)

run: build
	cd build/rumbelo && ./rumbelo

build-test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DRUMBELO_SANITIZE=ON -DRUMBELO_WERROR=ON
	cmake --build build-test -j $(JOBS)

test: build-test
	cd build-test && ctest --output-on-failure -j $(JOBS) --timeout 600

clean:
	rm -rf build build-test

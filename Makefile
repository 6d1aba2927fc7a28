# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program on the demo school
#   make test   the same set-up, then builds with sanitizers and runs every test
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-test bench clean

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

# Start-up against a bare Qt window, in a release build; needs a display (e.g. under
# xvfb-run -s "-screen 0 800x600x24"). RUNS=N changes the number of runs.
RUNS ?= 15
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DRUMBELO_TESTS=OFF -DRUMBELO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/startup_bench $(RUNS)

clean:
	rm -rf build build-test build-bench

# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build a Release binary and start the program
#   make test   install what is missing, build, and pass every test (also under ASan and UBSan)
# Further:
#   make bench    Release build of the benchmarks (in build-bench), then run them
#   make package  Release build, then a Debian package in build-release/

CMAKE_GEN := -G Ninja
JOBS ?= $(shell nproc)

.PHONY: deps run test bench package build-release clean

deps:
	@./scripts/install-deps.sh

build-release: deps
	cmake -S . -B build-release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=OFF
	cmake --build build-release -j $(JOBS)

run: build-release
	./build-release/app/vemmick

test: deps
	cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)
	cd build && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B build-sanitize $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVEMMICK_SANITIZE=ON -DVEMMICK_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	./scripts/run-benchmarks.sh build-bench

package: build-release
	cd build-release && cpack -G DEB

clean:
	rm -rf build build-release build-bench build-sanitize

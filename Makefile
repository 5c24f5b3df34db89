# Two commands do all set-up on a fresh Debian 13 or 12 machine, each installing only what it needs:
#   make run    install what is missing, build a Release binary and start the program
#   make test   install what is missing, build, and pass every test (also under ASan and UBSan)
# Further:
#   make bench    Release build of the benchmarks (in build-bench), then run them
#   make package  Release build, then a Debian package and its SHA256SUMS in build-release/
#   make windows  Release build for 64-bit Windows in build-windows/: the zip and the installer
#   make package ARCH=arm64   the package for another architecture of Debian (arm64, armhf, i386,
#                             s390x), cross-built, in build-release-<arch>/
#   make test ARCH=arm64      the suite built for that architecture, run under qemu-user
#   make test-arches          the suite for all four (make test runs it for arm64 and s390x)

CMAKE_GEN := -G Ninja
JOBS ?= $(shell nproc)

# The Windows build builds its tests only for `make test`.
WINDOWS_TESTS ?= OFF

# Other architectures of Debian: all that it releases for besides amd64, and those that make test
# runs too, another processor and the other byte order.
ARCHES := arm64 armhf i386 s390x
TEST_ARCHES := arm64 s390x

.PHONY: run test test-arches build-test bench package build-release windows clean

# Each command installs what its own purpose needs (scripts/install-deps.sh), and no more.
build-release:
	@./scripts/install-deps.sh $(if $(filter package,$(MAKECMDGOALS)),package,run)
	cmake -S . -B build-release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=OFF
	cmake --build build-release -j $(JOBS)

run: build-release
	./build-release/app/vemmick

ifdef ARCH
test: build-test
	./scripts/cross.sh test $(ARCH)
else
test: build-test
	./scripts/ctest-all.sh build $(JOBS)
	cmake -S . -B build-sanitize $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVEMMICK_SANITIZE=ON -DVEMMICK_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	./scripts/ctest-all.sh build-sanitize $(JOBS)
	$(MAKE) windows WINDOWS_TESTS=ON
	./scripts/ctest-all.sh build-windows $(JOBS)
	for arch in $(TEST_ARCHES); do ./scripts/cross.sh test $$arch || exit 1; done
endif

# The build machine's own build with its tests: the other architectures' builds are compared with it.
build-test:
	@./scripts/install-deps.sh test
	cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

test-arches: build-test
	for arch in $(ARCHES); do ./scripts/cross.sh test $$arch || exit 1; done

bench:
	@./scripts/install-deps.sh bench
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	./scripts/run-benchmarks.sh build-bench

ifdef ARCH
package:
	@./scripts/install-deps.sh cross
	./scripts/cross.sh package $(ARCH)
else
package: build-release
	cd build-release && cpack -G DEB && cmake -E sha256sum vemmick_*.deb > SHA256SUMS
endif

windows:
	@./scripts/install-deps.sh windows
	gif=$${XDG_CACHE_HOME:-$$HOME/.cache}/vemmick/giflib-mingw; \
	[ -f $$gif/lib/libgif.a ] || ./scripts/build-giflib-mingw.sh $$gif; \
	qt=$$(./scripts/qt-mingw.sh) && cmake -S . -B build-windows $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DGIF_INCLUDE_DIR=$$gif/include -DGIF_LIBRARY=$$gif/lib/libgif.a \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DVEMMICK_BENCH=OFF -DVEMMICK_TESTS=$(WINDOWS_TESTS)
	cmake --build build-windows -j $(JOBS)

clean:
	rm -rf build build-release build-bench build-sanitize build-windows $(foreach a,$(ARCHES),build-$(a) build-release-$(a))

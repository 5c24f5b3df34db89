# Two commands do all set-up on a fresh Debian 13 or 12 machine, each installing only what it needs:
#   make run    install what is missing, build a Release binary and start the program
#   make test   install what is missing, build, and pass every test (also under ASan and UBSan)
# Further:
#   make bench    Release build of the benchmarks (in build-bench), then run them
#   make package  Release build, then a Debian package and its SHA256SUMS in build-release/
#   make windows  Release build for 64-bit Windows in build-windows/: the zip and the installer

CMAKE_GEN := -G Ninja
JOBS ?= $(shell nproc)

# The Windows build builds its tests only for `make test`.
WINDOWS_TESTS ?= OFF

.PHONY: run test bench package build-release windows clean

# Each command installs what its own purpose needs (scripts/install-deps.sh), and no more.
build-release:
	@./scripts/install-deps.sh $(if $(filter package,$(MAKECMDGOALS)),package,run)
	cmake -S . -B build-release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=OFF
	cmake --build build-release -j $(JOBS)

run: build-release
	./build-release/app/vemmick

test:
	@./scripts/install-deps.sh test
	cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)
	./scripts/ctest-all.sh build $(JOBS)
	cmake -S . -B build-sanitize $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVEMMICK_SANITIZE=ON -DVEMMICK_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	./scripts/ctest-all.sh build-sanitize $(JOBS)
	$(MAKE) windows WINDOWS_TESTS=ON
	./scripts/ctest-all.sh build-windows $(JOBS)

bench:
	@./scripts/install-deps.sh bench
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMMICK_TESTS=OFF -DVEMMICK_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	./scripts/run-benchmarks.sh build-bench

package: build-release
	cd build-release && cpack -G DEB && cmake -E sha256sum vemmick_*.deb > SHA256SUMS

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
	rm -rf build build-release build-bench build-sanitize build-windows

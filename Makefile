# The entry points a person types. Each one installs what is missing first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_REL  ?= build-release
BUILD_PKG  ?= build-package
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: run test bench package deps build build-asan clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tessvar

# Every test, then the same tests again in an address + undefined-behaviour
# sanitizer build.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTESSVAR_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS) -LE crash

bench: deps
	cmake -S . -B $(BUILD_REL) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_REL) -j $(JOBS)
	scripts/run-bench $(BUILD_REL)

# A Debian package of a release build installed under /usr.
package: deps
	cmake -S . -B $(BUILD_PKG) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD_PKG) -j $(JOBS)
	cd $(BUILD_PKG) && cpack -G DEB
	@ls $(BUILD_PKG)/tessvar_*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_REL) $(BUILD_PKG)

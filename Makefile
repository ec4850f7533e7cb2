# The entry points a person types. Each one installs what is missing first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_REL  ?= build-release
BUILD_PKG  ?= build-package
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS      ?= 300
FUZZ_TEST_SECONDS ?= 15
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: run test bench package deps build build-asan fuzz fuzz-build clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tessvar

# Every test, then the same tests again in an address + undefined-behaviour
# sanitizer build, then every fuzz corpus file and a short run of each target.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTESSVAR_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS) -LE crash
	$(MAKE) fuzz-build
	scripts/run-fuzz --replay $(BUILD_FUZZ) $(FUZZ_TEST_SECONDS)

# libFuzzer targets, one per reader: Debian's clang, model only, own folder.
$(BUILD_FUZZ)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD_FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DTESSVAR_FUZZ=ON -DTESSVAR_WITH_UI=OFF

fuzz-build: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)

# Every target FUZZ_SECONDS long: runs executed and findings per target.
fuzz: fuzz-build
	scripts/run-fuzz $(BUILD_FUZZ) $(FUZZ_SECONDS)

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
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_REL) $(BUILD_PKG) $(BUILD_FUZZ)

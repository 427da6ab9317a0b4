# Front door: `make run` and `make test` work on a fresh Debian 12 machine (as root they install
# what is missing first).
BUILD ?= build
JOBS ?= 2

.PHONY: all build bootstrap run test bench dist clean format

all: build

bootstrap:
	@tools/bootstrap.sh

build: bootstrap
	@cmake -S . -B $(BUILD)/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/win -j $(JOBS)
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

# The release files in $(BUILD)/dist: the zip, the MSI and their SHA256SUMS. Only the program
# itself needs building for them.
dist: bootstrap
	@cmake -S . -B $(BUILD)/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/win -j $(JOBS) --target VorlIP
	@tools/dist.sh $(BUILD)

run: build
	@tools/run.sh $(BUILD)

test: build
	@tools/run-tests.sh $(BUILD)

bench: build
	@tools/bench.sh $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

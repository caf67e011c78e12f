# A front door only: the build is CMake's, the packages are install-deps'.
PRESET ?= default
BUILD := build/$(PRESET)
# CI builds treat every warning as an error.
CMAKE_FLAGS := $(if $(CI),-DBRIVOLA_WERROR=ON)
FUZZ_SECONDS ?= 60
# The tools of the deeper checks, installed only when one of them runs.
CHECK_TOOLS := clang libclang-rt-14-dev clang-format clang-tidy cppcheck gcovr

.PHONY: all deps configure build run test package fuzz coverage clean
all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) $(CMAKE_FLAGS)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD)/brivola

test: build
	@ctest --preset $(PRESET)

# brivola_<version>_<arch>.deb in build/<preset>
package: build
	@cd $(BUILD) && cpack -G DEB

fuzz:
	@scripts/install-deps $(CHECK_TOOLS)
	@fuzz/run $(FUZZ_SECONDS)

coverage:
	@scripts/install-deps $(CHECK_TOOLS)
	@scripts/coverage

clean:
	rm -rf build

# A front door only: the build is CMake's, the packages are install-deps'.
PRESET ?= default
BUILD := build/$(PRESET)
# CI builds treat every warning as an error.
CMAKE_FLAGS := $(if $(CI),-DBRIVOLA_WERROR=ON)

.PHONY: all deps configure build run test package clean
all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD)/brivola

test: build
	@ctest --preset $(PRESET)

# brivola_<version>_<arch>.deb in build/<preset>
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf build

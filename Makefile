# A front door only: the build is CMake's, the packages are install-deps'.
PRESET ?= default
BUILD := build/$(PRESET)
# CI builds treat every warning as an error; others do not, whatever an
# earlier build left in CMake's cache.
CMAKE_FLAGS := -DBRIVOLA_WERROR=$(if $(CI),ON,OFF)
# Building and playing need only install-deps' own list; each check names
# the tools it adds. The tests validate the desktop files, redraw the icons,
# build the package and read the window's class on a virtual display.
TEST_TOOLS := desktop-file-utils appstream binutils-mingw-w64-x86-64 python3 dpkg-dev file \
	xvfb x11-utils
PACKAGE_TOOLS := dpkg-dev file
COVERAGE_TOOLS := gcovr
WINDOWS_TOOLS := g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis xvfb x11-utils \
	util-linux binutils imagemagick xdotool

.PHONY: all deps configure build run test package coverage windows clean
all: build

# Target-specific, so `make test` installs the test tools before it builds.
test: EXTRA_TOOLS = $(TEST_TOOLS)
package: EXTRA_TOOLS = $(PACKAGE_TOOLS)
deps:
	@scripts/install-deps $(EXTRA_TOOLS)

configure: deps
	@cmake --preset $(PRESET) $(CMAKE_FLAGS)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	$(BUILD)/brivola

test: build
	@ctest --preset $(PRESET)

# Packages are dated by the last commit, so that the same commit always gives
# the same bytes.
package windows: export SOURCE_DATE_EPOCH = $(shell git log -1 --format=%ct 2>/dev/null || date +%s)

# brivola_<version>_<arch>.deb in build/<preset>.
package: build
	@cd $(BUILD) && cpack -G DEB

coverage:
	@scripts/install-deps $(COVERAGE_TOOLS)
	@scripts/coverage

# Windows: Qt built once for it into a cache (see packaging/windows/build-qt),
# then the game, its tests under Wine, the installer and a portable .zip in
# build/windows, what they ship checked for hardening, and the installer tried
# in a fresh Wine prefix.
# build-qt holds the cache while the game compiles against it and ships it.
windows:
	@scripts/install-deps $(WINDOWS_TOOLS)
	@packaging/windows/build-qt sh -c 'cmake --preset windows $(CMAKE_FLAGS) && \
	  cmake --build --preset windows && ctest --preset windows && cpack --preset windows'
	@packaging/windows/check-hardening build/windows
	@packaging/windows/check-installer build/windows

clean:
	rm -rf build

# The two commands a new user needs: `make run` and `make test`. Both install what is missing,
# configure and build first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
PACKAGES := cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libjpeg62-turbo-dev libzip-dev \
            googletest libgtest-dev imagemagick python3-pil xvfb xauth python3-pyatspi at-spi2-core dbus openbox xdotool \
            mtools dosfstools qemu-utils qemu-system-common fuse3 \
            qt6-tools-dev qt6-l10n-tools python3 appstream desktop-file-utils bash-completion man-db \
            dpkg-dev lintian \
            gcc-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32
# Real photographs for `make bench` only (desktop wallpapers, about 27 MB), and the peers that
# bench_photos measures against besides ImageMagick (pngquant's quantiser, libjpeg-turbo's djpeg).
BENCH_PACKAGES := lomiri-wallpapers-16.04 lomiri-wallpapers-20.04 pngquant libjpeg-turbo-progs

.PHONY: all setup build run test package bench fuzz clean

all: build

setup:
	@./scripts/install-packages $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DBOOTCANVAS_WERROR=ON

build: setup $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: start Bootcanvas from a desktop session, or try: xvfb-run make run"; exit 1; fi
	$(BUILD_DIR)/src/bootcanvas

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# A Debian package in $(BUILD_DIR): sudo apt install ./$(BUILD_DIR)/bootcanvas_*.deb
package: build
	cmake --build $(BUILD_DIR) --target package

bench: build
	@./scripts/install-packages $(BENCH_PACKAGES)
	@for benchmark in $(BUILD_DIR)/bench/bench_*; do \
	  [ -f "$$benchmark" ] && [ -x "$$benchmark" ] || continue; \
	  echo "== $$benchmark"; "$$benchmark" || exit 1; done

fuzz:
	@./scripts/install-packages $(PACKAGES) clang libclang-rt-14-dev
	./scripts/run-fuzzers 60

clean:
	rm -rf $(BUILD_DIR) build-fuzz

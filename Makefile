# Two commands do everything: `make run` and `make test`. `make package` builds the .deb.
BUILD_DIR ?= build
PKG_BUILD_DIR ?= build-pkg
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build build-test deps package clean

deps:
	@scripts/installa-dipendenze

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Started from the repository root, so the settings file lands here.
run: build
	./$(BUILD_DIR)/veltrix

build-test: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build-test
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The Debian package, built apart from the development build: Release, without the tests.
# It is left in the repository root, as veltrix_<version>_<architecture>.deb, in place of any
# older one that `apt-get install ./veltrix_*.deb` would otherwise pick up as well.
package:
	@scripts/installa-dipendenze pacchetto
	cmake -S . -B $(PKG_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(PKG_BUILD_DIR) -j $(JOBS)
	rm -f $(PKG_BUILD_DIR)/veltrix_*.deb veltrix_*.deb
	cd $(PKG_BUILD_DIR) && cpack -G DEB
	cp $(PKG_BUILD_DIR)/veltrix_*.deb .
	@ls -l veltrix_*.deb

clean:
	rm -rf $(BUILD_DIR) $(PKG_BUILD_DIR)

# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands do everything: `make run` and `make test`. `make package` builds the .deb,
# `make windows` the Windows installer.
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

# The Debian package, built apart from the development build: Release, without the tests, with
# the hardening flags Debian builds its own packages with (dpkg-buildflags; the program is C++
# only, so CFLAGS has nothing to build). It is left in the repository root, as
# veltrix_<version>_<architecture>.deb, in place of any older one that
# `apt-get install ./veltrix_*.deb` would otherwise pick up as well, and only once lintian finds
# in it no error and no warning.
package:
	@scripts/installa-dipendenze pacchetto
	cmake -S . -B $(PKG_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		"-DCMAKE_CXX_FLAGS=$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		"-DCMAKE_EXE_LINKER_FLAGS=$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PKG_BUILD_DIR) -j $(JOBS)
	rm -f $(PKG_BUILD_DIR)/veltrix_*.deb veltrix_*.deb
	cd $(PKG_BUILD_DIR) && cpack -G DEB
	lintian --fail-on error,warning --display-info $(PKG_BUILD_DIR)/veltrix_*.deb
	cp $(PKG_BUILD_DIR)/veltrix_*.deb .
	@ls -l veltrix_*.deb

# The sources rewritten in .clang-format's style; `make test` checks it (the test "formato").
.PHONY: formato
formato: deps
	scripts/formato

clean:
	rm -rf $(BUILD_DIR) $(PKG_BUILD_DIR) build-windows

# --- Proof under load and bad input -------------------------------------------------------
# Each target has a build directory of its own, so none of them disturbs `make test`.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# Qt itself is not instrumented: leaks are reported, minus those inside third-party libraries
# listed in the suppression file.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: test-sanitize

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE= -DBUILD_TESTING=ON \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS) -O1 -g" \
		"-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure

.PHONY: fuzz
# The settings-file reader and the program-name rule under libFuzzer, FUZZ_SECONDS per target.
fuzz: deps
	scripts/fuzz

.PHONY: soak
# The random-use test at length: SOAK_PASSI steps from the seed SOAK_SEME (both printed).
SOAK_PASSI ?= 50000
SOAK_SEME ?= 20261208
soak: build-test
	cd $(BUILD_DIR)/tests && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' \
		VELTRIX_PASSI=$(SOAK_PASSI) VELTRIX_SEME=$(SOAK_SEME) ./test_uso

.PHONY: bench
# One table: the start against a bare Qt window, a series, a worksheet and the four PDFs.
BENCH_DIR ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DVELTRIX_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_veltrix
	QT_LOGGING_RULES='qt.qpa.*=false' ./$(BENCH_DIR)/bench/bench_veltrix
	./$(BENCH_DIR)/bench/bench_registro

# --- Windows ----------------------------------------------------------------------------------
# Cross-built on Debian with Qt built from Debian's own source (the first time about an hour on
# 2 cores; later runs reuse it from ~/.cache/veltrix), and proved under Wine. Not part of
# `make test`.
.PHONY: windows test-windows
# The installer veltrix-<version>-setup.exe, installed and tried under Wine.
windows:
	@scripts/windows
# Every test program built for Windows, run under Wine, then the installer proved as above.
test-windows:
	@scripts/windows prove

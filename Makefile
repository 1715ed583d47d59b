# The README's two commands. This file only installs what is missing, configures and calls CMake.
#   make run   build in Release and start the desktop app (without a display: make the demo
#              web site with cardwise-cli and print where it is)
#   make test  build and run every test through CTest
#   make package        the Debian package (Release build, CPack)
#   make install-check  install the test build into a scratch root and try it there

PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev help2man
# The programs' allocator (cmake/allocator.cmake).
PACKAGES += libjemalloc-dev
# Publishing the site: rsync copies it, ssh reaches a server.
PACKAGES += rsync openssh-client
# The accessibility audit of the demo site (make test): headless chromium, driven from node with
# npm packages. npm is Debian's own package only where no npm came with the installed nodejs.
AUDIT_PACKAGES := chromium nodejs $(if $(shell command -v npm),,npm)
# The scorecard tests read the PDF with pdftotext; the cards are set in DejaVu Sans.
PACKAGES += poppler-utils fonts-dejavu-core
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
JOBS ?= 2

.PHONY: run test deps bench format clean package install-check test-sanitize fuzz sanitize-build

run: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  $(RELEASE_DIR)/src/app/cardwise; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): making the demo web site."; \
	  tools/demo-site.sh $(RELEASE_DIR); \
	fi

test: PACKAGES += $(AUDIT_PACKAGES)
test: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS); status=$$?; \
	  cat site-audit/skipped.txt 2>/dev/null; exit $$status

bench: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDWISE_BENCH=ON
	cmake --build $(RELEASE_DIR) -j$(JOBS)
	$(RELEASE_DIR)/bench/cardwise-bench
	BUILD=$(RELEASE_DIR) NOBUILD=1 sh bench/weekly_bench.sh

# The install layout and the Debian package; each target adds the Debian tools it needs.
package: PACKAGES += dpkg-dev
package: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)
	cd $(RELEASE_DIR) && cpack
	@ls $(RELEASE_DIR)/cardwise_*.deb

install-check: PACKAGES += desktop-file-utils appstream
install-check: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)
	tools/check-install.sh $(BUILD_DIR)

# The checked builds, in one clang build folder: the whole suite (GUI tests too) under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the libFuzzer targets of tests/fuzz/, run
# one after the other for FUZZ_SECONDS each. clang comes only for these two targets.
SANITIZE_DIR ?= build-sanitize
FUZZ_SECONDS ?= 60
CHECK_PACKAGES := clang libclang-rt-14-dev
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1

sanitize-build:
	$(MAKE) deps PACKAGES="$(PACKAGES) $(CHECK_PACKAGES) $(AUDIT_PACKAGES)"
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DBUILD_TESTING=ON -DCARDWISE_FUZZ=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j$(JOBS)

test-sanitize: sanitize-build
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS)

fuzz: sanitize-build
	$(SANITIZE_ENV) tests/fuzz/run.sh $(SANITIZE_DIR) $(FUZZ_SECONDS)

# Installs the Debian packages that are not installed yet; does nothing when all are there.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  echo "Installing:$$missing"; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y $$missing; \
	fi

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(SANITIZE_DIR)

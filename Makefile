# make run       installs what is missing, builds and starts the calculator
# make test      installs what is missing, builds and runs every test
# make sanitize  the same tests built with AddressSanitizer and UBSan
# make release   the Release build (build-release/), tested
# make package   the Debian package from the Release build: build-release/tarnwick_*.deb
# make bench     the timings and the cold start against an empty window, checked against
#                the speed goals (BENCH_BUILD, default build/)

# Build and test tools, the libraries, the report's font (Liberation Mono, metric-
# compatible with Courier New), the tools the tests call, and what the package needs.
PACKAGES := g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
PACKAGES += fonts-liberation poppler-utils
PACKAGES += desktop-file-utils appstream
PACKAGES += dpkg-dev file
JOBS ?= 2

.PHONY: deps build test sanitize release package run format clean

deps:
	@export LC_ALL=C; missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    SUDO=""; \
	    if [ "$$(id -u)" -ne 0 ]; then \
	        command -v sudo >/dev/null || { echo "make deps: run as root or install sudo; missing:$$missing"; exit 1; }; \
	        SUDO=sudo; \
	    fi; \
	    $$SUDO apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --preset sanitize -j $(JOBS)

release: deps
	cmake --preset release >/dev/null
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)

package: release
	rm -f build-release/tarnwick_*.deb
	cmake --build --preset release --target package
	sh packaging/check-deb.sh build-release/tarnwick_*.deb

# Without a display Qt would abort; say so, and how to run it anyway.
run:
	$(if $(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),,$(error no display (DISPLAY and \
	WAYLAND_DISPLAY are unset); run it anyway with 'xvfb-run -a make run' (package xvfb), \
	'QT_QPA_PLATFORM=vnc make run' (VNC viewer on port 5900) or \
	'QT_QPA_PLATFORM=offscreen make run' (no window)))
	@$(MAKE) --no-print-directory build
	./build/tarnwick

# Both parts run, then the target fails if either missed a goal.
.PHONY: bench
BENCH_BUILD ?= build
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tarnwick_bench tarnwick_coldstart
	@timings=0; coldstart=0; \
	$(BENCH_BUILD)/bench/tarnwick_bench --goals --benchmark_repetitions=3 \
	    --benchmark_min_time=0.2 || timings=1; \
	echo; $(BENCH_BUILD)/bench/tarnwick_coldstart --goals --runs 20 || coldstart=1; \
	[ $$timings -eq 0 ] && [ $$coldstart -eq 0 ]

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-sanitize build-release

# make run       installs what is missing, builds and starts the calculator
# make test      installs what is missing, builds and runs every test
# make sanitize  the same tests built with AddressSanitizer and UBSan
# make release   the Release build (build-release/), tested
# make package   the Debian package from the Release build: build-release/tarnwick_*.deb
# make bench     the timings and the cold start against an empty window, and the web
#                edition's payload, start and input latency in headless Chromium and its
#                first load over mobile data (Lighthouse), checked against the speed goals
#                (BENCH_BUILD, default build/)
# make fuzz      the libFuzzer targets (clang, build-fuzz/), each FUZZ_SECONDS from fuzz/corpus/
# make valgrind  every scenario file through the scenario runner under valgrind memcheck
# make web       the calculator for the browser, compiled to WebAssembly: build-web/site/
# make serve     builds the site and serves it on http://127.0.0.1:8080 (PORT=..., and
#                HOST=0.0.0.0 for the local network)

# Build and test tools, the libraries, the report's font (Liberation Mono, metric-
# compatible with Courier New), the tools the tests call, and what the package needs
# (dpkg-shlibdeps for its Depends, lintian to check it as Debian would).
PACKAGES := g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
PACKAGES += fonts-liberation poppler-utils
PACKAGES += desktop-file-utils appstream
PACKAGES += dpkg-dev file lintian
PACKAGES += clang libclang-rt-14-dev valgrind
PACKAGES += libfast-float-dev libfmt-dev
# The web edition: Debian's emscripten, and Debian's chromium for the browser test,
# which playwright-core (npm, pinned in tests/web/package-lock.json) drives; the
# same session in Firefox ESR (puppeteer-core over WebDriver BiDi) and in WebKitGTK
# (WebKitWebDriver and its MiniBrowser, under Xvfb). The build writes the page's
# first paint in Debian's jsdom.
WEB_PACKAGES := emscripten node-jsdom chromium fonts-dejavu-core
WEB_PACKAGES += firefox-esr webkit2gtk-driver xvfb xauth
PACKAGES += $(WEB_PACKAGES)
JOBS ?= 2
PORT ?= 8080
HOST ?= 127.0.0.1
WEB_BUILD ?= build-web
# emcc needs Debian's node modules (acorn) on a Node.js that is not Debian's own.
WEB_ENV := NODE_PATH=/usr/share/nodejs
FUZZ_SECONDS ?= 60
FUZZ_BUILD ?= build-fuzz
SCENARIO_RUNNER ?= build/tarnwick-scenario

.PHONY: deps build test sanitize release package run format clean web serve

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
	@# Node.js and npm come with Debian's packages unless the machine has its own.
	@export LC_ALL=C; missing=""; \
	command -v node >/dev/null || missing="nodejs"; \
	command -v npm >/dev/null || missing="$$missing npm"; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    SUDO=""; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	    DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j $(JOBS)

test: build web
	ctest --preset default -j $(JOBS)
	tests/web/check-web.sh build $(WEB_BUILD)

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

web: deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel -DTARNWICK_WERROR=ON >/dev/null
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)

serve: web
	node ui/web/serve.js $(WEB_BUILD)/site $(PORT) $(HOST)

# Without a display Qt would abort; say so, and how to run it anyway.
run:
	$(if $(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),,$(error no display (DISPLAY and \
	WAYLAND_DISPLAY are unset); run it anyway with 'xvfb-run -a make run' (package xvfb), \
	'QT_QPA_PLATFORM=vnc make run' (VNC viewer on port 5900) or \
	'QT_QPA_PLATFORM=offscreen make run' (no window)))
	@$(MAKE) --no-print-directory build
	./build/tarnwick

# The fuzz targets run from the corpus kept in the tree; what they find on the
# way goes to build-fuzz/corpus/, a finding to build-fuzz/ and fails the target.
.PHONY: fuzz valgrind
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTARNWICK_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_numbers fuzz_session fuzz_record
	for t in numbers session record; do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$t && \
	    $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_BUILD)/$$t- $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

valgrind: build
	for f in tests/scenarios/*.scenario; do \
	    valgrind -q --error-exitcode=1 --leak-check=full \
	        --errors-for-leak-kinds=definite,indirect,possible \
	        $(SCENARIO_RUNNER) $$f || exit 1; \
	done

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
	echo; $(MAKE) --no-print-directory web >/dev/null && \
	npm ci --prefix tests/web --no-audit --no-fund --loglevel=error >/dev/null && \
	node bench/web/bench-web.js $(WEB_BUILD) --runs 10 --goals || web=1; \
	echo; node bench/web/lighthouse.js $(WEB_BUILD) --runs 3 --goals || web=1; \
	[ $$timings -eq 0 ] && [ $$coldstart -eq 0 ] && [ $${web:-0} -eq 0 ]

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-sanitize build-release build-fuzz build-web tests/web/node_modules

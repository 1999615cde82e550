# make run   installs what is missing, builds and starts the calculator
# make test  installs what is missing, builds and runs every test
# make sanitize  the same tests built with AddressSanitizer and UBSan

PACKAGES := g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
JOBS ?= 2

.PHONY: deps build test sanitize run format clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
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

run: build
	./build/tarnwick

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-sanitize

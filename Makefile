# The two front-door commands: `make run` and `make test`.
PREFIX ?= $(HOME)/Bindlewick
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: run test deps build install format clean

deps:
	@bash scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Installs the program and its shipped files into $(PREFIX) and starts it
# there. A user's collection (a1.pvd, a3.pvd, a4.pvd, bindle.ini) is never
# touched.
install: build
	bash scripts/install-program.sh "$(BUILD)" "$(PREFIX)"

run: install
	cd "$(PREFIX)" && ./bindlewick

# Every test; under CI also once with AddressSanitizer and UBSan.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
ifneq ($(CI),)
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBW_SANITIZE=ON -DBW_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)
endif

format:
	cmake --build $(BUILD) --target format

clean:
	rm -rf $(BUILD) $(SAN_BUILD)

BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRANKSCOUT_WERROR=ON

.PHONY: run test build configure deps clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY is not set); Rankscout needs a desktop session." >&2; \
	  exit 1; \
	fi
	$(BUILD_DIR)/bin/Rankscout.exe

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600

clean:
	rm -rf $(BUILD_DIR)

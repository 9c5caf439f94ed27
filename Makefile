# The README's commands. Each first makes sure the Debian packages are there.
BUILD ?= build
JOBS  ?= $(shell nproc)
# The desktop tests spend most of their time waiting for the game's clock, so the suite runs
# more tests at once than there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) * 2 )))

.PHONY: run test check bench match clean deps configure build translations

deps:
	@bash scripts/install-deps

# RelWithDebInfo unless the build folder was configured with another build type, which is
# kept.
configure: deps
	@cmake -S . -B $(BUILD) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/tessera ]; then $(BUILD)/app/tessera; \
	else echo "tessera: the game window is not built yet (only the engine is)"; exit 1; fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

# The quick part of the suite, without the desktop, stress and packaging tests.
check: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L unit

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSERA_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@bash bench/run build-bench

# The computer's tournaments (bench/match): MATCH_GAMES games each, 200 unless told.
MATCH_GAMES ?= 200
match: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSERA_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tessera-match
	@bash bench/match build-bench/tools/tessera-match $(MATCH_GAMES)

# Brings every catalogue, the template i18n/tessera.ts, the menu entry and the AppStream file
# up to date with the texts; needs no build.
translations: deps
	@bash scripts/update-translations

clean:
	rm -rf $(BUILD) build-*

# Further checks; each target's work lives in its own script.
.PHONY: test-sanitize link-check fuzz memcheck package
test-sanitize: deps
	@bash scripts/test-sanitize

link-check: deps
	@bash scripts/link-check

fuzz: deps
	@bash scripts/fuzz

memcheck: build
	@bash scripts/memcheck $(BUILD)

package: build
	@bash scripts/package $(BUILD)

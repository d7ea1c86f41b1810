# The two commands of the README: `make run` and `make test`. Each one installs
# what is missing, configures and builds first.
.PHONY: deps build run test bench test-sanitize fuzz-box clean

deps:
	scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	build/default/app/rundomat

test: build
	ctest --preset default

bench: build
	build/default/bench/rundomat-bench

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# The box protocol reader under libFuzzer for FUZZ_SECONDS (5 minutes unless set), one
# process; new inputs go to build/fuzz/korpus-box, the log to build/fuzz/fuzz-0.log.
FUZZ_SECONDS ?= 300
fuzz-box: deps
	cmake --preset fuzz
	cmake --build --preset fuzz --target box_fuzz
	mkdir -p build/fuzz/korpus-box
	cd build/fuzz && fuzz/box/box_fuzz -max_total_time=$(FUZZ_SECONDS) -jobs=1 -workers=1 \
		-dict=../../fuzz/box/box.dict korpus-box ../../fuzz/box/korpus
	tail -n 3 build/fuzz/fuzz-0.log

clean:
	rm -rf build

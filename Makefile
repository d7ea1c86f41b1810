# The two commands of the README: `make run` and `make test`. Each one installs
# what is missing, configures and builds first.
.PHONY: deps build run test bench test-sanitize clean

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
	build/default/bench/rundomat-leitung-bench

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

clean:
	rm -rf build

# The two commands of the README: `make run` and `make test`. Each one installs
# what is missing, configures and builds first.
FUZZER := hof box board ansage web rennjson rennabend rohsignale
.PHONY: deps build run test bench test-nogui build-sanitize test-sanitize check-windows firmware \
  $(addprefix fuzz-,$(FUZZER)) fuzz-kurz clean package test-package

deps:
	scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default

run: build
	cd build/default/rundomat && ./rundomat --simulate

# Every test, as many at a time as the machine has cores and three times that: most of the
# end-to-end tests wait for a window or a file. Tests that must be alone say so themselves.
test: build
	ctest --preset default -j $$(( $$(nproc) * 3 ))

# The benchmarks are built only here: no test needs them.
bench: build
	cmake --build --preset default --target benchmarks
	build/default/bench/rundomat-bench
	build/default/bench/rundomat-wiedergabe-bench
	build/default/bench/rundomat-zeitrennen-bench
	build/default/bench/rundomat-leitung-bench
	build/default/bench/rundomat-leitung-bench --webseiten
	build/default/bench/rundomat-zuschauer-bench
	build/default/bench/rundomat-platinen-bench
	build/default/bench/rundomat-verlauf-bench
	build/default/bench/rundomat-rennabend-bench
	build/default/bench/rundomat-korrektur-bench
	build/default/bench/rundomat-rennleitung-bench
	bench/leerlauf.sh build/default/rundomat/rundomat \
	  build/default/tools/box-emulator/rundomat-box-emulator
	bench/sensorleerlauf.sh build/default/rundomat/rundomat \
	  build/default/tools/sensor-emulator/rundomat-sensor-emulator
	bench/sensorrennen.sh build/default/rundomat/rundomat \
	  build/default/tools/sensor-emulator/rundomat-sensor-emulator
	bench/sensorrennen.sh build/default/rundomat/rundomat \
	  build/default/tools/sensor-emulator/rundomat-sensor-emulator 4
	bench/ansagen.sh build/default/bench/rundomat-ansage-bench

# The Debian package build/rundomat_VERSION_ARCH.deb, made by CPack from the default build.
package: build
	cd build/default && cpack --config CPackConfig.cmake

# The package as a racer gets it: lintian, its desktop entry and metainfo, and races from
# the unpacked tree and from a portable copy of the program folder.
test-package: package
	tests/e2e/paket.sh "$$(ls -t build/rundomat_*.deb | head -n1)" build/default/rundomat

# The logic alone, configured without Qt's GUI modules: proves that no window reaches it.
test-nogui: deps
	cmake --preset nogui
	cmake --build --preset nogui
	ctest --preset nogui -j $$(( $$(nproc) * 2 ))

# The sensor board's firmware: build/firmware/rundomat-platine.hex (and .elf) for avrdude.
firmware: deps
	$(MAKE) -C firmware AUSGABE=$(CURDIR)/build/firmware

# One clang build under AddressSanitizer and UndefinedBehaviorSanitizer serves the tests
# and the fuzz targets.
build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize

test-sanitize: build-sanitize
	ctest --preset sanitize -j $$(( $$(nproc) * 2 ))

# Every Windows-only file compiled for syntax with MinGW-w64, with the include folders the
# configured build gives its folder.
check-windows: deps
	cmake --preset default
	scripts/check-windows build/default

clean:
	rm -rf build

# The fuzz targets run under libFuzzer for FUZZ_SEKUNDEN seconds (5 minutes unless set), one
# process, from their seed corpus; the inputs they find stay in build/fuzz.
FUZZ_SEKUNDEN ?= 300
$(addprefix fuzz-,$(FUZZER)): fuzz-%: deps
	cmake --preset sanitize
	cmake --build --preset sanitize --target $*_fuzz
	mkdir -p build/fuzz/korpus-$*
	build/sanitize/fuzz/$*/$*_fuzz -max_total_time=$(FUZZ_SEKUNDEN) -print_final_stats=1 \
	  -dict=fuzz/$*/$*.dict build/fuzz/korpus-$* fuzz/$*/korpus

# Each fuzz target for 20 seconds: what CI runs to keep them built and their seeds sound.
fuzz-kurz: build-sanitize
	for name in $(FUZZER); do $(MAKE) --no-print-directory fuzz-$$name FUZZ_SEKUNDEN=20 || exit 1; done

# Brushwise: the usual steps in one place.
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench test-asan test-tsan data snapshots screenshots fuzz format clean install

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./brushwise

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] && (cd $(BUILD)/run && ../../$$b) || true; done

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRUSHWISE_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The tests where threads meet under ThreadSanitizer: the stroke animation worker and its
# hand-over to the user-interface thread's event loop, the review window's animation and its
# examples' pointer check. (Tests that paint whole windows stay out: Qt hands large blits to
# painting threads of its own whose locks the sanitizer cannot see.)
TSAN_TESTS = StrokeAnimation|ReviewStrokeAnimation|ReviewExamples
test-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DBRUSHWISE_SANITIZE_THREAD=ON >/dev/null
	@# The build runs the artwork tool, whose Qt thread pool the sanitizer cannot see into.
	@TSAN_OPTIONS=report_bugs=0 cmake --build $(TSAN_BUILD) -j $(JOBS) --target strokes_tests
	cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
	  ctest -R '$(TSAN_TESTS)' --output-on-failure -j $(JOBS)

data:
	@scripts/make-data

# Fuzzes the study data readers for a minute (clang and libFuzzer).
fuzz:
	@scripts/fuzz 60

# Renders every screen and control to PNG files in build/snapshots/.
# The main window and the practice window also as a screen with twice the pixels shows them, in
# build/snapshots/ratio2/.
snapshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/snapshots/snapshots $(BUILD)/snapshots
	for s in main_window stroke_screens; do \
	  QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen \
	    $(BUILD)/tools/snapshots/snapshots $(BUILD)/snapshots/ratio2 $$s || exit 1; \
	done

# The README's pictures, taken from the snapshots.
screenshots: snapshots
	cp $(BUILD)/snapshots/main_window.png docs/main_window.png
	cp $(BUILD)/snapshots/exercise_meaning_wrong.png docs/exercise.png
	cp $(BUILD)/snapshots/practice_window_fatal.png docs/practice.png
	cp $(BUILD)/snapshots/review_most_strokes.png docs/review.png
	cp $(BUILD)/snapshots/draw_kanji_water.png docs/draw_kanji.png

# Installs the program under PREFIX (default /usr/local): make install PREFIX=/opt/brushwise
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)

// Gallery: exercise counters, narrow and wide, with and without the excluded-kanji notice.
#include "exercise_counter.h"
#include "gallery.h"

#include <QApplication>

namespace {

void counters(Gallery& g) {
    QWidget* host = g.host(460, 260);
    ExerciseCounter::create(host, 20, 20, 220, 51, 10, false);
    ExerciseCounter::create(host, 20, 80, 340, 51, 10, true)->set_current(4);
    ExerciseCounter::create(host, 20, 140, 422, 51, 9, true)->set_current(9);
    ExerciseCounter::create(host, 20, 200, 411, 51, 12, true)->set_current(13);
    QApplication::processEvents();
    g.save("counters", *host);
}

GalleryRegistration reg("counter", &counters);

} // namespace

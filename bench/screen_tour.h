#pragma once
// Every screen of the program, opened and closed the way the program does it, for the benchmarks
// and the start-to-exit driver. The main window must be up (the real start-up has run).
#include <functional>
#include <string>
#include <vector>

class QWidget;

struct TourScreen {
    std::string name;
    std::function<QWidget*()> open; // the screen's window, or null when it did not open
    std::function<void()> close;
};

// The main window, Add Word, Draw a Kanji, the Kanji Window, the Example Window, the five
// exercises, the stroke order practice and the review window.
std::vector<TourScreen> screen_tour();

// Lets the windows closed so far go: the program's screens delete themselves once control is
// back in the message loop, which a benchmark's loop never reaches.
void finish_closing();

// Opens every screen in turn, lets it paint, closes it, and goes back to the message loop between
// these steps, as when the user clicks through the screens; `after` is told each screen's name
// once it is closed and `done` the names of the screens that did not open. The message loop must
// run.
void tour_every_screen(std::function<void(const std::string&)> after,
                       std::function<void(const std::vector<std::string>&)> done);

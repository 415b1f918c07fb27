#pragma once
// Finding a kanji from the strokes the user drew: the program's own face of a handwriting
// recogniser, strokes in and ranked kanji numbers out, so that the windows never see the
// recogniser library and tests reach the real model through the same door.
#include <memory>
#include <string>
#include <vector>

// A point of a drawn stroke, in pixels of the drawing box.
struct InkPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const InkPoint&, const InkPoint&) = default;
};
using InkStroke = std::vector<InkPoint>;
// The strokes in the order they were drawn.
using Ink = std::vector<InkStroke>;

class KanjiRecogniser {
  public:
    virtual ~KanjiRecogniser() = default;
    // The kanji numbers (1 to the number of kanji the recogniser was opened for) that the strokes
    // most likely show, best first, at most `count`. Strokes are drawn in a box of box_size
    // pixels square. Empty for no strokes.
    virtual std::vector<int> recognise(const Ink& strokes, int box_size, int count) = 0;
};

// Where the Debian package that holds the Japanese handwriting model installs it.
std::string handwriting_model_path();
// Points the program at another model file (tests); an empty path restores the Debian one.
void set_handwriting_model_path(const std::string& path);
// The Debian package to install when the model is missing.
inline constexpr const char* kHandwritingModelPackage = "tegaki-zinnia-japanese";

// Whether a model file is there to be read (cheap: it is not read).
bool handwriting_model_present();

// Reads and checks the model at handwriting_model_path() and opens a recogniser over it for the
// kanji of `kanji` (character i is kanji number i + 1). Null when the file cannot be read or is
// damaged. The model stays in memory until the recogniser is destroyed.
std::unique_ptr<KanjiRecogniser> open_kanji_recogniser(const std::u16string& kanji);

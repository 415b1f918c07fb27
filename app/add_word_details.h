#pragma once
// The "Selected Kanji details" panel of the Add Word window: the selected kanji's meaning, its
// ON and KUN pronunciations and a strip of coloured cells, one per exercise still to be passed.
// A click on it, while a kanji is shown, opens the Kanji Window.
#include "kanji_record.h"
#include "scores.h"
#include "surface.h"

#include <array>
#include <functional>

class Panel;
class QWidget;

// The colours of the five scored exercises, by score slot (cells and button swatches).
constexpr std::array<ColorRef, 5> kExerciseColours = {0x7878d2, 0x78d278, 0xd27878, 0x4c92ff,
                                                      0xeaeab2};

// The 150 x 18 "Incomplete Exercises" strip: a cell per exercise, coloured while it is still to
// be done, plain when passed, crossed when the kanji has no such reading. Empty for a record
// without a kanji.
void draw_indicator_strip(Surface& strip, const KanjiRecord& record,
                          const std::array<uint32_t, kScoreSlots>& scores);

class KanjiDetailsPanel {
  public:
    // Creates the panel at (210, 308) in `window`; `on_open` is asked to open the Kanji Window
    // for a kanji number.
    KanjiDetailsPanel(QWidget* window, std::function<void(int kanji)> on_open);

    // Shows kanji k (a kanji number) or, for -1, nothing.
    void show(int kanji);
    int kanji() const { return kanji_; }
    bool filled() const { return filled_; }
    const Surface& strip() const { return strip_; }
    Panel* panel() const { return panel_; }

  private:
    void paint(Surface& s) const;
    void clicked();

    Panel* panel_ = nullptr;
    std::function<void(int)> on_open_;
    int kanji_ = -1;
    bool filled_ = false;
    KanjiRecord record_{};
    std::array<uint32_t, kScoreSlots> slots_{};
    Surface strip_;
};

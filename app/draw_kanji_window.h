#pragma once
// The Draw a Kanji window, opened from Add Word's "Draw Kanji" button for a kanji the user can
// see but not read: the user draws it stroke by stroke in the drawing box, the recogniser
// offers the ten best kanji after every stroke, and a click on one hands it to Add Word (which
// lists it first and selects it). The window stays open for the next kanji. It holds the
// recogniser's model only while it is open, and remembers its offset from Add Word in option
// slots 35 and 36.
#include "frameless_window.h"
#include "kanji_recogniser.h"

#include <functional>
#include <memory>
#include <string>

class Button;
class DrawKanjiBox;
class DrawKanjiCandidates;

class DrawKanjiWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 440, kHeight = 428;
    static constexpr int kShownCandidates = 10;
    using ChooseKanji = std::function<void(int kanji)>;

    // Opens the window over `owner` (or raises it when it is up). The model is read first; when
    // it cannot be, a message box says so and no window opens (null). `kanji`: character i is
    // kanji number i + 1.
    static DrawKanjiWindow* open(QWidget* owner, const std::u16string& kanji,
                                 ChooseKanji on_choose);
    // The window while it is up, else null.
    static DrawKanjiWindow* instance();
    // The message shown when the model cannot be read.
    static QString model_unreadable_text();

    DrawKanjiBox* box() const { return box_; }
    DrawKanjiCandidates* candidates() const { return candidates_; }
    Button* undo_button() const { return undo_button_; }
    Button* clear_button() const { return clear_button_; }
    Button* exit_button() const { return exit_button_; }
    bool holds_model() const { return recogniser_ != nullptr; }

  protected:
    void render(Surface& s) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    DrawKanjiWindow(QWidget* owner, std::u16string kanji,
                    std::unique_ptr<KanjiRecogniser> recogniser, ChooseKanji on_choose);
    void create_controls();
    QPoint opening_position() const;
    void recognise();

    std::u16string kanji_;
    std::unique_ptr<KanjiRecogniser> recogniser_;
    ChooseKanji on_choose_;
    bool closing_ = false;

    DrawKanjiBox* box_ = nullptr;
    DrawKanjiCandidates* candidates_ = nullptr;
    Button* undo_button_ = nullptr;
    Button* clear_button_ = nullptr;
    Button* exit_button_ = nullptr;
};

#pragma once
// The review window ("Review Learning List Kanji"): leafs through the Learning List kanji by
// kanji with a strip of the list, the kanji large with its stroke numbers or its stroke
// animation, its meaning and pronunciations, and its example words, any of which opens in the
// Example Window on a double click. It changes no study data. While it is open the main window is
// disabled and shown inactive; at most one review window exists.
//
// Remembered: the window's offset from the main window (option slots 3 and 4) and the "Show
// Kanji Stroke Order" check box (slot 27), both stored when the window closes.
#include "frameless_window.h"
#include "kanji_record.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <vector>

class AnimationClock;
class Button;
class CheckBox;
class GroupFrame;
class ReviewExamplesDisplay;
class ReviewKanjiDisplay;
class ReviewListStrip;
class ReviewMeaningDisplay;

class ReviewWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 680, kHeight = 457;
    // The "Stroke Order Tips" link's hot rectangle.
    static constexpr QRect kLinkRect{129, 321, 80, 15};

    static ReviewWindow* instance();
    ~ReviewWindow() override;

    ReviewListStrip* strip() const { return strip_; }
    ReviewKanjiDisplay& kanji_display() const { return *kanji_display_; }
    ReviewMeaningDisplay* meaning_display() const { return meaning_; }
    ReviewExamplesDisplay* examples_display() const;
    CheckBox* stroke_order_box() const { return stroke_order_box_; }
    Button* animate_button() const { return animate_; }
    Button* previous_button() const { return previous_; }
    Button* next_button() const { return next_; }
    Button* exit_button() const { return exit_; }
    bool link_hovered() const { return link_hovered_; }

  protected:
    void render(Surface& s) override;
    void unclaimed_mouse_move(QPoint at) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void close_glyph_clicked() override;
    // A close asked for from outside (a window manager) closes as with Exit.
    void closeEvent(QCloseEvent* event) override;

  private:
    friend void Review_Open();
    friend void Review_Close();
    friend bool Review_Move(bool forward);
    friend void ReviewKanjiDisplay_Load(int position);

    ReviewWindow();
    void build();
    void create_displays();
    void create_controls();
    void load_kanji(int position);
    void on_previous();
    void on_next();
    void set_link_hovered(bool hovered);
    void close_review();

    ReviewListStrip* strip_ = nullptr;
    std::unique_ptr<ReviewKanjiDisplay> kanji_display_;
    std::vector<int> kanji_numbers_; // the Learning List at opening
    ReviewMeaningDisplay* meaning_ = nullptr;
    QPointer<ReviewExamplesDisplay> examples_; // its pointer check ends before the window goes
    GroupFrame* strip_frame_ = nullptr;
    GroupFrame* examples_frame_ = nullptr;
    GroupFrame* stroke_frame_ = nullptr;
    CheckBox* stroke_order_box_ = nullptr;
    Button* animate_ = nullptr;
    Button* previous_ = nullptr;
    Button* next_ = nullptr;
    Button* exit_ = nullptr;
    bool link_hovered_ = false;
    bool closing_ = false;
};

// Closes the window (Exit, the close glyph).
void Review_Close();
// Moves the selection one kanji back or forward and shows it; true when the selection now lies
// strictly between the first and the last position.
bool Review_Move(bool forward);
// Load the displays for a 1-based Learning List position.
void ReviewKanjiDisplay_Load(int position);
void ReviewMeaningDisplay_Load(int position);
// Loads the examples display with `count` examples by id.
void Review_ExamplesDisplay_Load(int count, const int32_t* ids);

// The clock of the stroke animation of review windows opened from now on; null: the real one.
void Review_SetAnimationClock(AnimationClock* clock);

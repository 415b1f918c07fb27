#pragma once
// The Add Word window ("Add Word to Learning List"): searches all kanji by meaning, ON or KUN
// pronunciation, lists every kanji ranked by how much of the search text it contains, shows the
// selected kanji's details and adds the selected kanji to the Learning List. While it is open the
// main window is disabled and shown inactive.
#include "add_word_details.h"
#include "frameless_window.h"
#include "search_index.h"

#include <array>
#include <memory>
#include <vector>

class Button;
class CheckBox;
class EditBox;
class PairList;
class RadioButton;

class AddWordWindow : public FramelessWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 408, kHeight = 495;
    ~AddWordWindow() override;

    // Opens the window (or brings it forward when it is up).
    static void open();
    // The window while it is up, else null.
    static AddWordWindow* instance();
    // The search mode as at start-up (it otherwise lasts from one opening to the next).
    static void reset_search_mode();
    static int search_mode();

    EditBox* search_field() const { return edit_; }
    Button* search_button() const { return search_button_; }
    Button* draw_button() const { return draw_button_; }
    Button* add_button() const { return add_button_; }
    Button* show_all_button() const { return show_all_button_; }
    Button* exit_button() const { return exit_button_; }
    PairList* results() const { return results_; }
    RadioButton* search_by_button(int choice) const { return radios_[size_t(choice)]; }
    CheckBox* meanings_box() const { return meanings_box_; }
    const KanjiDetailsPanel& details() const { return *details_; }
    const std::vector<int>& search_order() const { return order_; }
    int search_by() const { return search_by_; }
    bool show_meanings() const { return show_meanings_; }

    // A kanji found by drawing it: listed first (the rest keeps its order), selected and shown
    // in the details panel, ready for "Add Selected Word".
    void show_drawn_kanji(int kanji);

  protected:
    void render(Surface& s) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    AddWordWindow();
    void create_controls();
    void create_search_controls();
    void fill_results();
    QString right_text(const SearchEntry& entry) const;
    // `completed`: the kanji's completed flag is set.
    int colour_index(int kanji, bool completed) const;

    void create_draw_button();
    void open_draw_window();
    void search();
    void show_all();
    void meanings_changed(bool checked);
    void choose_search_by(int choice);
    void result_selected(int index);
    void add_selected();
    std::vector<int> selected_kanji() const;
    bool confirm_adding(int kanji);

    // Window commands pump messages; a close asked for meanwhile waits until they are done.
    class Busy;
    int busy_ = 0;
    bool close_pending_ = false;
    bool closing_ = false;

    SearchIndex index_;
    std::vector<int> order_;
    int search_by_ = SearchByMeaning;
    bool show_meanings_ = false;

    PairList* results_ = nullptr;
    std::unique_ptr<KanjiDetailsPanel> details_;
    QWidget* frame_ = nullptr;
    std::array<RadioButton*, 3> radios_{};
    Button* add_button_ = nullptr;
    Button* exit_button_ = nullptr;
    Button* search_button_ = nullptr;
    Button* draw_button_ = nullptr;
    Button* show_all_button_ = nullptr;
    EditBox* edit_ = nullptr;
    CheckBox* meanings_box_ = nullptr;
};

// The explanations of the "Draw Kanji" button, with the model installed and without.
QString draw_kanji_explanation();
QString draw_kanji_missing_explanation();

// The questions asked before adding a kanji already on the list or already completed, with
// the kanji in place of the x.
QString already_listed_question(char16_t kanji);
QString already_completed_question(char16_t kanji);

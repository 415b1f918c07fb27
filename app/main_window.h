#pragma once
// The main window: the Learning List, its status counts, the selected word's summary, the
// exercise buttons, the list-management buttons and a help panel whose text follows the mouse.
// It owns every other screen; while one of them is open it is shown inactive.
#include "frameless_window.h"
#include "help_texts.h"
#include "kanji_record.h"
#include "learning_list.h"

#include <array>
#include <vector>

class Button;
class CheckBox;
class GroupFrame;
class KanjiList;
class Panel;

class MainWindow : public FramelessWindow, public StudyListView {
    Q_OBJECT

  public:
    static constexpr int kWidth = 672;
    static constexpr int kHeight = 479;

    // The bare window with its caption bar; it becomes the shell's main window at once.
    MainWindow();
    ~MainWindow() override;
    static MainWindow* instance();

    // The rest of the creation: the "Exit" button, the completed list and the scores, then the
    // panels, of which the list view loads the Learning List.
    void build();
    bool built() const { return list_ != nullptr; }
    // Shown, active and not waiting for a message box: the message loop is at its top level.
    bool at_rest() const;
    // Set once the way out has begun (nothing is saved twice).
    bool leaving() const { return leaving_; }
    void set_leaving() { leaving_ = true; }
    // A later start asked for the window: shown un-minimised, raised and activated.
    void bring_forward();

    // The operations other screens call through the shell.
    void set_active(bool flag);
    bool active() const { return active_; }
    void list_append_kanji(int kanji);
    void list_remove_row(int position);
    void refresh_status();
    void show_summary(int position);
    void show_hint_topic(int topic);

    // The list-management commands.
    void remove_word();
    void zero_word_score();

    // The parts, for tests and the snapshots.
    KanjiList* learning_list() const { return list_; }
    Panel* status_panel() const { return status_; }
    Panel* summary_panel() const { return summary_; }
    Panel* exercises_panel() const { return exercises_; }
    Panel* help_panel() const { return help_; }
    GroupFrame* list_frame() const { return list_frame_; }
    CheckBox* exclude_box() const { return exclude_box_; }
    Button* button(const QString& caption) const;
    int summary_position() const { return summary_position_; }
    int hint_topic() const { return hint_topic_; }
    const HelpText& hint_text() const { return hint_text_; }
    const Surface& strip() const { return strip_; }

    // StudyListView: the lists reach the window through these.
    void removeRow(int position) override { list_remove_row(position); }
    void appendKanji(int kanji) override { list_append_kanji(kanji); }
    void refreshStatus() override { refresh_status(); }
    void showMessage(const std::string& text) override;

  protected:
    void render(Surface& s) override;
    void unclaimed_mouse_move(QPoint point) override;
    void close_glyph_clicked() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void install_operations();
    void build_list_view();
    void build_status_panel();
    void build_summary_panel();
    void build_exercises_panel();
    void build_help_panel();
    void build_list_management();
    void on_list_select(int index);
    // The selected word's record, scores and strip, without drawing the panel.
    void load_summary(int position);
    void enable_row_commands(bool flag);
    // The rows Remove Word and Zero Word Score act on, ascending.
    std::vector<int> selected_positions() const;

    bool active_ = true;
    bool leaving_ = false;
    Button* exit_ = nullptr;
    KanjiList* list_ = nullptr;
    Panel* status_ = nullptr;
    Panel* summary_ = nullptr;
    Panel* exercises_ = nullptr;
    Panel* help_ = nullptr;
    GroupFrame* list_frame_ = nullptr;
    CheckBox* exclude_box_ = nullptr;
    std::vector<Button*> exercise_buttons_;
    Button* add_word_ = nullptr;
    Button* remove_word_ = nullptr;
    Button* zero_score_ = nullptr;

    int summary_position_ = -1;
    KanjiRecord summary_record_{};
    std::array<uint32_t, 10> summary_slots_{};
    Surface strip_;

    int hint_topic_ = 1;
    bool hints_enabled_ = true;
    HelpText hint_text_;
};

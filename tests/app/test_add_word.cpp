// The Add Word window: the order of its results for searches by meaning, ON and KUN (checked row
// by row against the longest piece of the search text each row's shown text contains), its two
// questions with their remembered answers, the meanings box, and how it opens and closes. Its
// Draw a Kanji window, with the real handwriting model: a kanji drawn along its strokes is
// offered and, clicked, is listed first and selected, ready to be added; Undo Stroke and Clear;
// the stroke limit and a lost release; where the window opens and what it remembers; a missing
// or damaged model; the pencil cursors read as untrusted.
#include "add_word_window.h"
#include "button.h"
#include "check_box.h"
#include "draw_kanji_box.h"
#include "draw_kanji_candidates.h"
#include "draw_kanji_cursors.h"
#include "draw_kanji_window.h"
#include "edit_box.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "pair_list.h"
#include "panel.h"
#include "poll.h"
#include "radio_button.h"
#include "scores.h"
#include "test_add_word_fixture.h"
#include "test_recogniser_hand.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeView>
#include <gmock/gmock.h>
#include <map>

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char16_t kWater = u'水'; // kanji 44, "water"
constexpr int kWaterNumber = 44;

// Where a text ranks for a search: the longest piece of the search it contains and the leftmost
// start of such a piece (0, 0 for none), found by trying every piece.
std::pair<int, int> piece_found(const QString& text, const QString& sought) {
    for (int m = int(sought.size()); m >= 1; --m)
        for (int s = 0; s + m <= sought.size(); ++s)
            if (text.contains(sought.mid(s, m))) return {m, s};
    return {0, 0};
}

class AddWordTest : public DetailWindowTest {
  protected:
    AddWordWindow* w = nullptr;
    std::map<QChar, int> kanji_numbers;

    void SetUp() override {
        DetailWindowTest::SetUp();
        AddWordWindow::reset_search_mode();
        for (int k = 1; k <= kKanjiTotal; ++k)
            kanji_numbers[QChar(KanjiData_LoadRecord(k)->Kanji)] = k;
    }
    void open() {
        AddWord_Open();
        w = AddWordWindow::instance();
        ASSERT_NE(w, nullptr);
    }
    void search(const QString& text, int by) {
        w->search_field()->edit()->setText(text);
        click(w->search_by_button(by), QPoint(5, 5));
        click(w->search_button(), QPoint(5, 5));
    }
    QAbstractItemModel* model() const { return w->results()->view()->model(); }
    QString cell(int row, int column) const {
        return model()->index(row, column).data().toString();
    }
    int kanji_at(int row) const { return kanji_numbers.at(cell(row, 0).at(0)); }
    ColorRef colour(int row, int column) const {
        const QColor c =
            model()->index(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
        return RGB(c.red(), c.green(), c.blue());
    }
    void click_row(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTreeView* view = w->results()->view();
        view->scrollTo(model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(model()->index(row, 0)).center());
    }
    // Every row ranks no better than the one above it, rows of equal rank are in kanji order,
    // and all kanji are listed.
    void expect_ranked_by_shown_text(const QString& sought) {
        ASSERT_EQ(model()->rowCount(), kKanjiTotal);
        std::pair<int, int> previous{int(sought.size()) + 1, 0};
        int previous_kanji = 0;
        for (int row = 0; row < kKanjiTotal; ++row) {
            const std::pair<int, int> rank = piece_found(cell(row, 1), sought);
            const bool same = rank == previous;
            const bool worse = rank.first < previous.first ||
                               (rank.first == previous.first && rank.second > previous.second);
            ASSERT_TRUE(same || worse) << "row " << row << " ranks above the row before it";
            if (same) {
                ASSERT_GT(kanji_at(row), previous_kanji) << "row " << row;
            }
            previous = rank;
            previous_kanji = kanji_at(row);
        }
    }
};

TEST_F(AddWordTest, WaterByMeaningListsTheWholeWordFirstThenItsPiecesAndEveryKanji) {
    open();
    search("water", SearchByMeaning);
    std::vector<int> whole_word; // the kanji whose meaning holds "water", in kanji order
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text()).contains("water"))
            whole_word.push_back(k);
    ASSERT_GE(whole_word.size(), 2u);
    for (size_t row = 0; row < whole_word.size(); ++row)
        EXPECT_EQ(kanji_at(int(row)), whole_word[row]);
    EXPECT_EQ(piece_found(cell(int(whole_word.size()), 1), "water").first, 4)
        << "the first four or the last four letters come next";
    expect_ranked_by_shown_text("water");
    EXPECT_EQ(piece_found(cell(kKanjiTotal - 1, 1), "water").first, 0);
}

TEST_F(AddWordTest, OnAndKunAreSoughtInTheScriptAndCaseTheyAreShownIn) {
    open();
    const auto check = [&](const char* typed, int by, int mode, const char* sought) {
        SCOPED_TRACE(typed);
        search(QString::fromUtf8(typed), by);
        EXPECT_EQ(AddWordWindow::search_mode(), mode);
        EXPECT_TRUE(w->search_by_button(by)->selected());
        EXPECT_TRUE(cell(0, 1).contains(QString::fromUtf8(sought)));
        expect_ranked_by_shown_text(QString::fromUtf8(sought));
    };
    check("ka", SearchByOn, ModeOnRomaji, "KA");     // romaji by ON: in capitals
    check("KA", SearchByKun, ModeKunRomaji, "ka");   // by KUN: in small letters
    check("すい", SearchByOn, ModeOnKana, "スイ");   // hiragana by ON: in katakana
    check("ミズ", SearchByKun, ModeKunKana, "みず"); // katakana by KUN: in hiragana
    EXPECT_FALSE(w->search_by_button(SearchByOn)->selected()) << "one choice at a time";
    EXPECT_EQ(cell(0, 0), QString(QChar(kWater)));
}

TEST_F(AddWordTest, PastedKanjiAreListedFirstInTheOrderTypedWhateverSearchBySays) {
    open();
    search("火水", SearchByOn);
    EXPECT_EQ(cell(0, 0), "火");
    EXPECT_EQ(cell(1, 0), "水");
    EXPECT_EQ(kanji_at(2), 1) << "then every other kanji in kanji-number order";
    EXPECT_EQ(AddWordWindow::search_mode(), ModeOnKana);
    EXPECT_EQ(cell(1, 1),
              QString::fromStdU16String(KanjiData_LoadRecord(kWaterNumber)->OnPronun.text()));
    EXPECT_EQ(model()->rowCount(), kKanjiTotal);
}

TEST_F(AddWordTest, AKanjiAlreadyListedIsAddedOnlyOnYesAndATickedYesStopsTheQuestion) {
    set_learning_list({kWaterNumber});
    open();
    search("water", SearchByMeaning);
    ASSERT_EQ(cell(0, 0), QString(QChar(kWater)));
    click_row(0);
    ASSERT_TRUE(w->add_button()->behaviour().enabled);

    answer_message_boxes({MessageNo});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, IsEmpty());
    EXPECT_EQ(LearningList_Count(), 1);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], "The selected kanji ' 水 ' already exists on the Learning List.\n"
                                "Would you like to add a copy of the selected kanji.");

    answer_message_boxes({MessageYes + MessageTicked});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber));
    EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 1);

    click(w->add_button(), QPoint(5, 5)); // no box: a box would fail the test
    EXPECT_THAT(appended, ElementsAre(kWaterNumber, kWaterNumber));
    EXPECT_EQ(message_texts.size(), 2u);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EQ(LearningList_At(2), kWaterNumber);

    // Several selected rows are added in row order.
    click_row(3);
    click_row(1, Qt::ControlModifier);
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber, kWaterNumber, kanji_at(1), kanji_at(3)));
    EXPECT_EQ(LearningList_Count(), 5);
}

TEST_F(AddWordTest, ACompletedKanjiComesBackOnYesWithItsScoresResetAndTheCountLowered) {
    pass_all_exercises(kWaterNumber);
    Scores_SetSlot(kWaterNumber, CompletedFlag, 1);
    CompletedList_AddCompleted(+1);
    CompletedList_AddCompleted(+1);
    set_learning_list({1, 2});
    open();
    search("water", SearchByMeaning);
    click_row(0);

    answer_message_boxes({MessageNo});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, IsEmpty());
    EXPECT_EQ(Scores_Get(kWaterNumber)[CompletedFlag], 1u);
    EXPECT_EQ(Scores_Get(kWaterNumber)[KanjiMeaningMC], 1u);
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(LearningList_Count(), 2);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], "The selected kanji ' 水 ' has been successfully completed.\n"
                                "Would you reset scores and add it to the Learning List?");

    answer_message_boxes({MessageYes});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber));
    for (int slot = 0; slot < kScoreSlots; ++slot)
        EXPECT_EQ(Scores_Get(kWaterNumber)[slot], 0u) << "slot " << slot;
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EQ(LearningList_At(2), kWaterNumber);
}

TEST_F(AddWordTest, BeforeAnySearchTheMeaningsBoxChangesNeitherTheListNorTheStoredFlag) {
    open();
    const QString first_right = cell(0, 1);
    click(w->meanings_box(), QPoint(5, 5));
    EXPECT_TRUE(w->meanings_box()->checked());
    EXPECT_FALSE(w->show_meanings());
    EXPECT_EQ(cell(0, 1), first_right);
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptAddWordShowMeanings), 0);

    // After a search by ON the box takes effect and is remembered.
    open();
    search("ka", SearchByOn);
    click(w->meanings_box(), QPoint(5, 5));
    EXPECT_TRUE(w->show_meanings());
    EXPECT_EQ(cell(0, 1),
              QString::fromStdU16String(KanjiData_LoadRecord(kanji_at(0))->Meaning.text()));
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptAddWordShowMeanings), 1);
    open();
    EXPECT_TRUE(w->meanings_box()->checked());
}

TEST_F(AddWordTest, TheSearchModeOutlastsTheWindowAndShowAllReturnsToMeanings) {
    open();
    search("ka", SearchByKun);
    click(w->exit_button(), QPoint(5, 5));
    open();
    EXPECT_EQ(w->search_by(), SearchByMeaning);
    EXPECT_TRUE(w->search_by_button(SearchByMeaning)->selected());
    EXPECT_EQ(kanji_at(0), 1);
    EXPECT_EQ(cell(0, 1), QString::fromStdU16String(KanjiData_LoadRecord(1)->KunRomaji.text()));

    search("water", SearchByMeaning);
    click_row(0);
    ASSERT_EQ(w->details().kanji(), kWaterNumber);
    click(w->show_all_button(), QPoint(5, 5));
    EXPECT_EQ(AddWordWindow::search_mode(), ModeMeaning);
    EXPECT_EQ(w->details().kanji(), -1);
    for (int row : {0, 1, kKanjiTotal - 1})
        EXPECT_EQ(kanji_at(row), row + 1);
    EXPECT_EQ(cell(1, 1), QString::fromStdU16String(KanjiData_LoadRecord(2)->Meaning.text()));
}

TEST_F(AddWordTest, OpensCentredOverTheDisabledMainWindowColouredAndGivesItBackOnExit) {
    set_learning_list({1});
    Scores_SetSlot(2, CompletedFlag, 1);
    open();
    // Listed kanji red, completed ones grey, the rest navy with grey text.
    EXPECT_EQ(colour(0, 0), ColorRef(0xdc0000));
    EXPECT_EQ(colour(0, 1), ColorRef(0xdc0000));
    EXPECT_EQ(colour(1, 0), ColorRef(0xa5a5a5));
    EXPECT_EQ(colour(1, 1), ColorRef(0xa5a5a5));
    EXPECT_EQ(colour(2, 0), ColorRef(0x800000));
    EXPECT_EQ(colour(2, 1), ColorRef(0x808080));
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_THAT(set_active_calls, ElementsAre(false));
    const QRect main = main_window->frameGeometry();
    EXPECT_EQ(w->pos(), QPoint(main.left() + (main.width() - 408) / 2,
                               main.top() + (main.height() - 495) / 2));
    EXPECT_EQ(w->size(), QSize(408, 495));
    EXPECT_FALSE(w->search_button()->behaviour().enabled) << "nothing typed yet";
    EXPECT_FALSE(w->add_button()->behaviour().enabled);
    w->search_field()->edit()->setText("a");
    EXPECT_TRUE(w->search_button()->behaviour().enabled);
    w->search_field()->edit()->clear();
    EXPECT_FALSE(w->search_button()->behaviour().enabled);

    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(AddWordWindow::instance(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(set_active_calls, ElementsAre(false, true));
}

TEST_F(AddWordTest, TheDetailsPanelAndADoubleClickedRowOpenTheKanjiWindow) {
    open();
    search("water", SearchByMeaning);
    click_row(0);
    EXPECT_EQ(w->details().kanji(), kWaterNumber);
    EXPECT_TRUE(w->details().filled());
    click(w->details().panel(), QPoint(50, 50));
    KanjiWindow* kw = KanjiWindow::instance();
    ASSERT_NE(kw, nullptr);
    EXPECT_EQ(kw->record().Kanji, kWater);
    EXPECT_EQ(kw->reference(), w);

    // Once the panel is cleared a click on it opens nothing.
    KanjiWindow_Close();
    click(w->show_all_button(), QPoint(5, 5));
    EXPECT_FALSE(w->details().filled());
    click(w->details().panel(), QPoint(50, 50));
    EXPECT_EQ(KanjiWindow::instance(), nullptr);

    QTreeView* view = w->results()->view();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(model()->index(2, 0)).center());
    ASSERT_NE(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(int(KanjiWindow::instance()->record().Kanji), int(cell(2, 0).at(0).unicode()));
    EXPECT_EQ(KanjiWindow::instance()->reference(), w);
}

ColorRef pixel(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

TEST(IndicatorStrip, ColoursTheOpenExercisesAndCrossesThoseWithoutAReading) {
    KanjiRecord record{};
    record.Kanji = u'電';
    record.OnPronun.assign(u"デン");
    std::array<uint32_t, kScoreSlots> scores{};
    scores[KanjiMeaningMC] = 1;
    // No KUN reading: its cell is crossed, not coloured, though its slot was never passed.
    Surface strip;
    draw_indicator_strip(strip, record, scores);
    ASSERT_EQ(strip.width(), 150);
    ASSERT_EQ(strip.height(), 18);
    EXPECT_EQ(pixel(strip, 29 * 0 + 10, 4), ColorRef(0xebebeb)) << "passed";
    EXPECT_EQ(pixel(strip, 29 * 1 + 10, 4), ColorRef(0x78d278)) << "ON still to do";
    EXPECT_EQ(pixel(strip, 29 * 2 + 4, 14), ColorRef(0xebebeb)) << "no KUN reading";
    EXPECT_EQ(pixel(strip, 29 * 2 + 16, 8), ColorRef(0xfad2d2)) << "its cross";
    EXPECT_EQ(pixel(strip, 29 * 3 + 10, 4), ColorRef(0x4c92ff));
    EXPECT_EQ(pixel(strip, 29 * 4 + 10, 4), ColorRef(0xeaeab2));
    EXPECT_EQ(pixel(strip, 75, 0), ColorRef(0xdcdcdc)) << "outline";

    KanjiRecord none{};
    draw_indicator_strip(strip, none, scores);
    EXPECT_EQ(pixel(strip, 29 * 1 + 10, 8), ColorRef(0xffffff)) << "no cells without a kanji";
}

void send_mouse(QWidget* w, QEvent::Type type, InkPoint p) {
    const QPointF at(p.x, p.y);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// A stroke as the pointer draws it: pressed at its first point, moved along, released.
void draw_stroke(DrawKanjiBox* box, const InkStroke& stroke) {
    send_mouse(box, QEvent::MouseButtonPress, stroke.front());
    for (size_t i = 1; i < stroke.size(); ++i)
        send_mouse(box, QEvent::MouseMove, stroke[i]);
    send_mouse(box, QEvent::MouseButtonRelease, stroke.back());
}

// The Draw a Kanji window over Add Word, with the real handwriting model.
class DrawKanjiTest : public AddWordTest {
  protected:
    void SetUp() override {
        AddWordTest::SetUp();
        set_learning_list({});
    }
    void TearDown() override {
        set_handwriting_model_path({});
        AddWordTest::TearDown();
    }
    DrawKanjiWindow* open_drawing() {
        click(w->draw_button(), QPoint(5, 5));
        return DrawKanjiWindow::instance();
    }
    // 水 as a hand draws it, stroke by stroke; the candidates after each stroke.
    std::vector<std::vector<int>> draw_water(DrawKanjiWindow* d) {
        std::mt19937 rng{7};
        std::vector<std::vector<int>> after;
        for (const InkStroke& stroke : draw_by_hand(box_strokes(kWaterNumber), HandStyle{}, rng)) {
            draw_stroke(d->box(), stroke);
            after.push_back(d->candidates()->candidates());
        }
        return after;
    }
    static QString character(int kanji) {
        return QString(QChar(KanjiData_LoadRecord(kanji)->Kanji));
    }
};

TEST_F(DrawKanjiTest, WaterDrawnInItsStrokeOrderIsOfferedClickedIsSelectedAndUndoneStrokeByStroke) {
    open();
    DrawKanjiWindow* d = open_drawing();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Draw a Kanji");
    EXPECT_TRUE(d->holds_model());
    EXPECT_THAT(d->candidates()->candidates(), IsEmpty());

    const auto after = draw_water(d);
    ASSERT_EQ(after.size(), 4u);
    for (const auto& candidates : after)
        EXPECT_EQ(candidates.size(), 10u) << "ten candidates after every stroke";
    const std::vector<int>& offered = after.back();
    const auto at = std::find(offered.begin(), offered.end(), kWaterNumber);
    ASSERT_NE(at, offered.end()) << "水 is not offered";

    // A click beside the candidates chooses nothing; one on 水 lists it first and selects it.
    click(d->candidates(), QPoint(DrawKanjiCandidates::kWidth - 2, 2));
    EXPECT_EQ(cell(0, 0), character(1));
    click(d->candidates(), DrawKanjiCandidates::cell_rect(int(at - offered.begin())).center());
    EXPECT_EQ(cell(0, 0), character(kWaterNumber));
    EXPECT_EQ(w->results()->current(), 0);
    EXPECT_EQ(w->details().kanji(), kWaterNumber);
    // The rest keeps its order: kanji 1 to 43, then 45 on.
    EXPECT_EQ(cell(1, 0), character(1));
    EXPECT_EQ(cell(kWaterNumber, 0), character(kWaterNumber + 1));
    EXPECT_EQ(w->results()->count(), kKanjiTotal);

    ASSERT_TRUE(w->add_button()->behaviour().enabled);
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber));
    EXPECT_EQ(DrawKanjiWindow::instance(), d) << "the window stays open for the next kanji";

    // Undo Stroke takes back the last stroke, Clear empties the box.
    ASSERT_NE(after[2], after[3]);

    click(d->undo_button(), QPoint(5, 5));
    EXPECT_EQ(d->box()->ink().size(), 3u);
    EXPECT_EQ(d->candidates()->candidates(), after[2]) << "recognised again, from three strokes";

    click(d->clear_button(), QPoint(5, 5));
    EXPECT_THAT(d->box()->ink(), IsEmpty());
    EXPECT_THAT(d->candidates()->candidates(), IsEmpty());
    EXPECT_EQ(d->candidates()->notice(),
              "The kanji that match your strokes appear here, best first.");
    click(d->undo_button(), QPoint(5, 5)); // nothing left to take back
    EXPECT_THAT(d->box()->ink(), IsEmpty());
}

TEST_F(DrawKanjiTest, TheBoxTakesThirtyStrokesAndAStrokeWhoseReleaseWentElsewhereEndsAtAPress) {
    open();
    DrawKanjiWindow* d = open_drawing();
    ASSERT_NE(d, nullptr);
    const PencilCursors pencils = load_pencil_cursors();
    ASSERT_EQ(pencils.idle.shape(), Qt::BitmapCursor) << "the run folder's cursors";
    EXPECT_EQ(d->box()->cursor().pixmap().toImage(), pencils.idle.pixmap().toImage());
    for (int s = 0; s < 31; ++s)
        draw_stroke(d->box(), {{10 + 7 * s, 20}, {10 + 7 * s, 200}});
    EXPECT_EQ(d->box()->ink().size(), size_t(DrawKanjiBox::kMaxStrokes));
    EXPECT_EQ(d->box()->cursor().pixmap().toImage(), pencils.refused.pixmap().toImage());
    click(d->undo_button(), QPoint(5, 5));
    EXPECT_EQ(d->box()->cursor().pixmap().toImage(), pencils.idle.pixmap().toImage());
    draw_stroke(d->box(), {{250, 20}, {250, 200}});
    EXPECT_EQ(d->box()->ink().size(), size_t(DrawKanjiBox::kMaxStrokes));

    // A stroke whose release went elsewhere ends at the next press.
    click(d->clear_button(), QPoint(5, 5));
    send_mouse(d->box(), QEvent::MouseButtonPress, {40, 130});
    send_mouse(d->box(), QEvent::MouseMove, {220, 130});
    EXPECT_TRUE(d->box()->drawing());
    EXPECT_THAT(d->candidates()->candidates(), IsEmpty()) << "no recognition mid-stroke";
    send_mouse(d->box(), QEvent::MouseButtonPress, {130, 30});
    EXPECT_THAT(d->candidates()->candidates(), Contains(kanji_numbers.at(QChar(u'一'))))
        << "the first stroke ended and was recognised";
    send_mouse(d->box(), QEvent::MouseMove, {130, 230});
    send_mouse(d->box(), QEvent::MouseButtonRelease, {130, 230});
    EXPECT_EQ(d->box()->ink().size(), 2u);
    EXPECT_FALSE(d->box()->drawing());
    EXPECT_THAT(d->candidates()->candidates(), Contains(kanji_numbers.at(QChar(u'十'))));
}

TEST_F(DrawKanjiTest, OpensBesideAddWordRemembersWhereItWasLeftAndLetsTheModelGo) {
    open();
    DrawKanjiWindow* d = open_drawing();
    ASSERT_NE(d, nullptr);
    EXPECT_GT(d->x(), w->x()) << "first opened beside Add Word, not over its list";

    d->move(w->pos() + QPoint(30, 20));
    QPointer<DrawKanjiWindow> closing(d);
    click(d->exit_button(), QPoint(5, 5));
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    ASSERT_FALSE(closing.isNull()) << "deleted later, not at once";
    EXPECT_FALSE(closing->holds_model());
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset), 30);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset + 1), 20);
    EXPECT_EVENTUALLY(closing.isNull());

    d = open_drawing();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->pos(), w->pos() + QPoint(30, 20));
    EXPECT_EQ(open_drawing(), d) << "one window at most";

    // Closing Add Word closes it too, and its place is remembered.
    d->move(w->pos() + QPoint(50, 60));
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset), 50);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset + 1), 60);
}

TEST_F(DrawKanjiTest, WithoutTheModelTheButtonIsGreyedAndADamagedModelIsReported) {
    set_handwriting_model_path(QDir(folder).filePath("missing.model").toStdString());
    open();
    EXPECT_FALSE(w->draw_button()->behaviour().shown_active);
    EXPECT_TRUE(w->draw_button()->behaviour().enabled) << "greyed, its explanation shown";
    answer_message_boxes({}); // a message box fails the test
    EXPECT_EQ(open_drawing(), nullptr);
    EXPECT_TRUE(message_texts.empty());

    // A damaged model is there: the button is not greyed, and a click says what is wrong.
    QFile damaged(QDir(folder).filePath("damaged.model"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a model at all");
    damaged.close();
    set_handwriting_model_path(damaged.fileName().toStdString());
    answer_message_boxes({MessageYes});
    EXPECT_EQ(open_drawing(), nullptr);
    EXPECT_TRUE(w->draw_button()->behaviour().shown_active);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], DrawKanjiWindow::model_unreadable_text());
    EXPECT_TRUE(message_texts[0].contains("damaged.model"));
    EXPECT_TRUE(message_texts[0].contains(kHandwritingModelPackage));

    // Installed while Add Word is open: the next click opens the window.
    set_handwriting_model_path({});
    EXPECT_NE(open_drawing(), nullptr);
    EXPECT_TRUE(w->draw_button()->behaviour().shown_active);
}

using PencilCursorFiles = ScreenTest;

TEST_F(PencilCursorFiles,
       HotSpotsAreReadAsUntrustedAndMissingDamagedOrOversizedPiecesGiveTheArrow) {
    const QSize size(32, 32);
    const QString text = "idle.png 3 27\r\ndrawing.png 2 28\nrefused.png 40 3\nodd.png x 1\n"
                         "neg.png -1 2\nlong.png 1 2 3\nidle.png 9 9\nedge.png 32 0\n";
    EXPECT_EQ(hot_spot_for(text, "idle.png", size), QPoint(3, 27)) << "the first line counts";
    EXPECT_EQ(hot_spot_for(text, "drawing.png", size), QPoint(2, 28));
    EXPECT_EQ(hot_spot_for(text, "drawing.png", QSize(28, 28)), std::nullopt);
    EXPECT_EQ(hot_spot_for(text, "refused.png", size), std::nullopt) << "outside the image";
    for (const char* bad : {"odd.png", "neg.png", "long.png", "none.png", "edge.png"})
        EXPECT_EQ(hot_spot_for(text, bad, size), std::nullopt) << bad;

    const PencilCursors real = load_pencil_cursors();
    EXPECT_EQ(real.drawing.shape(), Qt::BitmapCursor);
    EXPECT_EQ(real.drawing.hotSpot(), QPoint(2, 28));
    const PencilCursors none = load_pencil_cursors(QDir(folder).filePath("nowhere"));
    for (const QCursor* c : {&none.idle, &none.drawing, &none.refused})
        EXPECT_EQ(c->shape(), Qt::ArrowCursor);

    const QDir dir(QDir(folder).filePath("cursors"));
    ASSERT_TRUE(dir.mkpath("."));
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    const auto black = [](int side) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::black);
        return image;
    };
    ASSERT_TRUE(write("hotspots.txt", "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n"));
    ASSERT_TRUE(black(32).save(dir.filePath("idle.png"), "PNG"));
    ASSERT_TRUE(black(65).save(dir.filePath("drawing.png"), "PNG"));
    ASSERT_TRUE(write("refused.png", "\x89PNG\r\n\x1a\n broken"));
    const PencilCursors mixed = load_pencil_cursors(dir.path());
    EXPECT_EQ(mixed.idle.shape(), Qt::BitmapCursor);
    EXPECT_EQ(mixed.idle.hotSpot(), QPoint(3, 27));
    EXPECT_EQ(mixed.drawing.shape(), Qt::ArrowCursor) << "larger than a cursor";
    EXPECT_EQ(mixed.refused.shape(), Qt::ArrowCursor) << "not an image";

    QFile::remove(dir.filePath("hotspots.txt"));
    EXPECT_EQ(load_pencil_cursors(dir.path()).idle.shape(), Qt::ArrowCursor) << "no hot spot";
}

} // namespace

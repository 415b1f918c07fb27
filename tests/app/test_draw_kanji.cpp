// The Draw a Kanji window over Add Word, with the real handwriting model: a kanji drawn along
// its strokes is offered and, clicked, is listed first and selected in Add Word, ready to be
// added; Undo Stroke and Clear; the stroke limit and a lost release; where the window opens
// and what it remembers; a missing or damaged model; the pencil cursors read as untrusted.
#include "add_word_window.h"
#include "button.h"
#include "draw_kanji_box.h"
#include "draw_kanji_candidates.h"
#include "draw_kanji_cursors.h"
#include "draw_kanji_window.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "pair_list.h"
#include "panel.h"
#include "poll.h"
#include "test_add_word_fixture.h"
#include "test_recogniser_hand.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTreeView>
#include <gmock/gmock.h>

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kWater = 44; // 水

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

class DrawKanjiTest : public DetailWindowTest {
  protected:
    AddWordWindow* add_word = nullptr;

    void SetUp() override {
        DetailWindowTest::SetUp();
        AddWordWindow::reset_search_mode();
        set_learning_list({});
    }
    void TearDown() override {
        set_handwriting_model_path({});
        DetailWindowTest::TearDown();
    }
    void open_add_word() {
        AddWord_Open();
        add_word = AddWordWindow::instance();
        ASSERT_NE(add_word, nullptr);
    }
    DrawKanjiWindow* open_drawing() {
        click(add_word->draw_button(), QPoint(5, 5));
        return DrawKanjiWindow::instance();
    }
    // 水 as a hand draws it, stroke by stroke; the candidates after each stroke.
    std::vector<std::vector<int>> draw_water(DrawKanjiWindow* w) {
        std::mt19937 rng{7};
        std::vector<std::vector<int>> after;
        for (const InkStroke& stroke : draw_by_hand(box_strokes(kWater), HandStyle{}, rng)) {
            draw_stroke(w->box(), stroke);
            after.push_back(w->candidates()->candidates());
        }
        return after;
    }
    QString row_kanji(int row) const {
        return add_word->results()->view()->model()->index(row, 0).data().toString();
    }
    static QString character(int kanji) {
        return QString(QChar(KanjiData_LoadRecord(kanji)->Kanji));
    }
    static int number_of(char16_t kanji) {
        for (int k = 1; k <= kKanjiTotal; ++k)
            if (KanjiData_LoadRecord(k)->Kanji == kanji) return k;
        return -1;
    }
};

TEST_F(DrawKanjiTest, WaterDrawnInItsStrokeOrderIsOfferedClickedIsSelectedAndUndoneStrokeByStroke) {
    open_add_word();
    DrawKanjiWindow* w = open_drawing();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Draw a Kanji");
    EXPECT_TRUE(w->holds_model());
    EXPECT_THAT(w->candidates()->candidates(), IsEmpty());

    const auto after = draw_water(w);
    ASSERT_EQ(after.size(), 4u);
    for (const auto& candidates : after)
        EXPECT_EQ(candidates.size(), 10u) << "ten candidates after every stroke";
    const std::vector<int>& offered = after.back();
    const auto at = std::find(offered.begin(), offered.end(), kWater);
    ASSERT_NE(at, offered.end()) << "水 is not offered";

    // A click beside the candidates chooses nothing; one on 水 lists it first and selects it.
    click(w->candidates(), QPoint(DrawKanjiCandidates::kWidth - 2, 2));
    EXPECT_EQ(row_kanji(0), character(1));
    click(w->candidates(), DrawKanjiCandidates::cell_rect(int(at - offered.begin())).center());
    EXPECT_EQ(row_kanji(0), character(kWater));
    EXPECT_EQ(add_word->results()->current(), 0);
    EXPECT_EQ(add_word->details().kanji(), kWater);
    // The rest keeps its order: kanji 1 to 43, then 45 on.
    EXPECT_EQ(row_kanji(1), character(1));
    EXPECT_EQ(row_kanji(kWater), character(kWater + 1));
    EXPECT_EQ(add_word->results()->count(), kKanjiTotal);

    ASSERT_TRUE(add_word->add_button()->behaviour().enabled);
    click(add_word->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWater));
    EXPECT_EQ(LearningList_Count(), 1);
    EXPECT_EQ(LearningList_At(0), kWater);
    EXPECT_EQ(DrawKanjiWindow::instance(), w) << "the window stays open for the next kanji";

    // Undo Stroke takes back the last stroke, Clear empties the box.
    ASSERT_NE(after[2], after[3]);

    click(w->undo_button(), QPoint(5, 5));
    EXPECT_EQ(w->box()->ink().size(), 3u);
    EXPECT_EQ(w->candidates()->candidates(), after[2]) << "recognised again, from three strokes";

    click(w->clear_button(), QPoint(5, 5));
    EXPECT_THAT(w->box()->ink(), IsEmpty());
    EXPECT_THAT(w->candidates()->candidates(), IsEmpty());
    EXPECT_EQ(w->candidates()->notice(),
              "The kanji that match your strokes appear here, best first.");
    click(w->undo_button(), QPoint(5, 5)); // nothing left to take back
    EXPECT_THAT(w->box()->ink(), IsEmpty());
}

TEST_F(DrawKanjiTest, TheBoxTakesThirtyStrokesAndAStrokeWhoseReleaseWentElsewhereEndsAtAPress) {
    open_add_word();
    DrawKanjiWindow* w = open_drawing();
    ASSERT_NE(w, nullptr);
    const PencilCursors pencils = load_pencil_cursors();
    ASSERT_EQ(pencils.idle.shape(), Qt::BitmapCursor) << "the run folder's cursors";
    EXPECT_EQ(w->box()->cursor().pixmap().toImage(), pencils.idle.pixmap().toImage());
    for (int s = 0; s < 31; ++s)
        draw_stroke(w->box(), {{10 + 7 * s, 20}, {10 + 7 * s, 200}});
    EXPECT_EQ(w->box()->ink().size(), size_t(DrawKanjiBox::kMaxStrokes));
    EXPECT_EQ(w->box()->cursor().pixmap().toImage(), pencils.refused.pixmap().toImage());
    click(w->undo_button(), QPoint(5, 5));
    EXPECT_EQ(w->box()->cursor().pixmap().toImage(), pencils.idle.pixmap().toImage());
    draw_stroke(w->box(), {{250, 20}, {250, 200}});
    EXPECT_EQ(w->box()->ink().size(), size_t(DrawKanjiBox::kMaxStrokes));

    // A stroke whose release went elsewhere ends at the next press.
    click(w->clear_button(), QPoint(5, 5));
    send_mouse(w->box(), QEvent::MouseButtonPress, {40, 130});
    send_mouse(w->box(), QEvent::MouseMove, {220, 130});
    EXPECT_TRUE(w->box()->drawing());
    EXPECT_THAT(w->candidates()->candidates(), IsEmpty()) << "no recognition mid-stroke";
    send_mouse(w->box(), QEvent::MouseButtonPress, {130, 30});
    EXPECT_THAT(w->candidates()->candidates(), Contains(number_of(u'一')))
        << "the first stroke ended and was recognised";
    send_mouse(w->box(), QEvent::MouseMove, {130, 230});
    send_mouse(w->box(), QEvent::MouseButtonRelease, {130, 230});
    EXPECT_EQ(w->box()->ink().size(), 2u);
    EXPECT_FALSE(w->box()->drawing());
    EXPECT_THAT(w->candidates()->candidates(), Contains(number_of(u'十')));
}

TEST_F(DrawKanjiTest, OpensBesideAddWordRemembersWhereItWasLeftAndLetsTheModelGo) {
    open_add_word();
    DrawKanjiWindow* w = open_drawing();
    ASSERT_NE(w, nullptr);
    EXPECT_GT(w->x(), add_word->x()) << "first opened beside Add Word, not over its list";

    w->move(add_word->pos() + QPoint(30, 20));
    QPointer<DrawKanjiWindow> closing(w);
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    ASSERT_FALSE(closing.isNull()) << "deleted later, not at once";
    EXPECT_FALSE(closing->holds_model());
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset), 30);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset + 1), 20);
    EXPECT_EVENTUALLY(closing.isNull());

    w = open_drawing();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->pos(), add_word->pos() + QPoint(30, 20));
    EXPECT_EQ(open_drawing(), w) << "one window at most";

    // Closing Add Word closes it too, and its place is remembered.
    w->move(add_word->pos() + QPoint(50, 60));
    click(add_word->exit_button(), QPoint(5, 5));
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset), 50);
    EXPECT_EQ(get_option_slot(OptDrawKanjiOffset + 1), 60);
}

TEST_F(DrawKanjiTest, WithoutTheModelTheButtonIsGreyedAndADamagedModelIsReported) {
    set_handwriting_model_path(QDir(folder).filePath("missing.model").toStdString());
    open_add_word();
    EXPECT_FALSE(add_word->draw_button()->behaviour().shown_active);
    EXPECT_TRUE(add_word->draw_button()->behaviour().enabled) << "greyed, its explanation shown";
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
    EXPECT_TRUE(add_word->draw_button()->behaviour().shown_active);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], DrawKanjiWindow::model_unreadable_text());
    EXPECT_TRUE(message_texts[0].contains("damaged.model"));
    EXPECT_TRUE(message_texts[0].contains(kHandwritingModelPackage));

    // Installed while Add Word is open: the next click opens the window.
    set_handwriting_model_path({});
    EXPECT_NE(open_drawing(), nullptr);
    EXPECT_TRUE(add_word->draw_button()->behaviour().shown_active);
}

TEST(PencilCursors, HotSpotsAreReadAsUntrusted) {
    const QSize size(32, 32);
    const QString text = "idle.png 3 27\r\ndrawing.png 2 28\nrefused.png 40 3\nodd.png x 1\n"
                         "neg.png -1 2\nlong.png 1 2 3\nidle.png 9 9\n";
    EXPECT_EQ(hot_spot_for(text, "idle.png", size), QPoint(3, 27)) << "the first line counts";
    EXPECT_EQ(hot_spot_for(text, "drawing.png", size), QPoint(2, 28));
    EXPECT_EQ(hot_spot_for(text, "drawing.png", QSize(28, 28)), std::nullopt);
    EXPECT_EQ(hot_spot_for(text, "refused.png", size), std::nullopt) << "outside the image";
    for (const char* bad : {"odd.png", "neg.png", "long.png", "none.png"})
        EXPECT_EQ(hot_spot_for(text, bad, size), std::nullopt) << bad;
}

class PencilCursorFiles : public ScreenTest {
  protected:
    QString cursors() const { return QDir(folder).filePath("cursors"); }
    void write(const QString& name, const QByteArray& bytes) {
        QDir(folder).mkpath("cursors");
        QFile f(QDir(cursors()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void write_image(const QString& name, int side) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::black);
        ASSERT_TRUE(image.save(QDir(cursors()).filePath(name), "PNG"));
    }
};

TEST_F(PencilCursorFiles, MissingDamagedOrOversizedPiecesGiveTheArrow) {
    const PencilCursors real = load_pencil_cursors();
    EXPECT_EQ(real.drawing.shape(), Qt::BitmapCursor);
    EXPECT_EQ(real.drawing.hotSpot(), QPoint(2, 28));

    const PencilCursors none = load_pencil_cursors(QDir(folder).filePath("nowhere"));
    for (const QCursor* c : {&none.idle, &none.drawing, &none.refused})
        EXPECT_EQ(c->shape(), Qt::ArrowCursor);

    write("hotspots.txt", "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n");
    write_image("idle.png", 32);
    write_image("drawing.png", 65);
    write("refused.png", "\x89PNG\r\n\x1a\n broken");
    const PencilCursors mixed = load_pencil_cursors(cursors());
    EXPECT_EQ(mixed.idle.shape(), Qt::BitmapCursor);
    EXPECT_EQ(mixed.idle.hotSpot(), QPoint(3, 27));
    EXPECT_EQ(mixed.drawing.shape(), Qt::ArrowCursor) << "larger than a cursor";
    EXPECT_EQ(mixed.refused.shape(), Qt::ArrowCursor) << "not an image";

    QFile::remove(QDir(cursors()).filePath("hotspots.txt"));
    EXPECT_EQ(load_pencil_cursors(cursors()).idle.shape(), Qt::ArrowCursor) << "no hot spot";
}

} // namespace

// The program on a damaged installation (damaged_folder.h): it starts, every screen opens and
// closes (the main window, Add Word with Draw a Kanji, the Kanji and Example windows, the five
// exercises and the full sequence, the practice, the review, the help panel), and leaving it
// writes whole user files. The only messages on the way are the program's own.
#include "add_word_window.h"
#include "button.h"
#include "damaged_folder.h"
#include "detail_windows.h"
#include "draw_kanji_box.h"
#include "draw_kanji_window.h"
#include "edit_box.h"
#include "example_window.h"
#include "exercise_answers.h"
#include "exercise_kinds.h"
#include "kanji_list.h"
#include "kanji_recogniser.h"
#include "kanji_window.h"
#include "learning_list.h"
#include "main_window.h"
#include "message_box.h"
#include "pair_list.h"
#include "practice_window.h"
#include "review_examples.h"
#include "review_window.h"
#include "shell.h"
#include "start_fixture.h"
#include "startup.h"
#include "stroke_animation.h"
#include "test_helpers.h"
#include "writing_ex.h"

#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

namespace {

// The animations run without pausing.
class InstantClock : public AnimationClock {
  public:
    void pause(int) override {}
};

class DamagedInstallationTest : public StartTest,
                                public ::testing::WithParamInterface<FolderDamage> {
  protected:
    InstantClock clock;
    QStringList messages; // every message box's text, in order
    MainWindow* main = nullptr;

    void SetUp() override {
        StartTest::SetUp();
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
        Review_SetAnimationClock(&clock);
        WritingEx_SetAnimationClock(&clock);
        close_every_message_box();
        GetParam().apply(folder);
    }
    void TearDown() override {
        Exercises_Abandon();
        WritingEx_Close();
        Review_SetAnimationClock(nullptr);
        WritingEx_SetAnimationClock(nullptr);
        Exercises_SetStrokeOrderOpener({});
        delete box_closer_;
        StartTest::TearDown();
    }

    // Every box is closed with its close glyph as it opens, and its text kept.
    void close_every_message_box() {
        box_closer_ = new QTimer;
        QObject::connect(box_closer_, &QTimer::timeout, box_closer_, [this] {
            QWidget* box = open_message_box();
            if (!box || box == answered_ || !box->isVisible()) return;
            answered_ = box;
            messages << open_message_box_text();
            click(box, QPoint(box->width() - 16, 10));
        });
        box_closer_->start(5);
    }

    static bool expected_message(const QString& text) {
        QStringList expected{QString::fromLatin1(kMessageListEmpty),
                             QString::fromLatin1(kMessageNoUnlearnedKanji),
                             DrawKanjiWindow::model_unreadable_text()};
        for (int k = 0; k < 5; ++k)
            expected << empty_list_message(ExerciseKind(k));
        // Add Word's questions name the kanji in the middle.
        return expected.contains(text) || text.startsWith(QStringLiteral("The selected kanji '"));
    }

    // A screen opened from the main window: either it opened, or the list was empty and the
    // program said so; then it closes and the main window takes input again.
    bool opened_or_refused(QWidget* window, qsizetype messages_before) const {
        if (window) {
            EXPECT_TRUE(window->isVisible());
            EXPECT_FALSE(main->active())
                << "the main window shows inactive behind " << window->windowTitle().toStdString();
            return true;
        }
        EXPECT_GT(messages.size(), messages_before) << "no window and nothing said";
        return false;
    }
    void back_at_rest(const char* screen) const {
        EXPECT_TRUE(wait_until([&] { return main->at_rest(); })) << screen << " left it disabled";
    }
    static void press(QWidget* button) { click(button, QPoint(6, 6)); }
    static void drag(QWidget* box, QPoint from, QPoint to) {
        QTest::mousePress(box, Qt::LeftButton, {}, from);
        QTest::mouseMove(box, to);
        QTest::mouseRelease(box, Qt::LeftButton, {}, to);
    }

    // An exercise from its button, or the five of the full sequence, a question of each.
    void exercises_from(const char* caption, int at_most) {
        SCOPED_TRACE(caption);
        const qsizetype said = messages.size();
        press(main->button(QString::fromLatin1(caption)));
        int opened = 0;
        while (ExerciseWindow* w = open_exercise()) {
            ASSERT_LE(++opened, at_most);
            opened_or_refused(w, said);
            answer_question(w, false); // a wrong answer, the right one, the answer, Next
            answer_question(w, true);
            for (Button* b : {w->show_answer_button(), w->next_button(), w->exit_button()})
                press(b);
        }
        if (opened == 0) opened_or_refused(nullptr, said);
        EXPECT_EQ(ExerciseSequence_Step(), -1);
        back_at_rest(caption);
    }

    void kanji_window() {
        QTreeView* list = main->learning_list()->view();
        if (list->model()->rowCount() > 0) {
            const QRect row = list->visualRect(list->model()->index(0, 0));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        } else {
            KanjiWindow_Open(main, 1, false);
        }
        KanjiWindow* w = KanjiWindow::instance();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        press(w->close_button());
        EXPECT_EQ(KanjiWindow::instance(), nullptr);
    }

    // Add Word: a search, a row added, Show All, and Draw a Kanji when the model is there.
    void add_word() {
        press(main->button(QStringLiteral("Add Word to List")));
        AddWordWindow* w = AddWordWindow::instance();
        ASSERT_TRUE(opened_or_refused(w, messages.size()));
        w->search_field()->edit()->setText(QStringLiteral("water"));
        press(w->search_button());
        QTreeView* results = w->results()->view();
        if (results->model()->rowCount() > 0)
            click(results->viewport(), results->visualRect(results->model()->index(0, 0)).center());
        press(w->add_button());
        press(w->show_all_button());
        press(w->draw_button());
        DrawKanjiWindow* draw = DrawKanjiWindow::instance();
        EXPECT_EQ(draw != nullptr, handwriting_model_present());
        if (draw) {
            drag(draw->box(), QPoint(40, 40), QPoint(200, 80));
            press(draw->exit_button());
            EXPECT_TRUE(wait_until([] { return DrawKanjiWindow::instance() == nullptr; }));
        }
        press(w->exit_button());
        EXPECT_TRUE(wait_until([] { return AddWordWindow::instance() == nullptr; }));
        back_at_rest("Add Word");
    }

    // The review, with an animation, the next kanji and an example in the Example Window.
    void review() {
        const qsizetype said = messages.size();
        press(main->button(QStringLiteral("Review Learning List Kanji")));
        ReviewWindow* w = ReviewWindow::instance();
        if (!opened_or_refused(w, said)) return back_at_rest("review");
        press(w->animate_button());
        press(w->next_button());
        QTest::mouseDClick(w->examples_display(), Qt::LeftButton, {}, QPoint(80, 56));
        if (ExampleWindow* example = ExampleWindow::instance()) {
            EXPECT_TRUE(example->isVisible());
            press(example->close_button());
            EXPECT_EQ(ExampleWindow::instance(), nullptr);
        }
        press(w->exit_button());
        EXPECT_EQ(ReviewWindow::instance(), nullptr);
        back_at_rest("review");
    }

    // The Example Window stands on its own too: even an example the file cannot give opens.
    void example_window() {
        for (int id : {0, 7, 1 << 30}) {
            ExampleWindow_Open(main, id);
            ExampleWindow* w = ExampleWindow::instance();
            ASSERT_NE(w, nullptr);
            press(w->close_button());
            EXPECT_EQ(ExampleWindow::instance(), nullptr);
        }
    }

    void practice() {
        const qsizetype said = messages.size();
        press(main->button(QStringLiteral("Stroke Order Practice")));
        PracticeWindow* w = WritingEx_Window();
        if (!opened_or_refused(w, said)) return back_at_rest("practice");
        press(w->animation_button());
        press(w->practice_button());
        drag(w->box(), QPoint(60, 60), QPoint(150, 90));
        for (Button* b : {w->restart_button(), w->next_button(), w->show_button(),
                          w->previous_button(), w->exit_button()})
            press(b);
        EXPECT_EQ(WritingEx_Window(), nullptr);
        back_at_rest("practice");
    }

    QTimer* box_closer_ = nullptr;
    QPointer<QWidget> answered_;
};

TEST_P(DamagedInstallationTest, StartsOpensAndClosesEveryScreenAndLeavesWholeFiles) {
    ASSERT_FALSE(App_Start().has_value()) << "the program went on to its main window";
    main = MainWindow::instance();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(wait_until([&] { return main->at_rest(); })) << "shown, active, enabled";
    EXPECT_LE(CompletedList_CompletedCount(), CompletedList_AvailableCount())
        << "the status panel counts no more kanji completed than there are";

    // The help panel follows every topic; a missing text leaves it blank.
    for (int topic = 17; topic >= 1; --topic)
        main->show_hint_topic(topic);
    EXPECT_EQ(main->hint_text().title.isEmpty(), !QFile::exists("dlls/instr.rcc"));
    kanji_window();
    add_word();
    for (const char* caption :
         {"Kanji Meaning Multichoice", "ON Pronunciation Multichoice",
          "KUN Pronunciation Multichoice", "Stroke Order Exercise", "Kanji GridSearch Exercise"})
        exercises_from(caption, 1);
    exercises_from("Do Exercises to Complete List", 5);
    review();
    example_window();
    practice();

    App_Exit();
    int code = -1;
    EXPECT_TRUE(App_ExitRequested(&code));
    EXPECT_EQ(code, 0) << "every file was saved";
    EXPECT_TRUE(ended_with.empty());
    for (const QString& text : messages)
        EXPECT_TRUE(expected_message(text)) << "unexpected message: " << text.toStdString();

    EXPECT_EQ(read_words("brushwise.opt").size(), 106u);
    const std::vector<int32_t> list = read_words("data/llist.dat");
    ASSERT_FALSE(list.empty());
    ASSERT_EQ(list.size(), size_t(list[0]) + 1) << "the Learning List file is whole";
    EXPECT_TRUE(
        std::all_of(list.begin() + 1, list.end(), [](int k) { return k >= 1 && k <= 1945; }));
}

using KanjiDataLostTest = DamagedInstallationTest;

TEST_P(KanjiDataLostTest, WithoutWholeKanjiDataItSaysSoAndEndsHavingWrittenNothing) {
    const QStringList before = folder_state(folder);
    EXPECT_EQ(App_Start(), std::optional<int>(1));
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(kMessageKanjiDataDamaged)});
    EXPECT_EQ(MainWindow::instance(), nullptr);
    EXPECT_EQ(folder_state(folder), before) << "no file was created or changed";
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedInstallationTest,
                         ::testing::ValuesIn(folder_damages(false)), damage_name);
INSTANTIATE_TEST_SUITE_P(Damage, KanjiDataLostTest, ::testing::ValuesIn(folder_damages(true)),
                         damage_name);

} // namespace

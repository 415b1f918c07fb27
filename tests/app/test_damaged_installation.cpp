// The program on a damaged installation: with its data files missing, cut short or garbage, its
// artwork, resource libraries or help pages gone, or the user's files cut short or garbage, it
// starts, every screen opens and closes (the main window, Add Word with Draw a Kanji, the Kanji
// and Example windows, the five exercises and the full sequence, the practice, the review, the
// help panel and pages), and leaving it writes whole user files. The only messages on the way
// are the program's own, about the study state.
#include "add_word_window.h"
#include "app_exit.h"
#include "button.h"
#include "choice_exercise.h"
#include "choice_panel.h"
#include "choice_rows.h"
#include "damaged_folder.h"
#include "detail_windows.h"
#include "draw_kanji_box.h"
#include "draw_kanji_window.h"
#include "edit_box.h"
#include "example_window.h"
#include "exercise_framework.h"
#include "exercise_kinds.h"
#include "grid_exercise.h"
#include "grid_panel.h"
#include "japanese_font.h"
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
#include "screen_fixture.h"
#include "shell.h"
#include "splash.h"
#include "startup.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "stroke_screens.h"
#include "test_helpers.h"
#include "toolkit_images.h"
#include "writing_ex.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QResource>
#include <QTimer>
#include <QTreeView>

namespace {

constexpr int kShortSplashMs = 20;

// The animations run without pausing.
class InstantClock : public AnimationClock {
  public:
    void pause(int) override {}
};

class DamagedInstallationTest : public ScreenTest,
                                public ::testing::WithParamInterface<FolderDamage> {
  protected:
    InstantClock clock;
    std::vector<int> ended_with;
    QStringList messages; // every message box's text, in order

    void SetUp() override {
        ScreenTest::SetUp();
        // The start-up registers the resource libraries of its folder, as a real start does.
        forget_resource_libraries();
        Splash_SetMinimumDuration(kShortSplashMs);
        set_japanese_family_source([] { return QStringList{QStringLiteral("IPAexMincho")}; });
        set_process_ender([this](int code) { ended_with.push_back(code); });
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
        set_process_ender({});
        set_japanese_family_source({});
        Splash_SetMinimumDuration(-1);
        delete box_closer_;
        ScreenTest::TearDown();
        forget_resource_libraries(); // the next test's start registers its own
    }

    void forget_resource_libraries() {
        for (const char* name : {"ag", "picmain", "instr"})
            QResource::unregisterResource(
                QDir(folder).filePath(QStringLiteral("dlls/%1.rcc").arg(name)));
        register_toolkit_resources_in(QStringLiteral("/nonexistent"));
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

    // The user files' contents ("-" for a file that does not exist).
    static QStringList user_files() {
        QStringList contents;
        for (const char* name :
             {"data/llist.dat", "data/clist.dat", "data/scores.dat", "brushwise.opt"}) {
            QFile f(QString::fromLatin1(name));
            contents << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex())
                                                     : QStringLiteral("-"));
        }
        return contents;
    }

    MainWindow* start() {
        const std::optional<int> ended = App_Start();
        EXPECT_FALSE(ended.has_value()) << "the program went on to its main window";
        MainWindow* w = MainWindow::instance();
        EXPECT_NE(w, nullptr);
        if (w) {
            EXPECT_TRUE(w->isVisible());
        }
        return w;
    }

    QTimer* box_closer_ = nullptr;
    QPointer<QWidget> answered_;
};

// A screen opened from the main window: either it opened, or the list was empty and the program
// said so; then it closes and the main window takes input again.
struct Visit {
    MainWindow* main;
    const QStringList& messages;

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
};

void click_at(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void move_pointer(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void press(QWidget* button) {
    click_at(button, QPoint(6, 6));
}

// One question of the open exercise: a wrong answer, the answer shown, then Next.
void work_through_a_question(ExerciseWindow* w) {
    if (auto* c = dynamic_cast<ChoiceExerciseWindow*>(w)) {
        const int wrong = (c->question().correctPosition + 1) % kChoiceRows;
        click_at(c->panel(), QPoint(100, kChoiceRowHeight * wrong + 16));
        click_at(c->panel(), QPoint(100, kChoiceRowHeight * c->question().correctPosition + 16));
    } else if (auto* g = dynamic_cast<GridExerciseWindow*>(w)) {
        const GridQuestion& q = g->question();
        click_at(g->grid(), QPoint(40 * q.target_column + 20, 40 * q.target_row + 20));
        click_at(g->grid(), QPoint(5, 5));
    } else if (auto* s = dynamic_cast<StrokeOrderExWindow*>(w)) {
        click_at(s->display(), QPoint(3, 3));
        if (s->starts().stroke_count() > 0)
            click_at(s->display(), QPoint(s->starts().start(0).x, s->starts().start(0).y));
    }
    press(w->show_answer_button());
    press(w->next_button());
}

void exercise_from_its_button(const Visit& v, const char* caption) {
    SCOPED_TRACE(caption);
    const qsizetype said = v.messages.size();
    press(v.main->button(QString::fromLatin1(caption)));
    ExerciseWindow* w = open_exercise();
    if (!v.opened_or_refused(w, said)) return v.back_at_rest(caption);
    work_through_a_question(w);
    press(w->exit_button());
    EXPECT_EQ(open_exercise(), nullptr);
    v.back_at_rest(caption);
}

void full_sequence(const Visit& v) {
    SCOPED_TRACE("full sequence");
    const qsizetype said = v.messages.size();
    press(v.main->button(QStringLiteral("Do Exercises to Complete List")));
    int exercises = 0;
    while (ExerciseWindow* w = open_exercise()) {
        ASSERT_LT(++exercises, 6) << "the sequence runs five exercises";
        work_through_a_question(w);
        press(w->exit_button());
    }
    if (exercises == 0) {
        EXPECT_GT(v.messages.size(), said) << "no exercise and nothing said";
    }
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    v.back_at_rest("full sequence");
}

void kanji_window(const Visit& v) {
    QTreeView* list = v.main->learning_list()->view();
    if (list->model()->rowCount() > 0) {
        const QRect row = list->visualRect(list->model()->index(0, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    } else {
        KanjiWindow_Open(v.main, 1, false);
    }
    KanjiWindow* w = KanjiWindow::instance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    press(w->close_button());
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
}

void draw_a_kanji(AddWordWindow* add_word) {
    press(add_word->draw_button());
    DrawKanjiWindow* w = DrawKanjiWindow::instance();
    if (!handwriting_model_present()) {
        EXPECT_EQ(w, nullptr);
        return;
    }
    ASSERT_NE(w, nullptr);
    DrawKanjiBox* box = w->box();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseMove(box, QPoint(120, 60));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(200, 80));
    press(w->exit_button());
    EXPECT_TRUE(wait_until([] { return DrawKanjiWindow::instance() == nullptr; }));
}

void add_word(const Visit& v) {
    press(v.main->button(QStringLiteral("Add Word to List")));
    AddWordWindow* w = AddWordWindow::instance();
    ASSERT_TRUE(v.opened_or_refused(w, v.messages.size()));
    w->search_field()->edit()->setText(QStringLiteral("water"));
    press(w->search_button());
    QTreeView* results = w->results()->view();
    if (results->model()->rowCount() > 0)
        click_at(results->viewport(), results->visualRect(results->model()->index(0, 0)).center());
    press(w->add_button());
    press(w->show_all_button());
    draw_a_kanji(w);
    press(w->exit_button());
    EXPECT_TRUE(wait_until([] { return AddWordWindow::instance() == nullptr; }));
    v.back_at_rest("Add Word");
}

// The review, with an animation, the next kanji, an example in the Example Window and the tips
// page.
void review(const Visit& v, const QStringList& opened_pages) {
    const qsizetype said = v.messages.size();
    press(v.main->button(QStringLiteral("Review Learning List Kanji")));
    ReviewWindow* w = ReviewWindow::instance();
    if (!v.opened_or_refused(w, said)) return v.back_at_rest("review");
    press(w->animate_button());
    press(w->next_button());
    QTest::mouseDClick(w->examples_display(), Qt::LeftButton, {}, QPoint(80, 56));
    if (ExampleWindow* example = ExampleWindow::instance()) {
        EXPECT_TRUE(example->isVisible());
        press(example->close_button());
        EXPECT_EQ(ExampleWindow::instance(), nullptr);
    }
    const qsizetype pages = opened_pages.size();
    move_pointer(w, ReviewWindow::kLinkRect.center());
    click_at(w, ReviewWindow::kLinkRect.center());
    EXPECT_EQ(opened_pages.size(), pages + 1) << "the stroke order tips";
    press(w->exit_button());
    EXPECT_EQ(ReviewWindow::instance(), nullptr);
    v.back_at_rest("review");
}

// The Example Window stands on its own too: even an example the file cannot give opens.
void example_window(const Visit& v) {
    for (int id : {0, 7, 1 << 30}) {
        ExampleWindow_Open(v.main, id);
        ExampleWindow* w = ExampleWindow::instance();
        ASSERT_NE(w, nullptr);
        press(w->close_button());
        EXPECT_EQ(ExampleWindow::instance(), nullptr);
    }
}

void practice(const Visit& v) {
    const qsizetype said = v.messages.size();
    press(v.main->button(QStringLiteral("Stroke Order Practice")));
    PracticeWindow* w = WritingEx_Window();
    if (!v.opened_or_refused(w, said)) return v.back_at_rest("practice");
    press(w->animation_button());
    press(w->practice_button());
    QTest::mousePress(w->box(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(w->box(), QPoint(150, 90));
    QTest::mouseRelease(w->box(), Qt::LeftButton, {}, QPoint(150, 90));
    press(w->restart_button());
    press(w->next_button());
    press(w->show_button());
    press(w->previous_button());
    press(w->exit_button());
    EXPECT_EQ(WritingEx_Window(), nullptr);
    v.back_at_rest("practice");
}

// The help panel follows every topic; a missing text leaves it blank.
void help_panel(MainWindow* main, bool texts_present) {
    for (int topic = 1; topic <= 17; ++topic)
        main->show_hint_topic(topic);
    main->show_hint_topic(1);
    EXPECT_EQ(main->hint_text().title.isEmpty(), !texts_present);
}

TEST_P(DamagedInstallationTest, StartsOpensAndClosesEveryScreenAndLeavesWholeFiles) {
    MainWindow* main = start();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(wait_until([&] { return main->at_rest(); }));
    const Visit v{main, messages};
    EXPECT_LE(CompletedList_CompletedCount(), CompletedList_AvailableCount())
        << "the status panel counts no more kanji completed than there are";

    help_panel(main, QFile::exists("dlls/instr.rcc"));
    kanji_window(v);
    add_word(v);
    for (const char* caption :
         {"Kanji Meaning Multichoice", "ON Pronunciation Multichoice",
          "KUN Pronunciation Multichoice", "Stroke Order Exercise", "Kanji GridSearch Exercise"})
        exercise_from_its_button(v, caption);
    full_sequence(v);
    review(v, opened_pages);
    example_window(v);
    practice(v);

    App_Exit();
    int code = -1;
    EXPECT_TRUE(App_ExitRequested(&code));
    EXPECT_EQ(code, 0) << "every file was saved";
    EXPECT_TRUE(ended_with.empty());
    for (const QString& text : messages)
        EXPECT_TRUE(expected_message(text)) << "unexpected message: " << text.toStdString();

    const std::vector<int32_t> options = read_words("brushwise.opt");
    EXPECT_EQ(options.size(), 106u);
    const std::vector<int32_t> list = read_words("data/llist.dat");
    ASSERT_FALSE(list.empty());
    ASSERT_EQ(list.size(), size_t(list[0]) + 1) << "the Learning List file is whole";
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_TRUE(list[i] >= 1 && list[i] <= 1945) << list[i];
}

using KanjiDataLostTest = DamagedInstallationTest;

TEST_P(KanjiDataLostTest, WithoutWholeKanjiDataItSaysSoAndEndsHavingWrittenNothing) {
    const QStringList before = user_files();
    const std::optional<int> ended = App_Start();
    ASSERT_TRUE(ended.has_value());
    EXPECT_EQ(*ended, 1);
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(kMessageKanjiDataDamaged)});
    EXPECT_EQ(MainWindow::instance(), nullptr);
    EXPECT_EQ(user_files(), before) << "no user file was created or changed";
}

auto damage_name = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Damage, DamagedInstallationTest,
                         ::testing::ValuesIn(folder_damages(false)), damage_name);
INSTANTIATE_TEST_SUITE_P(Damage, KanjiDataLostTest, ::testing::ValuesIn(folder_damages(true)),
                         damage_name);

} // namespace

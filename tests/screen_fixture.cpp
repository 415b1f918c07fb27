#include "screen_fixture.h"

#include "button.h"
#include "check_box.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "random.h"
#include "scores.h"
#include "shell.h"
#include "sound_cue.h"
#include "toolkit_images.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <string>

QString run_folder() {
    return qEnvironmentVariable("BRUSHWISE_RUN_DIR");
}

namespace {

void link_into(const QString& from_folder, const QString& name, const QString& to_folder) {
    const QString target = QDir(from_folder).filePath(name);
    if (QFileInfo::exists(target)) QFile::link(target, QDir(to_folder).filePath(name));
}

int cue_number(const std::string& path) {
    // "res/<n>.wav"
    const auto slash = path.rfind('/');
    return std::atoi(path.c_str() + (slash == std::string::npos ? 0 : slash + 1));
}

Button* button_captioned(QWidget* box, const QString& caption) {
    for (Button* b : box->findChildren<Button*>())
        if (b->caption() == caption) return b;
    return nullptr;
}

} // namespace

void ScreenTest::SetUp() {
    previous_folder_ = QDir::currentPath();
    folder = QDir::temp().filePath(QStringLiteral("brushwise-screen-%1-%2")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(reinterpret_cast<quintptr>(this), 0, 16));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/data")));
    const QString run = run_folder();
    ASSERT_FALSE(run.isEmpty()) << "BRUSHWISE_RUN_DIR names the installation folder";
    for (const char* f : {"kanji.dat", "examples.dat"})
        link_into(run + QStringLiteral("/data"), QString::fromLatin1(f), folder + "/data");
    for (const char* d : {"res", "dlls", "help"})
        link_into(run, QString::fromLatin1(d), folder);
    QDir::setCurrent(folder);
    register_toolkit_resources();
    reset_study_state();
    random_seed(1);
    SoundCue_SetPlayer([this](const std::string& path) { cues.push_back(cue_number(path)); });
    set_url_opener([this](const QString& path) { opened_pages << path; });
}

void ScreenTest::TearDown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (box_watch_) delete box_watch_.data();
    SoundCue_SetPlayer({});
    set_url_opener({});
    reset_study_state();
    QDir::setCurrent(previous_folder_);
    QDir(folder).removeRecursively();
}

void ScreenTest::reset_study_state() {
    Shell_Install(nullptr, {});
    KanjiData_Close();
    Scores_Close();
    Options_Clear();
    LearningList_Clear();
    StudyLists_SetView(nullptr);
}

void ScreenTest::open_study_data() {
    Options_Load();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();
}

void ScreenTest::set_learning_list(std::initializer_list<int> kanji) {
    set_learning_list(std::vector<int>(kanji));
}

void ScreenTest::set_learning_list(const std::vector<int>& kanji) {
    LearningList_Clear();
    for (int k : kanji)
        LearningList_Append(k);
}

void ScreenTest::pass_all_exercises(int kanji) {
    for (int slot = KanjiMeaningMC; slot <= KanjiGridSearch; ++slot)
        Scores_SetSlot(kanji, slot, 1);
}

void ScreenTest::answer_message_boxes(std::initializer_list<int> results) {
    scripted_answers_.insert(scripted_answers_.end(), results);
    watch_for_message_box();
}

// Polls for an open box every 5 ms while scripted answers (or unexpected boxes) may come.
void ScreenTest::watch_for_message_box() {
    if (box_watch_) return;
    auto* timer = new QTimer;
    box_watch_ = timer;
    QPointer<QWidget> answered;
    QObject::connect(timer, &QTimer::timeout, timer, [this, answered]() mutable {
        QWidget* box = open_message_box();
        if (!box || box == answered || !box->isVisible()) return;
        answered = box;
        message_texts.push_back(open_message_box_text());
        int result = 0;
        if (scripted_answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << open_message_box_text().toStdString();
        } else {
            result = scripted_answers_.front();
            scripted_answers_.erase(scripted_answers_.begin());
        }
        if (result >= 10)
            if (auto* check = box->findChild<CheckBox*>()) click(check, QPoint(5, 5));
        const QString caption = result % 10 == 2
                                    ? (button_captioned(box, " OK ") ? " OK " : " Yes ")
                                : result % 10 == 1 ? QStringLiteral(" No ")
                                                   : QString();
        if (Button* b = caption.isEmpty() ? nullptr : button_captioned(box, caption))
            click(b, QPoint(5, 5));
        else
            click(box, QPoint(box->width() - 16, 10)); // the close glyph
    });
    timer->start(5);
}

void ScreenTest::click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

QList<QWidget*> ScreenTest::windows_titled(const QString& title) {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) found << w;
    return found;
}

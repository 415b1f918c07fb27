// Drawing and layout without windows: drawing helpers, the face table, the text display's and the
// counter's layouts, window placement and the application shell.
#include "button.h"
#include "check_box.h"
#include "drawing.h"
#include "exercise_counter.h"
#include "fonts.h"
#include "group_frame.h"
#include "options.h"
#include "palette.h"
#include "placement.h"
#include "shell.h"
#include "text_display.h"

#include "poll.h"
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <cstring>
#include <gmock/gmock.h>

namespace {

constexpr ColorRef kUntouched = 0x123456;

ColorRef pixel(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Lines every two pixels from the top, down to y + h when h is even (an odd height stops before
// it); inactive lines are paler.
TEST(Drawing, LinedBackgroundLinesEveryTwoPixelsUpToTheBottomWhenEven) {
    Surface s(20, 30);
    s.fill_rect(0, 0, 20, 30, kUntouched);
    draw_lined_background(s, 2, 5, 8, 10, true);
    for (int row = 5; row <= 15; ++row)
        EXPECT_EQ(pixel(s, 4, row), row % 2 ? palette::LineActive : palette::White) << row;
    EXPECT_EQ(pixel(s, 10, 5), kUntouched) << "a line ends before x + w";
    EXPECT_EQ(pixel(s, 4, 16), kUntouched);
    draw_lined_background(s, 12, 4, 6, 9, false);
    EXPECT_EQ(pixel(s, 14, 12), palette::LineInactive);
    EXPECT_EQ(pixel(s, 14, 13), kUntouched) << "y + h is outside the fill and not a line";
}

// Outer line greys 153, 228, 249, 143 and inner 180, 225, 242, 198 (top, right, bottom, left),
// white inside.
TEST(Drawing, SunkenBoxSidesHaveTheirOwnGreys) {
    Surface s(60, 40);
    s.fill_rect(0, 0, 60, 40, kUntouched);
    fill_sunken_box(s, 5, 3, 50, 30, 0);
    const int seams[][3] = {{30, 3, 153},  {54, 18, 228}, {30, 32, 249}, {5, 18, 143}, {30, 4, 180},
                            {53, 18, 225}, {30, 31, 242}, {6, 18, 198},  {30, 18, 255}};
    for (auto [x, y, grey] : seams)
        EXPECT_EQ(pixel(s, x, y), RGB(grey, grey, grey)) << x << "," << y;
    EXPECT_EQ(pixel(s, 55, 18), kUntouched);
}

// Too wide text keeps the longest prefix that fits with ".." (at least four characters);
// fitting or short text is left alone; a real font's result fits.
TEST(Drawing, FitTextToWidthKeepsThePrefixBeforeTheFirstOverflowAndAddsDots) {
    const auto tens = [](const QString& s) { return int(s.size()) * 10; };
    const std::tuple<const char*, int, const char*> cases[] = {
        {"abcdefghijklmnop", 75, "abcde.."},
        {"abcdefghijklmnop", 85, "abcdef.."},
        {"abcdefghijklmnop", 125, "abcdefghij.."},
        {"abcdefgh", 30, "abcd.."},
        {"abcdefgh", 80, "abcdefgh"},
        {"abcde", 10, "abcde"}};
    for (auto [text, max, expected] : cases) {
        QString s = QString::fromLatin1(text);
        EXPECT_EQ(fit_text_to_width(tens, max, s), strcmp(text, expected) != 0) << text << max;
        EXPECT_EQ(s, QString::fromLatin1(expected));
    }
    const FontSpec font{QStringLiteral("Tahoma"), 12, true};
    QString text = QStringLiteral("a long meaning that does not fit");
    ASSERT_EQ(fit_text_to_width(font, 100, text), 1);
    EXPECT_LE(Surface().text_width(text, font), 100);
}

// Every face of the program maps to an installed family.
TEST(FaceTable, EveryFaceOfTheProgramMapsToAnInstalledFamily) {
    init_face_table();
    const QStringList installed = QFontDatabase::families();
    for (const char* face :
         {"Tahoma", "Arial", "Verdana", "Times New Roman", "MS Shell Dlg 2", kJapaneseFace})
        EXPECT_TRUE(installed.contains(installed_family(QString::fromLatin1(face)))) << face;
    EXPECT_EQ(installed_family("MS Shell Dlg 2"), installed_family("Tahoma"));
}

// The multiple-choice exercises' display: 320 x 60, y_offset -7, size_delta 2.
const TextDisplayGeometry kExercise{320, 60, false, -7, 2, 0xc00000};
constexpr int kLarge = 60 - 2, kSmall = kLarge / 2 - 60 / 20; // character heights
constexpr int kMaxWidth = 320 - 10;

// Every character is half its font height wide, except 'i', an eighth.
int fake_width(const QString& text, const FontSpec& font) {
    int w = 0;
    for (QChar c : text)
        w += c == QChar('i') ? font.height / 8 : font.height / 2;
    return w;
}

// Text that fits is one large line; slightly wider text one small line; longer text two small
// lines, the first broken at the last space before the width is reached or where it is reached
// (the break sought only in the first 29 characters), a long tail keeping what leaves room for
// "..".
TEST(TextDisplayLayout, OneLargeLineOneSmallLineOrTwoSmallLinesBrokenAtASpaceOrTheWidth) {
    const QString fits(kMaxWidth / (kLarge / 2), 'a');
    const QString no_space = "abcdefghjklmnopqrstuvwxyzABCDEFG";
    const int reached = kMaxWidth / (kSmall / 2) + 1;
    const int kept = (kMaxWidth - 2 * (kSmall / 2)) / (kSmall / 2);
    const struct {
        QString text;
        std::vector<QString> lines;
        int height;
    } cases[] = {
        {fits, {fits}, kLarge},
        {fits + "a", {fits + "a"}, kSmall},
        {"abcd efgh jklm mnop qrst uvwx yz", {"abcd efgh jklm mnop", "qrst uvwx yz"}, kSmall},
        {"abcd efgh jklm mnop " + QString(30, 'x'),
         {"abcd efgh jklm mnop", QString(kept, 'x') + ".."},
         kSmall},
        {no_space, {no_space.left(reached), no_space.mid(reached)}, kSmall},
        {QString(30, 'i') + " " + QString(20, 'w'),
         {QString(29, 'i'), "i " + QString(20, 'w')},
         kSmall},
        {{}, {}, 0},
    };
    for (const auto& c : cases) {
        const auto lines = layout_text_display(kExercise, c.text, fake_width);
        std::vector<QString> texts;
        for (const PlacedText& line : lines) {
            texts.push_back(line.text);
            EXPECT_EQ(line.font.height, c.height) << c.text.toStdString();
        }
        EXPECT_EQ(texts, c.lines);
        if (!lines.empty()) {
            EXPECT_LE(fake_width(lines.back().text, lines.back().font), kMaxWidth);
        }
    }
}

// The notice that completed kanji are excluded takes two lines on a counter narrower than 400,
// one on a wider one, and none when they are included.
TEST(ExerciseCounterLayout, TheNoticeTakesTwoLinesBelow400) {
    const auto texts = [](int width, bool excluded) {
        QStringList all;
        for (const PlacedText& t : layout_exercise_counter(width, 10, 3, excluded))
            all << t.text;
        return all.join('|');
    };
    EXPECT_FALSE(texts(208, false).contains("excluded"));
    EXPECT_TRUE(texts(399, true).contains("|Completed Kanji|are excluded"));
    EXPECT_TRUE(texts(400, true).contains("|Completed Kanji are excluded"));
}

// A screen reader reads what a display shows; a counter sits inside its frame and goes with it.
TEST(TextControls, TheDisplaysNameFollowsItsTextAndTheCounterGoesWithItsFrame) {
    QWidget window, other;
    TextDisplay* display = TextDisplay::create(&other, 10, 120, 200, 60, "水", false, -7, 2);
    display->set_text(QStringLiteral("火"));
    EXPECT_EQ(display->accessibleName(), "火");
    ExerciseCounter* counter = ExerciseCounter::create(&window, 10, 30, 422, 51, 10, true);
    ASSERT_TRUE(counter->frame());
    EXPECT_TRUE(counter->frame()->geometry().contains(counter->geometry()));
    counter->set_current(12); // beyond the list length: shown as it is
    EXPECT_EQ(counter->current(), 12);
    counter->destroy();
    EXPECT_EVENTUALLY(window.findChildren<GroupFrame*>().isEmpty() &&
                      window.findChildren<ExerciseCounter*>().isEmpty());
}

// Centring rounds down; the result stays four pixels inside the work area, the right and bottom
// clamps last; a damaged options file may hold any offset, and the sum must not wrap.
TEST(PlaceWindow, CentresOrOffsetsFromTheReferenceAndClampsFourPixelsInsideTheWorkArea) {
    const QRect ref(100, 80, 672, 499), work(0, 0, 1024, 740);
    const int centre = kCentreOnReference;
    const struct {
        int dx, dy, w, h;
        QRect reference, work_area;
        QPoint expected;
    } cases[] = {
        {centre, 0, 301, 200, ref, work, {100 + 185, 80 + 149}},
        {centre, 0, 201, 101, {300, 300, 100, 100}, work, {300 - 51, 300 - 1}},
        {40, 30, 200, 100, ref, work, {140, 110}},
        {centre, 0, 300, 250, {-300, -200, 400, 300}, work, {4, 4}},
        {100, 100, 300, 250, {900, 600, 400, 300}, work, {1024 - 300 - 4, 740 - 250 - 4}},
        {centre, 0, 1100, 100, {0, 0, 200, 200}, work, {1024 - 4 - 1100, 50}},
        {INT_MAX, INT_MAX, 300, 250, ref, work, {1024 - 300 - 4, 740 - 250 - 4}},
        {INT_MIN + 1, INT_MIN, 300, 250, ref, work, {4, 4}},
        {INT_MAX, INT_MIN, 300, 250, {INT_MAX - 10, 0, 5, 5}, QRect(), {INT_MAX, INT_MIN}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(place_window(c.dx, c.dy, c.w, c.h, c.reference, c.work_area), c.expected)
            << c.dx << ", " << c.dy << ", " << c.w << " x " << c.h;
}

// A window's offset from its reference goes into two option slots; without either window or
// without a slot nothing is stored.
TEST(PlaceWindow, TheOffsetFromTheReferenceIsRemembered) {
    Options_Clear();
    QWidget reference, window;
    reference.setGeometry(100, 80, 300, 200);
    window.setGeometry(130, 50, 100, 100);
    for (const QWidget* w : {&window, static_cast<QWidget*>(nullptr)})
        remember_window_offset(w, w ? nullptr : &reference, 20);
    remember_window_offset(&window, &reference, -1);
    EXPECT_EQ(get_option_slot(20), 0);
    EXPECT_EQ(get_option_slot(0), 0);
    remember_window_offset(&window, &reference, 20);
    EXPECT_EQ(get_option_slot(20), window.frameGeometry().x() - reference.frameGeometry().x());
    EXPECT_EQ(get_option_slot(21), window.frameGeometry().y() - reference.frameGeometry().y());
    EXPECT_NE(get_option_slot(20), 0);
    Options_Clear();
}

// How many pixels of a surface (of its first `rows` rows) are exactly `colour`.
int pixels_of(const Surface& s, ColorRef colour, int rows = 1 << 20) {
    const QImage image = s.image().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < std::min(rows, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colorref(colour).rgb();
    return n;
}

// The colours that carry a state: a focused button's caption at rest is bright blue, a hovered
// swatch brightens, the grey label style is grey, a focused check box has its dotted frame (its
// top row) unless it is locked.
TEST(ControlLooks, FocusHoverAndStyleColours) {
    init_face_table();
    QWidget host;
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    const ColorRef swatch = RGB(200, 40, 40);
    Button* b = Button::create(&host, 0, 0, QStringLiteral("Meaning"), 12, nullptr, nullptr, {}, -1,
                               swatch);
    const auto move_over = [b] {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &move);
    };
    const int blue_at_rest = pixels_of(b->surface(), palette::BrightBlue); // the face's own
    EXPECT_GT(pixels_of(b->surface(), swatch), 0);
    b->focus();
    EXPECT_GT(pixels_of(b->surface(), palette::BrightBlue), blue_at_rest + 10);
    move_over();
    EXPECT_LE(pixels_of(b->surface(), palette::BrightBlue), blue_at_rest + 2) << "hovered";
    EXPECT_EQ(pixels_of(b->surface(), swatch), 0);
    EXPECT_GT(pixels_of(b->surface(), brightened_swatch(swatch)), 0);
    for (int style : {LabelVerdana, LabelArialGrey}) {
        Surface label(120, 30);
        draw_label(label, 0, 0, QStringLiteral("Kanji"), 16, style, true);
        EXPECT_EQ(pixels_of(label, palette::LabelGrey) > 0, style == LabelArialGrey) << style;
    }
    const Surface background(200, 20);
    for (auto [focus, locked] : {std::pair{false, false}, {true, false}, {true, true}}) {
        Surface box(200, 20);
        CheckBoxBehaviour state;
        state.has_focus = focus;
        state.locked = locked;
        CheckBox::paint(box, background, state, CaptionLines{QStringLiteral("Kanji"), {}, 0});
        EXPECT_EQ(pixels_of(box, palette::LabelGrey, 1) > 0, focus && !locked) << focus << locked;
    }
}

// The shell's operations reach the installed main window until it goes; help pages open by their
// absolute path under the working folder.
TEST(Shell, OperationsReachTheInstalledMainWindowAndStopWhenItGoes) {
    std::vector<std::string> calls;
    {
        QWidget main_window;
        ShellOperations ops;
        ops.set_active = [&](bool a) { calls.push_back(a ? "active" : "inactive"); };
        ops.list_append_kanji = [&](int k) { calls.push_back("append " + std::to_string(k)); };
        Shell_Install(&main_window, ops);
        EXPECT_EQ(App_MainWindow(), &main_window);
        MainWindow_SetActive(false);
        MainWindow_ListRemoveRow(0); // not installed: nothing happens
    }
    EXPECT_EQ(App_MainWindow(), nullptr);
    Shell_Install(nullptr, {}); // uninstalling drops the operations
    MainWindow_ListAppendKanji(38);
    EXPECT_THAT(calls, ::testing::ElementsAre("inactive"));
    QStringList opened;
    set_url_opener([&](const QString& path) { opened << path; });
    open_help_page(QStringLiteral("help/stroke_help.htm"));
    set_url_opener({});
    EXPECT_EQ(opened, QStringList{QDir::current().absoluteFilePath("help/stroke_help.htm")});
}

} // namespace

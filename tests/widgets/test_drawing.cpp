// Drawing helpers: the lined background, the sunken box's graded sides, text shortening; the
// face-name table.
#include "drawing.h"
#include "fonts.h"
#include "palette.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
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

// Every face of the program maps to an installed family; Tahoma is Wine's, bold too, when
// installed.
TEST(FaceTable, EveryFaceOfTheProgramMapsToAnInstalledFamily) {
    init_face_table();
    const QStringList installed = QFontDatabase::families();
    for (const char* face :
         {"Tahoma", "Arial", "Verdana", "Times New Roman", "MS Shell Dlg 2", kJapaneseFace})
        EXPECT_TRUE(installed.contains(installed_family(QString::fromLatin1(face)))) << face;
    EXPECT_EQ(installed_family("MS Shell Dlg 2"), installed_family("Tahoma"));
    EXPECT_EQ(installed_family("Arial"), QStringLiteral("Liberation Sans"));
    if (!QFile::exists("/usr/share/wine/fonts/tahoma.ttf")) GTEST_SKIP() << "no Wine fonts";
    const QFontInfo bold(make_font(FontSpec{QStringLiteral("Tahoma"), 12, true}));
    EXPECT_EQ(bold.family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(bold.bold()) << "the bold face is registered too";
}

} // namespace

// Drawing helpers: the lined background, the window border, the sunken box's graded sides and
// text shortening; the face-name table and fonts.
#include "drawing.h"
#include "fonts.h"
#include "palette.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <gmock/gmock.h>

namespace {

ColorRef pixel(const Surface& s, int x, int y) {
    QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

ColorRef grey(int level) {
    return RGB(level, level, level);
}

constexpr ColorRef kUntouched = 0x123456;

TEST(LinedBackground, LinesEveryTwoPixelsUpToTheBottomWhenEvenAndInactiveIsPaler) {
    Surface s(20, 30);
    s.fill_rect(0, 0, 20, 30, kUntouched);
    const int y = 5, h = 10;
    draw_lined_background(s, 2, y, 8, h, true);
    for (int row = y; row <= y + h; ++row) {
        const ColorRef want = (row - y) % 2 == 0 ? palette::LineActive : palette::White;
        EXPECT_EQ(pixel(s, 4, row), want) << "row " << row;
    }
    EXPECT_EQ(pixel(s, 2 + 8, y), kUntouched) << "a line ends before x + w";
    EXPECT_EQ(pixel(s, 4, y + h + 1), kUntouched);
    // An odd height stops before the bottom.
    draw_lined_background(s, 12, 4, 6, 9, false);
    EXPECT_EQ(pixel(s, 14, 12), palette::LineInactive);
    EXPECT_EQ(pixel(s, 14, 13), kUntouched) << "y + h is outside the fill and not a line";
}

TEST(WindowBorder, DarkOrLightOuterRingWithAWhiteRingInside) {
    for (bool light : {false, true}) {
        Surface s(40, 30);
        s.fill_rect(0, 0, 40, 30, kUntouched);
        draw_window_border(s, light);
        const ColorRef outer = light ? palette::BorderLight : palette::BorderDark;
        for (QPoint p : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29), QPoint(20, 0),
                         QPoint(0, 15)})
            EXPECT_EQ(pixel(s, p.x(), p.y()), outer);
        for (QPoint p : {QPoint(1, 1), QPoint(38, 28), QPoint(20, 28), QPoint(38, 15)})
            EXPECT_EQ(pixel(s, p.x(), p.y()), palette::White);
        EXPECT_EQ(pixel(s, 2, 2), kUntouched);
    }
}

TEST(SunkenBox, EachSideHasItsOwnGrey) {
    Surface s(60, 40);
    s.fill_rect(0, 0, 60, 40, kUntouched);
    const int x = 5, y = 3, w = 50, h = 30;
    fill_sunken_box(s, x, y, w, h, 0);
    const int mx = x + w / 2, my = y + h / 2;
    EXPECT_EQ(pixel(s, mx, y), grey(153));
    EXPECT_EQ(pixel(s, x + w - 1, my), grey(228));
    EXPECT_EQ(pixel(s, mx, y + h - 1), grey(249));
    EXPECT_EQ(pixel(s, x, my), grey(143));
    EXPECT_EQ(pixel(s, mx, y + 1), grey(180));
    EXPECT_EQ(pixel(s, x + w - 2, my), grey(225));
    EXPECT_EQ(pixel(s, mx, y + h - 2), grey(242));
    EXPECT_EQ(pixel(s, x + 1, my), grey(198));
    EXPECT_EQ(pixel(s, mx, my), palette::White);
    EXPECT_EQ(pixel(s, x + w, my), kUntouched);
}

// Every character 10 pixels wide, so ".." is 20.
int tens(const QString& s) {
    return int(s.size()) * 10;
}

TEST(FitTextToWidth, KeepsThePrefixBeforeTheFirstOverflowAndAddsDots) {
    for (int max = 75; max <= 125; max += 10) {
        QString text = QStringLiteral("abcdefghijklmnop");
        ASSERT_EQ(fit_text_to_width(tens, max, text), 1) << max;
        ASSERT_TRUE(text.endsWith(QStringLiteral(".."))) << max;
        const qsizetype kept = text.size() - 2;
        EXPECT_LE(tens(text), max) << "the shortened text fits";
        EXPECT_GT((kept + 1) * 10 + 20, max) << "one more character would not";
        EXPECT_TRUE(QStringLiteral("abcdefghijklmnop").startsWith(text.left(kept)));
    }
}

// Fitting or short text is left alone; too wide keeps four characters; a real font's result fits.
TEST(FitTextToWidth, FittingShortAndTooWideTextAndARealFont) {
    for (auto [text, max] : {std::pair{"abcdefgh", 80}, std::pair{"abcde", 10}}) {
        QString s = QString::fromLatin1(text);
        EXPECT_EQ(fit_text_to_width(tens, max, s), 0) << text;
        EXPECT_EQ(s, QString::fromLatin1(text));
    }
    QString text = QStringLiteral("abcdefgh"); // even five characters and dots are too wide
    EXPECT_EQ(fit_text_to_width(tens, 30, text), 1);
    EXPECT_EQ(text, QStringLiteral("abcd.."));
    const FontSpec font{QStringLiteral("Tahoma"), 12, true};
    text = QStringLiteral("a long meaning that does not fit");
    ASSERT_EQ(fit_text_to_width(font, 100, text), 1);
    EXPECT_LE(Surface().text_width(text, font), 100);
}

bool contains(const Surface& s, ColorRef c) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (pixel(s, x, y) == c) return true;
    return false;
}

TEST(DrawLabel, Style9IsAlwaysGreyAndStyle2CastsAShadow) {
    Surface s(200, 30);
    draw_label(s, 0, 0, QStringLiteral("Help:"), 14, LabelArialGrey, true);
    EXPECT_TRUE(contains(s, palette::LabelGrey));
    EXPECT_FALSE(contains(s, palette::Navy));
    Surface shadowed(200, 30);
    draw_label(shadowed, 0, 0, QStringLiteral("Exercises:"), 14, LabelTahomaBoldShadow, true);
    EXPECT_TRUE(contains(shadowed, palette::ShadowGrey));
    EXPECT_TRUE(contains(shadowed, palette::Navy));
}

TEST(FaceTable, EveryFaceOfTheProgramMapsToAnInstalledFamily) {
    init_face_table(); // registers Wine's Tahoma first
    const QStringList installed = QFontDatabase::families();
    for (const char* face :
         {"Tahoma", "Arial", "Verdana", "Times New Roman", "MS Shell Dlg 2", kJapaneseFace}) {
        const QString family = installed_family(QString::fromLatin1(face));
        EXPECT_TRUE(installed.contains(family)) << face << " -> " << family.toStdString();
    }
    EXPECT_EQ(installed_family("MS Shell Dlg 2"), installed_family("Tahoma"));
    EXPECT_EQ(installed_family("Arial"), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(installed_family("Times New Roman"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(installed_family("Verdana"), QStringLiteral("DejaVu Sans"));
}

TEST(FaceTable, TahomaIsWinesWhenInstalled) {
    if (!QFile::exists("/usr/share/wine/fonts/tahoma.ttf")) GTEST_SKIP() << "no Wine fonts";
    EXPECT_EQ(installed_family("Tahoma"), QStringLiteral("Tahoma"));
    const QFontInfo bold(make_font(FontSpec{QStringLiteral("Tahoma"), 12, true}));
    EXPECT_EQ(bold.family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(bold.bold()) << "the bold face is registered too";
}

TEST(MakeFont, CharacterHeightIsThePixelSize) {
    const QFont f = make_font(FontSpec{QStringLiteral("Arial"), 17, false, true, true});
    EXPECT_EQ(f.pixelSize(), 17);
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_FALSE(f.bold());
}

} // namespace

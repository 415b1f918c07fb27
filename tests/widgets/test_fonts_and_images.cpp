// The face-name table and the images by identifier.
#include "fonts.h"
#include "surface.h"
#include "toolkit_images.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <gmock/gmock.h>

namespace {

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

TEST(ToolkitImages, MissingImagesAreNullAndDrawNothing) {
    const QImage& missing = toolkit_image(4242);
    EXPECT_TRUE(missing.isNull());
    Surface s(10, 10);
    s.blit(0, 0, missing, 0, 0, 10, 10);
    s.stretch_blit(0, 0, 10, 10, missing, 0, 0, 1, 1);
    EXPECT_EQ(s.image().pixel(5, 5), QColor(Qt::white).rgb());
}

TEST(ToolkitImages, RegisteredImagesLoadOnceFromTheirLibrary) {
    const QString run = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
    if (run.isEmpty() || !QFile::exists(run + "/dlls/ag.rcc")) GTEST_SKIP() << "no artwork built";
    register_toolkit_resources_in(run);
    const QImage& face = toolkit_image(4);
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.height(), 24);
    EXPECT_GE(face.width(), 5 * 34) << "five slices";
    EXPECT_EQ(&toolkit_image(4), &face) << "cached";
    if (QFile::exists(run + "/dlls/picmain.rcc")) {
        EXPECT_EQ(toolkit_image(13466).size(), QSize(32, 32)) << "message box icon from picmain";
    }
}

} // namespace

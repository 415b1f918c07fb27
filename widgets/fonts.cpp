#include "fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

namespace {

const char* const kWineFontDir = "/usr/share/wine/fonts/";

struct FaceTable {
    QHash<QString, QString> families;
};

// Wine's Tahoma (regular and bold) as application fonts; returns the family or an empty string.
QString register_wine_tahoma() {
    QString family;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        QString path = QString::fromLatin1(kWineFontDir) + QString::fromLatin1(file);
        if (!QFile::exists(path)) continue;
        int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) continue;
        QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (!names.isEmpty() && family.isEmpty()) family = names.first();
    }
    return family;
}

FaceTable build_table() {
    FaceTable t;
    QString tahoma = register_wine_tahoma();
    if (tahoma.isEmpty()) tahoma = QStringLiteral("Liberation Sans");
    t.families.insert(QStringLiteral("Tahoma"), tahoma);
    t.families.insert(QStringLiteral("MS Shell Dlg 2"), tahoma);
    t.families.insert(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    t.families.insert(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    t.families.insert(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    t.families.insert(QString::fromLatin1(kJapaneseFace), QString::fromLatin1(kJapaneseFace));
    t.families.insert(QString::fromUtf16(kJapaneseFaceLocalName),
                      QString::fromLatin1(kJapaneseFace));
    // Faces without a name fall back to the system's sans face.
    t.families.insert(QString(), QStringLiteral("Liberation Sans"));
    return t;
}

FaceTable& table() {
    static FaceTable t = build_table();
    return t;
}

} // namespace

void init_face_table() {
    (void)table();
}

QString installed_family(const QString& face) {
    const FaceTable& t = table();
    auto it = t.families.constFind(face);
    return it == t.families.constEnd() ? face : it.value();
}

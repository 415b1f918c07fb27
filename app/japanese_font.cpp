#include "japanese_font.h"

#include "fonts.h"

#include <QFontDatabase>

const char* const kMessageFontsMissing =
    "The Japanese fonts required to run Brushwise are currently\n"
    "not installed on this machine.\n\n"
    "Click 'Yes' to start Brushwise anyway.\n"
    "Click 'No' for instructions for installing the required fonts.";

namespace {

std::function<QStringList()>& family_source() {
    static std::function<QStringList()> source;
    return source;
}

// "IPAexMincho [foundry]" names the same family as "IPAexMincho".
QString without_foundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

} // namespace

QString japanese_face_for(QLocale::Language language) {
    return language == QLocale::Japanese ? QString::fromUtf16(kJapaneseFaceLocalName)
                                         : QString::fromLatin1(kJapaneseFace);
}

bool japanese_face_installed(const QStringList& families) {
    const QString names[] = {QString::fromLatin1(kJapaneseFace),
                             QString::fromUtf16(kJapaneseFaceLocalName)};
    for (const QString& family : families) {
        const QString name = without_foundry(family);
        for (const QString& wanted : names)
            if (name == wanted) return true;
    }
    return false;
}

QStringList japanese_families() {
    if (family_source()) return family_source()();
    return QFontDatabase::families(QFontDatabase::Japanese);
}

void set_japanese_family_source(std::function<QStringList()> source) {
    family_source() = std::move(source);
}

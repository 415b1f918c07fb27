#include "kanjidic.h"

#include <QXmlStreamReader>

namespace {

std::u16string to_u16(const QString& s) {
    return s.toStdU16String();
}

void read_reading(QXmlStreamReader& xml, KanjidicEntry& e) {
    const QString type = xml.attributes().value("r_type").toString();
    const std::u16string text = to_u16(xml.readElementText());
    if (type == "ja_on") e.on.push_back(text);
    if (type == "ja_kun") e.kun.push_back(text);
}

void read_field(QXmlStreamReader& xml, KanjidicEntry& e) {
    const auto name = xml.name();
    if (name == QLatin1String("literal")) {
        const QString s = xml.readElementText();
        e.literal = s.size() == 1 ? char16_t(s[0].unicode()) : 0;
    } else if (name == QLatin1String("grade")) {
        e.grade = xml.readElementText().toInt();
    } else if (name == QLatin1String("stroke_count")) {
        const int n = xml.readElementText().toInt();
        if (e.strokeCount == 0) e.strokeCount = n;
    } else if (name == QLatin1String("freq")) {
        e.frequency = xml.readElementText().toInt();
    } else if (name == QLatin1String("reading")) {
        read_reading(xml, e);
    } else if (name == QLatin1String("meaning")) {
        if (!xml.attributes().hasAttribute("m_lang"))
            e.meanings.push_back(to_u16(xml.readElementText()));
    }
}

} // namespace

std::optional<std::map<char16_t, KanjidicEntry>> parse_kanjidic(const std::string& text) {
    std::map<char16_t, KanjidicEntry> out;
    QXmlStreamReader xml(QByteArray::fromRawData(text.data(), qsizetype(text.size())));
    KanjidicEntry current;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("character"))
                current = KanjidicEntry{};
            else
                read_field(xml, current);
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QLatin1String("character")) {
            if (current.literal != 0) out[current.literal] = current;
        }
    }
    if (xml.hasError()) return std::nullopt;
    return out;
}

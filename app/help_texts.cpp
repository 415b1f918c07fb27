#include "help_texts.h"

#include <QFile>

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

QString read_text(int number) {
    QFile file(help_resource_path(number));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decode_help_text(file.read(kMaxHelpTextBytes));
}

} // namespace

QString decode_help_text(const QByteArray& bytes) {
    const qsizetype size = qMin<qsizetype>(bytes.size(), kMaxHelpTextBytes);
    QString text;
    text.reserve(size / 2);
    for (qsizetype i = 0; i + 1 < size; i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(char16_t(low | (high << 8))));
    }
    if (text.startsWith(QChar(kByteOrderMark))) text.remove(0, 1);
    return text;
}

QString help_resource_path(int number) {
    return QStringLiteral(":/instr/%1").arg(number);
}

HelpText load_help_topic(int topic) {
    if (topic < 1 || topic > 1000) return {};
    return {read_text(100 * topic + 1), read_text(100 * topic)};
}

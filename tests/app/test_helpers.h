#pragma once
// Small helpers of the app tests: polling while events run (poll.h), and reading a user file as
// words.
#include "poll.h"

#include <QFile>
#include <QTest>

#include <cstdint>
#include <vector>

// The file as little-endian 32-bit words; empty when it cannot be read.
inline std::vector<int32_t> read_words(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    std::vector<int32_t> words;
    for (qsizetype i = 0; i + 3 < b.size(); i += 4)
        words.push_back(int32_t(uint32_t(uint8_t(b[i])) | uint32_t(uint8_t(b[i + 1])) << 8 |
                                uint32_t(uint8_t(b[i + 2])) << 16 |
                                uint32_t(uint8_t(b[i + 3])) << 24));
    return words;
}

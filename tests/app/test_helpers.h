#pragma once
// Small helpers of the app tests: polling while events run, and reading a user file as words.
// (QtTest's QTRY_ macros report to QtTest, not to GoogleTest: a failed one would only return
// from the test, which then passes.)
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdint>
#include <vector>

template <typename Condition> bool wait_until(Condition condition, int timeout_ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeout_ms) return false;
        QTest::qWait(10);
    }
    return true;
}

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

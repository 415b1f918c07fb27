#pragma once
// Small helpers of the app tests: polling while events run (poll.h), a user file as words, the
// Learning List, and the state of a folder's files.
#include "learning_list.h"
#include "poll.h"

#include <QDirIterator>
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

// Writes the words to the file, little-endian.
inline void write_words(const QString& path, const std::vector<int32_t>& words) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(reinterpret_cast<const char*>(words.data()), qint64(4 * words.size()));
}

// The Learning List in memory.
inline std::vector<int> learning_list() {
    std::vector<int> list;
    for (int p = 0; p < LearningList_Count(); ++p)
        list.push_back(LearningList_At(p));
    return list;
}

// Every file under the folder with its size and modification time.
inline QStringList folder_state(const QString& folder) {
    QStringList state;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        state << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    state.sort();
    return state;
}

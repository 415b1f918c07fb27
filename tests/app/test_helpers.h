#pragma once
// Helpers: polling while events run (poll.h), user files as words, the list, a folder's state.
#include "learning_list.h"
#include "poll.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cstdint>
#include <vector>

// The file as little-endian 32-bit words; empty when it cannot be read.
inline std::vector<int32_t> read_words(const QString& path) {
    QFile f(path);
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    std::vector<int32_t> words(size_t(b.size() / 4));
    qFromLittleEndian<int32_t>(b.constData(), qsizetype(words.size()), words.data());
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

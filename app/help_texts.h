#pragma once
// The help panel's texts: per topic t a title (resource 100·t + 1) and a body (resource 100·t)
// in dlls/instr.rcc, each stored as UTF-16LE led by the byte-order mark, which is never shown.
#include <QByteArray>
#include <QString>

struct HelpText {
    QString title;
    QString body;
};

// A stored text as read from the resource: an odd last byte is dropped, a leading byte-order
// mark is skipped (a text without one is kept whole), and nothing past the size limit is read.
QString decode_help_text(const QByteArray& bytes);
constexpr int kMaxHelpTextBytes = 16 * 1024;

// ":/instr/<number>"
QString help_resource_path(int number);
// The topic's texts; missing resources leave them empty.
HelpText load_help_topic(int topic);

#pragma once
// The face used for every kanji and kana on screen, and the check that it is installed.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

// "IPAex明朝" where the user's language is Japanese, else "IPAexMincho".
QString japanese_face_for(QLocale::Language language);

// True when one of the families (as the font database names them, perhaps with a foundry in
// brackets) is the Japanese face under either of its names.
bool japanese_face_installed(const QStringList& families);

// The families that have the Japanese writing system.
QStringList japanese_families();
// Tests give the start-up a family list of their own; an empty function restores the font
// database's.
void set_japanese_family_source(std::function<QStringList()> source);

extern const char* const kMessageFontsMissing;

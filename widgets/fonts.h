#pragma once
// The face-name table: every face name the program uses, mapped to an installed family with the
// same metrics.
#include <QString>

// Registers the application fonts (Wine's Tahoma when installed) and builds the table. Called
// once at start-up; make_font calls it on first use.
void init_face_table();

// The installed family for a face name of the program; unknown names pass through unchanged.
QString installed_family(const QString& face);

// The Japanese face of the program.
inline const char* const kJapaneseFace = "IPAexMincho";
// Its name where the user's language is Japanese (the same family under its Japanese name).
inline const char16_t* const kJapaneseFaceLocalName = u"IPAex\u660E\u671D";

#pragma once

#include <QString>

// Fixed facts about the program: its title in message boxes and its web
// presence. Everything that names a site reads it from here.
namespace kestrune::appinfo {

inline QString title() { return QStringLiteral("Kestrune"); }
inline QString version() { return QStringLiteral("1.55"); }

// The forum named in every reading's preamble and closing line.
inline QString forumSiteName() { return QStringLiteral("forum.example.org"); }
inline QString forumAddress() { return QStringLiteral("http://forum.example.org"); }

// The program's own web pages (Help menu, about box, update reminder).
inline QString homePage() { return QStringLiteral("https://kestrune.example.org/"); }
inline QString onlineHelpPage() { return QStringLiteral("https://kestrune.example.org/help/"); }
inline QString downloadPage() { return QStringLiteral("https://kestrune.example.org/download/"); }

} // namespace kestrune::appinfo

#pragma once

#include <QString>

namespace zv {

// The web addresses the program opens. The hosts are this program's
// configuration; the paths belong to the sites.
inline const QString ProgramSiteBase = QStringLiteral("http://www.zorvane.example.net");
inline const QString ForumsAddress = QStringLiteral("http://forums.vellmoor.example.net/");
inline const QString BoardSiteBase = QStringLiteral("http://www.sunstorm.example.net");

inline QString ProgramSitePage() { return ProgramSiteBase + QStringLiteral("/Zorvane/index.html"); }
inline QString ProgramHelpPages() { return ProgramSiteBase + QStringLiteral("/Zorvane/Help/index.html"); }
inline QString MessageBoardPage() { return BoardSiteBase + QStringLiteral("/cgi-bin/ultimate.cgi"); }

} // namespace zv

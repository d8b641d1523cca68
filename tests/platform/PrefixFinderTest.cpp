#include "TemporaryHome.h"

#include "platform/DriveTable.h"
#include "platform/PrefixFinder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace zv {
namespace {

using test::TemporaryHome;

const QString kWildWings = QStringLiteral("Wild Wings.exe");
const QString kTrophyHunter = QStringLiteral("Rocky Mountain Trophy Hunter 3.exe");
const QStringList kGames{kWildWings, kTrophyHunter};

const QByteArray kSecondLibraryVdf = R"("libraryfolders"
{
	"0"
	{
		"path"		"@ROOT@/home/.local/share/Steam"
		"apps"		{ "228980"		"123" }
	}
	"1"
	{
		"path"		"@ROOT@/SteamLibrary"
	}
}
)";

// A literal with its embedded zero bytes.
template <std::size_t N> QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

struct PrefixLayout {
    const char* path; // relative to the home folder; "@ROOT@/..." outside it
    QStringList games;
};

struct ChoiceCase {
    const char* name;
    std::vector<PrefixLayout> prefixes;
    const char* chosen;      // relative to the home folder, or "@ROOT@/..."
    const char* reasonHolds; // a part of the reason
    const char* winePrefix = "";
};

TEST(ChooseWinePrefix, TakesThePrefixHoldingTheGames)
{
    const QStringList both{QStringLiteral("BHWWE"), QStringLiteral("RMTH3")};
    const QStringList wildWings{QStringLiteral("BHWWE")};
    const QStringList trophyHunter{QStringLiteral("RMTH3")};
    const ChoiceCase cases[] = {
        {"the game in a Lutris prefix only",
         {{".wine", {}}, {"Games/bird-hunter", both}},
         "Games/bird-hunter",
         "it holds Wild Wings.exe and Rocky Mountain Trophy Hunter 3.exe"},
        {"the game in a Steam prefix of a second library only",
         {{".wine", {}},
          {".local/share/Steam/steamapps/compatdata/100/pfx", {}},
          {"@ROOT@/SteamLibrary/steamapps/compatdata/4711/pfx", wildWings}},
         "@ROOT@/SteamLibrary/steamapps/compatdata/4711/pfx",
         "it holds Wild Wings.exe; no prefix holds all"},
        {"one game in ~/.wine, both in a bottle: both win over the earlier one",
         {{".wine", trophyHunter}, {".local/share/bottles/bottles/Hunting", both}},
         ".local/share/bottles/bottles/Hunting",
         "and Rocky"},
        {"each game in its own prefix: the first of them",
         {{".local/share/wineprefixes/ww", wildWings},
          {".PlayOnLinux/wineprefix/rmth3", trophyHunter}},
         ".local/share/wineprefixes/ww",
         "it holds Wild Wings.exe;"},
        {"both games in two prefixes: the first in search order",
         {{".PlayOnLinux/wineprefix/Hunt", both}, {"Games/hunt", both}},
         "Games/hunt",
         "it holds Wild Wings.exe and"},
        {"the games in no prefix: ~/.wine",
         {{".local/share/wineprefixes/office", {}}, {"Games/other", {}}},
         ".wine",
         "none of the 2 prefixes found holds Wild Wings.exe or Rocky Mountain Trophy Hunter 3.exe"},
        {"no prefix at all: ~/.wine", {}, ".wine", "no Wine prefix found"},
        {"WINEPREFIX set by the user wins",
         {{"Games/bird-hunter", both}},
         "@ROOT@/elsewhere",
         "WINEPREFIX is set",
         "@ROOT@/elsewhere"},
        {"a game in a Flatpak bottle",
         {{".var/app/com.usebottles.bottles/data/bottles/bottles/Birds", wildWings}},
         ".var/app/com.usebottles.bottles/data/bottles/bottles/Birds",
         "it holds Wild Wings.exe"},
    };
    for (const ChoiceCase& c : cases) {
        TemporaryHome home;
        for (const PrefixLayout& layout : c.prefixes)
            home.prefix(QString::fromUtf8(layout.path), layout.games);
        home.file(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"),
                  kSecondLibraryVdf);
        UserEnvironment environment = home.environment();
        if (*c.winePrefix)
            environment.winePrefix = home.path(QString::fromUtf8(c.winePrefix));

        const PrefixChoice choice = ChooseWinePrefix(environment, kGames);

        EXPECT_EQ(choice.prefix, home.path(QString::fromUtf8(c.chosen))) << c.name;
        EXPECT_TRUE(choice.reason.contains(QString::fromUtf8(c.reasonHolds)))
            << c.name << ": " << qPrintable(choice.reason);
        EXPECT_TRUE(choice.line().contains(choice.prefix)) << c.name;
    }
}

TEST(CandidatePrefixes, EveryLauncherPlaceInOrderEachFolderOnce)
{
    TemporaryHome home;
    // Laid out in reverse, so the order found is not the order made.
    home.prefix(QStringLiteral("@ROOT@/SteamLibrary/steamapps/compatdata/20/pfx"));
    home.prefix(QStringLiteral(
        ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/30/pfx"));
    home.prefix(QStringLiteral(".local/share/Steam/steamapps/compatdata/10/pfx"));
    home.prefix(QStringLiteral(".PlayOnLinux/wineprefix/pol"));
    home.prefix(QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles/flat"));
    home.prefix(QStringLiteral(".local/share/bottles/bottles/native"));
    home.prefix(QStringLiteral("Games/zeta"));
    home.prefix(QStringLiteral("Games/alpha"));
    home.prefix(QStringLiteral(".local/share/wineprefixes/tricks"));
    home.prefix(QStringLiteral(".wine"));
    // Not prefixes: a game folder without drive_c or dosdevices, a Steam game without pfx.
    home.file(QStringLiteral("Games/notes/readme.txt"));
    home.folder(QStringLiteral(".local/share/Steam/steamapps/compatdata/11"));
    // The same folders again through links.
    home.link(QStringLiteral(".steam/steam"), home.path(QStringLiteral(".local/share/Steam")));
    home.link(QStringLiteral("Games/wine-link"), home.path(QStringLiteral(".wine")));
    home.file(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"), kSecondLibraryVdf);

    const QStringList expected{
        home.path(QStringLiteral(".wine")),
        home.path(QStringLiteral(".local/share/wineprefixes/tricks")),
        home.path(QStringLiteral("Games/alpha")),
        home.path(QStringLiteral("Games/zeta")),
        home.path(QStringLiteral(".local/share/bottles/bottles/native")),
        home.path(QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles/flat")),
        home.path(QStringLiteral(".PlayOnLinux/wineprefix/pol")),
        home.path(QStringLiteral(".steam/steam/steamapps/compatdata/10/pfx")),
        home.path(QStringLiteral("@ROOT@/SteamLibrary/steamapps/compatdata/20/pfx")),
        home.path(QStringLiteral(
            ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/30/pfx")),
    };
    EXPECT_EQ(CandidatePrefixes(home.environment()), expected);
}

TEST(CandidatePrefixes, HonoursTheDataHomeAndStillLooksInTheUsualOne)
{
    TemporaryHome home;
    home.prefix(QStringLiteral("@ROOT@/data/wineprefixes/moved"));
    home.prefix(QStringLiteral(".local/share/wineprefixes/usual"));
    UserEnvironment environment = home.environment();
    environment.xdgDataHome = home.path(QStringLiteral("@ROOT@/data"));
    EXPECT_EQ(CandidatePrefixes(environment),
              (QStringList{home.path(QStringLiteral("@ROOT@/data/wineprefixes/moved")),
                           home.path(QStringLiteral(".local/share/wineprefixes/usual"))}));
}

TEST(SteamLibraryPaths, ReadsWhatCanBeRead)
{
    const struct {
        const char* name;
        QByteArray vdf;
        QStringList paths;
    } cases[] = {
        {"current layout",
         kSecondLibraryVdf,
         {QStringLiteral("@ROOT@/home/.local/share/Steam"), QStringLiteral("@ROOT@/SteamLibrary")}},
        {"old layout: numbered keys hold the paths",
         "\"LibraryFolders\"\n{"
         "\n\t\"TimeNextStatsReport\"\t\"1700000000\"\n\t\"ContentStatsID\"\t\"-42\"\n"
         "\t\"1\"\t\"/mnt/games/Steam\"\n\t\"2\"\t\"/media/big disk/Steam\"\n}\n",
         {QStringLiteral("/mnt/games/Steam"), QStringLiteral("/media/big disk/Steam")}},
        {"cut off inside the second entry's path",
         "\"libraryfolders\"\n{\n\"0\"\n{\n\"path\"\t\"/a\"\n}\n\"1\"\n{\n\"path\"\t\"/b/Steam",
         {QStringLiteral("/a")}},
        {"escapes, comments, unquoted keys and an unbalanced brace",
         "// written by hand\n}\nlibraryfolders\n{\n 0 { path \"/with \\\"quote\\\" and \\\\\" "
         "}\n}\n",
         {QStringLiteral("/with \"quote\" and \\")}},
        {"not text at all", Bytes("\x00\xff{\x01\"path\"\x00}}}{{\""), {}},
        {"empty", QByteArray(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SteamLibraryPaths(c.vdf), c.paths) << c.name;
}

// Damaged prefixes and homes never stop the start: each gives what can be read.
TEST(DamagedPrefix, GivesWhatCanBeRead)
{
    TemporaryHome home;
    // ~/.wine: drive C leads into /proc, d: nowhere, e: to a folder nobody may read.
    const QString wine = home.path(QStringLiteral(".wine"));
    home.folder(QStringLiteral(".wine/dosdevices"));
    home.link(QStringLiteral(".wine/dosdevices/c:"), QStringLiteral("/proc"));
    home.link(QStringLiteral(".wine/dosdevices/d:"), home.path(QStringLiteral("nowhere")));
    home.folder(QStringLiteral("locked/Wild Wings"));
    home.file(QStringLiteral("locked/Wild Wings/Wild Wings.exe"));
    QFile::setPermissions(home.path(QStringLiteral("locked")), QFileDevice::Permissions());
    home.link(QStringLiteral(".wine/dosdevices/e:"), home.path(QStringLiteral("locked")));
    home.file(QStringLiteral(".wine/system.reg"),
              "WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives]\n\"e:\"=\"cdr");
    // A Lutris prefix whose registry is not text, and whose c: link is broken (drive_c is
    // searched).
    home.prefix(QStringLiteral("Games/broken"), {QStringLiteral("RMTH3")});
    home.file(QStringLiteral("Games/broken/system.reg"),
              Bytes("\x00\x01\xfe[Software\\\\Wine\\\\Drives]\x00\"c:\"=\"hd"));
    home.link(QStringLiteral("Games/broken/dosdevices/c:"), home.path(QStringLiteral("gone")));
    // A Steam library list that is binary junk.
    home.file(QStringLiteral(".local/share/Steam/steamapps/libraryfolders.vdf"),
              QByteArray(64, '\xff'));

    const DriveTable table = DriveTable::FromWinePrefix(wine);
    EXPECT_EQ(table.letters(),
              (QList<QChar>{QLatin1Char('c'), QLatin1Char('d'), QLatin1Char('e')}));
    EXPECT_EQ(table.driveType(QStringLiteral("D:\\")), DriveType::NoRootDir);
    EXPECT_TRUE(DriveCOf(wine).isEmpty()) << "a drive C in /proc is not searched";

    const DriveTable broken = DriveTable::FromWinePrefix(home.path(QStringLiteral("Games/broken")));
    EXPECT_EQ(broken.driveType(QStringLiteral("C:\\")), DriveType::NoRootDir);

    const PrefixChoice choice = ChooseWinePrefix(home.environment(), kGames);
    EXPECT_EQ(choice.prefix, home.path(QStringLiteral("Games/broken")));
    EXPECT_TRUE(choice.reason.contains(kTrophyHunter)) << qPrintable(choice.reason);
    QFile::setPermissions(home.path(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DamagedPrefix, AHomeWithoutLocalOrAnythingElse)
{
    TemporaryHome home;
    EXPECT_TRUE(CandidatePrefixes(home.environment()).isEmpty());
    UserEnvironment missing;
    missing.home = home.path(QStringLiteral("no such home"));
    const PrefixChoice choice = ChooseWinePrefix(missing, kGames);
    EXPECT_EQ(choice.prefix, missing.home + QStringLiteral("/.wine"));
    EXPECT_TRUE(DriveTable::FromWinePrefix(choice.prefix).letters().isEmpty());
}

} // namespace
} // namespace zv

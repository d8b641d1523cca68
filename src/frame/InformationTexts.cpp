#include "InformationTexts.h"

#include "frame/Addresses.h"

#include <QStringList>

namespace zv::InformationText {

QString WhatTitle()
{
    return QStringLiteral("What is Zorvane?");
}

QString WhatOrigin()
{
    return QStringLiteral(
        "Sunstorm Interactive, the maker of Bird Hunter Wild Wings Edition (BHWWE) and Rocky "
        "Mountain Trophy Hunter 3 (RMTH3), released map editors for both games so that players "
        "could build their own hunting maps and download the maps of others.");
}

QString WhatFirstVersion()
{
    return QStringLiteral(
        "As the custom maps multiplied, players found that more than five of them in a game's "
        "\"Maps\" folder could slow the game down, or end a hunt with a crash on a weaker "
        "computer. Zorvane 1.0 was written for the Vellmoor web site as a simple map mover for "
        "both games: it found the game on the hard drive, made a \"Stored Maps\" folder, and "
        "moved maps between storage and the game with one click.");
}

QString WhatSecondVersion()
{
    return QStringLiteral(
        "Zorvane 2.0 builds on that program with the features its users asked for most. When "
        "Vellmoor closed, the largest repository of custom maps for both games closed with it; "
        "Zorvane 2.0 reaches a new repository that holds the same maps, and new maps are added "
        "to it as often as possible.");
}

QString WhatMore()
{
    return QStringLiteral(
        "The new version also manages map files and folders anywhere on your drives, finds maps "
        "by name, keeps a note on any map, and more.");
}

QString AboutTitle()
{
    return QStringLiteral("About Zorvane...");
}

QString AboutName()
{
    return QStringLiteral("Zorvane 2.0 ");
}

QString AboutReleased()
{
    return QStringLiteral("Released: April 2002");
}

QString AboutHistory()
{
    return QStringLiteral(
        "The first version of Zorvane was written in May 2001 and the second was begun in January "
        "2002. A third may follow if future games support custom map development.");
}

QString AboutThanks()
{
    return QStringLiteral(
        "Thanks to the Vellmoor staff for their testing and ideas, and to Sunstorm Interactive, "
        "Wizard Works and Infogrames for creating the games.");
}

QString AboutCredits()
{
    // The banner below the credit line opens the web site.
    return QStringLiteral(
        "Zorvane 1.0 and 2.0 were written by the Zorvane developers. Questions and ideas are "
        "welcome through the web site below. Thank you!");
}

QString TermsTitle()
{
    return QStringLiteral("Terms of Use and Privacy Information");
}

QString TermsText()
{
    const QString paragraph = QStringLiteral("\r\n\r\n");
    const QStringList terms = {
        QStringLiteral("Zorvane 2.0 is freeware that gives its users a tool for managing game "
                       "maps and access to a repository of custom maps for download, the Zorvane "
                       "map repository."),
        QStringLiteral("Your use of this program is permitted by your agreement to the following "
                       "terms:"),
        QStringLiteral("1.  The web address of the Zorvane map repository is not revealed in "
                       "normal use of this program. You agree not to try to reveal it, not to "
                       "distribute it, not to link to it or to any of its executable files, and "
                       "not to distribute any means of reaching it."),
        QStringLiteral("2.  Zorvane 2.0 is freeware. Anyone may link to its download page, ") +
            ProgramSitePage() +
            QStringLiteral(". To keep the newest version in circulation, the program must not be "
                           "offered for download from any other address."),
        QStringLiteral("3.  Zorvane 2.0 is not affiliated with Sunstorm Interactive, WizardWorks "
                       "or the other companies behind BHWWE and RMTH3, and they are not "
                       "responsible for it. It was written for the Vellmoor web site and its "
                       "forums, which are not responsible for it either. You use it at your own "
                       "risk; no warranty is given or implied. It was developed with care and "
                       "tested, but it may not work well with every computer, and you bear that "
                       "risk."),
        QStringLiteral("4.  The Zorvane map repository and the program's downloads may not "
                       "remain available. Access to the repository may end without notice, and "
                       "no other source of custom map downloads will be offered in its place."),
        QStringLiteral("If you cannot agree to all of these terms, you must not use Zorvane 2.0 "
                       "and all copies must be uninstalled from your computer(s)."),
        QStringLiteral("Questions about the use or distribution of Zorvane 2.0 are welcome "
                       "through the Zorvane web site, ") +
            ProgramSiteBase + QStringLiteral("."),
    };
    const QString privacy = QStringLiteral(
        "Zorvane 2.0 is freeware meant to make hunting more enjoyable. Although it uses the "
        "Internet, it acts only as a simple web browser for the map repository's pages; it "
        "neither looks at nor sends any other information from your computer. Its browser keeps "
        "nothing from your visits on disk: it uses a private profile with no cookie store, cache "
        "or history on disk, and whatever the pages set is held in memory only and forgotten when "
        "Zorvane closes. The menu items that visit web sites open them in your own default web "
        "browser, whose own settings apply there. Zorvane's web browser is built on Qt "
        "WebEngine, which is based on the Chromium browser.");
    return terms.join(paragraph) + QStringLiteral("\r\n\r\n\r\nPRIVACY POLICY:") + paragraph +
           privacy + paragraph;
}

} // namespace zv::InformationText

#pragma once

#include <QString>

namespace zv {

// The texts of the three information windows: what the program is (Help1), about it (Help2)
// and its terms of use with the privacy statement (Help3).
namespace InformationText {

// Help1
QString WhatTitle();
QString WhatOrigin();     // the games' maker and its map editors
QString WhatFirstVersion();
QString WhatSecondVersion();
QString WhatMore();

// Help2
QString AboutTitle();
QString AboutName(); // "Zorvane 2.0 ", with its trailing blank
QString AboutReleased();
QString AboutHistory();
QString AboutThanks();
QString AboutCredits();

// Help3
QString TermsTitle();
// The terms of use and the privacy statement, paragraphs separated by CR LF CR LF, ending
// with CR LF CR LF.
QString TermsText();

} // namespace InformationText

} // namespace zv

#include "PageButtons.h"

#include "browser/Repository.h"
#include "core/ProgramState.h"

namespace zv {

namespace {

const PageButtonRow* RowOf(int button)
{
    for (const PageButtonRow& row : kGameSets) {
        if (row.button == button)
            return &row;
    }
    return nullptr;
}

} // namespace

void PageButtonColumn::ShowMainPageButtons()
{
    for (const MainPageButton& entry : kMainPageSet) {
        m_view.setButtonPicture(entry.button, entry.picture ? QString::fromLatin1(entry.picture)
                                                            : QString());
        if (entry.disabled)
            m_view.setButtonEnabled(entry.button, false);
    }
}

void PageButtonColumn::ShowGameButtons(const QString& game)
{
    const bool bhwwe = IsBhwwe(game);
    m_view.setButtonPicture(1, QString::fromLatin1(kMainPageOff));
    m_view.setButtonEnabled(1, true);
    for (const PageButtonRow& row : kGameSets) {
        m_view.setButtonPicture(row.button, QString::fromLatin1(bhwwe ? row.bhwweOff : row.rmth3Off));
        m_view.setButtonEnabled(row.button, true);
    }
}

void PageButtonColumn::Image1_Click()
{
    m_view.setButtonPicture(1, QString::fromLatin1(kMainPageOn));
    m_view.openPage(kIndexPagePath);
    ButtonMode = 1;
    ShowMainPageButtons();
}

void PageButtonColumn::Image_Click(int button)
{
    const PageButtonRow* row = RowOf(button);
    if (!row)
        return;
    // The previous choice goes off first.
    if (ButtonGame == kBhwwe)
        ShowGameButtons(kBhwwe);
    else if (ButtonGame == kRmth3)
        ShowGameButtons(kRmth3);

    if ((button == 2 || button == 3) && ButtonMode == 1) {
        ButtonMode = 2;
        ButtonGame = button == 2 ? kBhwwe : kRmth3;
        ShowGameButtons(ButtonGame);
        return;
    }
    if (ButtonGame == kRmth3 && ButtonMode == 2) {
        m_view.setButtonPicture(button, QString::fromLatin1(row->rmth3On));
        m_view.openPage(QString::fromLatin1(row->rmth3Page));
    } else {
        m_view.setButtonPicture(button, QString::fromLatin1(row->bhwweOn));
        m_view.openPage(QString::fromLatin1(row->bhwwePage));
    }
}

} // namespace zv

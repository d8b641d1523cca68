#include "Controls.h"

#include "Outcome.h"

#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTextEdit>

namespace zv::scenario {

namespace {

// A multi-line box keeps "\n"; the program's texts use "\r\n".
QString WithCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

[[noreturn]] void NoSuch(const QString& what, const QString& name)
{
    Fail(QStringLiteral("expected a control with ") + what + QStringLiteral(", but ") + name +
         QStringLiteral(" has none"));
}

QStringList RowsOf(const QAbstractItemView& view)
{
    QStringList rows;
    const QAbstractItemModel* model = view.model();
    if (!model)
        return rows;
    for (int row = 0; row < model->rowCount(view.rootIndex()); ++row)
        rows.append(model->index(row, 0, view.rootIndex()).data().toString());
    return rows;
}

QStringList SelectedRowsOf(const QAbstractItemView& view)
{
    QStringList rows;
    if (!view.selectionModel())
        return rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows.append(index.data().toString());
    return rows;
}

QList<QMenu*> MenusHolding(const QAction& entry)
{
    QList<QMenu*> menus;
    for (QObject* holder : entry.associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder))
            menus.append(menu);
    }
    return menus;
}

} // namespace

QString TextOf(const QWidget& control, const QString& name)
{
    if (auto* drives = qobject_cast<const DriveListBox*>(&control))
        return drives->drive();
    if (auto* files = qobject_cast<const FileListBox*>(&control))
        return files->path();
    if (auto* folders = qobject_cast<const DirListBox*>(&control))
        return folders->path();
    if (auto* list = qobject_cast<const QListWidget*>(&control)) {
        const QListWidgetItem* item = list->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    if (auto* line = qobject_cast<const QLineEdit*>(&control))
        return line->text();
    if (auto* box = qobject_cast<const QTextEdit*>(&control))
        return WithCrLf(box->toPlainText());
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(&control))
        return WithCrLf(plain->toPlainText());
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&control))
        return group->title();
    NoSuch(QStringLiteral("a text"), name);
}

QStringList ItemsOf(const QWidget& control, const QString& name)
{
    if (auto* combo = qobject_cast<const QComboBox*>(&control)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items;
    }
    if (auto* view = qobject_cast<const QAbstractItemView*>(&control))
        return RowsOf(*view);
    NoSuch(QStringLiteral("entries"), name);
}

QStringList SelectedOf(const QWidget& control, const QString& name)
{
    if (auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentIndex() < 0 ? QStringList() : QStringList{combo->currentText()};
    if (auto* view = qobject_cast<const QAbstractItemView*>(&control))
        return SelectedRowsOf(*view);
    NoSuch(QStringLiteral("entries"), name);
}

QString PictureOf(const QWidget& control, const QString& name)
{
    if (auto* button = qobject_cast<const ImageButton*>(&control))
        return button->pictureName();
    // Picture controls other than the picture buttons may name their picture in this property.
    const QVariant named = control.property("pictureName");
    if (named.isValid())
        return named.toString();
    NoSuch(QStringLiteral("a picture"), name);
}

int ValueOf(const QWidget& control, const QString& name)
{
    if (auto* bar = qobject_cast<const QProgressBar*>(&control))
        return bar->value();
    if (auto* slider = qobject_cast<const QAbstractSlider*>(&control))
        return slider->value();
    if (auto* spin = qobject_cast<const QSpinBox*>(&control))
        return spin->value();
    // Other controls with a number to show (a shape's style) give it in this property.
    const QVariant value = control.property("value");
    if (value.isValid())
        return value.toInt();
    NoSuch(QStringLiteral("a value"), name);
}

bool MenuEntryReacts(const QAction& entry)
{
    if (!entry.isEnabled())
        return false;
    for (const QMenu* menu : MenusHolding(entry)) {
        if (!menu->isEnabled() || !menu->menuAction()->isEnabled())
            return false;
    }
    return true;
}

bool MenuEntryVisible(const QAction& entry)
{
    if (!entry.isVisible())
        return false;
    // An entry in no menu and in no menu bar (a window's menu while that window is hidden) is
    // nowhere to be seen.
    bool held = false;
    for (QObject* holder : entry.associatedObjects()) {
        if (const auto* menu = qobject_cast<const QMenu*>(holder)) {
            held = true;
            if (!menu->menuAction()->isVisible())
                return false;
        } else if (qobject_cast<const QMenuBar*>(holder)) {
            held = true;
        }
    }
    return held;
}

} // namespace zv::scenario

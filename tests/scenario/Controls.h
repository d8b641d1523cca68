#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QAction;
class QWidget;

namespace zv::scenario {

// What a scenario reads off a control. Each reader fails (ScenarioFailure) for a control of a
// kind that has no such property; name is the control's name for that message.

// A label's caption, a text box's text (line breaks as "\r\n"), a drive list's drive, a folder
// or file list's path, a list box's selected entry, a drop-down list's text, a button's caption.
QString TextOf(const QWidget& control, const QString& name);
// The entries of a list box, file, folder or drive list, or drop-down list.
QStringList ItemsOf(const QWidget& control, const QString& name);
// The selected entries (none: an empty list).
QStringList SelectedOf(const QWidget& control, const QString& name);
// The Support picture a picture button shows; empty for none.
QString PictureOf(const QWidget& control, const QString& name);
// A progress bar's (or any other ranged control's) value.
int ValueOf(const QWidget& control, const QString& name);

// A menu entry reacts when it is enabled and so is every menu that holds it.
bool MenuEntryReacts(const QAction& entry);
bool MenuEntryVisible(const QAction& entry);

} // namespace zv::scenario

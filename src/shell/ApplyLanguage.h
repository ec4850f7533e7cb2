#pragma once
// Applying the active LanguageTable to a window's own components.
//
// Which objects are a window's components: the objects below the window that
// carry an objectName (the component's name, matched against the key without
// regard to case). The walk enters the window's menus but not other windows
// parented to it (dialogs, tool windows), which apply their own texts. Names
// Qt gives its own internals ("qt_...", "_q_...") and the scroll buttons of
// tab bars are not components.
//
// Kinds, as the language routines see them:
// - menu item: a named QAction shown in a QMenuBar or QMenu of the window
//   (separators included), or a submenu, named by its menuAction() when that
//   has an objectName and by the QMenu otherwise; caption = the action text.
//   Actions of a stand-alone pop-up menu are menu items too.
// - group box: a QGroupBox (caption = title) not marked as a radio group.
// - radio group: a QGroupBox with the dynamic property "radioGroup" = true
//   (kRadioGroupProperty); its items are looked up by the owning window with
//   ItemKey().
// - tool button: a QToolButton not marked as a speed button. A button that
//   QToolBar::addAction creates has no name: give it one
//   (toolBar->widgetForAction(a)->setObjectName(...)) or add a named button
//   with addWidget.
// - speed button: any QAbstractButton with the dynamic property
//   "speedButton" = true (kSpeedButtonProperty), such as the digit buttons
//   and the flat "Clear Marking" button.
// - radio button: QRadioButton; check box: QCheckBox.
// - visual control: every named QWidget except menus and menu bars.
//
// Hints: a control's hint is kept in its dynamic property "hint"
// (kHintProperty, read with HintOf) and mirrored into its toolTip, so tool
// buttons show it in a tooltip. statusTip is deliberately left alone: Qt
// would write it into the status bar on its own, while the main window shows
// its status-bar hints itself, reading HintOf().

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/LanguageTable.h"
// Also declares the component classes named below.
#include "shell/WindowComponents.h"

inline constexpr char kHintProperty[] = "hint";

// LookupText as a QString.
QString TextOf(const LanguageTable& table, std::string_view key);

QString HintOf(const QWidget* control);
void SetHint(QWidget* control, const QString& hint);


// The main window's language routine, in this order over all components:
// 1. menu items: caption := the trimmed text of name + ".caption" when that
//    text is not empty, else unchanged;
// 2. group boxes, tool buttons, radio buttons, check boxes: caption := the
//    text of name + ".caption", also when empty;
// 3. speed buttons: caption := the text, untrimmed, when not empty;
// 4. every visual control: hint := the text of name + ".hint", also when
//    empty;
// 5. the menu item "mnj1" (the maker's web site) is made visible;
// 6. ApplyWindowFont(window).
void ApplyLanguage(QWidget* window, const LanguageTable& table);

// Keys of the other windows: window + "." + component + ".caption" and
// window + "." + component + ".items[" + index + "]".
std::string CaptionKey(std::string_view window, std::string_view component);
std::string ItemKey(std::string_view window, std::string_view component, int index);

// A radio group's buttons: each one's text := the text of
// ItemKey(window, component, its index).
void SetItemTexts(std::span<QRadioButton* const> items, std::string_view window, std::string_view component,
                  const LanguageTable& table);

// Sets a component's visible caption by its kind: the text of an action,
// button or label, the title of a group box or menu, the title of a window.
// False when the object has no caption of a kind known here.
bool SetCaption(QObject* component, const QString& text);

enum class WindowTitle { FromTable, Keep };

// The other windows' language routine: the window title := the text of
// windowName + ".caption" (unless title is Keep), each listed component
// (found by objectName below the window) := the text of
// CaptionKey(windowName, component), unconditionally, so an absent key
// gives an empty caption; then ApplyWindowFont(window). Returns the listed
// names that were not found, so a window's tests can assert there are none.
QStringList ApplyWindowTexts(QWidget* window, std::string_view windowName,
                             std::initializer_list<std::string_view> components, const LanguageTable& table,
                             WindowTitle title = WindowTitle::FromTable);

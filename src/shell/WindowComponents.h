#pragma once
// A window's components by kind, found from the object tree: what the
// language routine captions and the window font reaches.

#include <QString>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QObject;
class QRadioButton;
class QStatusBar;
class QToolButton;
class QWidget;

// Marks set on components whose kind Qt cannot tell: a button that acts as
// a speed button, a group box that holds radio items.
inline constexpr char kSpeedButtonProperty[] = "speedButton";
inline constexpr char kRadioGroupProperty[] = "radioGroup";

// A new component with its name and its place in the window, in one call
// rather than the three lines a constructor would write for each.
template <typename W>
W* Placed(W* component, const char* name, int x, int y, int width, int height) {
  component->setObjectName(name);
  component->setGeometry(x, y, width, height);
  return component;
}

struct MenuItem {
  QString name;
  QAction* action;
};

// A window's components by kind, each list in the window's object order
// (menu items in menu order: menu bar first, then stand-alone pop-up menus).
struct WindowComponents {
  std::vector<MenuItem> menuItems;
  std::vector<QGroupBox*> groupBoxes;
  std::vector<QGroupBox*> radioGroups;
  std::vector<QToolButton*> toolButtons;
  std::vector<QAbstractButton*> speedButtons;
  std::vector<QRadioButton*> radioButtons;
  std::vector<QCheckBox*> checkBoxes;
  std::vector<QWidget*> controls;  // every named visual control
  // Unnamed ones count here too: the font applies to every one of them.
  std::vector<QLabel*> labels;
  std::vector<QStatusBar*> statusBars;
  std::vector<QMenuBar*> menuBars;
  std::vector<QMenu*> menus;
};

WindowComponents CollectComponents(QWidget* window);

// The window's own objects in object-tree order, depth first. Other windows
// below this one own their components; menus are pop-up windows but belong
// to the window that holds them.
void CollectObjects(QObject* root, std::vector<QObject*>& out);

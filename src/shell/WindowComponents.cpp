#include "shell/WindowComponents.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QVariant>

namespace {

bool IsInternalName(const QString& name) {
  return name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1String("_q_"));
}

bool IsComponent(const QObject* o) {
  const QString name = o->objectName();
  if (name.isEmpty() || IsInternalName(name)) return false;
  // A tab bar names its own scroll buttons.
  return qobject_cast<const QTabBar*>(o->parent()) == nullptr;
}

bool Flagged(const QObject* o, const char* property) { return o->property(property).toBool(); }

struct MenuWalk {
  std::vector<MenuItem>& items;
  QSet<QAction*> seenActions;
  QSet<QMenu*> seenMenus;

  void Visit(QWidget* container) {
    for (QAction* a : container->actions()) {
      if (seenActions.contains(a)) continue;
      seenActions.insert(a);
      QMenu* sub = a->menu();
      QString name = a->objectName();
      if (name.isEmpty() && sub) name = sub->objectName();
      if (!name.isEmpty() && !IsInternalName(name)) items.push_back({name, a});
      if (sub && !seenMenus.contains(sub)) {
        seenMenus.insert(sub);
        Visit(sub);
      }
    }
  }
};

}  // namespace

void CollectObjects(QObject* root, std::vector<QObject*>& out) {
  for (QObject* child : root->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
    out.push_back(child);
    CollectObjects(child, out);
  }
}


WindowComponents CollectComponents(QWidget* window) {
  WindowComponents c;
  std::vector<QObject*> objects;
  CollectObjects(window, objects);

  for (QObject* o : objects) {
    if (auto* bar = qobject_cast<QMenuBar*>(o)) c.menuBars.push_back(bar);
    if (auto* menu = qobject_cast<QMenu*>(o)) c.menus.push_back(menu);
    if (auto* label = qobject_cast<QLabel*>(o)) c.labels.push_back(label);
    if (auto* status = qobject_cast<QStatusBar*>(o)) c.statusBars.push_back(status);
    if (!o->isWidgetType() || !IsComponent(o)) continue;
    auto* w = static_cast<QWidget*>(o);
    if (!qobject_cast<QMenu*>(w) && !qobject_cast<QMenuBar*>(w)) c.controls.push_back(w);
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
      (Flagged(g, kRadioGroupProperty) ? c.radioGroups : c.groupBoxes).push_back(g);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && Flagged(b, kSpeedButtonProperty)) {
      c.speedButtons.push_back(b);
    } else if (auto* t = qobject_cast<QToolButton*>(w)) {
      c.toolButtons.push_back(t);
    } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
      c.radioButtons.push_back(r);
    } else if (auto* x = qobject_cast<QCheckBox*>(w)) {
      c.checkBoxes.push_back(x);
    }
  }

  // Menu items in the order the player sees them: the menu bars first, then
  // the pop-up menus that hang in no menu bar.
  MenuWalk walk{c.menuItems, {}, {}};
  for (QMenuBar* bar : c.menuBars) walk.Visit(bar);
  for (QMenu* menu : c.menus) {
    if (walk.seenMenus.contains(menu)) continue;
    walk.seenMenus.insert(menu);
    walk.Visit(menu);
  }
  return c;
}

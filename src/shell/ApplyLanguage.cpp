#include "shell/ApplyLanguage.h"

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

#include "shell/JapaneseFont.h"

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

// The window's own objects in object-tree order, depth first. Other windows
// below this one own their components; menus are pop-up windows but belong
// to the window that holds them.
void CollectObjects(QObject* root, std::vector<QObject*>& out) {
  for (QObject* child : root->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
    out.push_back(child);
    CollectObjects(child, out);
  }
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

std::string Key(const QString& name, std::string_view suffix) { return name.toStdString() + std::string(suffix); }

}  // namespace

QString TextOf(const LanguageTable& table, std::string_view key) {
  return QString::fromStdString(table.LookupText(key));
}

QString HintOf(const QWidget* control) { return control->property(kHintProperty).toString(); }

void SetHint(QWidget* control, const QString& hint) {
  control->setProperty(kHintProperty, hint);
  control->setToolTip(hint);
  // Icon-only buttons are named for screen readers by what they do.
  if (qobject_cast<QToolButton*>(control)) control->setAccessibleName(hint);
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

void ApplyLanguage(QWidget* window, const LanguageTable& table) {
  const WindowComponents c = CollectComponents(window);

  for (const MenuItem& item : c.menuItems) {
    // A separator stays a line: "-" is how tables spell one, and some
    // styles would print a separator's text as a heading.
    if (item.action->isSeparator()) continue;
    const std::string text = table.LookupText(Key(item.name, ".caption"));
    if (!text.empty()) item.action->setText(QString::fromStdString(TrimBlanks(text)));
  }
  for (QGroupBox* g : c.groupBoxes) g->setTitle(TextOf(table, Key(g->objectName(), ".caption")));
  for (QToolButton* t : c.toolButtons) t->setText(TextOf(table, Key(t->objectName(), ".caption")));
  for (QRadioButton* r : c.radioButtons) r->setText(TextOf(table, Key(r->objectName(), ".caption")));
  for (QCheckBox* x : c.checkBoxes) x->setText(TextOf(table, Key(x->objectName(), ".caption")));
  for (QAbstractButton* s : c.speedButtons) {
    const QString text = TextOf(table, Key(s->objectName(), ".caption"));
    if (!text.isEmpty()) s->setText(text);
  }
  for (QWidget* w : c.controls) SetHint(w, TextOf(table, Key(w->objectName(), ".hint")));
  for (const MenuItem& item : c.menuItems) {
    if (item.name.compare(QLatin1String("mnj1"), Qt::CaseInsensitive) == 0) item.action->setVisible(true);
  }
  ApplyJapaneseFont(window);
}

std::string CaptionKey(std::string_view window, std::string_view component) {
  std::string key(window);
  key.append(".").append(component).append(".caption");
  return key;
}

void SetItemTexts(std::span<QRadioButton* const> items, std::string_view window, std::string_view component,
                  const LanguageTable& table) {
  for (std::size_t i = 0; i < items.size(); ++i)
    items[i]->setText(TextOf(table, ItemKey(window, component, static_cast<int>(i))));
}

std::string ItemKey(std::string_view window, std::string_view component, int index) {
  std::string key(window);
  key.append(".").append(component).append(".items[").append(std::to_string(index)).append("]");
  return key;
}

bool SetCaption(QObject* component, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(component)) {
    a->setText(text);
  } else if (auto* m = qobject_cast<QMenu*>(component)) {
    m->setTitle(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(component)) {
    g->setTitle(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(component)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(component)) {
    l->setText(text);
  } else if (auto* w = qobject_cast<QWidget*>(component); w && w->isWindow()) {
    w->setWindowTitle(text);
  } else {
    return false;
  }
  return true;
}

QStringList ApplyWindowTexts(QWidget* window, std::string_view windowName,
                             std::initializer_list<std::string_view> components, const LanguageTable& table,
                             WindowTitle title) {
  if (title == WindowTitle::FromTable) {
    window->setWindowTitle(TextOf(table, std::string(windowName) + ".caption"));
  }
  std::vector<QObject*> objects;
  CollectObjects(window, objects);
  for (const MenuItem& item : CollectComponents(window).menuItems) objects.push_back(item.action);

  QStringList missing;
  for (std::string_view component : components) {
    const QString name = QString::fromUtf8(component.data(), static_cast<qsizetype>(component.size()));
    QObject* found = nullptr;
    for (QObject* o : objects) {
      if (o->objectName() == name) {
        found = o;
        break;
      }
    }
    if (!found || !SetCaption(found, TextOf(table, CaptionKey(windowName, component)))) missing << name;
  }
  ApplyJapaneseFont(window);
  return missing;
}

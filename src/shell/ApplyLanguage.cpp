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

#include "shell/WindowFont.h"

namespace {

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
  ApplyWindowFont(window);
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
  ApplyWindowFont(window);
  return missing;
}

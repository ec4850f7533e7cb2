#include "shell/JapaneseFont.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStringList>
#include <QToolTip>

#include "shell/WindowComponents.h"

void InstallJapaneseFontSubstitution() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  // In order of preference; the first one installed wins.
  QFont::insertSubstitutions(QString::fromLatin1(kJapaneseFontFamily),
                             {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
                              QStringLiteral("TakaoGothic")});
}

QFont JapaneseFont(const QFont& base, int pointSize) {
  QFont f = base;
  f.setFamily(QString::fromLatin1(kJapaneseFontFamily));
  f.setPointSize(pointSize);
  return f;
}

QFont FixedPitchFont() {
  QFont mono(QStringLiteral("Courier New"), 8);
  mono.setStyleHint(QFont::TypeWriter);
  mono.setFixedPitch(true);
  return mono;
}

void ApplyJapaneseFont(QWidget* window) {
  InstallJapaneseFontSubstitution();
  const WindowComponents c = CollectComponents(window);
  window->setFont(JapaneseFont(window->font(), kWindowFontPoints));
  for (QStatusBar* s : c.statusBars) s->setFont(JapaneseFont(s->font(), kWindowFontPoints));
  for (QLabel* l : c.labels) {
    QFont f = l->font();
    f.setFamily(QString::fromLatin1(kJapaneseFontFamily));
    l->setFont(f);
  }
  for (QGroupBox* g : c.radioGroups) g->setFont(JapaneseFont(g->font(), kWindowFontPoints));
  for (QMenuBar* m : c.menuBars) m->setFont(JapaneseFont(m->font(), kMenuFontPoints));
  for (QMenu* m : c.menus) m->setFont(JapaneseFont(m->font(), kMenuFontPoints));
  QToolTip::setFont(JapaneseFont(QToolTip::font(), kMenuFontPoints));
}

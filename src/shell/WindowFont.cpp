#include "shell/WindowFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>

#include "shell/WindowComponents.h"

namespace {

WindowScript currentScript = WindowScript::Japanese;

QString DesktopUiFamily() {
  // Read once: the application font may be changed later, the desktop's not.
  static const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  return family;
}

void SetFaceOf(QFont& font) {
  const QStringList families = WindowFontFamilies(currentScript);
  font.setFamilies(families);
}

}  // namespace

void SetWindowScript(WindowScript script) { currentScript = script; }
WindowScript CurrentWindowScript() { return currentScript; }

WindowScript ScriptOfLanguage(const QString& code) {
  if (code == QLatin1String("ja")) return WindowScript::Japanese;
  if (code == QLatin1String("zh")) return WindowScript::Chinese;
  return WindowScript::Latin;
}

QStringList WindowFontFamilies(WindowScript script) {
  switch (script) {
    case WindowScript::Japanese: return {QString::fromLatin1(kJapaneseFontFamily)};
    case WindowScript::Latin: return {DesktopUiFamily()};
    case WindowScript::Chinese:
      // The UI font has the Latin letters and digits; the first Simplified
      // Chinese face installed draws the Han characters.
      return {DesktopUiFamily(), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
              QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
              QStringLiteral("Droid Sans Fallback")};
  }
  return {DesktopUiFamily()};
}

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

QFont WindowFont(const QFont& base, int pointSize) {
  QFont f = base;
  SetFaceOf(f);
  f.setPointSize(pointSize);
  return f;
}

QFont FixedPitchFont() {
  QFont mono(QStringLiteral("Courier New"), 8);
  mono.setStyleHint(QFont::TypeWriter);
  mono.setFixedPitch(true);
  return mono;
}

void ApplyWindowFont(QWidget* window) {
  InstallJapaneseFontSubstitution();
  const WindowComponents c = CollectComponents(window);
  window->setFont(WindowFont(window->font(), kWindowFontPoints));
  for (QStatusBar* s : c.statusBars) s->setFont(WindowFont(s->font(), kWindowFontPoints));
  for (QLabel* l : c.labels) {
    QFont f = l->font();
    SetFaceOf(f);
    l->setFont(f);
  }
  for (QGroupBox* g : c.radioGroups) g->setFont(WindowFont(g->font(), kWindowFontPoints));
  for (QMenuBar* m : c.menuBars) m->setFont(WindowFont(m->font(), kMenuFontPoints));
  for (QMenu* m : c.menus) m->setFont(WindowFont(m->font(), kMenuFontPoints));
  QToolTip::setFont(WindowFont(QToolTip::font(), kMenuFontPoints));
}

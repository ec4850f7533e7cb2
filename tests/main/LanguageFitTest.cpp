// Every caption of the three language tables fits its control, and a switch
// reaches every window.

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>
#include <QStatusBar>
#include <QRadioButton>

#include "controls/TPICSD33.h"
#include "entry/TFrmdas.h"
#include "entry/Tfrm_new.h"
#include "main/FormFixture.h"
#include "storage/TfrmAppearance.h"

namespace {

// What of a caption does not fit, as "name: text", for every control of the
// window and of the windows it owns.
std::string CutCaptions(QWidget* window) {
  QStringList cut;
  auto check = [&](QWidget* w, const QString& text, int needed) {
    if (!text.isEmpty() && needed > w->width())
      cut << QStringLiteral("%1: \"%2\" needs %3 of %4").arg(w->objectName(), text).arg(needed).arg(w->width());
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const QFontMetrics fm(w->font());
    if (auto* r = qobject_cast<QRadioButton*>(w)) {
      check(r, r->text(), r->sizeHint().width());
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
      check(c, c->text(), c->sizeHint().width());
    } else if (auto* p = qobject_cast<QPushButton*>(w)) {
      check(p, p->text(), fm.horizontalAdvance(p->text()) + 8);
    } else if (auto* t = qobject_cast<QToolButton*>(w); t && t->toolButtonStyle() != Qt::ToolButtonIconOnly) {
      check(t, t->text(), fm.horizontalAdvance(t->text()) + 6);
    } else if (auto* t2 = qobject_cast<QToolButton*>(w); t2 && t2->icon().isNull()) {
      check(t2, t2->text(), fm.horizontalAdvance(t2->text()) + 6);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      check(g, g->title(), fm.horizontalAdvance(g->title()) + 16);
    } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull()) {
      check(l, l->text(), fm.horizontalAdvance(l->text()) + l->indent() + l->margin() * 2);
    }
  }
  return cut.join('\n').toStdString();
}

}  // namespace

TEST_F(FormTest, EveryCaptionOfTheThreeTablesFitsItsControl) {
  for (const char* code : {"en", "zh", "ja"}) {
    ASSERT_TRUE(form->SetLanguage(code, false)) << code;
    QCoreApplication::processEvents();  // tool bars lay out their controls again
    EXPECT_EQ(form->LanguageCode(), code);
    // Qt's own buttons speak the table's language.
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    EXPECT_EQ(yes == "&Yes", std::string(code) == "en") << code << " " << yes.toStdString();
    EXPECT_EQ(CutCaptions(form.get()), "") << code;
  }
}

TEST_F(FormTest, ALanguageChoiceReachesEveryWindowAndIsKept) {
  ASSERT_TRUE(form->SetLanguage("en", true));
  EXPECT_EQ(form->rb_none->text(), Text("rb_none.caption"));
  EXPECT_EQ(form->frmAppearance->windowTitle(), "Appearance");
  EXPECT_EQ(form->frmAppearance->CheckBox1->text(), Text("frmappearance.checkbox1.caption"));
  EXPECT_EQ(form->frmAppearance->Button3->text(), Text("frmappearance.button3.caption"));
  EXPECT_EQ(form->Frmdas->Button1->text().toStdString(), Text("frmdas.button1.caption").toStdString());
  EXPECT_TRUE(form->mnLanguages[1]->isChecked());
  EXPECT_EQ(form->frmAppearance->Lines().GetSetting("Language"), "en");
  // English windows speak in the desktop's proportional face.
  const QString ui = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  EXPECT_EQ(form->font().family(), ui);
  EXPECT_EQ(form->sb1->font().family(), ui);
  EXPECT_EQ(form->frmAppearance->font().family(), ui);
  // So do the cells of every board for screen readers.
  for (TPICSD33* board : {form->sd991, form->frm_new->sdnew, form->frmAppearance->sd1})
    EXPECT_EQ(board->node(1, 1)->accessibleName().left(4), "A1, ") << board->objectName().toStdString();
  // A new main window starts in the stored language.
  auto again = std::make_unique<TForm1>();
  again->CreateOtherWindows();
  EXPECT_EQ(again->LanguageCode(), "en");
  EXPECT_EQ(again->mnLanguage->title(), "Language");
  // Resetting the appearance keeps the choice.
  again->frmAppearance->Button3->click();
  EXPECT_EQ(again->frmAppearance->Lines().GetSetting("Language"), "en");
  ASSERT_TRUE(form->SetLanguage("ja", true));
  EXPECT_EQ(form->rb_none->text().toStdString(), "普通");
  EXPECT_EQ(form->font().family(), "MS Gothic");
  EXPECT_EQ(form->frmAppearance->font().family(), "MS Gothic");
}

#include "shell/Tfrm_about.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "shell/ApplyLanguage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/Dialogs.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"

QString HelpPagePath(const QString& languageCode) {
  return AppPlatform().FindBesideProgram(QStringLiteral("help-%1.html").arg(languageCode));
}

QString MakerAddressTarget(const QString& address, const QString& languageCode) {
  if (address.trimmed() == QString::fromUtf8(kMakerWebAddress.data(), qsizetype(kMakerWebAddress.size())))
    return HelpPagePath(languageCode);
  return address.trimmed();
}

void OpenMakerAddress(QWidget* parent, const LanguageTable& table, const QString& languageCode) {
  const QString target = MakerAddressTarget(TextOf(table, "frm_about.lbl2.caption"), languageCode);
  if (!target.isEmpty()) OpenDocumentOrSay(parent, table, target);
}

Tfrm_about::Tfrm_about(const LanguageTable& table, const QString& languageCode, QWidget* parent)
    : QDialog(parent), table_(table), languageCode_(languageCode) {
  setObjectName("frm_about");
  setWindowTitle("About");
  setFixedSize(380, 150);
  lbl1 = new QLabel("Tessvar", this);
  lbl1->setObjectName("lbl1");
  lbl1->setGeometry(16, 16, 348, 30);
  lbl1->setAlignment(Qt::AlignCenter);
  lbl2 = new QLabel(this);
  lbl2->setObjectName("lbl2");
  lbl2->setGeometry(16, 56, 348, 40);
  lbl2->setAlignment(Qt::AlignCenter);
  lbl2->setWordWrap(true);
  lbl2->setCursor(Qt::PointingHandCursor);
  lbl2->installEventFilter(this);
  Button1 = new QPushButton("Close", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(148, 108, 84, 28);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  ApplyWindowTexts(this, "frm_about", {"lbl1", "lbl2", "Button1"}, table_);
  // The stand-in address is shown as the page it opens.
  const QString target = MakerAddressTarget(lbl2->text(), languageCode_);
  // A clean path: no "bin/../share" detour.
  if (!target.isEmpty()) {
    const QString clean = QFileInfo(target).canonicalFilePath();
    lbl2->setText(QDir::toNativeSeparators(clean.isEmpty() ? target : clean));
  }
  QFont f1 = lbl1->font();
  f1.setBold(true);
  f1.setPointSize(14);
  lbl1->setFont(f1);
  QFont f2 = lbl2->font();
  f2.setBold(true);
  f2.setUnderline(true);
  lbl2->setFont(f2);
  QPalette p = lbl2->palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  lbl2->setPalette(p);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void Tfrm_about::lbl2Click() { OpenMakerAddress(this, table_, languageCode_); }

bool Tfrm_about::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbl2 && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    lbl2Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

#include "output/Tfrmprintselect.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/TextFile.h"
#include "shell/ApplyLanguage.h"
#include "shell/AtomicFile.h"
#include <QStandardPaths>
#include "shell/Dialogs.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"

Tfrmprintselect::Tfrmprintselect(const LanguageTable& table, const Board& board, QWidget* parent)
    : QDialog(parent), table_(table), board_(board) {
  setObjectName("frmprintselect");
  setFixedSize(300, 214);

  RadioGroup1 = new QGroupBox("Select Print Style", this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(8, 6, 284, 52);
  RadioButton1 = new QRadioButton("Normal", RadioGroup1);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton1->setGeometry(10, 22, 126, 22);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton("With Candidates", RadioGroup1);
  RadioButton2->setObjectName("RadioButton2");
  RadioButton2->setGeometry(142, 22, 136, 22);
  pg2 = new QGroupBox("Paper Size", this);
  pg2->setObjectName("pg2");
  pg2->setProperty(kRadioGroupProperty, true);
  pg2->setGeometry(8, 64, 284, 100);
  static const char* const sizes[3] = {"Small   (A4)", "Normal   (A3)", "Big  (A2)"};
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(sizes[i], pg2);
    r->setObjectName(QStringLiteral("pg2Item%1").arg(i));
    r->setGeometry(10, 20 + i * 24, 264, 22);
    pg2Items[static_cast<size_t>(i)] = r;
  }
  SpeedButton1 = new QPushButton("OK", this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setGeometry(112, 176, 86, 28);
  SpeedButton1->setDefault(true);
  SpeedButton2 = new QPushButton("Cancel", this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setGeometry(206, 176, 86, 28);
  connect(SpeedButton1, &QPushButton::clicked, this, &Tfrmprintselect::SpeedButton1Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);

  SetTexts();
  pg2Items[0]->setChecked(true);
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &Tfrmprintselect::SetTexts);
}

QStringList Tfrmprintselect::SetTexts() {
  // The caption is the application title.
  setWindowTitle(QApplication::applicationDisplayName());
  QStringList missing = ApplyWindowTexts(this, "frmprintselect",
                   {"RadioGroup1", "RadioButton1", "RadioButton2", "SpeedButton1", "SpeedButton2", "pg2"}, table_,
                   WindowTitle::Keep);
  SetItemTexts(pg2Items, "frmprintselect", "pg2", table_);
  return missing;
}

QString Tfrmprintselect::PagePath(QString* why) {
  const QString folder = AppPlatform().TempFolder(why);
  return folder.isEmpty() ? QString() : folder + "print_temp.htm";
}

void Tfrmprintselect::SpeedButton1Click() {
  // The heading and byline follow the table active at this moment.
  static constexpr PaperSize kSizes[3] = {PaperSize::A4, PaperSize::A3, PaperSize::A2};
  PaperSize size = PaperSize::A4;
  for (size_t i = 0; i < 3; ++i)
    if (pg2Items[i]->isChecked()) size = kSizes[i];
  Tfrmprint chosen(RadioButton2->isChecked() ? PrintStyle::Candidates : PrintStyle::Normal, size);
  chosen.PrepareTemplate(table_.LookupText(kPrintHeadingKey), table_.LookupText(kPrintBylineKey));
  // The template's first line is the document type, never taken for a byte-order mark.
  const std::string page = JoinLinesCrLf(chosen.Generate(board_));
  QString why;
  const QString path = PagePath(&why);
  if (path.isEmpty()) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/tessvar";
    return AppDialogs().Information(this, TextOf(table_, "msg_privatefolder").arg(folder, why));
  }
  if (ReportWrite(this, table_, path, WriteFileAtomically(path, page))) OpenDocumentOrSay(this, table_, path);
}

#include "output/Tfrmcopy.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "output/CopyText.h"
#include "shell/ApplyLanguage.h"
#include "shell/WindowFont.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"

Tfrmcopy::Tfrmcopy(const LanguageTable& table, const Board& board, QWidget* parent)
    : QDialog(parent), table_(table), board_(board) {
  setObjectName("frmcopy");
  setWindowTitle("Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)");
  setFixedSize(725, 309);
  RadioGroup1 = new QGroupBox("Select the format to be copied", this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setProperty(kRadioGroupProperty, true);
  RadioGroup1->setGeometry(8, 4, 709, 46);
  static const char* const names[4] = {"No Candidate", "With Candidates", "9*9", "1*81"};
  for (int i = 0; i < 4; ++i) {
    // One row of four.
    auto* r = new QRadioButton(names[i], RadioGroup1);
    r->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
    r->setGeometry(10 + i * 174, 20, 170, 20);
    connect(r, &QRadioButton::clicked, this, [this, i] { RadioGroup1Click(i); });
    items[static_cast<size_t>(i)] = r;
  }
  memo1 = new QPlainTextEdit(this);
  memo1->setObjectName("memo1");
  memo1->setGeometry(8, 56, 709, 208);
  memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo1->setReadOnly(true);
  Button1 = new QPushButton("Copy", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(545, 273, 82, 28);
  Button1->setDefault(true);
  Button2 = new QPushButton("Close", this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(635, 273, 82, 28);
  connect(Button1, &QPushButton::clicked, this, &Tfrmcopy::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  SetTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &Tfrmcopy::SetTexts);
}

QStringList Tfrmcopy::SetTexts() {
  QStringList missing = ApplyWindowTexts(this, "frmcopy", {"RadioGroup1", "Button1", "Button2"}, table_);
  SetItemTexts(items, "frmcopy", "RadioGroup1", table_);
  // The boxed layouts line up only in a fixed-pitch face.
  memo1->setFont(FixedPitchFont());
  return missing;
}

void Tfrmcopy::Open() {
  items[0]->setChecked(true);
  RadioGroup1Click(0);
}

void Tfrmcopy::RadioGroup1Click(int index) {
  memo1->setPlainText(QString::fromStdString(CopyLayoutText(board_, static_cast<CopyLayout>(index))));
}

void Tfrmcopy::Button1Click() {
  memo1->selectAll();
  AppPlatform().SetClipboardText(memo1->toPlainText());
  accept();
}

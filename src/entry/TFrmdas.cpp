#include "entry/TFrmdas.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>

#include "entry/SolutionsText.h"
#include "shell/ApplyLanguage.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"

TFrmdas::TFrmdas(const LanguageTable& table, QWidget* parent) : QDialog(parent), table_(table) {
  setObjectName("Frmdas");
  setWindowTitle("Multiple Solutions Viewer");
  setFixedSize(236, 420);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setGeometry(8, 8, 220, 370);
  Button1 = new QPushButton("Close", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(78, 386, 80, 26);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  auto setTexts = [this] { ApplyWindowTexts(this, "frmdas", {"Button1"}, table_); };
  setTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, setTexts);
  // The digits line up in columns only in a fixed-pitch font.
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPointSize(11);
  Memo1->setFont(mono);
}

void TFrmdas::ShowSolutions(const std::string& first, const std::string& other) {
  QStringList lines;
  for (const std::string& line : TwoSolutionsLines(table_.LookupText("msg_Frmdas_Solution1"), first,
                                                   table_.LookupText("msg_Frmdas_Solution2"), other))
    lines << QString::fromStdString(line);
  Memo1->setPlainText(lines.join('\n'));
}

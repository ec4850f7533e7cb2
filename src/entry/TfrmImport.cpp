#include "entry/TfrmImport.h"

#include <QKeyEvent>
#include <array>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

#include "core/Board.h"
#include "entry/ImportText.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "shell/WindowFont.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"

void ImportTextArea::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    emit pasteRequested();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

bool ImportTextArea::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void ImportTextArea::insertFromMimeData(const QMimeData* source) {
  // A dropped text is held to the same limit as a pasted one.
  if (source->text().size() > TfrmImport::kMaxPasteBytes) {
    emit tooLarge();
    return;
  }
  insertPlainText(source->text());
}

TfrmImport::TfrmImport(const LanguageTable& table, Board& editor, QWidget* parent)
    : QDialog(parent), table_(table), editor_(editor) {
  setObjectName("frmImport");
  setWindowTitle("Import Sudoku");
  setFixedSize(680, 430);
  Label1 = Placed(new QLabel("Enter a string of 81 numbers(you can express blanks as 0, * , '.')", this), "Label1", 8,
                  8, 664, 20);
  memo2 = Placed(new ImportTextArea(this), "memo2", 8, 32, 664, 300);
  memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo2->setContextMenuPolicy(Qt::CustomContextMenu);
  pm = new QMenu(this);
  pm->setObjectName("pm");
  auto item = [this](const char* name, const char* text, void (TfrmImport::*handler)()) {
    QAction* a = pm->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  e1 = item("e1", "Select All", &TfrmImport::e1Click);
  e2 = item("e2", "Copy", &TfrmImport::e2Click);
  e3 = item("e3", "Paste", &TfrmImport::e3Click);
  e4 = item("e4", "Clear", &TfrmImport::e4Click);
  connect(memo2, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { pm->popup(memo2->viewport()->mapToGlobal(pos)); });
  connect(memo2, &ImportTextArea::pasteRequested, this, &TfrmImport::e3Click);
  connect(memo2, &ImportTextArea::tooLarge, this, &TfrmImport::RefusePaste);

  Label2 = Placed(new QLabel("Compatible Formats:", this), "Label2", 8, 346, 150, 24);
  auto button = [this](const char* name, const char* text, int x, int y) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setGeometry(x, y, 90, 28);
    return b;
  };
  Button3 = button("Button3", "Example 1", 164, 344);
  Button4 = button("Button4", "Example 2", 260, 344);
  Button5 = button("Button5", "Example 3", 356, 344);
  Button6 = button("Button6", "Example 4", 452, 344);
  Button1 = button("Button1", "OK", 486, 392);
  Button2 = button("Button2", "Cancel", 582, 392);
  for (int example = 1; example <= 4; ++example) {
    QPushButton* b = std::array{Button3, Button4, Button5, Button6}[static_cast<size_t>(example - 1)];
    connect(b, &QPushButton::clicked, this, [this, example] { ExampleClick(example); });
  }
  connect(Button1, &QPushButton::clicked, this, &TfrmImport::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  SetTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &TfrmImport::SetTexts);
}

QStringList TfrmImport::SetTexts() {
  QStringList missing = ApplyWindowTexts(this, "frmImport",
                   {"Label1", "Label2", "Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "e1", "e2",
                    "e3", "e4"},
                   table_);
  // The layouts line up only in a fixed-pitch face.
  memo2->setFont(FixedPitchFont());
  return missing;
}

void TfrmImport::Button1Click() {
  const std::string text = ImportTextFromBytes(memo2->toPlainText().toStdString());
  if (ImportIntoEditor(editor_, text) == kImportInvalid) {
    // What was found, after the documented words.
    const std::size_t cells = ImportCellsFound(text);
    const QString found = cells > 0 ? TextOf(table_, "msg_import_cellsfound").arg(cells)
                                    : TextOf(table_, "msg_import_nolayout");
    AppDialogs().Information(this, TextOf(table_, "msg_frm_new_invalid_format") + "\n" + found);
  }
  accept();
}

void TfrmImport::ExampleClick(int example) {
  static const char* const hints[4] = {"msg_frmImport_81", "msg_frmImport_99", "msg_frmImport_992",
                                       "msg_frmImport_cand"};
  memo2->setPlainText(QString::fromStdString(ImportExampleText(example)));
  SetTexts();
  Label1->setText(TextOf(table_, hints[example - 1]));
}

void TfrmImport::e1Click() { memo2->selectAll(); }

void TfrmImport::e2Click() {
  const QString selected = memo2->textCursor().selectedText();
  // A selection separates its lines with U+2029.
  if (!selected.isEmpty()) AppPlatform().SetClipboardText(QString(selected).replace(QChar(0x2029), '\n'));
}

void TfrmImport::e3Click() {
  const QString text = AppPlatform().ClipboardText();
  if (text.size() > kMaxPasteBytes || text.toUtf8().size() > kMaxPasteBytes) return RefusePaste();
  memo2->insertPlainText(text);
}

void TfrmImport::e4Click() { memo2->clear(); }

void TfrmImport::RefusePaste() { AppDialogs().Information(this, TextOf(table_, "msg_import_toolarge")); }

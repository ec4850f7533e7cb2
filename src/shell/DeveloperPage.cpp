#include "shell/DeveloperPage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/ApplyLanguage.h"
#include "shell/AtomicFile.h"
#include "shell/BuiltinJapanese.h"
#include "shell/Dialogs.h"
#include "shell/Platform.h"

namespace {

void AppendLine(LanguageTable& table, const QString& name, const char* suffix, const QString& text) {
  table.Append((name + QLatin1String(suffix)).toStdString(), text.toStdString());
}

QString TableText(const LanguageTable& table) {
  QString text;
  for (const std::string& line : table.Lines()) text += QString::fromStdString(line) + QLatin1Char('\n');
  return text;
}

QPlainTextEdit* MakeList(const QString& name) {
  auto* list = new QPlainTextEdit;
  list->setObjectName(name);
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  return list;
}

}  // namespace

bool DeveloperModeEnabled() { return qEnvironmentVariable("TESSVAR_DEVELOPER") == QLatin1String("1"); }

void DumpCaptionKeys(QWidget* window, LanguageTable& table) {
  const WindowComponents c = CollectComponents(window);
  for (const MenuItem& item : c.menuItems) {
    QString caption = item.action->text();
    if (caption.isEmpty() && item.action->isSeparator()) caption = QStringLiteral("-");
    AppendLine(table, item.name, ".caption", caption);
  }
  for (QGroupBox* g : c.groupBoxes) AppendLine(table, g->objectName(), ".caption", g->title());
  for (QToolButton* t : c.toolButtons) AppendLine(table, t->objectName(), ".caption", t->text());
  for (QToolButton* t : c.toolButtons) AppendLine(table, t->objectName(), ".hint", HintOf(t));
  for (QRadioButton* r : c.radioButtons) AppendLine(table, r->objectName(), ".caption", r->text());
  for (QCheckBox* x : c.checkBoxes) AppendLine(table, x->objectName(), ".caption", x->text());
  for (QAbstractButton* s : c.speedButtons) AppendLine(table, s->objectName(), ".caption", s->text());
}

bool WriteLanguageFile(const LanguageTable& table, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::string text = table.ToFileText();
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::optional<LanguageTable> ReadLanguageFile(const QString& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return std::nullopt;
  return LanguageTable::FromFileBytes(bytes);
}

DeveloperPage::DeveloperPage(QWidget* mainWindow, LanguageTable& active, std::function<void()> reapply,
                             QWidget* parent)
    : QTabWidget(parent), mainWindow_(mainWindow), active_(active), reapply_(std::move(reapply)) {
  setObjectName(QStringLiteral("pgc1"));
  setWindowTitle(QStringLiteral("Tessvar developer page"));
  if (parent) setWindowFlag(Qt::Window);

  auto* ts1 = new QWidget;
  ts1->setObjectName(QStringLiteral("ts1"));
  lst1 = MakeList(QStringLiteral("lst1"));
  btn1 = new QPushButton(QStringLiteral("Save"));
  btn2 = new QPushButton(QStringLiteral("Load English"));
  btn3 = new QPushButton(QStringLiteral("Load Chinese"));
  btn4 = new QPushButton(QStringLiteral("Load Japan"));
  btn1->setObjectName(QStringLiteral("btn1"));
  btn2->setObjectName(QStringLiteral("btn2"));
  btn3->setObjectName(QStringLiteral("btn3"));
  btn4->setObjectName(QStringLiteral("btn4"));
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btn1, btn2, btn3, btn4}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(ts1);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  layout->addWidget(lst1);
  addTab(ts1, QStringLiteral("Active table"));

  auto* ts4 = new QWidget;
  ts4->setObjectName(QStringLiteral("ts4"));
  lstlang3 = MakeList(QStringLiteral("lstlang3"));
  lstlang3->setPlainText(TableText(BuiltinJapanese()));
  (new QVBoxLayout(ts4))->addWidget(lstlang3);
  addTab(ts4, QStringLiteral("Built-in table"));

  connect(btn1, &QPushButton::clicked, this, &DeveloperPage::btn1Click);
  connect(btn2, &QPushButton::clicked, this, &DeveloperPage::btn2Click);
  connect(btn3, &QPushButton::clicked, this, &DeveloperPage::btn3Click);
  connect(btn4, &QPushButton::clicked, this, &DeveloperPage::btn4Click);

  resize(640, 480);
  ShowActiveTable();
}

QString DeveloperPage::DumpPath() { return AppPlatform().DataFolder() + QStringLiteral("all.txt"); }

void DeveloperPage::btn1Click() {
  DumpCaptionKeys(mainWindow_, active_);
  ShowActiveTable();
  const QString path = DumpPath();
  if (WriteLanguageFile(active_, path)) {
    status_->setText(QStringLiteral("Written: %1 (%2 lines)").arg(path).arg(active_.Lines().size()));
  } else {
    AppDialogs().Information(this, QStringLiteral("Could not write %1.").arg(path));
  }
}

void DeveloperPage::btn2Click() { LoadFile(QStringLiteral("lang1.txt")); }

void DeveloperPage::btn3Click() { LoadFile(QStringLiteral("lang2.txt")); }

void DeveloperPage::btn4Click() {
  active_ = BuiltinJapanese();
  if (reapply_) reapply_();
  ShowActiveTable();
  status_->setText(QStringLiteral("Loaded the built-in table"));
}

void DeveloperPage::LoadFile(const QString& name) {
  // Checked before anything changes: a missing file leaves the active table
  // as it is.
  const QString path = AppPlatform().FindBesideProgram(name);
  if (path.isEmpty()) {
    AppDialogs().Information(
        this, QStringLiteral("%1 was found neither beside the program nor in the installed data folder. "
                             "The language table is unchanged.")
                  .arg(name));
    return;
  }
  std::optional<LanguageTable> table = ReadLanguageFile(path);
  if (!table) {
    AppDialogs().Information(this, QStringLiteral("%1 could not be read. The language table is unchanged.").arg(path));
    return;
  }
  active_ = std::move(*table);
  if (reapply_) reapply_();
  ShowActiveTable();
  status_->setText(QStringLiteral("Loaded: %1").arg(path));
}

void DeveloperPage::ShowActiveTable() { lst1->setPlainText(TableText(active_)); }

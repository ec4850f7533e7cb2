#include "entry/Tfrm_new.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/TPICSD33.h"
#include "entry/PuzzleEditor.h"
#include "entry/TfrmImport.h"
#include "shell/ApplyLanguage.h"
#include "core/Grader.h"
#include "shell/Dialogs.h"
#include "shell/HintWords.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"
#include "storage/GamesStore.h"

Tfrm_new::Tfrm_new(const LanguageTable& table, const Board& mainBoard, QWidget* parent)
    : QDialog(parent), table_(table), mainBoard_(mainBoard) {
  setObjectName("frm_new");
  setWindowTitle("Import or Create Sudoku");
  setFixedSize(574, 438);

  const QFont arial("Arial");
  sdnew = new TPICSD33(this, &editor_, &arial);
  sdnew->setObjectName("sdnew");
  sdnew->move(8, 8);
  sdnew->setLook(BoardLook::Editor());
  sdnew->WireHoverFrames();
  connect(sdnew, &TPICSD33::cellMouseDown, this, &Tfrm_new::CellMouseDown);
  connect(sdnew, &TPICSD33::candidateMouseDown, this, &Tfrm_new::CandidateMouseDown);
  // The board is worked from the keyboard too; its cursor's cell holds the
  // focus, named in the player's language.
  sdnew->setFocusPolicy(Qt::TabFocus);  // a click focuses through the press handlers
  sdnew->setFocusCell(session_.Cursor());
  sdnew->setCellNamer([this](const Cell& c) { return QString::fromStdString(CellSpokenName(c, table_)); });
  sdnew->installEventFilter(this);

  auto button = [this](const char* name, const char* text, int y) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setGeometry(442, y, 124, 30);
    return b;
  };
  Button5 = button("Button5", "Load Puzzle", 8);
  Button6 = button("Button6", "&Import", 46);
  Button3 = button("Button3", "&Clear Grid", 84);
  Button1 = button("Button1", "Check Puzzle", 160);
  Button2 = button("Button2", "Play Puzzle", 198);
  Button4 = button("Button4", "&Quit", 400);
  BitBtn1 = button("BitBtn1", "?", 360);
  BitBtn1->setVisible(false);
  memo2 = new QPlainTextEdit(this);
  memo2->setObjectName("memo2");
  memo2->setVisible(false);
  connect(Button5, &QPushButton::clicked, this, &Tfrm_new::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &Tfrm_new::Button6Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_new::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_new::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_new::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_new::BitBtn1Click);

  frmImport = new TfrmImport(table_, editor_, this);

  SetTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &Tfrm_new::SetTexts);
  ClearEditor(editor_);
  sdnew->RedrawCells();
}

QStringList Tfrm_new::SetTexts() {
  sdnew->UpdateAccessibleNames();  // the cells' names speak the new language too
  return ApplyWindowTexts(this, "frm_new", {"Button5", "Button6", "Button3", "Button1", "Button2", "Button4"}, table_);
}

void Tfrm_new::CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  sdnew->takeFocus(Qt::MouseFocusReason);
  session_.PressCandidate(IndexOf(cell->row(), cell->col()), digit);
  ShowEditor();
}

void Tfrm_new::CellMouseDown(TPicNode* cell, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  sdnew->takeFocus(Qt::MouseFocusReason);
  session_.PressCell(IndexOf(cell->row(), cell->col()));
  ShowEditor();
}

void Tfrm_new::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  sdnew->takeFocus(Qt::OtherFocusReason);
}

bool Tfrm_new::eventFilter(QObject* watched, QEvent* event) {
  // Keys the focused cell leaves unhandled travel up to the board.
  if (watched == sdnew && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return BoardKey(key->key());
  }
  return QDialog::eventFilter(watched, event);
}

void Tfrm_new::keyPressEvent(QKeyEvent* event) {
  // Ctrl+Z anywhere in the editor takes back its last press.
  if (event->matches(QKeySequence::Undo)) {
    if (session_.TakeBack()) ShowEditor();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool Tfrm_new::BoardKey(int key) {
  switch (key) {
    case Qt::Key_Up: session_.MoveCursor(-1, 0); break;
    case Qt::Key_Down: session_.MoveCursor(1, 0); break;
    case Qt::Key_Left: session_.MoveCursor(0, -1); break;
    case Qt::Key_Right: session_.MoveCursor(0, 1); break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: session_.PressCellAtCursor(); break;
    default:
      if (key < Qt::Key_1 || key > Qt::Key_9) return false;
      session_.PressDigitAtCursor(key - Qt::Key_0);
  }
  cursorShown_ = true;  // from the first key on, as on the main board
  ShowEditor();
  return true;
}

void Tfrm_new::ShowEditor() {
  TPICSD33::UpdateLock lock(*sdnew);
  for (int i = 0; i < kCells; ++i) sdnew->node(i)->setCursorMark(cursorShown_ && i == session_.Cursor());
  sdnew->setFocusCell(session_.Cursor());
  sdnew->RedrawCells();
}

void Tfrm_new::Button5Click() {
  session_.Change([this](Board& b) { LoadEditorFromBoard(b, mainBoard_); });
  ShowEditor();
}

void Tfrm_new::Button6Click() {
  session_.Change([this](Board&) { AppDialogs().ShowModal(frmImport); });
  ShowEditor();
}

void Tfrm_new::Button3Click() {
  if (!AppDialogs().Confirm(this, TextOf(table_, "msg_frm_new_clear"))) return;
  session_.Change(ClearEditor);
  ShowEditor();
}

namespace {
const char* CheckMessageKey(SolutionCount count) {
  switch (count) {
    case SolutionCount::One: return "msg_frm_new_onesolve";
    case SolutionCount::Several: return "msg_frm_new_twosolve2";
    case SolutionCount::None: break;
  }
  return "msg_frm_new_nosolve2";
}
}  // namespace

void Tfrm_new::Button1Click() {
  const EditorCheckResult r = CheckEditorPuzzle(editor_, solver_);
  QString text = TextOf(table_, CheckMessageKey(r.status));
  if (r.status == SolutionCount::One) text += "\n" + GradeText();
  AppDialogs().Information(this, text);
}

QString Tfrm_new::GradeText() const {
  Grid givens{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = editor_.cell(i);
    if (c.state == CellState::Placed && c.digits.size() == 1)
      givens[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.digits[0] - '0');
  }
  const GradeResult g = Grade(givens);
  if (g.outcome != GradeResult::Outcome::Solved) return TextOf(table_, "coach_path_stuck");
  if (g.hardest < 0) return TextOf(table_, GameListLevelKey(g.level));  // a full grid needs no technique
  Hint hardest;
  hardest.kind = HintKind::Step;
  hardest.technique = static_cast<Technique>(g.hardest);
  return TextOf(table_, "coach_path_level")
      .arg(TextOf(table_, GameListLevelKey(g.level)), TextOf(table_, HintKeyStem(hardest)));
}

void Tfrm_new::Button2Click() {
  const EditorCheckResult r = CheckEditorPuzzle(editor_, solver_);
  if (r.status == SolutionCount::None) return AppDialogs().Information(this, TextOf(table_, "msg_frm_new_nosolve"));
  if (r.status == SolutionCount::Several && !AppDialogs().Confirm(this, TextOf(table_, "msg_frm_new_twosolve"))) return;
  if (onPlay && !onPlay(editor_, r.solution)) return;
  accept();
}

void Tfrm_new::BitBtn1Click() {
  const QString address = QString::fromStdString(WebSolverAddress(editor_));
  memo2->setPlainText(address);
  AppPlatform().SetClipboardText(address);
}

// The main window's construction: components at their places, menus, the
// start-up steps of the window itself and the wiring of the board.

#include "main/TForm1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QLocale>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "controls/FrmSol.h"
#include "controls/TColorGrid.h"
#include "controls/TPICSD33.h"
#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"
#include "entry/TFrmdas.h"
#include "entry/Tfrm_new.h"
#include "output/Tfrmcopy.h"
#include "output/Tfrmprintselect.h"
#include "shell/ApplyLanguage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/DeveloperPage.h"
#include "shell/HintWords.h"
#include "shell/WindowFont.h"
#include "shell/Dialogs.h"
#include "shell/Platform.h"
#include "storage/Tfrmgamelist.h"
#include "storage/TfrmAppearance.h"

static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace {

constexpr int kClientWidth = 596;
constexpr int kClientHeight = 539;
constexpr int kTopBarHeight = 29;
constexpr int kBottomBarHeight = 26;
constexpr int kStatusHeight = 19;

constexpr char kSeparatorProperty[] = "tessvarSeparator";

// Screen readers meet a separator there, not a button without a name.
QAccessibleInterface* SeparatorAccessible(const QString&, QObject* object) {
  if (object == nullptr || !object->isWidgetType() || !object->property(kSeparatorProperty).toBool()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
}

// A tool-bar separator that is also a named tool button, so that its
// language key (an empty caption) has a component to land on.
class ToolSeparator : public QToolButton {
 public:
  explicit ToolSeparator(QWidget* parent) : QToolButton(parent) {
    static const bool factory = (QAccessible::installFactory(SeparatorAccessible), true);
    (void)factory;
    setProperty(kSeparatorProperty, true);
    setEnabled(false);
    setFixedWidth(8);
    setAutoRaise(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(width() / 2 - 1, 3, width() / 2 - 1, height() - 4);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(width() / 2, 3, width() / 2, height() - 4);
  }
};

QToolBar* MakeBar(QWidget* parent, const char* name, int y, int height) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setGeometry(0, y, kClientWidth, height);
  bar->setIconSize(QSize(18, 18));
  return bar;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  InitIconResources();
  setObjectName("Form1");
  // The window's font before its controls exist: set afterwards, it would
  // travel down to each of the board's 891 panels.
  InstallJapaneseFontSubstitution();
  setFont(WindowFont(font(), kWindowFontPoints));
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  CreateMenus();
  CreateTopToolBar();
  CreateBoardPanel();
  CreateCandidateGroup();
  CreateColorGroup();
  CreateDigitBars();
  CreateBottomToolBar();
  CreateStatusBar();
  CreateCoach();
  CreatePause();
  pp = new QMenu(this);
  pp->setObjectName("pp");
  connect(pp, &QMenu::triggered, this, &TForm1::CellMenuClick);

  // 1. The built-in table, applied to this window.
  lst1 = BuiltinJapanese();
  ApplyLanguage(this, lst1);
  sd991->setCellNamer([this](const Cell& c) { return QString::fromStdString(CellSpokenName(c, lst1)); });
  NamePracticeItems();
  SetConfirmTitle(TextOf(lst1, "msg_title_confirm"));
  InstallQtTranslations(QStringLiteral("ja"));
  // 2. The caption is the application title.
  setWindowTitle(QApplication::applicationDisplayName());
  // 3. and 5. The data folder and its replay folder, made the current directory.
  dataFolder = AppPlatform().DataFolder();
  QDir().mkpath(dataFolder);
  QDir().mkpath(dataFolder + "replay");
  files = DataFiles(QFile::encodeName(dataFolder).toStdString());
  RecoverInterruptedGame();
  if (!QDir::setCurrent(dataFolder))
    AppDialogs().Information(this, TextOf(lst1, "msg_folderfailed").arg(dataFolder));
  // 4. Run-time click actions.
  connect(btStartBranch, &QToolButton::clicked, this, &TForm1::StartBranch);
  // 6. The paint colour is yellow.
  colorgrid1->setForegroundIndex(11);
  game.SetPaint(colorgrid1->ForegroundColor());
  // 7. and 8. The game model starts blank, unpainted and without a branch;
  // the board waits, disabled, for the first game.
  WireBoard();
  WireCommands();
  connect(chkcolor, &QCheckBox::toggled, this, [this](bool on) { game.SetMarkingOn(on); });
  connect(cbautoupdate, &QCheckBox::toggled, this, [this](bool on) { game.SetAutoUpdate(on); });
  Refresh();

  WireHints();
  qApp->installEventFilter(this);
  if (DeveloperModeEnabled()) ShowDeveloperTools();
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

void TForm1::LoadSettings() {
  if (settingsLoaded_) return;
  settingsLoaded_ = true;
  AppearanceSettings values;
  files.ReadSettings(settings, values);
  ApplyAppearance();
  mnAutoCheckNewVersion->setChecked(values.autoCheck);
  const std::string language = StartLanguage(settings.GetSetting("Language"));
  if (language == "en" || language == "zh") SetLanguage(QString::fromStdString(language), false);
}

std::string TForm1::StartLanguage(const std::string& stored) {
  // A language the player chose before; at a first start, the desktop's.
  if (!stored.empty()) return stored;
  const QStringList desktop = QLocale::system().uiLanguages();
  return LanguageForLocale(desktop.isEmpty() ? std::string() : desktop.front().toStdString());
}

void TForm1::CreateOtherWindows() {
  LoadSettings();
  if (!frmgamelist) frmgamelist = new Tfrmgamelist(lst1, this);
  if (!Frmdas) Frmdas = new TFrmdas(lst1, this);  // the Multiple Solutions Viewer
  if (!frm_new) {
    frm_new = new Tfrm_new(lst1, game.board(), this);  // the puzzle editor, with its import window
    frm_new->onPlay = [this](const Board& puzzle, const std::string& solution) {
      return StartNewGame([&] {
        game.PlayPuzzle(puzzle, solution);
        return true;
      });
    };
  }
  if (!frmcopy) frmcopy = new Tfrmcopy(lst1, game.board(), this);
  if (!frmprintselect) frmprintselect = new Tfrmprintselect(lst1, game.board(), this);
  if (!frmAppearance) {
    frmAppearance = new TfrmAppearance(lst1, files, settings, this);
    frmAppearance->applyToMainBoard = [this] { ApplyAppearance(); };
  }
}

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  // The menus' fonts before their items: set afterwards (as a change of
  // language does), the bar would lay out all its titles a second time.
  bar->setFont(WindowFont(bar->font(), kMenuFontPoints));
  auto menu = [&](const char* name, const QString& text) {
    QMenu* m = bar->addMenu(text);
    m->setObjectName(name);
    m->setFont(WindowFont(m->font(), kMenuFontPoints));
    return m;
  };
  auto item = [](QMenu* m, const char* name, const QString& text) {
    QAction* a = m->addAction(text);
    a->setObjectName(name);
    return a;
  };
  auto separator = [](QMenu* m, const char* name) { m->addSeparator()->setObjectName(name); };

  QMenu* file = menu("mnFile", "&File");
  mnSaveCurrentBoard = item(file, "mnSaveCurrentBoard", "&Save Current Board");
  mnDisplayYourGameList1 = item(file, "mnDisplayYourGameList1", "Display Your Game List");
  mnPrintableBoard = item(file, "mnPrintableBoard", "Printable Board");
  mnImportSudoku = item(file, "mnImportSudoku", "&Import or Create Sudoku");
  separator(file, "N5");
  mnContinue = item(file, "mnContinue", "Continue Your Last Game");
  separator(file, "N18");
  mnExit = item(file, "mnExit", "&Exit");
  connect(mnExit, &QAction::triggered, this, &QWidget::close);

  QMenu* newGame = menu("mnNewGame", "New Game");
  static const char* const levelNames[5] = {"mnVeryEasy", "mnGentle", "mnModerate", "mnTough", "mnDiabolical"};
  static const char* const levelTexts[5] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"};
  for (int level = 0; level < 5; ++level) {
    mnLevel[static_cast<size_t>(level)] = item(newGame, levelNames[level], levelTexts[level]);
    connect(mnLevel[static_cast<size_t>(level)], &QAction::triggered, this, [this, level] { NewGame(level); });
  }
  separator(newGame, "N1");
  mnDisplayYourGameList2 = item(newGame, "mnDisplayYourGameList2", "Display Your Game List");
  CreatePracticeMenu(newGame);

  QMenu* tools = menu("mnTools", "Tools");
  mnAppearance = item(tools, "mnAppearance", "Appearance");
  separator(tools, "N2");
  savet = item(tools, "savet", "Save Replay");
  mnLoadReplay = item(tools, "mnLoadReplay", "Load Replay");
  separator(tools, "N3");
  mnCopyPuzzleToClipboard = item(tools, "mnCopyPuzzleToClipboard", "Copy Puzzle To Clipboard");
  CreateLanguageMenu(tools);
  separator(tools, "N21");
  mnCoach = item(tools, "mnCoach", "Coach");
  mnFirstMistake = item(tools, "mnFirstMistake", "Find My First Mistake");
  mnSolvingPath = item(tools, "mnSolvingPath", "Solving Path");
  CreateSizeMenu(tools);
  mnPause = item(tools, "mnPause", "Pause");
  mnPause->setCheckable(true);
  mnStatistics = item(tools, "mnStatistics", "Statistics");

  QMenu* help = menu("mnHelp", "Help");
  mnContent = item(help, "mnContent", "Contents");
  separator(help, "N15");
  QAction* mnCheckNewVersion = item(help, "mnCheckNewVersion", "Check New Version");
  mnAutoCheckNewVersion = item(help, "mnAutoCheckNewVersion", "Auto Check New Version");
  mnAutoCheckNewVersion->setCheckable(true);
  separator(help, "N9");
  // Web links of the maker's site in other languages: not offered here.
  for (const char* name : {"mne1", "mne2", "mne3", "mne4", "mnc1", "mnc2", "mnc3", "mnc4"})
    item(help, name, name)->setVisible(false);
  mnj1 = item(help, "mnj1", "Tessvar");
  mnj1->setVisible(false);  // shown by the language routine
  connect(mnj1, &QAction::triggered, this, &TForm1::mnj1Click);
  separator(help, "N4");
  mnAbout = item(help, "mnAbout", "&About Tessvar");
  QAction* mnCreateTxt = item(help, "mnCreateTxt", "Create Language File");
  mnCreateTxt->setVisible(false);
  // Nothing here checks for new versions: the program makes no network calls.
  mnCheckNewVersion->setVisible(false);
  mnAutoCheckNewVersion->setVisible(false);
}

void TForm1::WireCommands() {
  auto on = [this](QAction* a, void (TForm1::*handler)()) { connect(a, &QAction::triggered, this, handler); };
  auto click = [this](QToolButton* b, void (TForm1::*handler)()) { connect(b, &QToolButton::clicked, this, handler); };
  on(mnContinue, &TForm1::mnContinueClick);
  on(mnCoach, &TForm1::btCoachClick);
  on(mnFirstMistake, &TForm1::mnFirstMistakeClick);
  on(mnSolvingPath, &TForm1::mnSolvingPathClick);
  on(mnStatistics, &TForm1::mnStatisticsClick);
  click(btCoach, &TForm1::btCoachClick);
  on(mnPause, &TForm1::mnPauseClick);
  click(btPause, &TForm1::mnPauseClick);
  on(savet, &TForm1::savetClick);
  on(mnLoadReplay, &TForm1::mnLoadReplayClick);
  on(mnSaveCurrentBoard, &TForm1::btsaveClick);
  click(btsave, &TForm1::btsaveClick);
  on(mnDisplayYourGameList1, &TForm1::btDisplayYourGameListClick);
  on(mnDisplayYourGameList2, &TForm1::btDisplayYourGameListClick);
  click(btDisplayYourGameList, &TForm1::btDisplayYourGameListClick);
  on(mnAppearance, &TForm1::mnAppearanceClick);
  on(mnImportSudoku, &TForm1::btimportClick);
  click(btimport, &TForm1::btimportClick);
  on(mnCopyPuzzleToClipboard, &TForm1::btcopyClick);
  click(btcopy, &TForm1::btcopyClick);
  on(mnPrintableBoard, &TForm1::btprintableBoardClick);
  click(btprintableBoard, &TForm1::btprintableBoardClick);
  on(mnContent, &TForm1::mnContentClick);
  on(mnAbout, &TForm1::mnAboutClick);
}

QToolButton* TForm1::AddToolButton(QToolBar* bar, const char* name, const char* icon, const QString& hint) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(icon)));
  b->setAutoRaise(true);
  b->setFixedSize(25, bar->height() - 4);
  b->setFocusPolicy(Qt::NoFocus);
  SetHint(b, hint);
  bar->addWidget(b);
  return b;
}

void TForm1::AddToolSeparator(QToolBar* bar, const char* name) {
  auto* s = new ToolSeparator(bar);
  s->setObjectName(name);
  bar->addWidget(s);
}

void TForm1::CreateTopToolBar() {
  ToolBar1 = MakeBar(centralWidget(), "ToolBar1", 0, kTopBarHeight);
  btDisplayYourGameList = AddToolButton(ToolBar1, "btDisplayYourGameList", "gamelist", "Display Your Game List");
  btsave = AddToolButton(ToolBar1, "btsave", "save", "Save Current Board");
  btprintableBoard = AddToolButton(ToolBar1, "btprintableBoard", "print", "Printable Board");
  btimport = AddToolButton(ToolBar1, "btimport", "import", "Import or Create Sudoku");
  AddToolSeparator(ToolBar1, "ToolButton17");
  static const char* const names[5] = {"btCreateVeryEasy", "btCreateGentle", "btCreateModerate", "btCreateTough",
                                       "btCreateDiabolical"};
  static const char* const hints[5] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"};
  for (int level = 0; level < 5; ++level) {
    QToolButton* b = AddToolButton(ToolBar1, names[level], ("level" + std::to_string(level)).c_str(), hints[level]);
    btCreate[static_cast<size_t>(level)] = b;
    connect(b, &QToolButton::clicked, this, [this, level] { NewGame(level); });
  }
  AddToolSeparator(ToolBar1, "ToolButton18");
  TimeLabel1 = new TTimeLabel(ToolBar1);
  TimeLabel1->setObjectName("TimeLabel1");
  TimeLabel1->setFixedSize(77, 22);
  QFont clockFont = TimeLabel1->font();
  clockFont.setFamily("MS Sans Serif");
  clockFont.setBold(true);
  TimeLabel1->setFont(clockFont);
  TimeLabel1->settimeinterval(100);
  TimeLabel1->settimerenabled(false);
  TimeLabel1->setText("0:0:0");
  connect(TimeLabel1, &TTimeLabel::OnTimer, this, &TForm1::TimeLabel1Timer);
  ToolBar1->addWidget(TimeLabel1);
  AddToolSeparator(ToolBar1, "ToolButton3");
  btRestart = AddToolButton(ToolBar1, "btRestart", "restart", "Restart");
  connect(btRestart, &QToolButton::clicked, this, &TForm1::btRestartClick);
  btsolve = AddToolButton(ToolBar1, "btsolve", "solve", "Show Solution");
  connect(btsolve, &QToolButton::clicked, this, &TForm1::btsolveClick);
  btcopy = AddToolButton(ToolBar1, "btcopy", "copy", "Copy Puzzle To Clipboard");
  // Pasting happens in the import window; the button exists for its texts.
  btpaste = new QToolButton(ToolBar1);
  btpaste->setObjectName("btpaste");
  btpaste->setVisible(false);
  ndtxt = new QLabel(ToolBar1);
  ndtxt->setObjectName("ndtxt");
  ndtxt->setFixedSize(162, 22);
  ndtxt->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  ndtxt->setIndent(6);
  ToolBar1->addWidget(ndtxt);
}

void TForm1::CreateBoardPanel() {
  Panel1 = new QWidget(centralWidget());
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(6, 31, 469, 458);
  const QFont arial("Arial");
  sd991 = new TPICSD33(Panel1, &game.board(), &arial);
  sd991->setObjectName("sd991");
  // The board takes the focus by Tab, by a click and when a game starts.
  // A click gives it through the press handlers, on the cursor's cell:
  // Qt's own click focus would move it to the board and straight back.
  sd991->setFocusPolicy(Qt::TabFocus);
  sd991->setFocusCell(game.Cursor());
  sd991->move(25, 20);
  // The board shows its real colours from the first paint.
  sd991->setLook(game.look());
  sd991->setautotranzt(true);
  sd991->RedrawCells();
  // Row letters at the left, column digits along the top, each centred on
  // its line of cells.
  for (int k = 1; k <= 9; ++k) {
    const int offset = sd991->node(k, k)->x();
    auto* row = new QLabel(QString(QChar('A' + k - 1)), Panel1);
    row->setGeometry(10, 20 + offset, 14, TPicNode::kSize);
    row->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    auto* col = new QLabel(QString::number(k), Panel1);
    col->setGeometry(25 + offset, 3, TPicNode::kSize, 16);
    col->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
}

void TForm1::CreateCandidateGroup() {
  grpShowCandidates = new QGroupBox("Show Candidates", centralWidget());
  grpShowCandidates->setObjectName("grpShowCandidates");
  grpShowCandidates->setGeometry(484, 31, 105, 181);
  auto radio = [&](const char* name, const QString& text, int y, DisplayMode mode) {
    auto* r = new QRadioButton(text, grpShowCandidates);
    r->setObjectName(name);
    r->setGeometry(8, y, 95, 20);
    connect(r, &QRadioButton::toggled, this, [this, mode](bool on) {
      if (on) SelectMode(mode);
    });
    return r;
  };
  rb_none = radio("rb_none", "None  (F1)", 18, DisplayMode::None);
  rb_all = radio("rb_all", "All  (F2)", 40, DisplayMode::All);
  rb_one = radio("rb_one", "Only one  (F3)", 62, DisplayMode::OnlyOne);
  {
    const QSignalBlocker quiet(rb_none);
    rb_none->setChecked(true);
  }
  for (int d = 1; d <= 9; ++d) {
    auto* b = new QToolButton(grpShowCandidates);
    b->setObjectName(QStringLiteral("disnote%1").arg(d));
    b->setText(QString::number(d));
    b->setProperty(kSpeedButtonProperty, true);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(14 + ((d - 1) % 3) * 27, 92 + ((d - 1) / 3) * 27, 25, 25);
    connect(b, &QToolButton::clicked, this, [this, d](bool down) { disnote1Click(d, down); });
    disnote[static_cast<size_t>(d - 1)] = b;
  }
}

void TForm1::CreateColorGroup() {
  grpColorPanel = new QGroupBox("Color Panel", centralWidget());
  grpColorPanel->setObjectName("grpColorPanel");
  grpColorPanel->setGeometry(482, 222, 108, 175);
  chkcolor = new QCheckBox("Marking", grpColorPanel);
  chkcolor->setObjectName("chkcolor");
  chkcolor->setGeometry(8, 18, 96, 20);
  colorgrid1 = new TColorGrid(grpColorPanel);
  colorgrid1->setObjectName("colorgrid1");
  colorgrid1->setGeometry(6, 42, 96, 100);
  colorgrid1->setBackgroundEnabled(false);
  colorgrid1->setSelection(1);
  // The paint in use is the game's; the palette only chooses it.
  connect(colorgrid1, &TColorGrid::OnChange, this, [this] { game.SetPaint(colorgrid1->ForegroundColor()); });
  bt_clearcolor = new QToolButton(grpColorPanel);
  bt_clearcolor->setObjectName("bt_clearcolor");
  bt_clearcolor->setText("Clear Marking");
  bt_clearcolor->setProperty(kSpeedButtonProperty, true);
  bt_clearcolor->setAutoRaise(true);
  bt_clearcolor->setFocusPolicy(Qt::NoFocus);
  bt_clearcolor->setGeometry(6, 146, 96, 23);
  connect(bt_clearcolor, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
}

void TForm1::CreateDigitBars() {
  for (int d = 1; d <= 9; ++d) {
    auto* bar = new Tmousepb(centralWidget());
    bar->setObjectName(QStringLiteral("ProgressBar%1").arg(d));
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 9);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setCursor(Qt::PointingHandCursor);
    bar->setGeometry(483 + (d - 1) * 11, 411, 11, 78);
    connect(bar, &Tmousepb::OnMouseDown, this, [this, d](Qt::MouseButton) { ProgressBar1MouseDown(d); });
    connect(bar, &Tmousepb::OnMouseEnter, bar, [bar] { bar->setBorderWidth(0); });
    connect(bar, &Tmousepb::OnMouseLeave, bar, [bar] { bar->setBorderWidth(1); });
    ProgressBar[static_cast<size_t>(d - 1)] = bar;
  }
}

void TForm1::CreateBottomToolBar() {
  ToolBar2 = MakeBar(centralWidget(), "ToolBar2", kClientHeight - kStatusHeight - kBottomBarHeight, kBottomBarHeight);
  cbautoupdate = new QCheckBox("Auto Update Candidates", ToolBar2);
  cbautoupdate->setObjectName("cbautoupdate");
  cbautoupdate->setChecked(true);
  ToolBar2->addWidget(cbautoupdate);
  btcheck = AddToolButton(ToolBar2, "btcheck", "check", "Check Error");
  connect(btcheck, &QToolButton::clicked, this, &TForm1::btcheckClick);
  btShowhint = AddToolButton(ToolBar2, "btShowhint", "hint", "Show hint");
  connect(btShowhint, &QToolButton::clicked, this, &TForm1::btShowhintClick);
  AddToolSeparator(ToolBar2, "ToolButton13");
  btStartBranch = AddToolButton(ToolBar2, "btStartBranch", "branch", "Start Branch");
  btAccept = AddToolButton(ToolBar2, "btAccept", "accept", "Accept Branch");
  connect(btAccept, &QToolButton::clicked, this, &TForm1::btAcceptClick);
  btRejectBranch = AddToolButton(ToolBar2, "btRejectBranch", "reject", "Reject Branch");
  connect(btRejectBranch, &QToolButton::clicked, this, &TForm1::btRejectBranchClick);
  AddToolSeparator(ToolBar2, "ToolButton10");
  btfirst = AddToolButton(ToolBar2, "btfirst", "first", "First Step");
  connect(btfirst, &QToolButton::clicked, this, &TForm1::btfirstClick);
  btback = AddToolButton(ToolBar2, "btback", "back", "Back Step");
  connect(btback, &QToolButton::clicked, this, &TForm1::btbackClick);
  btnext = AddToolButton(ToolBar2, "btnext", "next", "Next Step");
  connect(btnext, &QToolButton::clicked, this, &TForm1::btnextClick);
  btlast = AddToolButton(ToolBar2, "btlast", "last", "Last Step");
  connect(btlast, &QToolButton::clicked, this, &TForm1::btlastClick);
  AddToolSeparator(ToolBar2, "ToolButton15");
  btCoach = AddToolButton(ToolBar2, "btCoach", "coach", "Coach");
  btPause = AddToolButton(ToolBar2, "btPause", "pause", "Pause");
  btPause->setCheckable(true);
  // The solved marker comes and goes, so it sits on the bar rather than in
  // its row of actions.
  WC_Label = new QLabel(ToolBar2);
  WC_Label->setObjectName("WC_Label");
  WC_Label->setPixmap(QIcon(QStringLiteral(":/icons/accept-20.png")).pixmap(20, 20));
  WC_Label->setGeometry(kClientWidth - 30, 2, 24, 22);
  WC_Label->setVisible(false);
  for (QToolButton* b : {btStartBranch, btAccept, btRejectBranch, btfirst, btback, btnext, btlast})
    b->setEnabled(false);
}

void TForm1::CreateStatusBar() {
  sb1 = new QStatusBar(centralWidget());
  sb1->setObjectName("sb1");
  sb1->setFont(WindowFont(sb1->font(), kWindowFontPoints));
  sb1->setSizeGripEnabled(false);
  sb1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
  sb1->setAutoFillBackground(true);
  sb1Panel = new QLabel(sb1);
  sb1Panel->setObjectName("sb1Panel");
  sb1->addWidget(sb1Panel, 1);
  sbNotice = new QLabel(sb1);
  sbNotice->setObjectName("sbNotice");
  sb1->addPermanentWidget(sbNotice);
}

void TForm1::WireBoard() {
  sd991->WireHoverFrames();
  connect(sd991, &TPICSD33::cellMouseDown, this, &TForm1::CellMouseDown);
  connect(sd991, &TPICSD33::candidateMouseDown, this, &TForm1::CandidateMouseDown);
  connect(sd991, &TPICSD33::cellContextMenu, this, [this](TPicNode* cell, const QPoint& pos) {
    ppPopup(cell);
    if (!pp->actions().isEmpty()) pp->popup(pos);
  });
  connect(sd991, &TPICSD33::cellEnter, this, [this](TPicNode* cell) {
    const std::string key = game.CellHintKey(IndexOf(cell->row(), cell->col()));
    if (key.empty()) return ClearStatusHint();
    ShowStatusHint(TextOf(lst1, key));
  });
  connect(sd991, &TPICSD33::candidateEnter, this,
          [this](TPicNode*, int) { ShowStatusHint(TextOf(lst1, game.CandidateHintKey())); });
  // Leaving a cell for a surface that shows no hint clears the bar; the
  // next control entered shows its own.
  connect(sd991, &TPICSD33::cellLeave, this, [this](TPicNode*) { ClearStatusHint(); });
  connect(sd991, &TPICSD33::candidateLeave, this, [this](TPicNode*, int) { ClearStatusHint(); });
  // The menu takes the pointer away without a leave event: when it closes,
  // the cell keeps its frame only if the pointer is still over it.
  connect(pp, &QMenu::aboutToHide, this, [this] {
    if (!menuCell_) return;
    const bool over = menuCell_->rect().contains(menuCell_->mapFromGlobal(QCursor::pos()));
    TPICSD33::UpdateLock lock(*sd991);
    menuCell_->setIsEnter(over);
    if (!over) ClearStatusHint();
  });
}

void TForm1::WireHints() {
  // Controls that explain themselves in the status bar, and the surfaces
  // that clear it.
  QList<QWidget*> explaining{cbautoupdate, rb_none, rb_all, rb_one, bt_clearcolor, colorgrid1, chkcolor};
  for (QToolButton* b : disnote) explaining << b;
  for (QToolBar* bar : {ToolBar1, ToolBar2})
    for (QToolButton* b : bar->findChildren<QToolButton*>()) explaining << b;
  // The window filters the whole application's events already: a filter of
  // its own on these as well would see each key press twice.
  for (QWidget* w : explaining) w->setProperty("tessvarHintSource", true);
  for (QWidget* w : QList<QWidget*>{centralWidget(), grpShowCandidates, grpColorPanel, Panel1, ToolBar1, TimeLabel1,
                                     ndtxt})
    w->setProperty("tessvarHintClear", true);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    // The window sees every key before the focused control, once per press.
    const bool propagated = event == lastKeyEvent_ && lastKeyReceiver_ &&
                            static_cast<QWidget*>(lastKeyReceiver_)->parentWidget() == watched;
    lastKeyEvent_ = event;
    lastKeyReceiver_ = watched;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!propagated && game.Paused()) {
      SetPaused(false);
      return true;  // the key that resumes does nothing else
    }
    if (!propagated) {
      // The board's keys act while it has the focus (Space on a check box
      // toggles the box); a key that acts on the board is not also a press
      // of the focused control.
      if (BoardHasFocus() && BoardKey(key->key(), key->modifiers())) return true;
      FormKeyDown(key->key(), key->modifiers(), key->nativeScanCode());
    }
    return false;
  }
  // A control shows its hint while the pointer is over it. Qt sends no
  // enter event to the surface a control sits on when the pointer goes back
  // to it, so leaving the control clears the hint.
  if (event->type() == QEvent::Enter) {
    if (watched->property("tessvarHintSource").toBool())
      ShowStatusHint(HintOf(static_cast<QWidget*>(watched)));
    else if (watched->property("tessvarHintClear").toBool())
      ClearStatusHint();
  } else if (event->type() == QEvent::Leave && (watched == this || watched->property("tessvarHintSource").toBool())) {
    ClearStatusHint();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::ShowDeveloperTools() {
  // Developer tools, for TESSVAR_DEVELOPER=1: the language page and the
  // solver bench, in a menu of their own with untranslated captions.
  QMenu* dev = menuBar()->addMenu("Developer");
  dev->setObjectName("mnDeveloper");
  QAction* page = dev->addAction("Language page");
  page->setObjectName("mnDeveloperPage");
  connect(page, &QAction::triggered, this, [this] {
    auto* w = new DeveloperPage(this, lst1, [this] { ApplyLanguage(this, lst1); }, nullptr);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
  });
  QAction* bench = dev->addAction("Solver bench");
  bench->setObjectName("mnDeveloperSolver");
  connect(bench, &QAction::triggered, this, [this] {
    auto* w = new FrmSol(nullptr);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
  });
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (FormClose())
    event->accept();
  else
    event->ignore();
}

bool TForm1::FormClose() {
  // The last game first, then the settings.
  if (!SaveLastGame()) return false;
  RecordStatistics(true);
  SaveSettings();
  return true;
}

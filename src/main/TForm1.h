#pragma once
// The main window: the frontend of one Game. Handlers are named after their
// component and event; each is one Game call, then Refresh, which shows what
// the game holds, and a message through Dialogs where the game asks for one.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/ControlColors.h"
#include "main/Game.h"
#include "storage/DataFiles.h"
#include "storage/Settings.h"
#include "shell/LanguageTable.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QStatusBar;
class QToolBar;
class QToolButton;
class CoachOverlay;
class CoachPanel;
class RecoveryFile;
struct StoredGame;
class TColorGrid;
class TFrmdas;
class Tfrm_new;
class Tfrmcopy;
class Tfrmprintselect;
class TfrmAppearance;
class QTranslator;
class TPICSD33;
class TPicNode;
class TTimeLabel;
class Tfrmgamelist;
class Tmousepb;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The settings file, read once: the board's colours, the language chosen
  // before, the flag "Auto_check". Start-up runs this; the other windows
  // wait until a command first needs them.
  void LoadSettings();
  // The language the window speaks from the start: the one stored before,
  // else the desktop's ("ja", "zh" or "en").
  static std::string StartLanguage(const std::string& stored);
  // The other windows, each made once (after the settings are read) and
  // kept; each takes its texts from the table active then.
  void CreateOtherWindows();

  // --- game lifecycle ---
  void NewGame(int level);
  void btRestartClick();
  void TimeLabel1Timer();
  // Shows the game: controls, the board in the display mode, the marking
  // paint and the hint over it, the digit bars, the step, branch and
  // command buttons, the clock and the solved marker.
  void Refresh();

  // --- input and display modes ---
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0);
  void SelectMode(DisplayMode mode);
  void disnote1Click(int d, bool down);
  void CellMouseDown(TPicNode* cell, Qt::MouseButton button);
  void CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button);
  void ppPopup(TPicNode* cell);
  void CellMenuClick(QAction* item);
  void ShowStatusHint(const QString& text);
  void ClearStatusHint();
  void ProgressBar1MouseDown(int digit);
  // Keyboard play: arrows move a cursor over the board, Space/Return and
  // Delete/Backspace press at it as the left and right buttons do, the Menu
  // key or Shift+F10 opens its cell menu, Ctrl+Z/Ctrl+Y step through the
  // log. True when the key acted on the board.
  bool BoardKey(int key, Qt::KeyboardModifiers modifiers);
  int CursorCell() const { return game.Cursor(); }
  bool BoardHasFocus() const;
  void FocusBoard();

  // --- marking ---
  void ApplyBackgrounds();
  void SpeedButton1Click();

  // --- check, hint, solve ---
  void btcheckClick();
  void ClearCheckHighlight();
  void btShowhintClick();
  void btsolveClick();

  // --- move log ---
  void btfirstClick();
  void btbackClick();
  void btnextClick();
  void btlastClick();

  // --- branches ---
  void StartBranch();
  void btAcceptClick();
  void btRejectBranchClick();

  // --- the coach (TForm1Coach.cpp) ---
  // Coach (the tool button, Tools > Coach, the key H): the next level of the
  // hint, and after the move the step applied.
  void btCoachClick();
  // Close or Escape: the ladder ends, the drawing goes, the window shrinks.
  void CloseCoach();
  void mnFirstMistakeClick();
  void mnSolvingPathClick();
  void mnStatisticsClick();
  // The game in play goes into stats.dat once it ends (see Game::TakeStatsLine).
  void RecordStatistics(bool atExit);
  // The panel's text and the board's drawing for the ladder's level.
  void ShowCoach();

  // --- pause (TForm1Pause.cpp) ---
  // P, the tool button, Tools > Pause: the clock stops and the board is
  // covered; the same command, a click on the cover or any key resumes.
  void mnPauseClick();
  // Tools > Size: the scale kept in tvcfg.ini, and a restart that keeps the game.
  void mnSizeClick(int scale);
  void SetPaused(bool on);
  // Pauses while one of our modal windows is open (unless already paused).
  class AutoPause {
   public:
    explicit AutoPause(TForm1* form);
    ~AutoPause();
    AutoPause(const AutoPause&) = delete;
    AutoPause& operator=(const AutoPause&) = delete;

   private:
    TForm1* form_;
    bool paused_;
  };
  // --- practice games (TForm1Practice.cpp) ---
  // New Game > Practice: a submenu with an item for each technique that has
  // practice puzzles, named in the active language.
  void CreatePracticeMenu(QMenu* newGame);
  void NamePracticeItems();
  // An item chosen: the replaced game kept, then a practice deal.
  void NewPractice(Technique t);
  // The level label of a practice game: the technique named, shortened to
  // fit, in full in its tool tip.
  void ShowPracticeCaption();

  // --- last game and replays (TForm1Files.cpp) ---
  void mnContinueClick();
  void savetClick();
  void mnLoadReplayClick();
  // Writes the last game and only then drops the recovery file; false when
  // the write failed and the player chose to keep the window open.
  bool SaveLastGame();
  // Before a command replaces a game that has moves: that game becomes the
  // last game, so Continue brings it back. False (the command must change
  // nothing) when it could not be written; the player has been told.
  bool KeepReplacedGame();
  // After the replacement: the status bar says where the old game went.
  void ShowKeptNotice();
  // A new game from start (a deal, a practice puzzle, the editor's puzzle):
  // the old one kept first, then the board shown and focused and the notice
  // said. False when the old game could not be kept or start dealt nothing.
  bool StartNewGame(const std::function<bool()>& start);
  // A lasting line in the status bar (a hover hint does not clear it).
  void ShowNotice(const QString& text);
  // At start-up: a recovery file that a killed run left behind becomes the
  // last game. After a change: the recovery file is rewritten soon.
  void RecoverInterruptedGame();
  void ScheduleRecovery();
  QString LastGamePath() const;
  QString RecoveryPath() const;

  // --- saved games (TForm1Games.cpp) ---
  void btsaveClick();
  void btDisplayYourGameListClick();
  bool OpenStoredGame(const StoredGame& stored);

  // --- appearance and language (TForm1Appearance.cpp) ---
  void mnAppearanceClick();
  void SaveSettings();
  // The settings' colours on the main board, in the current display mode
  // and with the marking paint laid over them again.
  void ApplyAppearance();
  // Loads the table of a language ("ja" built in, "en" lang1.txt, "zh"
  // lang2.txt) and applies it to every window; with store, the choice is
  // kept in the settings file. False (nothing changed) when the language
  // file is missing or unreadable.
  bool SetLanguage(const QString& code, bool store);
  QString LanguageCode() const { return languageCode_; }

  // --- puzzle entry (TForm1Entry.cpp) ---
  void btimportClick();

  // --- output and help (TForm1Output.cpp) ---
  void btcopyClick();
  void btprintableBoardClick();
  void mnContentClick();
  void mnAboutClick();
  void mnj1Click();

  Game game;
  SettingsFile settings;  // tvcfg.ini's lines
  LanguageTable lst1;
  QString dataFolder;
  DataFiles files;  // the data folder's files

  // Components (objectName = member name).
  TPICSD33* sd991 = nullptr;
  TTimeLabel* TimeLabel1 = nullptr;
  QLabel* ndtxt = nullptr;
  QLabel* WC_Label = nullptr;
  QStatusBar* sb1 = nullptr;
  QLabel* sb1Panel = nullptr;
  QLabel* sbNotice = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QWidget* Panel1 = nullptr;
  QGroupBox* grpShowCandidates = nullptr;
  QGroupBox* grpColorPanel = nullptr;
  QRadioButton* rb_none = nullptr;
  QRadioButton* rb_all = nullptr;
  QRadioButton* rb_one = nullptr;
  std::array<QToolButton*, 9> disnote{};
  QCheckBox* cbautoupdate = nullptr;
  QCheckBox* chkcolor = nullptr;
  TColorGrid* colorgrid1 = nullptr;
  QToolButton* bt_clearcolor = nullptr;
  std::array<Tmousepb*, 9> ProgressBar{};
  QMenu* pp = nullptr;
  TFrmdas* Frmdas = nullptr;
  Tfrm_new* frm_new = nullptr;
  Tfrmcopy* frmcopy = nullptr;
  Tfrmprintselect* frmprintselect = nullptr;
  Tfrmgamelist* frmgamelist = nullptr;
  RecoveryFile* recovery_ = nullptr;
  TfrmAppearance* frmAppearance = nullptr;

  QToolButton* btDisplayYourGameList = nullptr;
  QToolButton* btsave = nullptr;
  QToolButton* btprintableBoard = nullptr;
  QToolButton* btimport = nullptr;
  std::array<QToolButton*, 5> btCreate{};  // btCreateVeryEasy .. btCreateDiabolical
  QToolButton* btRestart = nullptr;
  QToolButton* btsolve = nullptr;
  QToolButton* btcopy = nullptr;
  QToolButton* btpaste = nullptr;
  QToolButton* btcheck = nullptr;
  QToolButton* btShowhint = nullptr;
  QToolButton* btStartBranch = nullptr;
  QToolButton* btAccept = nullptr;
  QToolButton* btRejectBranch = nullptr;
  QToolButton* btfirst = nullptr;
  QToolButton* btback = nullptr;
  QToolButton* btnext = nullptr;
  QToolButton* btlast = nullptr;
  QToolButton* btCoach = nullptr;
  QToolButton* btPause = nullptr;
  QAction* mnPause = nullptr;
  QMenu* mnSize = nullptr;
  QLabel* pauseCover = nullptr;
  CoachPanel* coachPanel = nullptr;
  CoachOverlay* coachOverlay = nullptr;
  QAction* mnCoach = nullptr;
  QAction* mnFirstMistake = nullptr;
  QAction* mnSolvingPath = nullptr;
  QMenu* mnPractice = nullptr;
  std::vector<std::pair<Technique, QAction*>> practiceItems;
  QAction* mnStatistics = nullptr;

  QAction* mnExit = nullptr;
  QAction* mnContinue = nullptr;
  QAction* mnAutoCheckNewVersion = nullptr;
  QAction* mnj1 = nullptr;
  QAction* mnSaveCurrentBoard = nullptr;
  QAction* mnDisplayYourGameList1 = nullptr;
  QAction* mnDisplayYourGameList2 = nullptr;
  QAction* mnPrintableBoard = nullptr;
  QAction* mnImportSudoku = nullptr;
  QAction* mnAppearance = nullptr;
  QAction* savet = nullptr;
  QAction* mnLoadReplay = nullptr;
  QAction* mnCopyPuzzleToClipboard = nullptr;
  QAction* mnContent = nullptr;
  QAction* mnAbout = nullptr;
  QMenu* mnLanguage = nullptr;
  std::array<QAction*, 3> mnLanguages{};  // 日本語, English, 中文
  std::array<QAction*, 5> mnLevel{};  // mnVeryEasy .. mnDiabolical

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateMenus();
  void CreateTopToolBar();
  void CreateBoardPanel();
  void CreateCandidateGroup();
  void CreateColorGroup();
  void CreateDigitBars();
  void CreateBottomToolBar();
  void CreateStatusBar();
  void CreateCoach();
  void CreatePause();
  void CreateSizeMenu(QMenu* tools);
  void OpenCoachPanel();
  void SetClientWidth(int width);
  void WireBoard();
  void WireCommands();
  void WireHints();
  QToolButton* AddToolButton(QToolBar* bar, const char* name, const char* icon, const QString& hint);
  void AddToolSeparator(QToolBar* bar, const char* name);
  void RedrawInMode();
  void SyncControls();
  void ShowClock();
  void Announce(const GameOutcome& outcome);
  void ShowDeveloperTools();
  bool FormClose();
  void ReportBadReplay(const QString& path, const ReplayParseResult& parsed);
  bool WriteGameFile(const QString& path);
  void InstallReplay(const ReplayData& replay);

  void CreateLanguageMenu(QMenu* tools);
  void InstallQtTranslations(const QString& locale);

  void ShowCursor();
  bool MoveCursor(int rows, int cols);
  void PressAtCursor(Qt::MouseButton button);

  TPicNode* menuCell_ = nullptr;
  int shownCursor_ = IndexOf(5, 5);  // the cell whose frame shows the cursor
  QString languageCode_ = QStringLiteral("ja");
  bool settingsLoaded_ = false;
  bool keptNotice_ = false;
  bool pausedByMinimise_ = false;
  QString coachNote_;     // a line under the hint: why it cannot be applied, the first mistake
  int mistakeCell_ = -1;  // framed by the next refresh only
  static constexpr int kCoachLeft = 596;  // the documented width; the panel stands right of it
  QTranslator* qtTranslator_ = nullptr;
  // Key events pass the application filter once per widget they propagate
  // to; these tell a propagation step from a new key press.
  const QEvent* lastKeyEvent_ = nullptr;
  QObject* lastKeyReceiver_ = nullptr;
};

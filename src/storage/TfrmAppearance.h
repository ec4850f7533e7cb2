#pragma once
// The appearance window: the board's colours in three groups, each with a
// "Default Color" box and colour swatches, a live preview board, and the
// settings file's lines behind them.

#include <QDialog>
#include <QFrame>
#include <functional>

#include "controls/ControlColors.h"
#include "core/Board.h"
#include "storage/DataFiles.h"
#include "storage/Settings.h"

class LanguageTable;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TPICSD33;

// A colour swatch: a flat panel that shows a colour, draws a border while
// the pointer is over it and reports clicks.
class TColorSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit TColorSwatch(QWidget* parent);
  TColor color() const { return color_; }
  void setColor(TColor c);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TColor color_ = 0;
};

class TfrmAppearance : public QDialog {
  Q_OBJECT

 public:
  // file: the settings' lines, kept by the owner so that they are there
  // before (and without) this window.
  TfrmAppearance(const LanguageTable& table, const DataFiles& files, SettingsFile& file, QWidget* parent = nullptr);

  void SetTexts();
  // Reads the settings file into the line list (resetting a missing or bad
  // file to the defaults and writing it), sets the boxes and swatches and
  // applies them to the preview.
  void LoadAppearance();
  // A board's look with the colours of the settings.
  BoardLook Colours(const BoardLook& look) const { return ResolveColours(settings_, look); }
  SettingsFile& Lines() { return file_; }
  // Writes the line list to the file; the reason when it failed, else "".
  QString WriteSettingsFile();

  // Called on OK, to give the main board the settings' colours.
  std::function<void()> applyToMainBoard;

  QGroupBox* GroupBox1;
  QGroupBox* GroupBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  TColorSwatch* Panel1;
  TColorSwatch* Panel2;
  TColorSwatch* fpanel1;
  TColorSwatch* fpanel2;
  TColorSwatch* fpanel3;
  TColorSwatch* highpanle;
  TPICSD33* sd1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowSettings();
  void ApplyToPreview();
  void ReadBack();
  void SwatchClicked(TColorSwatch* swatch, void (*store)(SettingsFile&, const AppearanceSettings&));
  void Button1Click();
  void Button3Click();

  const LanguageTable& table_;
  const DataFiles& files_;
  Board sample_;  // the preview board's cells
  SettingsFile& file_;
  AppearanceSettings settings_;
};

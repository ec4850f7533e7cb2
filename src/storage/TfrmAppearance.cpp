#include "storage/TfrmAppearance.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "controls/TPICSD33.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "shell/HintWords.h"
#include "shell/LanguageEvents.h"
#include "shell/LanguageTable.h"
#include "shell/Platform.h"

namespace {

// The sample position of the preview, row by row: "*" marks a clue, one
// digit a placed digit, longer strings an open cell's candidates.
constexpr const char* kSample[9][9] = {
    {"48", "*1", "5", "*6", "2", "*9", "48", "3", "*7"},
    {"4689", "48", "*3", "*7", "48", "5", "*2", "1469", "1468"},
    {"246789", "2478", "2679", "148", "*3", "148", "5", "1469", "1468"},
    {"2467", "3", "1267", "489", "4789", "4678", "147", "1467", "*5"},
    {"467", "47", "*8", "5", "*1", "467", "*3", "*2", "9"},
    {"5", "*9", "167", "3", "47", "*2", "147", "*8", "146"},
    {"3", "*6", "79", "*2", "*5", "1478", "14789", "1479", "148"},
    {"*1", "5", "79", "489", "*6", "3", "4789", "479", "*2"},
    {"2789", "278", "*4", "189", "789", "178", "6", "*5", "*3"},
};

void FillSample(Board& b) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      std::string t = kSample[r - 1][c - 1];
      Cell& cell = b.at(r, c);
      cell.isError = false;
      if (t[0] == '*') {
        cell.state = CellState::Given;
        cell.digits = t.substr(1);
      } else {
        cell.state = t.size() == 1 ? CellState::Placed : CellState::Open;
        cell.digits = t;
      }
    }
}

// A stored -1 is no colour: the swatch then shows the built-in one.
TColor Shown(int stored, TColor builtIn) { return stored < 0 ? builtIn : static_cast<TColor>(stored); }

}  // namespace

TColorSwatch::TColorSwatch(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setLineWidth(0);
  setAutoFillBackground(true);
  setCursor(Qt::PointingHandCursor);
}

void TColorSwatch::setColor(TColor c) {
  color_ = c;
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(c));
  setPalette(p);
}

void TColorSwatch::enterEvent(QEnterEvent*) { setLineWidth(1); }
void TColorSwatch::leaveEvent(QEvent*) { setLineWidth(0); }

void TColorSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

TfrmAppearance::TfrmAppearance(const LanguageTable& table, const DataFiles& files, SettingsFile& file,
                               QWidget* parent)
    : QDialog(parent), table_(table), files_(files), file_(file) {
  setObjectName("frmAppearance");
  setFixedSize(652, 446);
  auto group = [this](const char* name, int y, int h) {
    auto* g = new QGroupBox(this);
    g->setObjectName(name);
    g->setGeometry(8, y, 200, h);
    return g;
  };
  auto box = [](QGroupBox* g, const char* name) {
    auto* c = new QCheckBox(g);
    c->setObjectName(name);
    c->setGeometry(10, 20, 180, 20);
    return c;
  };
  auto swatch = [](QGroupBox* g, const char* labelName, QLabel*& label, const char* name, int y) {
    label = new QLabel(g);
    label->setObjectName(labelName);
    label->setGeometry(10, y, 110, 22);
    auto* s = new TColorSwatch(g);
    s->setObjectName(name);
    s->setGeometry(128, y, 60, 22);
    return s;
  };
  GroupBox1 = group("GroupBox1", 8, 106);
  CheckBox1 = box(GroupBox1, "CheckBox1");
  Panel1 = swatch(GroupBox1, "Label1", Label1, "Panel1", 46);
  Panel2 = swatch(GroupBox1, "Label2", Label2, "Panel2", 74);
  GroupBox2 = group("GroupBox2", 122, 134);
  CheckBox2 = box(GroupBox2, "CheckBox2");
  fpanel1 = swatch(GroupBox2, "Label3", Label3, "fpanel1", 46);
  fpanel2 = swatch(GroupBox2, "Label4", Label4, "fpanel2", 74);
  fpanel3 = swatch(GroupBox2, "Label5", Label5, "fpanel3", 102);
  GroupBox3 = group("GroupBox3", 264, 78);
  CheckBox3 = box(GroupBox3, "CheckBox3");
  highpanle = swatch(GroupBox3, "Label6", Label6, "highpanle", 46);

  const QFont arial("Arial");
  sd1 = new TPICSD33(this, &sample_, &arial);
  sd1->setObjectName("sd1");
  sd1->move(220, 12);
  sd1->setLook(BoardLook::AppearanceSample());
  sd1->setCellNamer([this](const Cell& c) { return QString::fromStdString(CellSpokenName(c, table_)); });
  FillSample(sample_);
  sd1->RedrawCells();

  auto button = [this](const char* name, int x) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(x, 408, 68, 28);
    return b;
  };
  Button1 = button("Button1", 4);
  Button2 = button("Button2", 76);
  Button3 = button("Button3", 148);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TfrmAppearance::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button3, &QPushButton::clicked, this, &TfrmAppearance::Button3Click);

  // A group's box: store the group, then show it on the preview.
  connect(CheckBox1, &QCheckBox::clicked, this, [this](bool on) {
    settings_.defaultColor = on;
    StoreBackground(file_, settings_);
    ApplyToPreview();
  });
  connect(CheckBox2, &QCheckBox::clicked, this, [this](bool on) {
    settings_.defaultFont = on;
    StoreFontColours(file_, settings_);
    ApplyToPreview();
  });
  connect(CheckBox3, &QCheckBox::clicked, this, [this](bool on) {
    settings_.defaultHighlight = on;
    StoreHighlight(file_, settings_);
    ApplyToPreview();
  });
  for (TColorSwatch* s : {Panel1, Panel2})
    connect(s, &TColorSwatch::clicked, this, [this, s] { SwatchClicked(s, &StoreBackground); });
  for (TColorSwatch* s : {fpanel1, fpanel2, fpanel3})
    connect(s, &TColorSwatch::clicked, this, [this, s] { SwatchClicked(s, &StoreFontColours); });
  connect(highpanle, &TColorSwatch::clicked, this, [this] { SwatchClicked(highpanle, &StoreHighlight); });

  SetTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &TfrmAppearance::SetTexts);
  LoadAppearance();
}

void TfrmAppearance::SetTexts() {
  ApplyWindowTexts(this, "frmAppearance",
                   {"GroupBox1", "CheckBox1", "Label1", "Label2", "GroupBox2", "CheckBox2", "Label3", "Label4",
                    "Label5", "GroupBox3", "CheckBox3", "Label6", "Button1", "Button2", "Button3"},
                   table_);
  sd1->UpdateAccessibleNames();  // the cells' names speak the new language too
}

QString TfrmAppearance::WriteSettingsFile() { return QString::fromStdString(files_.WriteSettings(file_)); }

void TfrmAppearance::LoadAppearance() {
  files_.ReadSettings(file_, settings_);
  ShowSettings();
  ApplyToPreview();
}

void TfrmAppearance::ShowSettings() {
  const BoardLook builtIn = ResolveColours(AppearanceSettings{});
  for (auto [b, on] : {std::pair{CheckBox1, settings_.defaultColor}, std::pair{CheckBox2, settings_.defaultFont},
                       std::pair{CheckBox3, settings_.defaultHighlight}}) {
    const QSignalBlocker quiet(b);
    b->setChecked(on);
  }
  Panel1->setColor(Shown(settings_.boardColor1, builtIn.UNFoucsColor1));
  Panel2->setColor(Shown(settings_.boardColor2, builtIn.UNFoucsColor2));
  fpanel1->setColor(Shown(settings_.fixedNumberColor, builtIn.FONTColor1));
  fpanel2->setColor(Shown(settings_.bigNumberColor, builtIn.FONTColor2));
  fpanel3->setColor(Shown(settings_.candidateColor, builtIn.FONTColor3));
  highpanle->setColor(Shown(settings_.highlightColor, builtIn.highcolor));
}

void TfrmAppearance::ApplyToPreview() {
  const BoardLook c = Colours(sd1->look());
  sd1->setLook(c);
  TPICSD33::UpdateLock lock(*sd1);
  sd1->ShowAllCandidates();
  // A selected 5 shows what the highlight looks like.
  const Board& b = sd1->model();
  sd1->SetBackgrounds(
      [&](int i) { return b.cell(i).digits == "5" ? c.highcolor : sd1->BoxColour(RowOf(i), ColOf(i)); },
      [&](int i, int) { return sd1->BoxColour(RowOf(i), ColOf(i)); });
}

void TfrmAppearance::SwatchClicked(TColorSwatch* swatch, void (*store)(SettingsFile&, const AppearanceSettings&)) {
  if (const auto chosen = AppDialogs().PickColor(this, ToQColor(swatch->color()))) {
    swatch->setColor(ToTColor(*chosen));
    ReadBack();
  }
  store(file_, settings_);
  ApplyToPreview();
}

// The swatches' colours into the settings; an untouched -1 stays -1.
void TfrmAppearance::ReadBack() {
  const BoardLook builtIn = ResolveColours(AppearanceSettings{});
  auto take = [](int& stored, const TColorSwatch* s, TColor builtInColour) {
    if (!(stored < 0 && s->color() == builtInColour)) stored = static_cast<int>(s->color());
  };
  take(settings_.boardColor1, Panel1, builtIn.UNFoucsColor1);
  take(settings_.boardColor2, Panel2, builtIn.UNFoucsColor2);
  take(settings_.fixedNumberColor, fpanel1, builtIn.FONTColor1);
  take(settings_.bigNumberColor, fpanel2, builtIn.FONTColor2);
  take(settings_.candidateColor, fpanel3, builtIn.FONTColor3);
  take(settings_.highlightColor, highpanle, builtIn.highcolor);
}

void TfrmAppearance::Button1Click() {
  ReportWrite(this, table_, QString::fromStdString(files_.SettingsPath()), WriteSettingsFile());
  if (applyToMainBoard) applyToMainBoard();
  accept();
}

void TfrmAppearance::Button3Click() {
  file_.ResetAppearanceDefaults();
  ReportWrite(this, table_, QString::fromStdString(files_.SettingsPath()), WriteSettingsFile());
  LoadAppearance();
}

void TfrmAppearance::showEvent(QShowEvent* event) {
  LoadAppearance();
  QDialog::showEvent(event);
}

// Tools > Size: the whole window at 100, 125, 150 or 200 % through Qt's own
// scaling, which is set before the application exists; a change restarts
// the program, which continues the game from the last-game file.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QScreen>

#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

void TForm1::CreateSizeMenu(QMenu* tools) {
  mnSize = tools->addMenu(QStringLiteral("Size"));
  mnSize->setObjectName("mnSize");
  auto* group = new QActionGroup(this);
  for (int scale : kScales) {
    QAction* a = mnSize->addAction(QStringLiteral("%1 %").arg(scale));
    a->setObjectName(QStringLiteral("mnSize%1").arg(scale));
    a->setCheckable(true);
    a->setData(scale);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, scale] { mnSizeClick(scale); });
  }
  // Only the sizes whose window fits the screen are offered.
  connect(mnSize, &QMenu::aboutToShow, this, [this] {
    const QScreen* screen = this->screen();
    const double now = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    const QSize room = screen ? screen->availableGeometry().size() * (now > 0 ? now : 1.0) : QSize(100000, 100000);
    const QSize documented = frameGeometry().size() / (now > 0 ? now : 1.0);
    for (QAction* a : mnSize->actions()) {
      const double s = a->data().toInt() / 100.0;
      a->setVisible(a->data().toInt() == 100 || (documented.width() * s <= room.width() && documented.height() * s <= room.height()));
      a->setChecked(a->data().toInt() == files.ReadScale());
    }
  });
}

void TForm1::mnSizeClick(int scale) {
  if (scale == files.ReadScale()) return;
  settings.PutSetting("Scale", std::to_string(scale));
  if (!ReportWrite(this, lst1, QString::fromStdString(files.SettingsPath()),
                   QString::fromStdString(files.WriteSettings(settings))))
    return;
  if (!AppDialogs().Confirm(this, TextOf(lst1, "msg_scale_restart"))) return;
  // The close writes the last game; the new program continues it.
  if (!close()) return;
  QProcess next;
  next.setProgram(QCoreApplication::applicationFilePath());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_SCALE_FACTOR"));
  env.insert(QStringLiteral("TESSVAR_CONTINUE"), QStringLiteral("1"));
  next.setProcessEnvironment(env);
  next.startDetached();
}

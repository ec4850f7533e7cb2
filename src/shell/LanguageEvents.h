#pragma once
// One signal for every window that outlives a language switch: the main
// window emits it after the active table changed, and each window that was
// created before sets its texts again.

#include <QObject>

class LanguageEvents : public QObject {
  Q_OBJECT

 signals:
  void changed();
};

LanguageEvents& AppLanguageEvents();

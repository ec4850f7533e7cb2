#pragma once
// For the start-up benchmark: ends the process once the first frame has
// been painted and handed to the window system, so that a run measures the
// time until the window has appeared and nothing after it (closing, saving
// the settings, taking the widgets down). Quitting straight after show()
// would end before any painting, on some platforms before the window is
// even mapped.

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

class QuitAfterFirstFrame : public QObject {
 public:
  explicit QuitAfterFirstFrame(QCoreApplication* app) : QObject(app) {
    app->installEventFilter(this);
    // A platform that never paints still ends.
    QTimer::singleShot(5000, app, &QuitAfterFirstFrame::End);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painting_) {
      painting_ = true;
      // Queued behind the rest of this frame: its other widgets and the flush.
      QTimer::singleShot(0, qApp, &QuitAfterFirstFrame::End);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static void End() {
    QGuiApplication::sync();  // the window system has the frame
    _exit(0);
  }

  bool painting_ = false;
};

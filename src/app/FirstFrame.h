#pragma once
// For the start-up benchmark: quits once the first frame has been painted,
// so that a run lasts until the window has appeared. (Quitting straight
// after show() ends before any painting, on some platforms before the window
// is even mapped.)

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

class QuitAfterFirstFrame : public QObject {
 public:
  explicit QuitAfterFirstFrame(QCoreApplication* app) : QObject(app) {
    app->installEventFilter(this);
    // A platform that never paints still ends.
    QTimer::singleShot(5000, app, &QCoreApplication::quit);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painting_) {
      painting_ = true;
      // Queued behind the rest of this frame: its other widgets and the flush.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painting_ = false;
};

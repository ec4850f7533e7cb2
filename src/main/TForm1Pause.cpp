// Pause: the clock stops and the board is covered until the player comes
// back. Minimising the window and our own modal windows pause by themselves.

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "controls/TTimeLabel.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"

namespace {

// Covers the board while the game is paused: no digit or candidate shows.
class PauseCover : public QLabel {
 public:
  PauseCover(QWidget* parent, std::function<void()> resume) : QLabel(parent), resume_(std::move(resume)) {
    setObjectName("pauseCover");
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(70, 80, 110));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    QFont f = font();
    f.setPointSize(16);
    setFont(f);
    hide();
  }

 protected:
  void mousePressEvent(QMouseEvent*) override { resume_(); }

 private:
  std::function<void()> resume_;
};

}  // namespace

TForm1::AutoPause::AutoPause(TForm1* form) : form_(form), paused_(!form->game.Paused() && form->game.InProgress()) {
  if (paused_) form_->SetPaused(true);
}

TForm1::AutoPause::~AutoPause() {
  if (paused_) form_->SetPaused(false);
}

void TForm1::CreatePause() {
  pauseCover = new PauseCover(Panel1, [this] { SetPaused(false); });
  pauseCover->setGeometry(Panel1->rect());
}

void TForm1::SetPaused(bool on) {
  if (on == game.Paused() || !game.InProgress()) return;
  if (on) {
    // Over the board and its labels, and the ladder's drawing with it.
    game.Pause();
    // The text's double blank is its paragraph break.
    pauseCover->setText(TextOf(lst1, "msg_paused").replace(QStringLiteral("  "), QStringLiteral("\n\n")));
    pauseCover->setGeometry(Panel1->rect());
    pauseCover->raise();
    pauseCover->show();
  } else {
    game.Resume();
    pauseCover->hide();
  }
  btPause->setChecked(on);
  mnPause->setChecked(on);
  ShowClock();
}

void TForm1::mnPauseClick() { SetPaused(!game.Paused()); }

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    if (isMinimized() && !game.Paused() && game.InProgress()) {
      pausedByMinimise_ = true;
      SetPaused(true);
    } else if (!isMinimized() && pausedByMinimise_) {
      pausedByMinimise_ = false;
      SetPaused(false);
    }
  }
  QMainWindow::changeEvent(event);
}

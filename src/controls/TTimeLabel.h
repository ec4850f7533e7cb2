#pragma once
// The clock: a label that owns a repeating timer. The owner counts: each
// tick raises OnTimer, and the owner's tick handler adds the interval to MS,
// which rewrites the caption as h:m:s without leading zeros.

#include <QLabel>
#include <QTimer>

class TTimeLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(bool timerenabled READ timerenabled WRITE settimerenabled)
  Q_PROPERTY(int timeinterval READ timeinterval WRITE settimeinterval)
  Q_PROPERTY(int MS READ MS WRITE setMS)

 public:
  explicit TTimeLabel(QWidget* parent = nullptr);

  bool timerenabled() const { return timer_.isActive(); }
  void settimerenabled(bool on);
  int timeinterval() const { return timer_.interval(); }
  void settimeinterval(int ms) { timer_.setInterval(ms); }
  int MS() const { return ms_; }
  void setMS(int ms);

  // "h:m:s" for a number of milliseconds, each part without leading zeros.
  static QString Caption(int ms);

  // One tick of the owned timer; the timer calls it.
  void Tick() { emit OnTimer(); }

 signals:
  void OnTimer();

 protected:
  // Painted here rather than by the style: inside a tool bar the style draws
  // a label in the bar's colours, and the clock must stay lime on black.
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  int ms_ = 0;
};

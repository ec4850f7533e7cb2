#include "controls/Tmousepanel.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>

#include "controls/SetIfChanged.h"

namespace {

constexpr TColor kBevelHighlight = kClWhite;
constexpr TColor kBevelShadow = 0x808080;
constexpr TColor kHoverPen = 255;  // red

// The panels of a board share a handful of fonts (the board's font in three
// sizes); handing out one QFont per size lets a painter see that the font of
// the next panel is the one it already has.
QFont SharedFont(const QFont& base, int points) {
  static QHash<QString, QFont> fonts;
  const QString key = base.key() + QLatin1Char('/') + QString::number(points);
  auto it = fonts.constFind(key);
  if (it == fonts.constEnd()) it = fonts.insert(key, WithPointSize(base, points));
  return *it;
}

}  // namespace

Tmousepanel::Tmousepanel(QWidget* parent) : QWidget(parent), paintFont_(font()) {
  // The panel covers its whole rectangle itself: no parent background and
  // no system fill beneath it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  text_.setPerformanceHint(QStaticText::AggressiveCaching);
}

void Tmousepanel::requestRepaint() {
  if (!paintedByOwner_) {
    update();
  } else if (shown_) {
    if (auto* owner = qobject_cast<Tmousepanel*>(parentWidget()))
      owner->requestRepaint();
    else if (parentWidget())
      parentWidget()->update(geometry());
  }
}

void Tmousepanel::setIsEnter(bool on) {
  if (SetIfChanged(isEnter_, on)) requestRepaint();
}

void Tmousepanel::setIsBig(bool on) {
  if (SetIfChanged(isBig_, on) && isEnter_) requestRepaint();
}

void Tmousepanel::setCaption(const QString& text) {
  if (!SetIfChanged(caption_, text)) return;
  captionVisible_ = !text.isEmpty() && text != QLatin1String(" ");
  textDirty_ = true;
  requestRepaint();
}

void Tmousepanel::setColor(TColor c) {
  if (SetIfChanged(color_, c)) requestRepaint();
}

void Tmousepanel::setFontColor(TColor c) {
  if (SetIfChanged(fontColor_, c) && captionVisible()) requestRepaint();
}

void Tmousepanel::setFontSize(int points) {
  if (SetIfChanged(fontSize_, points)) refreshFont();
}

void Tmousepanel::setBevel(bool on) {
  if (SetIfChanged(bevel_, on)) requestRepaint();
}

void Tmousepanel::setPaintedByOwner(bool on) {
  if (!SetIfChanged(paintedByOwner_, on)) return;
  // Transparent to Qt: the owner has drawn what lies beneath.
  setAttribute(Qt::WA_OpaquePaintEvent, !on);
  setAttribute(Qt::WA_TransparentForMouseEvents, on && !shown_);
}

void Tmousepanel::setShown(bool on) {
  if (shown_ == on) return;
  if (!on) requestRepaint();  // while it still counts as drawn
  shown_ = on;
  if (on) requestRepaint();
  if (paintedByOwner_) setAttribute(Qt::WA_TransparentForMouseEvents, !on);
}

QRect Tmousepanel::hoverFrame() const {
  // From (1, 1) to (Width - 2, Height - 2) on a cell. A candidate panel's
  // frame runs to the bottom edge; its last visible row is Height - 1.
  const int bottom = isBig_ ? height() - 2 : height() - 1;
  return QRect(QPoint(1, 1), QPoint(width() - 2, bottom));
}

void Tmousepanel::refreshFont() {
  paintFont_ = SharedFont(font(), fontSize_);
  textDirty_ = true;
  if (captionVisible()) requestRepaint();
}

void Tmousepanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) refreshFont();
  QWidget::changeEvent(event);
}

void Tmousepanel::paintPanel(QPainter& p, QPoint origin, PaintState& state) {
  const int w = width(), h = height();
  const QRect r(origin, size());
  p.fillRect(r, ToQColor(color_));
  if (bevel_) {
    p.setPen(ToQColor(kBevelHighlight));
    p.drawLine(r.left(), r.top(), r.left() + w - 2, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.top() + h - 2);
    p.setPen(ToQColor(kBevelShadow));
    state.pen = kBevelShadow;
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  }
  if (captionVisible()) {
    // A prepared text: no layout or shaping on each of the many repaints.
    if (textDirty_) {
      text_.setText(caption_);
      text_.prepare(QTransform(), paintFont_);
      textSize_ = text_.size();
      textDirty_ = false;
    }
    const QSizeF ts = textSize_;
    if (!state.font || !state.font->isCopyOf(paintFont_)) {
      p.setFont(paintFont_);
      state.font = &paintFont_;
    }
    if (state.pen != fontColor_) {
      p.setPen(ToQColor(fontColor_));
      state.pen = fontColor_;
    }
    p.drawStaticText(QPointF(r.left() + (w - ts.width()) / 2, r.top() + (h - ts.height()) / 2), text_);
  }
  if (isEnter_) {
    // One-pixel lines on the pixel rows and columns of the frame.
    const QRect f = hoverFrame().translated(origin);
    p.setPen(ToQColor(kHoverPen));
    state.pen = kHoverPen;
    p.drawLine(f.topLeft(), f.topRight());
    p.drawLine(f.topLeft(), f.bottomLeft());
    p.drawLine(f.topRight(), f.bottomRight());
    p.drawLine(f.bottomLeft(), f.bottomRight());
  }
}

void Tmousepanel::paintEvent(QPaintEvent*) {
  if (paintedByOwner_) return;
  QPainter p(this);
  PaintState state;
  paintPanel(p, QPoint(0, 0), state);
}

void Tmousepanel::mousePressEvent(QMouseEvent* event) {
  // Taken here: a press on a candidate panel never reaches its cell.
  event->accept();
  emit mouseDown(event->button());
}

void Tmousepanel::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (isEnabled()) emit mouseEnter();
}

void Tmousepanel::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (isEnabled()) emit mouseLeave();
}

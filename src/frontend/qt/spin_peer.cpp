#include "frontend/qt/spin_peer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QStyleOptionButton>

#include "frontend/qt/control_accessible.h"
#include "frontend/qt/widget_peer.h"

namespace slumbrix {
namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

}  // namespace

SpinPeer::SpinPeer(FormWindow& window, VScrollBar& bar, QWidget* parent)
    : QWidget(parent), QtPeer(bar), window_(window) {
  // Arrows that are no tab stop (those of a number field, reached through the field) take no
  // focus from a click either: it stays where the user was typing.
  setFocusPolicy(bar.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  repeat_.setTimerType(Qt::PreciseTimer);
  connect(&repeat_, &QTimer::timeout, this, [this] {
    repeat_.setInterval(kRepeatIntervalMs);
    step(pressed_);
  });
  initializeWidget(window, *this, *this, bar, {});
}

void SpinPeer::propertyChanged(Control& control, Property property) {
  // The value has no picture of its own: the field beside the arrows shows the number.
  if (property == Property::Enabled && !control.Enabled()) {
    repeat_.stop();
    pressed_ = Arrow::None;
  }
  applyCommon(window_, *this, control, property);
  reportAccessibleChange(*this, control, property);
  update();
}

SpinPeer::Arrow SpinPeer::arrowAt(const QPoint& pos) const {
  if (!rect().contains(pos)) return Arrow::None;
  return pos.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

void SpinPeer::step(Arrow arrow) {
  if (control_ == nullptr) return;
  auto& bar = static_cast<VScrollBar&>(*control_);
  if (arrow == Arrow::Up) bar.arrowUp();
  if (arrow == Arrow::Down) bar.arrowDown();
}

void SpinPeer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int half = height() / 2;
  const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
  for (int i = 0; i < 2; ++i) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = halves[i];
    const Arrow arrow = i == 0 ? Arrow::Up : Arrow::Down;
    button.state |= pressed_ == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
    QStyleOption indicator = button;
    indicator.rect = halves[i].adjusted(2, 2, -2, -2);
    style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                           &indicator, &painter, this);
  }
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void SpinPeer::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = arrowAt(event->position().toPoint());
  update();
  step(pressed_);
  if (pressed_ != Arrow::None) repeat_.start(kRepeatDelayMs);
}

void SpinPeer::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  repeat_.stop();
  pressed_ = Arrow::None;
  update();
}

}  // namespace slumbrix

#include "frontend/qt/simple_peers.h"

#include <qdrawutil.h>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

#include "frontend/qt/appearance_qt.h"
#include "frontend/qt/control_accessible.h"
#include "frontend/qt/qt_text.h"
#include "frontend/qt/widget_peer.h"

namespace slumbrix {
namespace {

// Where a frame's caption starts, from its left edge.
constexpr int kCaptionLeft = 6;

}  // namespace

LabelPeer::LabelPeer(FormWindow& window, Label& label, QWidget* parent)
    : QLabel(parent), QtPeer(label), window_(window) {
  setTextFormat(Qt::PlainText);
  setAlignment(horizontalAlignment(label.alignment) | Qt::AlignTop);
  if (label.borderStyle == BorderStyle::Fixed3D) setFrameStyle(QFrame::Panel | QFrame::Sunken);
  applyColors(*this, label, QPalette::WindowText, QPalette::Window);
  initializeWidget(window, *this, *this, label, {Property::Caption});
}

void LabelPeer::propertyChanged(Control& control, Property property) {
  auto& label = static_cast<Label&>(control);
  if (property == Property::Caption) {
    setText(fromAnsi(label.Caption()));
    reportAccessibleChange(*this, label, property);
    property = Property::Bounds;  // a label that sizes itself follows its text
  }
  if (property == Property::Announcement) return reportAccessibleChange(*this, label, property);
  if (property == Property::Bounds && label.autoSize) {
    const QRect rect = window_.pixelRect(label);
    setGeometry(QRect(rect.topLeft(), sizeHint()));
    return;
  }
  applyCommon(window_, *this, control, property);
  // A label of one line's height keeps its text on that line: wrapped, the rest of a longer
  // text would fall below the label, out of sight.
  const bool wrap = !label.autoSize && height() >= 2 * QFontMetrics(font()).lineSpacing();
  if (wordWrap() != wrap) setWordWrap(wrap);
}

FramePeer::FramePeer(FormWindow& window, Frame& frame, QWidget* parent)
    : QGroupBox(parent), QtPeer(frame), window_(window) {
  applyColors(*this, frame, QPalette::WindowText, QPalette::Window);
  initializeWidget(window, *this, *this, frame, {Property::Caption});
}

void FramePeer::paintEvent(QPaintEvent* /*event*/) {
  // The border runs through the middle of the caption, as the positions inside a frame
  // expect: the content starts right below the caption, not below a title bar of its own.
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const QRect border = rect().adjusted(0, metrics.height() / 2, 0, 0);
  const QString caption = title();
  QRect captionArea;
  if (!caption.isEmpty()) {
    const int width = metrics.size(Qt::TextShowMnemonic, caption).width() + 4;
    captionArea =
        QRect(kCaptionLeft, 0, std::min(width, std::max(0, this->width() - 8)), metrics.height());
  }
  painter.save();
  painter.setClipRegion(QRegion(rect()) - captionArea);
  qDrawShadeRect(&painter, border, palette(), true, 1, 0);
  painter.restore();
  if (!captionArea.isEmpty())
    style()->drawItemText(&painter, captionArea.adjusted(2, 0, -2, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::WindowText);
}

void FramePeer::propertyChanged(Control& control, Property property) {
  if (property == Property::Caption) setTitle(fromAnsi(static_cast<Frame&>(control).Caption()));
  applyCommon(window_, *this, control, property);
}

ButtonPeer::ButtonPeer(FormWindow& window, CommandButton& button, QWidget* parent)
    : QPushButton(parent), QtPeer(button), window_(window) {
  setAutoDefault(false);
  applyColors(*this, button, QPalette::ButtonText, QPalette::Button);
  connect(this, &QPushButton::clicked, this, [this] {
    if (control_ != nullptr) static_cast<CommandButton*>(control_)->click();
  });
  initializeWidget(window, *this, *this, button, {Property::Caption});
}

void ButtonPeer::propertyChanged(Control& control, Property property) {
  if (property == Property::Caption)
    setText(fromAnsi(static_cast<CommandButton&>(control).Caption()));
  applyCommon(window_, *this, control, property);
}

CheckBoxPeer::CheckBoxPeer(FormWindow& window, CheckBox& box, QWidget* parent)
    : QCheckBox(parent), QtPeer(box), window_(window) {
  applyColors(*this, box, QPalette::WindowText, QPalette::Window);
  initializeWidget(window, *this, *this, box, {Property::Caption, Property::Value});
}

void CheckBoxPeer::propertyChanged(Control& control, Property property) {
  auto& box = static_cast<CheckBox&>(control);
  if (property == Property::Caption) setText(fromAnsi(box.Caption()));
  if (property == Property::Value)
    setCheckState(box.Value() == 0   ? Qt::Unchecked
                  : box.Value() == 1 ? Qt::Checked
                                     : Qt::PartiallyChecked);
  applyCommon(window_, *this, control, property);
}

void CheckBoxPeer::nextCheckState() {
  if (control_ == nullptr) return;
  auto& box = static_cast<CheckBox&>(*control_);
  box.click();
  if (control_ != nullptr) propertyChanged(box, Property::Value);
}

OptionPeer::OptionPeer(FormWindow& window, OptionButton& option, QWidget* parent)
    : QRadioButton(parent), QtPeer(option), window_(window) {
  setAutoExclusive(false);
  applyColors(*this, option, QPalette::WindowText, QPalette::Window);
  initializeWidget(window, *this, *this, option, {Property::Caption, Property::Value});
}

void OptionPeer::propertyChanged(Control& control, Property property) {
  auto& option = static_cast<OptionButton&>(control);
  if (property == Property::Caption) setText(fromAnsi(option.Caption()));
  if (property == Property::Value) setChecked(option.Value());
  applyCommon(window_, *this, control, property);
}

void OptionPeer::nextCheckState() {
  if (control_ == nullptr) return;
  auto& option = static_cast<OptionButton&>(*control_);
  option.click();
  if (control_ != nullptr) propertyChanged(option, Property::Value);
}

ComboPeer::ComboPeer(FormWindow& window, ComboBox& combo, QWidget* parent)
    : QComboBox(parent), QtPeer(combo), window_(window) {
  setEditable(false);
  applyColors(*this, combo, QPalette::Text, QPalette::Base);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (control_ == nullptr) return;
    static_cast<ComboBox*>(control_)->choose(index);
    // The list shows what the model chose, also when it refused.
    if (control_ != nullptr) showChoice();
  });
  connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& added) { itemSelected(added); });
  initializeWidget(window, *this, *this, combo, {Property::List});
}

void ComboPeer::itemSelected(const QItemSelection& added) {
  // While the list is open, moving through it chooses nothing until Enter or a click; closed,
  // only a screen reader selects in it, and that is a choice like a click.
  if (control_ == nullptr || showing_ || view()->isVisible()) return;
  const QModelIndexList rows = added.indexes();
  auto& combo = static_cast<ComboBox&>(*control_);
  if (!rows.isEmpty() && rows.last().row() != combo.ListIndex()) combo.choose(rows.last().row());
  if (control_ != nullptr) showChoice();
}

void ComboPeer::propertyChanged(Control& control, Property property) {
  auto& combo = static_cast<ComboBox&>(control);
  if (property == Property::List) {
    const QSignalBlocker blocker(this);
    clear();
    for (int i = 0; i < combo.ListCount(); ++i) addItem(fromAnsi(combo.List(i)));
    showChoice();
  }
  if (property == Property::ListIndex) showChoice();
  applyCommon(window_, *this, control, property);
}

void ComboPeer::showChoice() {
  const QSignalBlocker blocker(this);
  showing_ = true;
  const int index = static_cast<ComboBox*>(control_)->ListIndex();
  setCurrentIndex(index);
  // The list's own selection shows the model's choice too, also after a refused one.
  if (index >= 0)
    view()->selectionModel()->select(model()->index(index, modelColumn()),
                                     QItemSelectionModel::ClearAndSelect);
  else
    view()->selectionModel()->clearSelection();
  showing_ = false;
}

}  // namespace slumbrix

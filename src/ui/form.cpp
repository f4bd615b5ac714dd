#include "ui/form.h"

#include <algorithm>

#include "ui/buttons.h"
#include "ui/text_box.h"

namespace slumbrix {
namespace {

bool takesFocus(const Control& control) {
  switch (control.kind()) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::ComboBox:
    case ControlKind::VScrollBar:
      return true;
    case ControlKind::OptionButton:
      // A group of option buttons is one stop of the tab order.
      return static_cast<const OptionButton&>(control).isGroupTabStop();
    default:
      return false;
  }
}

}  // namespace

Form::Form(std::string name, WindowSystem& windowSystem)
    : Control(ControlKind::Form, std::move(name)), windowSystem_(windowSystem) {}

void Form::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

Control* Form::ref_ptr(std::unique_ptr<Control> control) {
  raw_.push_back(control.get());
  controls_.push_back(std::move(control));
  return raw_.back();
}

Control* Form::find(const std::string& name, int index) const {
  for (Control* c : raw_)
    if (c->name() == name && c->index() == index) return c;
  return nullptr;
}

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  windowSystem_.createPeers(*this);
  if (Load) Load();
}

void Form::show() {
  load();
  shown_ = true;
  windowSystem_.showForm(*this, nullptr);
}

void Form::showModal(Form& owner) {
  load();
  releaseModal();
  modalOwner_ = &owner;
  owner.modalChild_ = this;
  shown_ = true;
  windowSystem_.showForm(*this, &owner);
}

void Form::releaseModal() {
  if (modalOwner_ != nullptr && modalOwner_->modalChild_ == this)
    modalOwner_->modalChild_ = nullptr;
  modalOwner_ = nullptr;
}

Form::~Form() {
  // A form that goes while loaded takes its window and peers (its timers above all) with it.
  if (modalChild_ != nullptr) modalChild_->modalOwner_ = nullptr;
  releaseModal();
  if (loaded_) windowSystem_.destroyPeers(*this);
}

void Form::hide() {
  releaseModal();
  if (!loaded_) return;
  shown_ = false;
  windowSystem_.hideForm(*this);
}

void Form::minimize() {
  releaseModal();
  if (!loaded_) return;
  shown_ = true;
  windowSystem_.minimizeForm(*this);
}

bool Form::unload() {
  if (!loaded_) return true;
  std::int16_t cancel = 0;
  if (Unload) Unload(cancel);
  if (cancel != 0 || !loaded_) return cancel == 0;
  releaseModal();
  if (modalChild_ != nullptr) {
    modalChild_->modalOwner_ = nullptr;
    modalChild_ = nullptr;
  }
  shown_ = false;
  loaded_ = false;
  windowSystem_.hideForm(*this);
  windowSystem_.destroyPeers(*this);
  return true;
}

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> order;
  for (Control* c : raw_)
    if (c->tabStop && takesFocus(*c) && c->isUsable()) order.push_back(c);
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return order;
}

Control* Form::tab(const Control* from, bool forward) {
  const std::vector<Control*> order = tabOrder();
  if (order.empty()) return nullptr;
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t at = std::find(order.begin(), order.end(), from) - order.begin();
  std::ptrdiff_t next = 0;
  if (at == count) {
    next = forward ? 0 : count - 1;
  } else {
    next = (at + (forward ? 1 : count - 1)) % count;
  }
  Control* target = order[static_cast<std::size_t>(next)];
  if (target->kind() == ControlKind::TextBox) static_cast<TextBox*>(target)->selectAll();
  return target;
}

bool Form::keyPress(std::int16_t keyAscii) {
  if (!takesInput()) return false;
  if (KeyPress) KeyPress(keyAscii);
  return true;
}

bool Form::mouseMove(int button, int shift, double x, double y) {
  if (!loaded_) return false;
  if (MouseMove) MouseMove(button, shift, x, y);
  return true;
}

bool Form::taskbarCreated() {
  if (!loaded_) return false;
  if (TaskbarCreated) TaskbarCreated();
  return true;
}

bool Form::taskbarGone() {
  if (!loaded_) return false;
  if (TaskbarGone) TaskbarGone();
  return true;
}

bool Form::requestClose() {
  // The close box belongs to the window, so an open modal window blocks it like any input.
  if (!takesInput()) return false;
  return unload();
}

}  // namespace slumbrix

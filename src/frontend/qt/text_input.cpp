#include <QMenu>

#include "frontend/qt/qt_text.h"
#include "frontend/qt/text_peers.h"

namespace slumbrix {

bool TextInput::syncSelection() {
  TextBox* box = textBox();
  if (box == nullptr) return false;
  const auto [start, length] = widgetSelection();
  if (box->SelStart() == start && box->SelLength() == length) return true;
  return box->select(start, length);
}

void TextInput::typeText(const QString& text) {
  for (QChar c : text) {
    if (c.unicode() > 0xFF || textBox() == nullptr || !syncSelection()) continue;
    textBox()->typeChar(static_cast<std::int16_t>(c.unicode()));
  }
}

void TextInput::showContextMenu(QWidget& widget, const QPoint& globalPos) {
  TextBox* box = textBox();
  if (box == nullptr || !syncSelection()) return;
  const TextBox::EditCommands offered = box->editCommands();
  // Each command acts on the selection the model holds when it is chosen.
  const auto onModel = [this](bool (TextBox::*command)()) {
    return [this, command] {
      if (syncSelection()) (textBox()->*command)();
    };
  };
  QMenu menu(&widget);
  QAction* cutAction = menu.addAction(QObject::tr("Cu&t"), onModel(&TextBox::cut));
  QAction* copyAction = menu.addAction(QObject::tr("&Copy"), onModel(&TextBox::copy));
  QAction* pasteAction = menu.addAction(QObject::tr("&Paste"), onModel(&TextBox::pasteClipboard));
  QAction* deleteAction = menu.addAction(QObject::tr("&Delete"), onModel(&TextBox::pressDelete));
  menu.addSeparator();
  QAction* selectAllAction =
      menu.addAction(QObject::tr("Select &All"), onModel(&TextBox::selectAll));
  cutAction->setEnabled(offered.cut);
  copyAction->setEnabled(offered.copy);
  pasteAction->setEnabled(offered.paste);
  deleteAction->setEnabled(offered.remove);
  selectAllAction->setEnabled(offered.selectAll);
  menu.exec(globalPos);
}

}  // namespace slumbrix

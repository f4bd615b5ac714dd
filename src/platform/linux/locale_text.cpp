#include "platform/linux/locale_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace slumbrix {

QString fromLocaleText(std::string_view text) {
  // A stateful decoder keeps the bytes of an unfinished last character for a next call that
  // never comes, so the text ends at the last whole character.
  QStringDecoder decoder(QStringConverter::System);
  return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string toLocaleText(const QString& text) {
  QStringEncoder encoder(QStringConverter::System);
  const QByteArray bytes = encoder(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace slumbrix

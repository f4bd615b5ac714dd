#include "frontend/qt/appearance_qt.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QStringList>
#include <QWidget>

#include "frontend/qt/qt_text.h"
#include "ui/effective_style.h"

namespace slumbrix {
namespace {

const char* const kDefaultFace = "MS Sans Serif";
constexpr double kDefaultPoints = 8.25;

QString resourcePath(const QString& name) {
  if (name.isEmpty()) return {};
  if (QFileInfo(name).isAbsolute()) return QFileInfo::exists(name) ? name : QString();
  for (const QString& candidate :
       {QStringLiteral(":/slumbrix/%1.png").arg(name), QStringLiteral(":/slumbrix/%1").arg(name)}) {
    if (QFile::exists(candidate)) return candidate;
  }
  return {};
}

}  // namespace

void installFontSubstitutions() {
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                         QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed"),
                         QStringLiteral("DejaVu Sans")};
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("System"), sans);
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                              QStringLiteral("DejaVu Serif")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                              QStringLiteral("DejaVu Sans Mono")});
}

namespace {

// The installed family that stands for a face: the face itself, or else the first of its
// substitutes that is installed, the one Qt would settle on. Asked for by that name, a font is
// found at once; asked for by a face that is not installed, Qt first has fontconfig work out a
// list of fallbacks for each such font, a few milliseconds each at start-up.
QString installedFamily(const QString& face) {
  static QHash<QString, QString> known;
  const auto found = known.constFind(face);
  if (found != known.constEnd()) return *found;
  // The list of installed families, not QFontDatabase::hasFamily: for a face that is not
  // installed, that would have fontconfig look for aliases first, which costs more than it saves.
  static const QStringList installed = QFontDatabase::families();
  // The installed spelling of a family, or nothing.
  const auto installedAs = [](const QString& family) -> QString {
    for (const QString& name : installed)
      if (name.compare(family, Qt::CaseInsensitive) == 0) return name;
    return {};
  };
  QString family = installedAs(face);
  if (family.isEmpty()) {
    for (const QString& substitute : QFont::substitutes(face)) {
      family = installedAs(substitute);
      if (!family.isEmpty()) break;
    }
  }
  if (family.isEmpty()) family = face;
  known.insert(face, family);
  return family;
}

}  // namespace

QFont defaultFont() {
  QFont font(installedFamily(QString::fromLatin1(kDefaultFace)));
  font.setPointSizeF(kDefaultPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont fontOf(const Control& control) {
  const Font wanted = effectiveFont(control);
  const QString face =
      wanted.name.empty() ? QString::fromLatin1(kDefaultFace) : fromAnsi(wanted.name);
  QFont font(installedFamily(face));
  font.setPointSizeF(wanted.sizePoints > 0 ? wanted.sizePoints : kDefaultPoints);
  font.setBold(wanted.bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

Qt::Alignment horizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

void applyColors(QWidget& widget, const Control& control, QPalette::ColorRole text,
                 QPalette::ColorRole background) {
  QPalette palette = widget.palette();
  if (control.foreColor) {
    palette.setColor(text, toQColor(*control.foreColor));
    palette.setColor(QPalette::Disabled, text, toQColor(*control.foreColor).lighter(160));
  }
  if (const std::optional<Color> back = effectiveBackColor(control)) {
    palette.setColor(background, toQColor(*back));
    // A colour of its own is painted; one taken from the container shows through from it.
    widget.setAutoFillBackground(control.backColor && background == QPalette::Window);
  }
  widget.setPalette(palette);
}

QPixmap pictureByName(const QString& name) {
  const QString path = resourcePath(name);
  if (path.isEmpty()) return {};
  // The program's own pictures are PNG files, read by Qt's own PNG reader alone. Otherwise
  // every image plugin would be loaded to be asked whether it reads the file, and would stay
  // in memory for the rest of the run.
  if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) return QPixmap::fromImage(image);
  }
  return QPixmap(path);
}

QIcon iconByName(const QString& name) {
  const QPixmap pixmap = pictureByName(name);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

}  // namespace slumbrix

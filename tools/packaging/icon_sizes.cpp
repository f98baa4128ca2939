// Renders the program's icon at the sizes of the desktop's icon theme:
//   quantora_icon_sizes SOURCE.png THEME_DIR NAME SIZE...
// writes THEME_DIR/SIZExSIZE/apps/NAME.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s SOURCE.png THEME_DIR NAME SIZE...\n", argv[0]);
    return 2;
  }
  const QImage source(QString::fromLocal8Bit(argv[1]));
  if (source.isNull()) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size <= 0) {
      std::fprintf(stderr, "%s: bad size %s\n", argv[0], argv[i]);
      return 2;
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    const QString file = folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
    const QImage picture = size == source.width() && size == source.height()
                               ? source
                               : source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!QDir().mkpath(folder) || !picture.save(file, "PNG")) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
      return 1;
    }
  }
  return 0;
}

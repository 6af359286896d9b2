// deckgen: draws the Celestine tarot deck, the splash picture and a review sheet.
//
//   deckgen [--out DIR] [--no-deck] [--splash FILE.jpg] [--contact-sheet FILE.png]
//           [--quality N]

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <vector>

#include "CardCatalog.h"
#include "CardPainter.h"
#include "ContactSheet.h"
#include "JpegWriter.h"
#include "SplashPainter.h"

namespace sibylon::deckgen {
namespace {

struct Options {
  QString out_dir = QStringLiteral(DECKGEN_DEFAULT_OUT);
  QString splash_path;
  QString contact_sheet_path;
  bool write_deck = true;
  int quality = 88;
};

void PrintUsage() {
  std::fputs(
      "usage: deckgen [--out DIR] [--no-deck] [--splash FILE.jpg]\n"
      "               [--contact-sheet FILE.png] [--quality N]\n"
      "Writes DIR/Celestine/{normal,reversed}/<1..78>.jpg and DIR/Celestine/blank/0.jpg.\n",
      stderr);
}

bool ParseOptions(const QStringList& args, Options* options) {
  for (int i = 1; i < args.size(); ++i) {
    const QString& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == QLatin1String("--out") && has_value) {
      options->out_dir = args[++i];
    } else if (arg == QLatin1String("--splash") && has_value) {
      options->splash_path = args[++i];
    } else if (arg == QLatin1String("--contact-sheet") && has_value) {
      options->contact_sheet_path = args[++i];
    } else if (arg == QLatin1String("--quality") && has_value) {
      bool ok = false;
      options->quality = args[++i].toInt(&ok);
      if (!ok || options->quality < 1 || options->quality > 100) return false;
    } else if (arg == QLatin1String("--no-deck")) {
      options->write_deck = false;
    } else {
      return false;
    }
  }
  return true;
}

bool MakeParent(const QString& path) { return QDir().mkpath(QFileInfo(path).absolutePath()); }

class DeckWriter {
 public:
  DeckWriter(const QString& deck_dir, int quality) : deck_dir_(deck_dir), writer_(quality) {}

  bool Write(const QImage& image, const QString& folder, int number) {
    const QString dir = deck_dir_ + QLatin1Char('/') + folder;
    if (!QDir().mkpath(dir)) {
      std::fprintf(stderr, "Cannot create folder %s\n", qPrintable(dir));
      return false;
    }
    const QString path = dir + QLatin1Char('/') + QString::number(number) + QStringLiteral(".jpg");
    QString error;
    if (!writer_.Write(image, path, &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return false;
    }
    ++files_;
    bytes_ += QFileInfo(path).size();
    return true;
  }

  int files() const { return files_; }
  qint64 bytes() const { return bytes_; }

 private:
  QString deck_dir_;
  JpegWriter writer_;
  int files_ = 0;
  qint64 bytes_ = 0;
};

int Run(const Options& options) {
  const CardPainter painter;
  std::vector<QImage> cards;
  cards.reserve(kLastCard + 1);
  for (int number = 0; number <= kLastCard; ++number) cards.push_back(painter.Paint(number));

  if (options.write_deck) {
    DeckWriter deck(options.out_dir + QStringLiteral("/Celestine"), options.quality);
    if (!deck.Write(cards[0], QStringLiteral("blank"), 0)) return 1;
    for (int number = 1; number <= kLastCard; ++number) {
      // A reversed card is the upright picture turned half a circle.
      if (!deck.Write(cards[number], QStringLiteral("normal"), number) ||
          !deck.Write(cards[number].mirrored(true, true), QStringLiteral("reversed"), number)) {
        return 1;
      }
    }
    std::printf("deck: %d files, %lld bytes in %s/Celestine\n", deck.files(),
                static_cast<long long>(deck.bytes()), qPrintable(options.out_dir));
  }

  if (!options.splash_path.isEmpty()) {
    QString error;
    if (!MakeParent(options.splash_path) ||
        !JpegWriter(options.quality).Write(SplashPainter().Paint(), options.splash_path, &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error.isEmpty() ? options.splash_path : error));
      return 1;
    }
    std::printf("splash: %s\n", qPrintable(options.splash_path));
  }

  if (!options.contact_sheet_path.isEmpty()) {
    const QImage sheet = ContactSheet().Compose(cards);
    if (!MakeParent(options.contact_sheet_path) || !sheet.save(options.contact_sheet_path, "PNG")) {
      std::fprintf(stderr, "Cannot write %s\n", qPrintable(options.contact_sheet_path));
      return 1;
    }
    std::printf("contact sheet: %s\n", qPrintable(options.contact_sheet_path));
  }
  return 0;
}

}  // namespace
}  // namespace sibylon::deckgen

int main(int argc, char** argv) {
  // Drawing needs fonts but no screen, so run headless unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  sibylon::deckgen::Options options;
  if (!sibylon::deckgen::ParseOptions(QGuiApplication::arguments(), &options)) {
    sibylon::deckgen::PrintUsage();
    return 2;
  }
  return sibylon::deckgen::Run(options);
}

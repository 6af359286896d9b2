// Importing a deck: every layout from small pictures made here, the trump order, a cancel, pictures
// that are missing or cannot be read, replacing a deck, and the Card Decks page around it.

#include <fcntl.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <ctime>
#include <functional>

#include "app/MainWindow.h"
#include "deck/CardTitles.h"
#include "deckimport/CardFileNames.h"
#include "support/Controls.h"
#include "support/TestAppFolder.h"
#include "ui/reading/DeckImportDialog.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/JpegImage.h"
#include "ui/widgets/MessageBox.h"

using namespace sibylon;
using test::Click;
using test::Find;

namespace {

// A picture tells which file it came from by its colour: identity i (0..80) is a colour of a
// coarse grid that JPEG keeps. Its top-left quarter is black, so a turned picture shows it
// bottom-right.
QColor IdentityColour(int identity) {
  return QColor(40 + (identity % 9) * 24, 40 + (identity / 9) * 24, 200);
}

// The identity of an upright picture, or of a turned one.
int IdentityOf(const QImage& image, bool turned = false) {
  const int x = turned ? image.width() / 4 : image.width() * 3 / 4;
  const int y = turned ? image.height() / 4 : image.height() * 3 / 4;
  const QColor colour = image.pixelColor(x, y);
  const int column = qRound((colour.red() - 40) / 24.0);
  const int row = qRound((colour.green() - 40) / 24.0);
  return row * 9 + column;
}

bool DarkAt(const QImage& image, double x, double y) {
  return image.pixelColor(int(image.width() * x), int(image.height() * y)).lightness() < 40;
}

QImage CardPicture(int identity, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(IdentityColour(identity));
  QPainter painter(&image);
  painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::black);
  return image;
}

void WritePicture(const QString& path, int identity, QSize size = QSize(70, 120)) {
  QDir().mkpath(QFileInfo(path).path());
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == "svg") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QColor colour = IdentityColour(identity);
    file.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                              "height=\"%2\"><rect width=\"100%\" height=\"100%\" fill=\"%3\"/>"
                              "<rect width=\"50%\" height=\"50%\" fill=\"black\"/></svg>")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(colour.name())
                   .toUtf8());
    return;
  }
  QVERIFY2(CardPicture(identity, size).save(path, nullptr, 95), qPrintable(path));
}

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

const char* const kTrumpFiles[22] = {
    "the_fool",         "the_magician", "the_high_priestess", "the_empress", "the_emperor",
    "the_hierophant",   "the_lovers",   "the_chariot",        "strength",    "the_hermit",
    "wheel_of_fortune", "justice",      "the_hanged_man",     "death",       "temperance",
    "the_devil",        "the_tower",    "the_star",           "the_moon",    "the_sun",
    "judgement",        "the_world"};

// A deck in one layout; the picture of traditional position p (0 the Fool .. 77 the King of
// Pentacles) has identity p + 1, the card back identity 79.
struct Layout {
  QString found;  // what the dialog says it found
  std::function<void(const QString& root)> make;
  bool own_numbers = false;  // the program's numbers: identity n is card n
  bool has_back = true;      // a card back (identity 79) for the blank card
};

// The traditional position of the program's card under Strength VIII (the default order).
int PositionOfCard(int card) {
  for (int position = 0; position < 78; ++position) {
    if (PlaceCard(CardOfPosition(position), TrumpOrder::kStrengthEight) == card) return position;
  }
  return -1;
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QImage Picture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeJpeg(file.readAll());
}

CardTitleList Titles() {
  CardTitleList titles;
  for (int card = 0; card < 79; ++card) titles.push_back("Title " + std::to_string(card));
  return titles;
}

// The dialog with `folder` read and its pictures seen.
void ReadFolder(DeckImportDialog& dialog, const QString& folder) {
  auto* edit = Find<QLineEdit>(dialog, "DeckImportFolder");
  edit->setText(folder);
  QTest::keyClick(edit, Qt::Key_Return);
  QTRY_VERIFY(dialog.PreviewReady());
}

void Import(DeckImportDialog& dialog, const QString& name) {
  auto* edit = Find<QLineEdit>(dialog, "DeckImportName");
  edit->clear();
  QTest::keyClicks(edit, name);
  QVERIFY(Find<QPushButton>(dialog, "DeckImportStart")->isEnabled());
  // The main window's dialog is deleted once it closes.
  const QPointer<DeckImportDialog> alive(&dialog);
  Click(dialog, "DeckImportStart");
  QTRY_VERIFY_WITH_TIMEOUT(!alive || !alive->Importing(), 20000);
}

}  // namespace

class DeckImportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { MessageBox::SetTestMode(true); }
  void cleanup() {
    QCOMPARE(MessageBox::TakeShownErrors(), QStringList());
    MessageBox::TakeAskedQuestions();
  }

  void EveryLayoutIsRecognisedAndImported_data() {
    QTest::addColumn<int>("layout");
    int index = 0;
    for (const char* name :
         {"own", "open deck", "numbered 0-77", "numbered 1-78", "named", "scan names"}) {
      QTest::newRow(name) << index++;
    }
  }

  void EveryLayoutIsRecognisedAndImported() {
    QFETCH(int, layout);
    static const char* suits[] = {"wands", "cups", "swords", "pentacles"};
    static const char* codes[] = {"wa", "cu", "sw", "pe"};
    static const char* courts[] = {"PA", "KN", "QU", "KI"};
    const std::vector<Layout> layouts = {
        {"this program's own layout",
         [](const QString& root) {
           for (int card = 1; card <= 78; ++card) {
             WritePicture(root + "/normal/" + QString::number(card) + ".jpg", card);
           }
           // One picture taller than a deck's, its own reversed picture, and the blank card.
           WritePicture(root + "/normal/3.png", 3, QSize(400, 900));
           QFile::remove(root + "/normal/3.jpg");
           WritePicture(root + "/reversed/5.jpg", 80);
           WritePicture(root + "/blank/0.jpg", 79);
         },
         true},
        {"open deck layout (deck.toml), pictures from h1200/",
         [](const QString& root) {
           QFile toml(root + "/deck.toml");
           QDir().mkpath(root);
           QVERIFY(toml.open(QIODevice::WriteOnly));
           toml.write(
               "[deck]\nid = \"t\"\nname = \"Test Garden\"\nauthor = \"A. Painter\"\n"
               "license = \"CC0\"\n");
           for (const QString& folder : {QStringLiteral("h1200"), QStringLiteral("h750")}) {
             for (int trump = 0; trump < 22; ++trump) {
               WritePicture(root + "/" + folder + "/major_arcana/" + Two(trump) + ".png",
                            folder == "h1200" ? trump + 1 : 80);
             }
             for (int suit = 0; suit < 4; ++suit) {
               for (int rank = 1; rank <= 14; ++rank) {
                 const QString name = suit == 1 ? Two(rank) : OpenDeckRankName(rank);
                 WritePicture(root + "/" + folder + "/minor_arcana/" + suits[suit] + "/" + name +
                                  (suit == 3 ? ".webp" : ".png"),
                              folder == "h1200" ? 23 + suit * 14 + rank - 1 : 80);
               }
             }
           }
           WritePicture(root + "/card_backs/classic.png", 79);
         }},
        {"one folder numbered 0-77 in the traditional order",
         [](const QString& root) {
           for (int position = 0; position < 78; ++position) {
             WritePicture(root + "/" + Two(position) + ".jpg", position + 1);
           }
           WritePicture(root + "/back.png", 79);
         }},
        {"one folder numbered 1-78 in the traditional order",
         [](const QString& root) {
           for (int position = 0; position < 78; ++position) {
             WritePicture(root + "/card_" + QString::number(position + 1) + ".webp", position + 1);
           }
         },
         false, false},
        {"one folder named by card",
         [](const QString& root) {
           for (int trump = 0; trump < 22; ++trump) {
             WritePicture(root + "/" + kTrumpFiles[trump] + (trump % 2 ? ".PNG" : ".svg"),
                          trump + 1);
           }
           for (int suit = 0; suit < 4; ++suit) {
             for (int rank = 1; rank <= 14; ++rank) {
               WritePicture(root + "/" + OpenDeckRankName(rank) + (suit % 2 ? "-of-" : "_of_") +
                                suits[suit] + ".jpg",
                            23 + suit * 14 + rank - 1);
             }
           }
           WritePicture(root + "/card-back.jpg", 79);
         }},
        {"one folder named by card",
         [](const QString& root) {
           for (int trump = 0; trump < 22; ++trump) {
             WritePicture(root + "/ar" + Two(trump) + ".jpg", trump + 1);
           }
           for (int suit = 0; suit < 4; ++suit) {
             for (int rank = 1; rank <= 14; ++rank) {
               WritePicture(root + "/" + codes[suit] +
                                (rank <= 10 ? Two(rank) : QString(courts[rank - 11])) + ".jpg",
                            23 + suit * 14 + rank - 1);
             }
           }
         },
         false, false},
    };
    QVERIFY(layout < static_cast<int>(layouts.size()));
    const Layout& chosen = layouts[static_cast<std::size_t>(layout)];

    QTemporaryDir source;
    chosen.make(source.path());
    test::TestAppFolder app;
    DeckImportDialog dialog(app.App().Path(kCardsFolder), Titles());
    dialog.show();
    ReadFolder(dialog, source.path());
    QVERIFY2(Find<QLabel>(dialog, "DeckImportLayout")->text().contains(chosen.found),
             qPrintable(Find<QLabel>(dialog, "DeckImportLayout")->text()));
    QVERIFY2(Find<QLabel>(dialog, "DeckImportSummary")->text().startsWith("78 of 78 cards"),
             qPrintable(Find<QLabel>(dialog, "DeckImportSummary")->text()));
    auto* preview = Find<QTableWidget>(dialog, "DeckImportPreview");
    QCOMPARE(preview->rowCount(), 79);
    QCOMPARE(preview->item(8, 2)->text(), QStringLiteral("Title 8"));
    QVERIFY(!preview->item(8, 1)->icon().isNull());   // a thumbnail
    QVERIFY(!preview->item(8, 4)->text().isEmpty());  // its file
    QSignalSpy imported(&dialog, &DeckImportDialog::DeckImported);
    Import(dialog, "New Deck");
    QCOMPARE(imported.count(), 1);
    QCOMPARE(imported.first().first().toString(), QStringLiteral("New Deck"));
    QVERIFY(!dialog.isVisible());

    // Nothing but the deck in `cards`: no temporary folder stays.
    QCOMPARE(Entries(app.Path("cards")), QStringList("New Deck"));
    const QString deck = app.Path("cards/New Deck/");
    for (int card = 1; card <= 78; ++card) {
      const QImage upright = Picture(deck + "normal/" + QString::number(card) + ".jpg");
      const QImage reversed = Picture(deck + "reversed/" + QString::number(card) + ".jpg");
      QVERIFY2(!upright.isNull() && !reversed.isNull(), qPrintable(QString::number(card)));
      const int identity = chosen.own_numbers ? card : PositionOfCard(card) + 1;
      QCOMPARE(IdentityOf(upright), identity);
      QVERIFY(DarkAt(upright, 0.2, 0.2) && !DarkAt(upright, 0.8, 0.8));
      if (chosen.own_numbers && card == 5) {
        QCOMPARE(IdentityOf(reversed), 80);  // the deck's own reversed picture
      } else {
        // Turned by 180 degrees: the dark quarter at the bottom right.
        QVERIFY2(DarkAt(reversed, 0.8, 0.8) && !DarkAt(reversed, 0.2, 0.2),
                 qPrintable(QString::number(card)));
        QCOMPARE(reversed.size(), upright.size());
      }
      QVERIFY(upright.height() <= 600);
    }
    // Pictures keep their size up to 600 pixels high, a larger one is scaled with its proportions.
    QCOMPARE(Picture(deck + "normal/1.jpg").size(), QSize(70, 120));
    if (chosen.own_numbers) QCOMPARE(Picture(deck + "normal/3.jpg").size(), QSize(267, 600));
    // The blank card from the card back, or a plain card of the deck's size.
    const QImage blank = Picture(deck + "blank/0.jpg");
    QCOMPARE(blank.size(), QSize(70, 120));
    if (!chosen.has_back) {
      QVERIFY(!DarkAt(blank, 0.2, 0.2));
    } else {
      QCOMPARE(IdentityOf(blank), 79);
    }
    QFile info_file(deck + "deck-info.txt");
    QVERIFY(info_file.open(QIODevice::ReadOnly));
    const QByteArray text = info_file.readAll();
    QVERIFY(text.contains("source=" + QDir::cleanPath(source.path()).toUtf8() + "\r\n"));
    if (layout == 1) {
      QVERIFY(text.startsWith("name=Test Garden\r\nauthor=A. Painter\r\nlicense=CC0\r\n"));
    } else {
      QVERIFY(text.startsWith("name=New Deck\r\nauthor=\r\nlicense=\r\n"));
    }
  }

  // The deck's VIII and XI go to the program's Force and Justice as the choice says; names and
  // the program's own numbers need no choice; deck.toml can state it.
  void TheTrumpOrderPlacesStrengthAndJustice() {
    QTemporaryDir source;
    for (int position = 0; position < 78; ++position) {
      WritePicture(source.path() + "/" + Two(position) + ".jpg", position + 1);
    }
    test::TestAppFolder app;
    DeckImportDialog dialog(app.App().Path(kCardsFolder), Titles());
    dialog.show();
    ReadFolder(dialog, source.path());
    auto* order = Find<QComboBox>(dialog, "DeckImportTrumpOrder");
    auto* preview = Find<QTableWidget>(dialog, "DeckImportPreview");
    QVERIFY(order->isEnabled());
    QCOMPARE(order->currentIndex(), 0);  // Strength VIII, Justice XI
    QCOMPARE(preview->item(8, 4)->text(), QStringLiteral("11.jpg"));
    QCOMPARE(preview->item(11, 4)->text(), QStringLiteral("08.jpg"));
    order->setCurrentIndex(1);
    QCOMPARE(preview->item(8, 4)->text(), QStringLiteral("08.jpg"));
    QCOMPARE(preview->item(11, 4)->text(), QStringLiteral("11.jpg"));
    QVERIFY(!preview->item(8, 1)->icon().isNull());
    Import(dialog, "Justice Eight");
    const QString deck = app.Path("cards/Justice Eight/");
    QCOMPARE(IdentityOf(Picture(deck + "normal/8.jpg")), 9);    // the file of VIII
    QCOMPARE(IdentityOf(Picture(deck + "normal/11.jpg")), 12);  // the file of XI

    // Named files fix the cards themselves.
    QTemporaryDir named;
    WritePicture(named.path() + "/strength.jpg", 1);
    WritePicture(named.path() + "/justice.jpg", 2);
    DeckImportDialog second(app.App().Path(kCardsFolder), Titles());
    second.show();
    ReadFolder(second, named.path());
    QVERIFY(!Find<QComboBox>(second, "DeckImportTrumpOrder")->isEnabled());
    QCOMPARE(Find<QTableWidget>(second, "DeckImportPreview")->item(8, 4)->text(),
             QStringLiteral("justice.jpg"));

    // An open deck that says Justice is its VIII.
    QTemporaryDir open_deck;
    WritePicture(open_deck.path() + "/major_arcana/08.png", 1);
    QFile toml(open_deck.path() + "/deck.toml");
    QVERIFY(toml.open(QIODevice::WriteOnly));
    toml.write("[deck]\nname = \"X\"\n[remap_major_arcana]\n08 = \"justice\"\n");
    toml.close();
    DeckImportDialog third(app.App().Path(kCardsFolder), Titles());
    third.show();
    ReadFolder(third, open_deck.path());
    QCOMPARE(Find<QComboBox>(third, "DeckImportTrumpOrder")->currentIndex(), 1);
    QCOMPARE(Find<QTableWidget>(third, "DeckImportPreview")->item(8, 4)->text(),
             QStringLiteral("major_arcana/08.png"));
    QCOMPARE(Find<QLineEdit>(third, "DeckImportName")->text(), QStringLiteral("X"));
  }

  // A cancel leaves nothing behind, however far the import got; the dialog stays for another try.
  void ACancelledImportLeavesNothing() {
    QTemporaryDir source;
    for (int position = 0; position < 78; ++position) {
      WritePicture(source.path() + "/" + Two(position) + ".png", position + 1, QSize(300, 900));
    }
    test::TestAppFolder app("basic");
    DeckImportDialog dialog(app.App().Path(kCardsFolder), Titles());
    dialog.show();
    ReadFolder(dialog, source.path());
    QTest::keyClicks(Find<QLineEdit>(dialog, "DeckImportName"), "X");
    Click(dialog, "DeckImportStart");
    QVERIFY(dialog.Importing());
    QVERIFY(Find<QProgressBar>(dialog, "DeckImportProgress")->isVisible());
    QVERIFY(!Find<QPushButton>(dialog, "DeckImportStart")->isEnabled());
    Click(dialog, "DeckImportCancel");
    QTRY_VERIFY(!dialog.Importing());
    QCOMPARE(Entries(app.Path("cards")), QStringList("TestDeck"));
    QVERIFY(dialog.isVisible());
    QVERIFY(Find<QLabel>(dialog, "DeckImportSummary")->text().contains("cancelled"));
    QVERIFY(Find<QPushButton>(dialog, "DeckImportStart")->isEnabled());

    // Closing the dialog while it writes cancels too, and it closes once the folder is gone.
    Click(dialog, "DeckImportStart");
    QVERIFY(dialog.Importing());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(Entries(app.Path("cards")), QStringList("TestDeck"));
  }

  // Pictures that are missing or cannot be read are named, and the deck is refused unless the
  // blank card fills them.
  void MissingAndUnreadablePictures() {
    QTemporaryDir source;
    for (int position = 0; position < 78; ++position) {
      if (position == 9) continue;  // the Hermit is missing
      WritePicture(source.path() + "/" + Two(position) + ".jpg", position + 1);
    }
    QFile broken(source.path() + "/30.jpg");  // the Nine of Wands
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("\xFF\xD8\xFF not a picture");
    broken.close();
    QFile empty(source.path() + "/40.jpg");  // the Five of Cups
    QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    empty.close();
    WritePicture(source.path() + "/back.jpg", 79);

    test::TestAppFolder app;
    DeckImportDialog dialog(app.App().Path(kCardsFolder), Titles());
    dialog.show();
    ReadFolder(dialog, source.path());
    const QString summary = Find<QLabel>(dialog, "DeckImportSummary")->text();
    QVERIFY2(summary.contains("77 of 78 cards have a picture.") &&
                 summary.contains("No picture: 9.") && summary.contains("Cannot be read: 31, 41."),
             qPrintable(summary));
    auto* preview = Find<QTableWidget>(dialog, "DeckImportPreview");
    QCOMPARE(preview->item(9, 4)->text(), QStringLiteral("no picture"));
    QVERIFY(preview->item(31, 4)->text().startsWith("30.jpg - cannot be read: "));
    QVERIFY(preview->item(41, 4)->text().startsWith("40.jpg - cannot be read: "));

    QTest::keyClicks(Find<QLineEdit>(dialog, "DeckImportName"), "Gaps");
    Click(dialog, "DeckImportStart");
    QVERIFY(!dialog.Importing());
    const QStringList errors = MessageBox::TakeShownErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith("Cards without a picture that can be read: 9, 31, 41."),
             qPrintable(errors.first()));
    QVERIFY(Entries(app.Path("cards")).isEmpty());

    Find<QCheckBox>(dialog, "DeckImportFillBlank")->setChecked(true);
    Import(dialog, "Gaps");
    const QString deck = app.Path("cards/Gaps/");
    QFile blank(deck + "blank/0.jpg");
    QVERIFY(blank.open(QIODevice::ReadOnly));
    const QByteArray blank_bytes = blank.readAll();
    QCOMPARE(IdentityOf(DecodeJpeg(blank_bytes)), 79);
    for (const int card : {9, 31, 41}) {
      QFile filled(deck + "normal/" + QString::number(card) + ".jpg");
      QVERIFY(filled.open(QIODevice::ReadOnly));
      QCOMPARE(filled.readAll(), blank_bytes);
      QCOMPARE(IdentityOf(Picture(deck + "reversed/" + QString::number(card) + ".jpg"), true), 79);
    }
    QCOMPARE(IdentityOf(Picture(deck + "normal/32.jpg")), 32);
  }

  // An existing name asks first; No keeps the old deck, Yes replaces it whole.
  void ReplacingADeck() {
    QTemporaryDir source;
    for (int position = 0; position < 78; ++position) {
      WritePicture(source.path() + "/" + Two(position) + ".jpg", position + 1);
    }
    test::TestAppFolder app("basic");
    const QByteArray old_picture = app.Read("cards/TestDeck/normal/1.jpg");
    DeckImportDialog dialog(app.App().Path(kCardsFolder), Titles());
    dialog.show();
    ReadFolder(dialog, source.path());
    Find<QLineEdit>(dialog, "DeckImportName")->clear();
    QTest::keyClicks(Find<QLineEdit>(dialog, "DeckImportName"), "testdeck");
    MessageBox::SetNextAnswer(QMessageBox::No);
    Click(dialog, "DeckImportStart");
    QCOMPARE(MessageBox::TakeAskedQuestions(),
             QStringList("A deck named \"TestDeck\" exists already.\nReplace it with the "
                         "imported deck?"));
    QVERIFY(!dialog.Importing());
    QCOMPARE(app.Read("cards/TestDeck/normal/1.jpg"), old_picture);

    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(dialog, "DeckImportStart");
    QTRY_VERIFY(!dialog.Importing());
    QCOMPARE(MessageBox::TakeAskedQuestions().size(), 1);
    QCOMPARE(Entries(app.Path("cards")), QStringList("testdeck"));
    QCOMPARE(IdentityOf(Picture(app.Path("cards/testdeck/normal/1.jpg"))), 2);
    QVERIFY(QFile::exists(app.Path("cards/testdeck/normal/78.jpg")));
  }

  // The Card Decks page: the import's deck appears selected and viewed with what it says about
  // itself; Remove Deck asks, never takes the last deck, and leaves a deck selected and viewed.
  void TheCardDecksPage() {
    QTemporaryDir source;
    for (int position = 0; position < 78; ++position) {
      WritePicture(source.path() + "/" + Two(position) + ".jpg", position + 1);
    }
    test::TestAppFolder app("basic");
    // A leftover of an import that an earlier run did not finish.
    app.Write("cards/.Half_Deck.sibylon-tmp-Ab12Cd/normal/1.jpg", "x");
    const QString leftover = app.Path("cards/.Half_Deck.sibylon-tmp-Ab12Cd");
    const timespec earlier[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(leftover).constData(), earlier, 0) == 0);

    MainWindow window(app.App());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!QFileInfo::exists(leftover));
    Find<QTabWidget>(window, "PageControl1")->setCurrentIndex(MainWindow::kCardDecks);
    auto* decks = Find<QListWidget>(window, "FileListBox2");
    auto* info = Find<QLabel>(window, "LabelDeckInfo");
    QCOMPARE(test::Items(decks), QStringList("TestDeck"));
    QVERIFY(!info->isVisible());  // a deck without a deck-info file shows nothing

    Click(window, "ButtonImportDeck");
    auto* dialog = window.findChild<DeckImportDialog*>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    FileDialog::SetNextFileName(source.path());
    Click(*dialog, "DeckImportBrowse");
    QTRY_VERIFY(dialog->PreviewReady());
    Import(*dialog, "Alpha");
    QTRY_VERIFY(!window.findChild<DeckImportDialog*>());
    QCOMPARE(test::Items(decks), QStringList({"Alpha", "TestDeck"}));
    QCOMPARE(decks->selectedItems().size(), 1);
    QCOMPARE(decks->selectedItems().first()->text(), QStringLiteral("Alpha"));
    QVERIFY(app.Read("cards/preview.srml").contains("Alpha/normal/1.jpg"));
    QVERIFY(info->isVisible());
    QVERIFY2(info->text().startsWith("From: "), qPrintable(info->text()));
    QCOMPARE(info->accessibleName(), QStringLiteral("Deck information"));

    // Remove Alpha: asked, then TestDeck takes its place.
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(window, "ButtonRemoveDeck");
    QCOMPARE(MessageBox::TakeAskedQuestions(),
             QStringList("Remove the deck \"Alpha\" with all its pictures?"));
    QCOMPARE(Entries(app.Path("cards")), QStringList({"TestDeck", "preview.srml"}));
    QCOMPARE(test::Items(decks), QStringList("TestDeck"));
    QCOMPARE(decks->selectedItems().first()->text(), QStringLiteral("TestDeck"));
    QVERIFY(app.Read("cards/preview.srml").contains("TestDeck/normal/1.jpg"));
    QVERIFY(!info->isVisible());

    // The last deck stays.
    auto* remove = Find<QPushButton>(window, "ButtonRemoveDeck");
    QVERIFY(!remove->isEnabled());
    QCOMPARE(remove->toolTip(),
             QStringLiteral("The last deck cannot be removed: readings need a deck."));
    Click(window, "ButtonRemoveDeck");
    QCOMPARE(MessageBox::TakeAskedQuestions(), QStringList());
    QCOMPARE(test::Items(decks), QStringList("TestDeck"));
  }
};

QTEST_MAIN(DeckImportTest)
#include "DeckImportTest.moc"

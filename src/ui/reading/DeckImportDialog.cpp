#include "ui/reading/DeckImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstring>
#include <set>

#include "base/AppError.h"
#include "deckimport/DeckFolders.h"
#include "ui/reading/DeckImportJob.h"
#include "ui/reading/DeckPictures.h"
#include "ui/widgets/FileDialog.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

constexpr int kThumbnailHeight = 60;
enum Column { kNumber, kPicture, kTitle, kDeckName, kFile, kColumns };

// The name tables of a deck in the interface's language where it has one.
std::vector<std::string> NameLanguages() {
  if (std::strcmp(SIBYLON_INTERFACE_LANGUAGE, "RU") == 0) return {"ru", "en"};
  return {"en"};
}

QString LayoutText(const DeckScan& scan) {
  const QString from = ToQString(scan.pictures_from);
  switch (scan.layout) {
    case DeckLayout::kOwn:
      return Tr("this program's own layout (normal/, reversed/, blank/)",
                "собственное устройство программы (normal/, reversed/, blank/)");
    case DeckLayout::kOpenDeck:
      return from.isEmpty() ? Tr("open deck layout (deck.toml), pictures beside deck.toml",
                                 "открытый формат колоды (deck.toml), картинки рядом с deck.toml")
                            : Tr("open deck layout (deck.toml), pictures from %1/",
                                 "открытый формат колоды (deck.toml), картинки из %1/")
                                  .arg(from);
    case DeckLayout::kNumbered: {
      QString text = Tr("one folder numbered %1-%2 in the traditional order",
                        "одна папка с номерами %1-%2 в традиционном порядке")
                         .arg(scan.first_number)
                         .arg(scan.first_number + 77);
      if (!from.isEmpty()) text += QStringLiteral(" (%1/)").arg(from);
      return text;
    }
    case DeckLayout::kNamed: {
      QString text = Tr("one folder named by card", "одна папка с названиями карт");
      if (!from.isEmpty()) text += QStringLiteral(" (%1/)").arg(from);
      return text;
    }
    case DeckLayout::kUnknown:
      break;
  }
  return Tr("no card pictures recognised", "картинки карт не найдены");
}

QString CardList(const std::vector<int>& cards) {
  QStringList numbers;
  for (const int card : cards) numbers << QString::number(card);
  return numbers.join(QStringLiteral(", "));
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

DeckImportDialog::DeckImportDialog(std::string cards_folder, CardTitleList titles, QWidget* parent)
    : QDialog(parent), cards_(std::move(cards_folder)), titles_(std::move(titles)) {
  setObjectName(QStringLiteral("DeckImportDialog"));
  setWindowTitle(Tr("Import Deck", "Импорт колоды"));
  resize(760, 600);
  auto* grid = new QGridLayout(this);

  auto* folder_label =
      NamedLabel("DeckImportFolderLabel", Tr("Deck folder:", "Папка колоды:"), this);
  folder_ = NamedEdit("DeckImportFolder", QString(), this);
  folder_->setAccessibleName(Tr("Deck folder", "Папка колоды"));
  folder_->setPlaceholderText(
      Tr("A folder of card pictures: type it and press Enter, or choose it",
         "Папка с картинками карт: введите путь и нажмите Enter или выберите её"));
  folder_label->setBuddy(folder_);
  browse_ = NamedButton("DeckImportBrowse", Tr("Browse…", "Обзор…"), this);
  grid->addWidget(folder_label, 0, 0);
  grid->addWidget(folder_, 0, 1);
  grid->addWidget(browse_, 0, 2);

  auto* name_label = NamedLabel("DeckImportNameLabel", Tr("Deck name:", "Название колоды:"), this);
  name_ = NamedEdit("DeckImportName", QString(), this);
  name_->setAccessibleName(Tr("Deck name", "Название колоды"));
  name_->setMaxLength(static_cast<int>(kMaxDeckNameLength));
  name_label->setBuddy(name_);
  grid->addWidget(name_label, 1, 0);
  grid->addWidget(name_, 1, 1, 1, 2);

  auto* order_label =
      NamedLabel("DeckImportTrumpOrderLabel", Tr("Trump order:", "Порядок арканов:"), this);
  order_ = NamedComboBox("DeckImportTrumpOrder", this);
  order_->addItem(Tr("Strength VIII, Justice XI", "Сила VIII, Справедливость XI"));
  order_->addItem(Tr("Justice VIII, Strength XI", "Справедливость VIII, Сила XI"));
  order_->setAccessibleName(Tr("Trump order", "Порядок арканов"));
  order_->setToolTip(
      Tr("How the deck numbers Strength and Justice; the program's card 8 is "
         "always Justice and card 11 Force.",
         "Как колода нумерует Силу и Справедливость; в программе карта 8 - "
         "всегда Справедливость, карта 11 - Сила."));
  order_label->setBuddy(order_);
  fill_ = NamedCheckBox(
      "DeckImportFillBlank",
      Tr("Fill missing cards with the blank card", "Заменить недостающие карты пустой картой"),
      false, this);
  auto* options = new QHBoxLayout;
  options->addWidget(order_);
  options->addSpacing(16);
  options->addWidget(fill_);
  options->addStretch(1);
  grid->addWidget(order_label, 2, 0);
  grid->addLayout(options, 2, 1, 1, 2);

  layout_ = NamedLabel("DeckImportLayout", QString(), this);
  layout_->setWordWrap(true);
  grid->addWidget(layout_, 3, 0, 1, 3);

  preview_ = new QTableWidget(kCardCount, kColumns, this);
  preview_->setObjectName(QStringLiteral("DeckImportPreview"));
  preview_->setAccessibleName(Tr("Cards and their pictures", "Карты и их картинки"));
  preview_->setHorizontalHeaderLabels({Tr("No.", "№"), Tr("Picture", "Картинка"),
                                       Tr("Title", "Название"), Tr("In the deck", "В колоде"),
                                       Tr("Picture file", "Файл картинки")});
  preview_->verticalHeader()->hide();
  preview_->verticalHeader()->setDefaultSectionSize(kThumbnailHeight + 6);
  preview_->setIconSize(QSize(kThumbnailHeight, kThumbnailHeight));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setSelectionBehavior(QAbstractItemView::SelectRows);
  preview_->setWordWrap(true);
  preview_->setColumnWidth(kNumber, 36);
  preview_->setColumnWidth(kPicture, kThumbnailHeight + 16);
  preview_->setColumnWidth(kTitle, 170);
  preview_->setColumnWidth(kDeckName, 150);
  preview_->horizontalHeader()->setStretchLastSection(true);
  grid->addWidget(preview_, 4, 0, 1, 3);
  grid->setRowStretch(4, 1);

  summary_ = NamedLabel("DeckImportSummary", QString(), this);
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  grid->addWidget(summary_, 5, 0, 1, 3);

  auto* bottom = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("DeckImportProgress"));
  progress_->setAccessibleName(Tr("Import progress", "Ход импорта"));
  progress_->setVisible(false);
  bottom->addWidget(progress_, 1);
  bottom->addStretch(0);
  import_ = NamedButton("DeckImportStart", Tr("Import", "Импортировать"), this);
  cancel_ = NamedButton("DeckImportCancel", Tr("Cancel", "Отмена"), this);
  // Enter in a field reads the folder, it does not start an import.
  for (QPushButton* button : {browse_, import_, cancel_}) button->setAutoDefault(false);
  bottom->addWidget(import_);
  bottom->addWidget(cancel_);
  grid->addLayout(bottom, 6, 0, 1, 3);

  for (int card = 0; card < kCardCount; ++card) {
    preview_->setItem(card, kNumber, Cell(QString::number(card)));
    QString title = card < static_cast<int>(titles_.size())
                        ? ToQString(titles_[static_cast<std::size_t>(card)])
                        : QString();
    if (card == 0 && title.trimmed().isEmpty()) title = Tr("(blank card)", "(пустая карта)");
    preview_->setItem(card, kTitle, Cell(title));
  }
  preview_->setColumnHidden(kDeckName, true);

  OnUserAction(browse_, &QPushButton::clicked, this, &DeckImportDialog::BrowseClicked);
  OnUserAction(folder_, &QLineEdit::returnPressed, this, &DeckImportDialog::ReadFolder);
  OnUserAction(folder_, &QLineEdit::editingFinished, this, &DeckImportDialog::FolderEdited);
  OnUserAction(name_, &QLineEdit::textEdited, this, &DeckImportDialog::NameEdited);
  OnUserAction(order_, &QComboBox::currentIndexChanged, this, &DeckImportDialog::OrderChanged);
  OnUserAction(fill_, &QCheckBox::toggled, this, &DeckImportDialog::ShowSummary);
  OnUserAction(import_, &QPushButton::clicked, this, &DeckImportDialog::ImportClicked);
  OnUserAction(cancel_, &QPushButton::clicked, this, &DeckImportDialog::CancelClicked);
  OnUserAction(&reading_, &QFutureWatcherBase::resultReadyAt, this,
               &DeckImportDialog::ThumbnailRead);
  ShowMapping();
}

DeckImportDialog::~DeckImportDialog() {
  reading_.cancel();
  reading_.waitForFinished();
}

bool DeckImportDialog::PreviewReady() const {
  return !source_.empty() && thumbnails_.size() >= thumbnails_wanted_;
}

bool DeckImportDialog::Importing() const { return job_ && job_->Running(); }

void DeckImportDialog::BrowseClicked() {
  const QString chosen =
      FileDialog::ExistingFolder(this, Tr("Deck folder", "Папка колоды"),
                                 folder_->text().isEmpty() ? QDir::homePath() : folder_->text());
  if (chosen.isEmpty()) return;
  folder_->setText(chosen);
  ReadFolder();
}

void DeckImportDialog::FolderEdited() {
  if (folder_->text() != last_read_) ReadFolder();
}

void DeckImportDialog::ReadFolder() {
  if (Importing()) return;
  // Another folder starts from the usual trump order, unless it states its own.
  const bool another = folder_->text() != last_read_;
  last_read_ = folder_->text();
  reading_.cancel();
  reading_.waitForFinished();
  thumbnails_.clear();
  thumbnails_wanted_ = 0;
  source_.clear();
  scan_ = DeckScan();
  const QString typed = folder_->text().trimmed();
  if (typed.isEmpty()) {
    ShowMapping();
    return;
  }
  std::string folder = ToBytes(QDir::cleanPath(typed));
  if (folder.back() != '/') folder += '/';
  try {
    scan_ = ScanDeckFolder(folder, NameLanguages());
  } catch (...) {
    ShowMapping();
    throw;
  }
  source_ = folder;
  if (scan_.order || another) {
    const QSignalBlocker quiet(order_);
    order_->setCurrentIndex(scan_.order == TrumpOrder::kJusticeEight ? 1 : 0);
  }
  if (!name_typed_) {
    std::string suggested = scan_.info.name;
    if (suggested.empty()) suggested = ToBytes(QDir(ToQString(folder)).dirName());
    name_->setText(ToQString(CleanDeckName(suggested)));
  }

  // Every picture the mapping can take, whatever the trump order, is read once.
  QList<std::string> paths;
  std::set<std::string> wanted;
  if (!scan_.back.empty()) wanted.insert(scan_.back);
  for (const FoundPicture& found : scan_.pictures) wanted.insert(found.path);
  for (const std::string& path : wanted) paths.append(path);
  thumbnails_wanted_ = wanted.size();
  ShowMapping();
  reading_.setFuture(QtConcurrent::mapped(paths, [source = source_](const std::string& path) {
    Thumbnail thumbnail;
    thumbnail.path = path;
    thumbnail.image = ReadCardPicture(ToQString(source + path), kThumbnailHeight, &thumbnail.error);
    return thumbnail;
  }));
}

void DeckImportDialog::ThumbnailRead(int index) {
  const Thumbnail thumbnail = reading_.resultAt(index);
  thumbnails_[thumbnail.path] = thumbnail;
  for (int card = 0; card < kCardCount; ++card) {
    if (mapping_.cards[static_cast<std::size_t>(card)].picture != thumbnail.path) continue;
    QTableWidgetItem* item = Cell(QString());
    if (!thumbnail.image.isNull()) item->setIcon(QIcon(QPixmap::fromImage(thumbnail.image)));
    preview_->setItem(card, kPicture, item);
    if (!thumbnail.error.isEmpty()) {
      QTableWidgetItem* file = Cell(Tr("%1 - cannot be read: %2", "%1 - не читается: %2")
                                        .arg(ToQString(thumbnail.path), thumbnail.error));
      file->setForeground(QColor(0xb0, 0x10, 0x10));
      preview_->setItem(card, kFile, file);
    }
  }
  if (PreviewReady()) ShowSummary();
}

void DeckImportDialog::OrderChanged() { ShowMapping(); }

void DeckImportDialog::NameEdited() {
  name_typed_ = true;
  const QString clean = ToQString(RemoveDeckNameSymbols(ToBytes(name_->text())));
  if (clean != name_->text()) {
    const int cursor = name_->cursorPosition() - (name_->text().size() - clean.size());
    name_->setText(clean);
    name_->setCursorPosition(std::max(0, cursor));
  }
  UpdateButtons();
}

TrumpOrder DeckImportDialog::ChosenOrder() const {
  return order_->currentIndex() == 1 ? TrumpOrder::kJusticeEight : TrumpOrder::kStrengthEight;
}

void DeckImportDialog::ShowMapping() {
  mapping_ = MapDeck(scan_, ChosenOrder());
  order_->setEnabled(mapping_.order_matters);
  bool deck_names = false;
  for (int card = 0; card < kCardCount; ++card) {
    const CardSource& source = mapping_.cards[static_cast<std::size_t>(card)];
    QTableWidgetItem* picture = Cell(QString());
    QTableWidgetItem* file = nullptr;
    if (source.picture.empty()) {
      file = Cell(card == 0 ? Tr("no card back: a plain card of the deck's size",
                                 "нет рубашки: простая карта размера колоды")
                            : Tr("no picture", "нет картинки"));
      if (card > 0) file->setForeground(QColor(0xb0, 0x10, 0x10));
    } else {
      QString text = ToQString(source.picture);
      if (!source.reversed.empty()) {
        text += Tr(" (reversed: %1)", " (перевёрнутая: %1)").arg(ToQString(source.reversed));
      }
      file = Cell(text);
      const auto read = thumbnails_.find(source.picture);
      if (read != thumbnails_.end() && !read->second.image.isNull()) {
        picture->setIcon(QIcon(QPixmap::fromImage(read->second.image)));
      } else if (read != thumbnails_.end()) {
        file = Cell(Tr("%1 - cannot be read: %2", "%1 - не читается: %2")
                        .arg(ToQString(source.picture), read->second.error));
        file->setForeground(QColor(0xb0, 0x10, 0x10));
      }
    }
    preview_->setItem(card, kPicture, picture);
    preview_->setItem(card, kFile, file);
    preview_->setItem(card, kDeckName, Cell(ToQString(source.deck_name)));
    deck_names = deck_names || !source.deck_name.empty();
  }
  preview_->setColumnHidden(kDeckName, !deck_names);
  layout_->setText(source_.empty() ? Tr("Choose the folder that holds the card pictures.",
                                        "Выберите папку с картинками карт.")
                                   : Tr("Found: %1.", "Найдено: %1.").arg(LayoutText(scan_)));
  ShowSummary();
}

std::vector<int> DeckImportDialog::MissingCards(bool unreadable_only) const {
  std::vector<int> cards;
  for (int card = 1; card < kCardCount; ++card) {
    const std::string& picture = mapping_.cards[static_cast<std::size_t>(card)].picture;
    const auto read = thumbnails_.find(picture);
    const bool unreadable = read != thumbnails_.end() && read->second.image.isNull();
    if (unreadable_only ? unreadable : picture.empty()) cards.push_back(card);
  }
  return cards;
}

void DeckImportDialog::ShowSummary() {
  QStringList parts;
  if (!source_.empty()) {
    const std::vector<int> missing = MissingCards(false);
    const std::vector<int> unreadable = MissingCards(true);
    const int pictured = 78 - static_cast<int>(missing.size());
    parts << Tr("%1 of 78 cards have a picture.", "Картинки есть у %1 карт из 78.").arg(pictured);
    if (!missing.empty()) {
      parts << Tr("No picture: %1.", "Нет картинки: %1.").arg(CardList(missing));
    }
    if (!unreadable.empty()) {
      parts << Tr("Cannot be read: %1.", "Не читаются: %1.").arg(CardList(unreadable));
    }
    if ((!missing.empty() || !unreadable.empty()) && !fill_->isChecked()) {
      parts << Tr("Add the pictures, or choose to fill these cards with the blank card.",
                  "Добавьте картинки или замените эти карты пустой картой.");
    }
    if (!scan_.unused.empty()) {
      QStringList names;
      for (std::size_t i = 0; i < scan_.unused.size() && i < 5; ++i) {
        names << ToQString(scan_.unused[i]);
      }
      if (scan_.unused.size() > 5) names << QStringLiteral("...");
      parts << Tr("Not used: %1.", "Не используются: %1.").arg(names.join(QStringLiteral(", ")));
    }
    for (const std::string& problem : scan_.problems) {
      parts << Tr("Cannot be read: %1.", "Не читается: %1.").arg(ToQString(problem));
    }
    if (!PreviewReady()) parts << Tr("Reading the pictures...", "Читаю картинки...");
  }
  summary_->setText(parts.join(QLatin1Char(' ')));
  UpdateButtons();
}

void DeckImportDialog::UpdateButtons() {
  const bool importing = Importing();
  const bool has_cards = MissingCards(false).size() + MissingCards(true).size() < 78;
  import_->setEnabled(!importing && PreviewReady() && has_cards &&
                      !CleanDeckName(ToBytes(name_->text())).empty());
  for (QWidget* input : std::initializer_list<QWidget*>{folder_, browse_, name_, fill_, preview_}) {
    input->setEnabled(!importing);
  }
  order_->setEnabled(!importing && mapping_.order_matters);
}

void DeckImportDialog::ImportClicked() {
  if (Importing() || !PreviewReady()) return;
  const std::string name = CleanDeckName(ToBytes(name_->text()));
  if (name.empty()) return;
  const std::vector<int> missing = MissingCards(false);
  const std::vector<int> unreadable = MissingCards(true);
  if ((!missing.empty() || !unreadable.empty()) && !fill_->isChecked()) {
    std::vector<int> cards = missing;
    cards.insert(cards.end(), unreadable.begin(), unreadable.end());
    std::sort(cards.begin(), cards.end());
    throw AppError(ToBytes(
        Tr("Cards without a picture that can be read: %1. Add their pictures to the folder, or "
           "choose \"Fill missing cards with the blank card\".",
           "Карты без картинки, которую можно прочитать: %1. Добавьте их картинки в папку или "
           "выберите \"Заменить недостающие карты пустой картой\".")
            .arg(CardList(cards))));
  }
  const std::optional<std::string> replaced = ExistingDeck(cards_, name);
  if (replaced && MessageBox::Ask(this, Tr("A deck named \"%1\" exists already.\nReplace it with "
                                           "the imported deck?",
                                           "Колода \"%1\" уже есть.\nЗаменить её "
                                           "импортируемой колодой?")
                                            .arg(ToQString(*replaced))) != QMessageBox::Yes) {
    return;
  }

  DeckImportRequest request;
  request.source = source_;
  request.cards = cards_;
  request.name = name;
  request.replaced = replaced;
  request.mapping = mapping_;
  // A picture that cannot be read counts as missing: the blank card takes its place.
  for (const int card : unreadable) request.mapping.cards[static_cast<std::size_t>(card)] = {};
  const auto back = thumbnails_.find(request.mapping.cards[0].picture);
  if (back != thumbnails_.end() && back->second.image.isNull()) request.mapping.cards[0] = {};
  request.fill_missing = fill_->isChecked();
  request.info = scan_.info;
  if (request.info.name.empty()) request.info.name = name;
  request.info.source = source_.substr(0, source_.size() - 1);

  auto job = std::make_unique<DeckImportJob>(std::move(request));
  connect(job.get(), &DeckImportJob::Progress, this, [this](int done, int steps) {
    progress_->setMaximum(steps);
    progress_->setValue(done);
  });
  OnUserAction(job.get(), &DeckImportJob::Finished, this, &DeckImportDialog::ImportFinished);
  job->Start();
  job_ = std::move(job);
  imported_name_ = ToQString(name);
  progress_->setValue(0);
  progress_->setVisible(true);
  summary_->setText(Tr("Writing the deck...", "Записываю колоду..."));
  UpdateButtons();
  cancel_->setFocus();
}

void DeckImportDialog::CancelClicked() {
  if (Importing()) {
    job_->Cancel();
    summary_->setText(Tr("Cancelling...", "Отменяю..."));
  } else {
    reject();
  }
}

void DeckImportDialog::reject() {
  if (Importing()) {
    close_after_cancel_ = true;
    job_->Cancel();
    return;
  }
  QDialog::reject();
}

void DeckImportDialog::ImportFinished(bool ok, const QString& error) {
  // The job sent this signal: it goes once its call has returned.
  job_.release()->deleteLater();
  progress_->setVisible(false);
  ShowSummary();
  if (ok) {
    emit DeckImported(imported_name_);
    accept();
    return;
  }
  if (close_after_cancel_) {
    QDialog::reject();
    return;
  }
  if (error.isEmpty()) {
    summary_->setText(Tr("The import was cancelled; nothing was written.",
                         "Импорт отменён; ничего не записано."));
    return;
  }
  throw AppError(ToBytes(error));
}

}  // namespace sibylon

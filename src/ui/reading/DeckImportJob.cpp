#include "ui/reading/DeckImportJob.h"

#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>
#include <cerrno>
#include <map>

#include "base/AppError.h"
#include "base/FileBytes.h"
#include "base/FolderTree.h"
#include "deck/CardCatalogue.h"
#include "deckimport/DeckFolders.h"
#include "ui/reading/DeckPictures.h"
#include "ui/widgets/JpegImage.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {
namespace {

using CardResult = DeckImportJob::CardResult;

struct CardTask {
  int card = 0;
  QString picture;
  QString reversed;
};

std::string PicturePath(const std::string& folder, const char* orientation, int card) {
  return CardPicturePath(folder, orientation, CardNumberText(card));
}

QByteArray Encoded(const QImage& image, const std::string& path) {
  const QByteArray bytes = EncodeJpeg(image, kDeckPictureQuality);
  if (bytes.isEmpty()) throw CannotCreateFile(path, EIO);
  return bytes;
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
  WriteNewFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void WritePicture(const QImage& image, const std::string& path) {
  WriteBytes(path, Encoded(image, path));
}

// One card, on a worker thread: its upright picture and its reversed one (the deck's own, else
// the upright one turned by 180 degrees), or the blank card from the card back.
CardResult WriteCard(const CardTask& task, const std::string& folder,
                     const std::atomic<bool>& cancelled) {
  CardResult result;
  result.card = task.card;
  if (cancelled) return result;
  const QImage upright = ReadCardPicture(task.picture, kDeckPictureHeight, &result.error);
  if (upright.isNull()) return result;
  try {
    if (task.card == 0) {
      WritePicture(upright, PicturePath(folder, "blank", 0));
    } else {
      WritePicture(upright, PicturePath(folder, "normal", task.card));
      QImage reversed;
      QString unreadable;
      if (!task.reversed.isEmpty()) {
        reversed = ReadCardPicture(task.reversed, kDeckPictureHeight, &unreadable);
      }
      if (reversed.isNull()) reversed = upright.mirrored(true, true);
      WritePicture(reversed, PicturePath(folder, "reversed", task.card));
    }
    result.size = upright.size();
  } catch (const std::exception& error) {
    result.write_error = ToQString(error.what());
  }
  return result;
}

// The size most cards have: a plain blank card takes it.
QSize DeckSize(const QList<CardResult>& results) {
  std::map<std::pair<int, int>, int> counts;
  for (const CardResult& result : results) {
    if (result.card > 0 && result.size.isValid()) {
      ++counts[{result.size.width(), result.size.height()}];
    }
  }
  std::pair<int, int> size = {360, kDeckPictureHeight};
  int most = 0;
  for (const auto& [candidate, count] : counts) {
    if (count > most) {
      most = count;
      size = candidate;
    }
  }
  return QSize(size.first, size.second);
}

// The last step, on a worker thread: the blank card (unless the card back gave it), the cards
// without a picture filled with it, and the deck-info file. An error text, or nothing.
QString FinishDeck(const QList<CardResult>& results, const std::string& folder,
                   const DeckImportRequest& request, const std::atomic<bool>& cancelled) {
  if (cancelled) return {};
  try {
    const std::string blank_path = PicturePath(folder, "blank", 0);
    QByteArray blank;
    bool have_blank = false;
    std::vector<bool> written(kCardCount, false);
    for (const CardResult& result : results) {
      if (!result.size.isValid()) continue;
      written[static_cast<std::size_t>(result.card)] = true;
      if (result.card == 0) have_blank = true;
    }
    if (have_blank) {
      const std::string bytes = ReadFileBytes(blank_path);
      blank = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else {
      blank = Encoded(PlainCard(DeckSize(results)), blank_path);
      WriteBytes(blank_path, blank);
    }
    QByteArray turned_blank;
    for (int card = 1; card < kCardCount; ++card) {
      if (written[static_cast<std::size_t>(card)]) continue;
      if (!request.fill_missing) {
        return Tr("Card %1 has no picture that can be read.",
                  "У карты %1 нет картинки, которую можно прочитать.")
            .arg(card);
      }
      if (turned_blank.isEmpty()) {
        turned_blank = Encoded(DecodeJpeg(blank).mirrored(true, true), blank_path);
      }
      WriteBytes(PicturePath(folder, "normal", card), blank);
      WriteBytes(PicturePath(folder, "reversed", card), turned_blank);
    }
    WriteNewFile(folder + kDeckInfoFile, DeckInfoText(request.info));
    // The pictures reach the disk before the deck's name does (InstallDeck).
    SyncFileSystem(folder);
  } catch (const std::exception& error) {
    return ToQString(error.what());
  }
  return {};
}

}  // namespace

DeckImportJob::DeckImportJob(DeckImportRequest request, QObject* parent)
    : QObject(parent), request_(std::move(request)) {
  connect(&cards_, &QFutureWatcherBase::progressValueChanged, this,
          [this](int done) { emit Progress(done, steps_); });
  connect(&cards_, &QFutureWatcherBase::finished, this, &DeckImportJob::CardsDone);
  connect(&finish_, &QFutureWatcherBase::finished, this, &DeckImportJob::FinishDone);
}

DeckImportJob::~DeckImportJob() {
  if (!running_) return;
  *cancelled_ = true;
  cards_.cancel();
  cards_.waitForFinished();
  finish_.waitForFinished();
  Stop();
}

void DeckImportJob::Start() {
  folder_ = MakeImportFolder(request_.cards, request_.name);
  running_ = true;
  *cancelled_ = false;
  QList<CardTask> tasks;
  for (int card = 0; card < kCardCount; ++card) {
    const CardSource& source = request_.mapping.cards[static_cast<std::size_t>(card)];
    if (source.picture.empty()) continue;
    tasks.append(
        {card, ToQString(request_.source + source.picture),
         source.reversed.empty() ? QString() : ToQString(request_.source + source.reversed)});
  }
  steps_ = static_cast<int>(tasks.size()) + 1;
  emit Progress(0, steps_);
  cards_.setFuture(
      QtConcurrent::mapped(tasks, [folder = folder_, cancelled = cancelled_](const CardTask& task) {
        return WriteCard(task, folder, *cancelled);
      }));
}

void DeckImportJob::Cancel() {
  if (!running_) return;
  *cancelled_ = true;
  cards_.cancel();
}

void DeckImportJob::CardsDone() {
  if (!running_) return;
  if (*cancelled_) {
    Stop();
    emit Finished(false, QString());
    return;
  }
  const QList<CardResult> results = cards_.future().results();
  for (const CardResult& result : results) {
    if (!result.write_error.isEmpty()) return Fail(result.write_error);
  }
  emit Progress(steps_ - 1, steps_);
  finish_.setFuture(
      QtConcurrent::run([results, folder = folder_, request = request_, cancelled = cancelled_] {
        return FinishDeck(results, folder, request, *cancelled);
      }));
}

void DeckImportJob::FinishDone() {
  if (!running_) return;
  if (*cancelled_) {
    Stop();
    emit Finished(false, QString());
    return;
  }
  const QString error = finish_.result();
  if (!error.isEmpty()) return Fail(error);
  try {
    InstallDeck(folder_, request_.cards, request_.name, request_.replaced);
  } catch (const std::exception& failure) {
    return Fail(ToQString(failure.what()));
  }
  running_ = false;
  emit Progress(steps_, steps_);
  emit Finished(true, QString());
}

void DeckImportJob::Fail(const QString& error) {
  Stop();
  emit Finished(false, error);
}

void DeckImportJob::Stop() {
  running_ = false;
  RemoveFolderTree(folder_);
}

}  // namespace sibylon

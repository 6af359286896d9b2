#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QSize>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "deckimport/DeckInfo.h"
#include "deckimport/DeckMapping.h"

namespace sibylon {

// What an import writes: the chosen folder's pictures as placed on the program's cards.
struct DeckImportRequest {
  std::string source;                   // the chosen folder, with its trailing separator
  std::string cards;                    // the program's cards folder, with its trailing separator
  std::string name;                     // the deck's folder name (CleanDeckName)
  std::optional<std::string> replaced;  // the existing deck folder it replaces, after the question
  DeckMapping mapping;
  bool fill_missing = false;  // cards without a readable picture get the blank card
  DeckInfo info;
};

// Writes a deck on the thread pool: every card is decoded, scaled and written as JPEG (upright,
// and reversed turned by 180 degrees unless the deck has its own), then the blank card, the
// filled cards and the deck-info file; the folder is put in place at the end. Everything goes into
// a temporary folder inside `cards` (MakeImportFolder), which a cancel or a failure removes, so
// no half deck is ever left. The window's thread only starts, follows and finishes it.
class DeckImportJob : public QObject {
  Q_OBJECT

 public:
  explicit DeckImportJob(DeckImportRequest request, QObject* parent = nullptr);
  // A job still running is cancelled and waited for, and its folder removed.
  ~DeckImportJob() override;

  // Makes the temporary folder and starts the work. Fails with "Cannot create file".
  void Start();
  // Stops the work soon: what runs finishes its card, nothing new starts, the folder goes.
  void Cancel();
  bool Running() const { return running_; }
  // Steps of the progress: the cards with a picture, and the finishing step.
  int Steps() const { return steps_; }

  // One card's picture, as a worker thread writes it.
  struct CardResult {
    int card = 0;
    QSize size;           // the written upright picture's size; empty when it could not be read
    QString error;        // why the picture cannot be read
    QString write_error;  // a file that could not be written: the import fails
  };

 signals:
  void Progress(int done, int steps);
  // `ok` when the deck is in place; else `error` says why, or is empty for a cancel.
  void Finished(bool ok, const QString& error);

 private:
  void CardsDone();
  void FinishDone();
  void Fail(const QString& error);
  void Stop();

  DeckImportRequest request_;
  std::string folder_;  // the temporary folder, with its trailing separator
  int steps_ = 0;
  bool running_ = false;
  std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
  QFutureWatcher<CardResult> cards_;
  QFutureWatcher<QString> finish_;
};

}  // namespace sibylon

#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <map>
#include <memory>
#include <string>

#include "deck/CardTitles.h"
#include "deckimport/DeckMapping.h"
#include "deckimport/DeckScan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace sibylon {

class DeckImportJob;

// "Import Deck": a folder of card pictures in any layout the import recognises becomes a deck of
// the program. The dialog shows, before anything is written, which picture each card gets (read
// on the thread pool as thumbnails), and writes the deck with a progress bar that Cancel stops.
class DeckImportDialog : public QDialog {
  Q_OBJECT

 public:
  DeckImportDialog(std::string cards_folder, CardTitleList titles, QWidget* parent = nullptr);
  ~DeckImportDialog() override;

  // Whether every picture of the preview has been read.
  bool PreviewReady() const;
  bool Importing() const;

  // A thumbnail read on a worker thread.
  struct Thumbnail {
    std::string path;  // relative to the chosen folder
    QImage image;
    QString error;  // why the picture cannot be read
  };

 signals:
  // The deck is in place under this folder name.
  void DeckImported(const QString& name);

 protected:
  // Escape, the window's close button and Cancel stop a running import first; the dialog closes
  // once its folder is gone.
  void reject() override;

 private:
  void BrowseClicked();
  void ReadFolder();
  // Leaving the field reads a folder typed there that has not been read yet.
  void FolderEdited();
  void OrderChanged();
  void NameEdited();
  void ImportClicked();
  void CancelClicked();
  void ThumbnailRead(int index);
  void ImportFinished(bool ok, const QString& error);
  void ShowMapping();
  void ShowSummary();
  void UpdateButtons();
  // Cards whose picture is missing or cannot be read, in card order.
  std::vector<int> MissingCards(bool unreadable_only) const;
  TrumpOrder ChosenOrder() const;

  std::string cards_;
  CardTitleList titles_;
  std::string source_;  // the folder read, with its trailing separator
  QString last_read_;   // the folder field's text when it was last read
  DeckScan scan_;
  DeckMapping mapping_;
  std::map<std::string, Thumbnail> thumbnails_;  // by relative path, as they arrive
  std::size_t thumbnails_wanted_ = 0;
  bool name_typed_ = false;  // the user's own name is kept when another folder is read
  bool close_after_cancel_ = false;
  QString imported_name_;
  QFutureWatcher<Thumbnail> reading_;
  std::unique_ptr<DeckImportJob> job_;

  QLineEdit* folder_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* order_ = nullptr;
  QCheckBox* fill_ = nullptr;
  QLabel* layout_ = nullptr;
  QTableWidget* preview_ = nullptr;
  QLabel* summary_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace sibylon

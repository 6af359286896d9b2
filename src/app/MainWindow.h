#pragma once

#include <QMainWindow>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "base/AppFolder.h"
#include "base/StepSequence.h"
#include "deck/CardTitles.h"
#include "reading/ReadingSession.h"
#include "settings/SettingsFile.h"
#include "srml/SectionReader.h"

class QLabel;
class QTabWidget;

namespace sibylon {

class AboutPage;
class CardDecksPage;
class DatabasePage;
class JournalPage;
class DescriptionsEditorPage;
class NewSpreadPage;
class PreferencesPage;
class ReadingPage;
class SpreadEditorPage;
class TitlesEditorPage;

// The program's only working window. It owns the pages and every piece of working data, and runs
// the workflows that span pages (start-up, deal, load, shutdown).
// The settings file is read into it: each line goes to the page that holds it.
class MainWindow : public QMainWindow, private SettingsTarget {
  Q_OBJECT

 public:
  // The window's frame: a title bar with system menu, minimise and close, no maximise.
  static constexpr Qt::WindowFlags kFramedWindow =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

  // Page indexes of PageControl1, in tab order.
  enum Page {
    kNewSpread,
    kReading,
    kDatabase,
    kJournal,
    kSys,
    kCardDecks,
    kPreferences,
    kEditors,
    kAbout
  };

  // Builds the window and runs the start-up sequence on `app`.
  explicit MainWindow(AppFolder app, QWidget* parent = nullptr);
  ~MainWindow() override;

  const AppFolder& App() const { return app_; }

  // The step at which the start-up sequence stopped, if it did.
  const std::optional<StepFailure>& StartupFailure() const { return startup_failure_; }

  // The start-up sequence, in its fixed order.
  std::vector<Step> StartupSteps();

  // The readings' working state: the latest shuffle, the held reading, its deck folder, the titles.
  const std::vector<std::string>& FortuneList() const { return session_.LatestShuffle().fortune; }
  const Lines& HeldReading() const { return session_.HeldReading(); }
  const CardTitleList& Titles() const { return session_.Titles(); }
  const std::string& DeckFolder() const { return session_.DeckFolder(); }
  int ShuffleCounter() const { return session_.ShuffleCount(); }

  // Where each SRML source selector reads from at this moment.
  SectionSources Sources() const;

 public slots:
  // Another start of the program handed over to this one.
  void BringToFront();

  // New Spread page
  void ButtonShuffleClick();  // "Shuffle": a new shuffle, counted
  void ButtonDealClick();     // "Deal": the reading of the latest shuffle
  void Button2Click();        // "Shuffle and Deal"
  void Button7Click();        // "XA ->Shuffle" (SYS): a shuffle that is not counted
  void ListBox3Click();       // a spread chosen: its preview, the buttons, the deck choice
  // "Enter Cards": the cards of a reading laid with the user's own deck, dealt as a shuffle's.
  void ButtonEnterCardsClick();

  // Card titles
  void Action1Execute();  // loads the chosen title set into the editor's fields
  void Action2Execute();  // composes the card titles from the fields
  void Button3Click();    // "Save Current Set as Custom"

  // Reading page and reading file names
  void ButtonFSVClick();       // "Full Screen"
  void ButtonNSVClick();       // "Restore Window"
  void ButtonReturnNSClick();  // "New Spread" in full screen: back to the window and that page
  void PreviewFileName();      // the preview of the file name the template gives now
  void ActionDFNExecute();     // "Restore Default": the restored template and first date pattern

  // Preferences
  void Button1Click();  // "Reset to Default": the window centred, no position remembered

  // Database page
  void Button4Click();   // "Save to Database" (Reading page)
  void Button8Click();   // "Load"
  void Button9Click();   // "Delete"
  void Button11Click();  // "Remove All"
  // Loads and shows the stored reading of a Database entry, as "Load" does.
  void LoadReading(const std::string& entry);

  // Journal page: "Export PDF", the readings of the database files `files` in one PDF.
  void ExportJournalPdf(const std::vector<std::string>& files);

  // Card Decks page: writes and shows the view of the selected deck.
  void Action3CardDeckExecute();
  void ButtonImportDeckClick();  // "Import Deck...": the import dialog
  void ButtonRemoveDeckClick();  // "Remove Deck", after a question; never the last deck
  // An import has put the deck `name` in place: the list is read again, the deck selected and
  // viewed.
  void ShowImportedDeck(const QString& name);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages();
  void ConnectHandlers();
  void CenterOnDesktop();
  // Shows or hides the tab of `page`; no click, key or wheel reaches a hidden one.
  void ShowTab(Page page, bool shown);
  void RemoveSaveLeftovers();
  std::vector<Step> ShutdownSteps();

  // Steps and commands that more than one handler runs.
  void RunShuffleCards();
  void Shuffle();
  void Deal();
  // The deal's steps after the shuffle's: `cards` (the latest shuffle's, or those the user laid)
  // composed into the held reading and shown.
  void DealCards(const ShuffleResult& cards);
  void RefreshSpreadList();
  void FillDeckList();
  void ConnectDeckHandlers();
  // What the selected deck's deck-info file says, under the deck list.
  void ShowDeckInfo(const std::string& deck);
  void ActionLSDExecute();
  void AdjustDeckChoice();
  void TitleChoiceClicked();
  std::string SettingsPath() const;
  void ReadSettings();
  // SettingsTarget
  void SetFlag(SettingsLine line, bool on) override;
  void SelectByName(SettingsLine line, const std::string& name) override;
  void SetDeckPart(const std::string& choice) override;
  void SetText(SettingsLine line, const std::string& text) override;
  void SetIndex(SettingsLine line, int index) override;
  void PlaceWindow(bool remembered, int left, int top) override;
  // Gathers every value first: a value that cannot be gathered fails before anything is written.
  void WriteSettings();
  void MoveOntoScreen(QPoint top_left);
  void ConnectReadingHandlers();
  void ConnectDatabaseHandlers();
  void ConnectJournalHandlers();
  // The document of the journal's export, while it is printed.
  std::string JournalDocumentPath() const;
  std::string DatabaseFolder() const;
  // Reads the database folder into its list, names without ".srml"; nothing stays selected.
  void ReadDatabaseList();
  void PointDatabaseList();    // the file names of the folder, in the list's order
  void StripListExtensions();  // every ".srml" off the list's entries
  void SetUpDatabaseListView();
  void FillDescriptionSetList();
  std::string ReadingPagePath() const;
  // The page settings of this moment, for the page of a deal or a load.
  PageSettings GatherPageSettings();
  // After a deal or load has written its page: the name field, the Reading page, full screen.
  void ShowReading(const QString& file_name);
  // The deck folder of the deck selected on the Card Decks page, after `cards` + `separator`.
  std::string SelectedDeckFolder(const char* separator) const;

  AppFolder app_;
  // Temporary files older than this window are saves that an earlier run did not finish.
  const std::chrono::system_clock::time_point started_ = std::chrono::system_clock::now();
  std::optional<StepFailure> startup_failure_;

  QTabWidget* page_control_ = nullptr;    // PageControl1
  QWidget* full_screen_frame_ = nullptr;  // holds Panel2 in the full-screen layout
  QPoint windowed_position_;              // where the window stood before full screen
  QLabel* status_text_ = nullptr;         // the single panel of StatusBar1
  NewSpreadPage* new_spread_ = nullptr;
  ReadingPage* reading_page_ = nullptr;
  DatabasePage* database_page_ = nullptr;
  JournalPage* journal_page_ = nullptr;
  CardDecksPage* card_decks_ = nullptr;
  PreferencesPage* preferences_ = nullptr;
  TitlesEditorPage* titles_editor_ = nullptr;
  SpreadEditorPage* spread_editor_ = nullptr;
  QTabWidget* editor_pages_ = nullptr;  // PageControl2
  DescriptionsEditorPage* descriptions_editor_ = nullptr;
  AboutPage* about_page_ = nullptr;

  ReadingSession session_;
};

}  // namespace sibylon

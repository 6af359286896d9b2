#include "ui/reading/CardDecksPage.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cstring>

#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/ListSelection.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"
#include "ui/widgets/Translate.h"

namespace sibylon {

CardDecksPage::CardDecksPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet9"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  QGroupBox* group = NamedGroupBox("GroupBox1", QStringLiteral("View / Change Tarot Deck"), this);
  auto* row = new QHBoxLayout(group);
  // The list with what the selected deck says about itself and the buttons that add and remove
  // decks under it.
  auto* column = new QVBoxLayout;
  decks_ = NamedList("FileListBox2", group);
  decks_->setFixedWidth(150);
  NameAfter(decks_, {group});
  column->addWidget(decks_, 1);
  info_ = NamedLabel("LabelDeckInfo", QString(), group);
  info_->setAccessibleName(Tr("Deck information", "Сведения о колоде"));
  info_->setTextFormat(Qt::PlainText);
  info_->setWordWrap(true);
  info_->setFixedWidth(150);
  info_->hide();
  column->addWidget(info_);
  import_ = NamedButton("ButtonImportDeck", Tr("Import Deck…", "Импорт колоды…"), group);
  import_->setFixedWidth(150);
  column->addWidget(import_);
  remove_ = NamedButton("ButtonRemoveDeck", Tr("Remove Deck", "Удалить колоду"), group);
  remove_->setFixedWidth(150);
  column->addWidget(remove_);
  row->addLayout(column);
  view_ = new HtmlView(group);
  view_->setObjectName(QStringLiteral("CppWebBrowser3"));
  row->addWidget(view_, 1);
  layout->addWidget(group);

  connect(decks_, &QListWidget::itemClicked, this, &CardDecksPage::DeckClicked);
  connect(import_, &QPushButton::clicked, this, &CardDecksPage::ImportDeckClicked);
  connect(remove_, &QPushButton::clicked, this, &CardDecksPage::RemoveDeckClicked);
  connect(decks_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && decks_->hasFocus() && QGuiApplication::mouseButtons() == Qt::NoButton) {
      emit DeckClicked();
    }
  });
}

void CardDecksPage::SetDecks(const std::vector<std::string>& decks) {
  decks_->clear();
  for (const std::string& deck : decks) decks_->addItem(ToQString(deck));
  // Readings need a deck, and the settings remember one: the last deck stays.
  remove_->setEnabled(decks_->count() > 1);
  remove_->setToolTip(decks_->count() > 1
                          ? QString()
                          : Tr("The last deck cannot be removed: readings need a deck.",
                               "Последнюю колоду нельзя удалить: для раскладов нужна колода."));
}

void CardDecksPage::SelectDeck(const std::string& name) {
  SelectWithoutCase(decks_, ToQString(name));
}

void CardDecksPage::ShowDeckView(const std::string& path) { view_->Navigate(path); }

void CardDecksPage::ShowDeckInfo(const std::string& deck, const std::optional<DeckInfo>& info) {
  QStringList lines;
  QString details;
  if (info) {
    if (!info->name.empty() && info->name != deck) lines << ToQString(info->name);
    if (!info->author.empty()) {
      lines << Tr("Author: %1", "Автор: %1").arg(ToQString(info->author));
    }
    if (!info->license.empty()) {
      lines << Tr("License: %1", "Лицензия: %1").arg(ToQString(info->license));
    }
    if (!info->source.empty()) {
      const QString source = ToQString(info->source);
      lines << Tr("From: %1", "Из: %1").arg(QDir(source).dirName());
      details = Tr("Imported from %1", "Импортирована из %1").arg(source);
    }
  }
  info_->setText(lines.join(QLatin1Char('\n')));
  info_->setToolTip(details);
  info_->setVisible(!lines.isEmpty());
}

QString CardDecksPage::RemoveQuestion(const std::string& deck) {
  return Tr("Remove the deck \"%1\" with all its pictures?",
            "Удалить колоду \"%1\" со всеми её картинками?")
      .arg(ToQString(deck));
}

QString CardDecksPage::CannotRemoveText(const std::string& deck, int error_number) {
  return Tr("Cannot remove the deck \"%1\". %2", "Не удаётся удалить колоду \"%1\". %2")
      .arg(ToQString(deck), QString::fromLocal8Bit(std::strerror(error_number)));
}

int CardDecksPage::DeckCount() const { return decks_->count(); }

int CardDecksPage::SelectedRow() const {
  const auto selected = decks_->selectedItems();
  return selected.isEmpty() ? -1 : decks_->row(selected.first());
}

void CardDecksPage::SelectRow(int row) {
  const QSignalBlocker quiet(decks_);
  decks_->clearSelection();
  decks_->setCurrentRow(decks_->count() == 0 ? -1 : std::clamp(row, 0, decks_->count() - 1));
}

std::optional<std::string> CardDecksPage::SelectedDeck() const {
  const auto selected = decks_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

}  // namespace sibylon

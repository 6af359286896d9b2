#include "ui/reading/CardDecksPage.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>

#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/ListSelection.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

CardDecksPage::CardDecksPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet9"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  QGroupBox* group = NamedGroupBox("GroupBox1", QStringLiteral("View / Change Tarot Deck"), this);
  auto* row = new QHBoxLayout(group);
  decks_ = NamedList("FileListBox2", group);
  decks_->setFixedWidth(150);
  NameAfter(decks_, {group});
  row->addWidget(decks_);
  view_ = new HtmlView(group);
  view_->setObjectName(QStringLiteral("CppWebBrowser3"));
  row->addWidget(view_, 1);
  layout->addWidget(group);

  connect(decks_, &QListWidget::itemClicked, this, &CardDecksPage::DeckClicked);
  connect(decks_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && decks_->hasFocus() && QGuiApplication::mouseButtons() == Qt::NoButton) {
      emit DeckClicked();
    }
  });
}

void CardDecksPage::SetDecks(const std::vector<std::string>& decks) {
  decks_->clear();
  for (const std::string& deck : decks) decks_->addItem(ToQString(deck));
}

void CardDecksPage::SelectDeck(const std::string& name) {
  SelectWithoutCase(decks_, ToQString(name));
}

void CardDecksPage::ShowDeckView(const std::string& path) { view_->Navigate(path); }

std::optional<std::string> CardDecksPage::SelectedDeck() const {
  const auto selected = decks_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

}  // namespace sibylon

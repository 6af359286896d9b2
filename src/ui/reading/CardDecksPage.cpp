#include "ui/reading/CardDecksPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>

#include "ui/htmlview/HtmlView.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {

CardDecksPage::CardDecksPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet9"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  QGroupBox* group = NamedGroupBox("GroupBox1", QStringLiteral("View / Change Tarot Deck"), this);
  auto* row = new QHBoxLayout(group);
  decks = NamedList("FileListBox2", group);
  decks->setFixedWidth(150);
  NameAfter(decks, {group});
  row->addWidget(decks);
  view = new HtmlView(group);
  view->setObjectName(QStringLiteral("CppWebBrowser3"));
  row->addWidget(view, 1);
  layout->addWidget(group);
}

std::optional<std::string> CardDecksPage::SelectedDeck() const {
  const auto selected = decks->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return ToBytes(selected.first()->text());
}

}  // namespace sibylon

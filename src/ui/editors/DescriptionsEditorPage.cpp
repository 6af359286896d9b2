#include "ui/editors/DescriptionsEditorPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "base/TextReplace.h"
#include "deck/CardCatalogue.h"
#include "srml/CardDescriptionSet.h"
#include "srml/SectionReader.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/JpegImage.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

QPlainTextEdit* Memo(const char* name, QWidget* parent, QRect geometry) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setGeometry(geometry);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setTabChangesFocus(true);
  return memo;
}

QLabel* Picture(const char* name, QWidget* parent, QRect geometry) {
  QLabel* picture = NamedLabel(name, QString(), parent);
  picture->setGeometry(geometry);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return picture;
}

// A picture scaled down to fit its 90 x 150 frame, keeping its proportions.
void ShowPicture(QLabel* frame, const std::string& path) {
  const QImage image = LoadJpegFile(path);
  frame->setPixmap(QPixmap::fromImage(
      image.scaled(frame->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// Each typed line is stored with the line-break markup that the reading page shows.
std::vector<std::string> MarkedLines(const QPlainTextEdit* memo) {
  std::vector<std::string> lines = HardLines(memo->toPlainText());
  for (std::string& line : lines) line += "<br />";
  return lines;
}

void FillMemo(QPlainTextEdit* memo, const Lines& lines) {
  for (const std::string& line : lines) memo->appendPlainText(ToQString(RemoveAll(line, "<br />")));
}

}  // namespace

DescriptionsEditorPage::DescriptionsEditorPage(const AppFolder& app,
                                               std::function<std::string()> deck_folder,
                                               QWidget* parent)
    : QWidget(parent), app_(app), deck_folder_(std::move(deck_folder)) {
  setObjectName(QStringLiteral("TabSheet8"));
  cards_ = NamedList("ListBox4", this);
  cards_->setGeometry(3, 3, 182, 459);
  NameAfter(cards_, {this});

  QGroupBox* upright =
      NamedGroupBox("GroupBox13", QStringLiteral("Normal Position of the Card"), this);
  upright->setGeometry(191, 3, 582, 182);
  upright_picture_ = Picture("Image1", upright, {11, 20, 90, 150});
  upright_text_ = Memo("Memo6", upright, {112, 20, 461, 150});

  QGroupBox* reversed = NamedGroupBox("GroupBox14", QStringLiteral("Reversed Card"), this);
  reversed->setGeometry(191, 191, 582, 182);
  reversed_text_ = Memo("Memo8", reversed, {11, 20, 461, 150});
  reversed_picture_ = Picture("Image2", reversed, {483, 20, 90, 150});

  save_ = NamedButton("Button10", QStringLiteral("Save"), this);
  save_->setGeometry(191, 379, 138, 30);
  save_->setEnabled(false);
  QLabel* note = NamedLabel(
      "StaticText1",
      QStringLiteral("Note: to use these card's descriptions - You should select \"Custom Card "
                     "Descriptions\" option in the Program Options Page."),
      this);
  note->setGeometry(191, 415, 450, 30);
  note->setWordWrap(true);

  OnUserAction(cards_, &QListWidget::itemClicked, this,
               &DescriptionsEditorPage::ShowCardDescription);
  OnUserAction(cards_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && cards_->hasFocus()) ShowCardDescription();
  });
  OnUserAction(save_, &QPushButton::clicked, this, &DescriptionsEditorPage::SaveCardDescription);
}

void DescriptionsEditorPage::SetCardTitles(const std::vector<std::string>& titles) {
  cards_->clear();
  for (std::size_t card = 1; card < titles.size(); ++card) cards_->addItem(ToQString(titles[card]));
}

std::optional<int> DescriptionsEditorPage::ChosenCard() const {
  const auto selected = cards_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return cards_->row(selected.first()) + 1;
}

void DescriptionsEditorPage::ShowCardDescription() {
  const auto card = ChosenCard();
  if (!card) return;
  upright_text_->clear();
  reversed_text_->clear();
  const std::string number = std::to_string(*card);
  const Lines set = ReadLinesFile(app_.Path(kDescriptionsFolder) + kCustomDescriptionSet);
  FillMemo(upright_text_, SectionReader(set, DescriptionSectionName(number, "normal")));
  FillMemo(reversed_text_, SectionReader(set, DescriptionSectionName(number, "reversed")));
  const std::string deck = deck_folder_();
  ShowPicture(upright_picture_, CardPicturePath(deck, "normal", number));
  ShowPicture(reversed_picture_, CardPicturePath(deck, "reversed", number));
  save_->setEnabled(true);
  upright_text_->moveCursor(QTextCursor::Start);
  reversed_text_->moveCursor(QTextCursor::Start);
}

void DescriptionsEditorPage::SaveCardDescription() {
  const auto card = ChosenCard();
  if (!card) return;
  const std::string number = std::to_string(*card);
  const std::string path = app_.Path(kDescriptionsFolder) + kCustomDescriptionSet;
  ReplaceDescriptionSection(path, DescriptionSectionName(number, "normal"),
                            MarkedLines(upright_text_));
  ReplaceDescriptionSection(path, DescriptionSectionName(number, "reversed"),
                            MarkedLines(reversed_text_));
}

}  // namespace sibylon

#include "ui/editors/SpreadEditorPage.h"

#include <unistd.h>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "base/AppError.h"
#include "base/FolderListing.h"
#include "base/StrToInt.h"
#include "base/TextReplace.h"
#include "database/ReadingFileName.h"
#include "editors/CardTableGeometry.h"
#include "srml/SectionReader.h"
#include "srml/SpreadDefinition.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/NamedControls.h"
#include "ui/widgets/TextCodec.h"

namespace sibylon {
namespace {

// A stored text goes back into its editor without the line-break markup.
void FillMemo(QPlainTextEdit* memo, const Lines& lines) {
  QStringList text;
  for (const std::string& line : lines) text << ToQString(RemoveAll(line, "<br />"));
  memo->setPlainText(text.join(QLatin1Char('\n')));
}

QPlainTextEdit* LabeledMemo(const char* name, const char* label_name, const QString& caption,
                            QWidget* parent, QVBoxLayout* layout) {
  QLabel* label = NamedLabel(label_name, caption, parent);
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setTabChangesFocus(true);
  label->setBuddy(memo);
  layout->addWidget(label);
  layout->addWidget(memo, 1);
  return memo;
}

}  // namespace

CardPanel::CardPanel(int number, QWidget* table) : QFrame(table), number_(number) {
  setObjectName(QStringLiteral("PCard%1").arg(number));
  setFixedSize(kCardWidth, kCardHeight);
  setMouseTracking(true);
  setCursor(Qt::SizeAllCursor);
}

void CardPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(Qt::black);
  painter.drawText(rect(), Qt::AlignCenter, QString::number(number_));
}

void CardPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  grab_ = event->position().toPoint();
  raise();
}

void CardPanel::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    move(mapToParent(event->position().toPoint()) - grab_);
    return;
  }
  // Passing over a card with no button held ends a drag at once: the card snaps where it is.
  dragging_ = false;
  emit Released(this);
}

void CardPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  emit Released(this);
}

SpreadEditorPage::SpreadEditorPage(const AppFolder& app, QWidget* parent)
    : QWidget(parent), app_(app) {
  setObjectName(QStringLiteral("TabSheet11"));

  table_frame_ = new QFrame(this);
  table_frame_->setObjectName(QStringLiteral("PanelCardTable"));
  table_frame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  table_frame_->setLineWidth(2);
  table_frame_->setGeometry(4, 4, kCardTableWidth + 4, kCardTableHeight + 4);
  table_ = new QLabel(table_frame_);
  table_->setObjectName(QStringLiteral("Image3"));
  table_->setGeometry(2, 2, kCardTableWidth, kCardTableHeight);
  for (int position = 1; position <= kMaxPositions; ++position) {
    auto* card = new CardPanel(position, table_);
    const CardPlace place = DefaultCardPlace(position);
    card->move(place.left, place.top);
    card->setVisible(position == 1);
    OnUserAction(card, &CardPanel::Released, this, &SpreadEditorPage::SnapCardPanel);
    cards_[static_cast<std::size_t>(position - 1)] = card;
  }

  grid_ = new QTableWidget(kMaxPositions, 2, this);
  grid_->setObjectName(QStringLiteral("sg"));
  grid_->setGeometry(4, 317, 410, 148);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->horizontalHeader()->setFixedHeight(20);
  grid_->setColumnWidth(0, 20);
  grid_->setColumnWidth(1, 369);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  NameAfter(grid_, {grid_});

  QWidget* panel6 = NamedPage("Panel6");
  panel6->setParent(this);
  panel6->setGeometry(420, 4, 345, 310);
  auto* column = new QVBoxLayout(panel6);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  title_ = LabeledEdit("LESpreadTitle", QStringLiteral("Spread Title:"), QString(), panel6);
  column->addWidget(EditLabel(title_));
  column->addWidget(title_);
  description_ = LabeledMemo("MemoSpreadDescription", "Label55",
                             QStringLiteral("Spread Description:"), panel6, column);
  comments_ =
      LabeledMemo("MemoSpreadComments", "Label56", QStringLiteral("Comments:"), panel6, column);
  auto* count_row = new QHBoxLayout;
  typed_count_ = NamedEdit("LEAddCards", QStringLiteral("1"), panel6);
  typed_count_->setMaxLength(2);
  typed_count_->setFixedWidth(30);
  QPushButton* apply = NamedButton("BAddCards", QStringLiteral("Set Number of Cards"), panel6);
  track_bar_ = new QSlider(Qt::Horizontal, panel6);
  track_bar_->setObjectName(QStringLiteral("TrackBar1"));
  track_bar_->setRange(1, kMaxPositions);
  track_bar_->setPageStep(1);
  NameAfter(typed_count_, {apply});
  NameAfter(track_bar_, {apply});
  count_row->addWidget(typed_count_);
  count_row->addWidget(apply);
  count_row->addWidget(track_bar_, 1);
  column->addLayout(count_row);
  auto* buttons = new QHBoxLayout;
  new_ = NamedButton("BNewCSpread", QStringLiteral("New"), panel6);
  save_ = NamedButton("BSaveCSpread", QStringLiteral("Save"), panel6);
  buttons->addWidget(new_);
  buttons->addWidget(save_);
  buttons->addStretch(1);
  column->addLayout(buttons);

  QWidget* panel5 = NamedPage("Panel5");
  panel5->setParent(this);
  panel5->setGeometry(420, 317, 345, 148);
  auto* list_column = new QGridLayout(panel5);
  list_column->setContentsMargins(0, 0, 0, 0);
  QLabel* list_label = NamedLabel("Label54", QStringLiteral("Spreads List:"), panel5);
  files_ = NamedList("FLBSpreads", panel5);
  list_label->setBuddy(files_);
  NameAfter(files_, {list_label});
  load_ = NamedButton("BLoadCSpread", QStringLiteral("Load"), panel5);
  delete_ = NamedButton("BDeleteCSpread", QStringLiteral("Delete"), panel5);
  load_->setEnabled(false);
  delete_->setEnabled(false);
  list_column->addWidget(list_label, 0, 0);
  list_column->addWidget(files_, 1, 0, 3, 1);
  list_column->addWidget(load_, 1, 1);
  list_column->addWidget(delete_, 2, 1);
  list_column->setRowStretch(3, 1);

  OnUserAction(apply, &QPushButton::clicked, this, &SpreadEditorPage::ApplyCardCount);
  OnUserAction(typed_count_, &QLineEdit::returnPressed, this, &SpreadEditorPage::ApplyCardCount);
  OnUserAction(track_bar_, &QSlider::valueChanged, this, &SpreadEditorPage::TrackBarMoved);
  OnUserAction(track_bar_, &QSlider::sliderMoved, this, [this](int value) {
    QToolTip::showText(
        track_bar_->mapToGlobal(QPoint(track_bar_->width() / 2, track_bar_->height())),
        QString::number(value), track_bar_);
  });
  OnUserAction(new_, &QPushButton::clicked, this, &SpreadEditorPage::New);
  OnUserAction(save_, &QPushButton::clicked, this, &SpreadEditorPage::Save);
  OnUserAction(load_, &QPushButton::clicked, this, &SpreadEditorPage::Load);
  OnUserAction(delete_, &QPushButton::clicked, this, &SpreadEditorPage::Delete);
  OnUserAction(files_, &QListWidget::itemSelectionChanged, this,
               &SpreadEditorPage::UpdateSpreadButtons);
  OnUserAction(title_, &QLineEdit::textChanged, this, &SpreadEditorPage::CleanSpreadTitle);
}

void SpreadEditorPage::WritePositionGridHeadings() {
  grid_->setHorizontalHeaderLabels(
      {QStringLiteral("#"), QStringLiteral("Meaning of the card in the Spread")});
  for (int row = 0; row < kMaxPositions; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled);
    number->setBackground(palette().button());
    grid_->setItem(row, 0, number);
    if (!grid_->item(row, 1)) grid_->setItem(row, 1, new QTableWidgetItem);
  }
}

void SpreadEditorPage::ReadSpreadFiles() {
  const QSignalBlocker quiet(files_);
  files_->clear();
  for (const std::string& file : ListFiles(app_.Path(kSpreadsFolder), ".srml")) {
    files_->addItem(ToQString(file));
  }
  files_->sortItems();
  UpdateSpreadButtons();
}

void SpreadEditorPage::DrawCardTable() {
  QPixmap picture(kCardTableWidth, kCardTableHeight);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(Qt::black);
  painter.setBrush(QColor(0xE9, 0xE9, 0xE9));
  // Rectangles as (x1, y1)-(x2, y2) with the right and bottom edges excluded.
  for (const QRect& strip :
       {QRect(QPoint(0, 0), QPoint(409, 5)), QRect(QPoint(0, 299), QPoint(409, 309)),
        QRect(QPoint(0, 0), QPoint(5, 309)), QRect(QPoint(399, 0), QPoint(409, 309))}) {
    painter.drawRect(strip.adjusted(0, 0, -1, -1));
  }
  auto guides = [&](const QPen& pen, int across, int down) {
    painter.setPen(pen);
    for (int k = 0; k < 100; ++k) {
      for (int x : {across * k - 1, across * k + 5}) painter.drawLine(x, 0, x, 310);
    }
    for (int k = 0; k < 100; ++k) {
      for (int y : {down * k - 1, down * k + 5}) painter.drawLine(0, y, 410, y);
    }
  };
  guides(QPen(QColor(0x00, 0x80, 0x00), 1, Qt::DotLine), 20, 30);
  guides(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::SolidLine), 40, 60);
  painter.setPen(QPen(QColor(0xFF, 0x00, 0x00), 1));
  painter.drawLine(206, 0, 206, 310);
  painter.end();
  table_->setPixmap(picture);
}

void SpreadEditorPage::CleanSpreadTitle() {
  const QString clean = ToQString(RemoveRestrictedSymbols(ToBytes(title_->text())));
  if (clean != title_->text()) title_->setText(clean);
  save_->setEnabled(!title_->text().isEmpty());
}

void SpreadEditorPage::SnapCardPanel(CardPanel* panel) {
  const long long top = SnapCoordinate(panel->y());
  const long long left = SnapCoordinate(panel->x());
  last_snap_ = {left, top};
  // A widget's place is an int; only a card far off the table (which no pointer reaches) can
  // snap beyond that range, and it stays at the range's end.
  const auto on_widget = [](long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
  };
  panel->move(on_widget(left), on_widget(top));
}

void SpreadEditorPage::ShowCards(int count) {
  for (int position = 1; position <= kMaxPositions; ++position) {
    Card(position)->setVisible(position <= count);
  }
}

void SpreadEditorPage::TrackBarMoved(int position) {
  ShowCards(position);
  typed_count_->setText(QString::number(position));
  applied_count_ = position;
}

void SpreadEditorPage::ApplyCardCount() {
  // Only "1" .. "30" exactly are counts; anything else puts the applied count back.
  const QString typed = typed_count_->text();
  const auto count = ParseInt(ToBytes(typed));
  if (count && *count >= 1 && *count <= kMaxPositions && typed == QString::number(*count)) {
    applied_count_ = *count;
  } else {
    typed_count_->setText(QString::number(applied_count_));
  }
  ShowCards(applied_count_);
  track_bar_->setValue(applied_count_);
}

void SpreadEditorPage::New() {
  track_bar_->setValue(1);
  for (int row = 0; row < kMaxPositions; ++row) grid_->item(row, 1)->setText(QString());
  title_->clear();
  description_->clear();
  comments_->clear();
  files_->clearSelection();
  files_->setCurrentRow(-1);
  save_->setEnabled(false);
  load_->setEnabled(false);
  delete_->setEnabled(false);
  for (int position = 1; position <= kMaxPositions; ++position) {
    const CardPlace place = DefaultCardPlace(position);
    Card(position)->move(place.left, place.top);
  }
}

std::string SpreadEditorPage::SelectedSpreadFile() const {
  const auto selected = files_->selectedItems();
  return selected.isEmpty() ? std::string()
                            : app_.Path(kSpreadsFolder) + ToBytes(selected.first()->text());
}

void SpreadEditorPage::Load() {
  description_->clear();
  for (int row = 0; row < kMaxPositions; ++row) grid_->item(row, 1)->setText(QString());
  comments_->clear();
  const Lines document = ReadLinesFile(SelectedSpreadFile());
  FillMemo(comments_, SectionReader(document, "COMMENTS"));
  FillMemo(description_, SectionReader(document, "DESCRIPTION"));
  const Lines title = SectionReader(document, "SPREAD");
  if (title.empty()) throw ListIndexOutOfBounds(0);
  title_->setText(ToQString(title[0]));
  const Lines meanings = SectionReader(document, "MEANINGS");
  for (std::size_t row = 0; row < meanings.size() && row < kMaxPositions; ++row) {
    grid_->item(static_cast<int>(row), 1)->setText(ToQString(meanings[row]));
  }
  // A document with more than thirty positions is loaded with its first thirty.
  const Lines positions = SectionReader(document, "POSITIONS");
  const int count = static_cast<int>(std::min<std::size_t>(positions.size(), kMaxPositions));
  for (int position = 1; position <= count; ++position) {
    const PositionText place = SplitPositionLine(positions[static_cast<std::size_t>(position - 1)]);
    CardPanel* card = Card(position);
    card->move(card->x(), StrToInt(place.top));
    card->move(StrToInt(place.left), card->y());
  }
  ShowCards(count);
  if (count >= 1) track_bar_->setValue(count);
}

void SpreadEditorPage::Save() {
  const QString file = title_->text() + QStringLiteral(".srml");
  if (!files_->findItems(file, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
    const auto answer =
        MessageBox::Ask(this, QStringLiteral("Spread with same name already exists.\n"
                                             "Overwrite existing spread with new one?"));
    if (answer != QMessageBox::Yes) {
      title_->setFocus();
      emit SpreadsChanged();
      return;
    }
  }
  SpreadDefinition spread;
  spread.title = ToBytes(title_->text());
  spread.description = HardLines(description_->toPlainText());
  spread.comments = HardLines(comments_->toPlainText());
  for (int position = 1; position <= applied_count_; ++position) {
    spread.meanings.push_back(ToBytes(grid_->item(position - 1, 1)->text()));
    spread.positions.push_back({Card(position)->x(), Card(position)->y()});
  }
  try {
    WriteSpreadDefinition(app_.Path(kSpreadsFolder), spread);
  } catch (...) {
    emit SpreadsChanged();  // the New Spread list is read again all the same
    throw;
  }
  ReadSpreadFiles();
  emit SpreadsChanged();
}

void SpreadEditorPage::Delete() {
  const int row = files_->currentRow();
  const std::string file = SelectedSpreadFile();
  if (file.empty()) return;
  ::unlink(file.c_str());  // a file that cannot be deleted simply shows up again
  ReadSpreadFiles();
  emit SpreadsChanged();
  if (row >= 0 && row < files_->count()) {
    files_->setCurrentRow(row);
    load_->setEnabled(true);
    delete_->setEnabled(true);
  }
}

void SpreadEditorPage::UpdateSpreadButtons() {
  const bool selected = !files_->selectedItems().isEmpty();
  load_->setEnabled(selected);
  delete_->setEnabled(selected);
}

void SpreadEditorPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  UpdateSpreadButtons();
}

}  // namespace sibylon

#include "ui/about/AboutPage.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "base/ProductInfo.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/NamedControls.h"

namespace sibylon {

AboutPage::AboutPage(const QString& guide, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheet5"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->setSpacing(6);

  QLabel* title = NamedLabel("Label58", QString::fromLatin1(kProductName), this);
  QFont big = title->font();
  big.setBold(true);
  big.setPixelSize(21);
  title->setFont(big);
  layout->addWidget(title);

  QLabel* version = NamedLabel("LabelAssemblyVersion", QString(), this);
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);
  layout->addWidget(version);

  layout->addWidget(NamedLabel("Label14", QString::fromLatin1(kRightsHolder), this));
  auto* link =
      new LinkLabel(QStringLiteral("Sibylon User Guide"), QUrl::fromLocalFile(guide), this);
  link->setObjectName(QStringLiteral("Label53"));
  layout->addWidget(link, 0, Qt::AlignLeft);
  layout->addWidget(NamedLabel("Label46", QString::fromLatin1(kRightsNotice), this));
  layout->addSpacing(8);
  QLabel* components_label = NamedLabel("Label48", QStringLiteral("Components:"), this);
  layout->addWidget(components_label);

  QListWidget* components = NamedList("ListBox7", this);
  NameAfter(components, {components_label});
  components->setFixedSize(260, 7 * 16 + 6);
  components->setSelectionMode(QAbstractItemView::NoSelection);
  components->setFocusPolicy(Qt::NoFocus);
  components->setStyleSheet(QStringLiteral("QListWidget::item { height: 16px; }"));
  layout->addWidget(components);

  QPushButton* about = NamedButton("ButtonAbout", QStringLiteral("About"), this);
  about->setFixedWidth(90);
  connect(about, &QPushButton::clicked, this, &AboutPage::AboutBoxRequested);
  layout->addWidget(about);
  layout->addSpacing(8);
  layout->addWidget(NamedLabel("Label64", QStringLiteral("Language: english"), this));
  layout->addStretch(1);
}

void AboutPage::FillVersionTexts() {
  findChild<QLabel*>(QStringLiteral("LabelAssemblyVersion"))
      ->setText(QString::fromLatin1(kAssemblyVersion));
  auto* components = findChild<QListWidget*>(QStringLiteral("ListBox7"));
  components->clear();
  components->addItems({QString::fromLatin1(kProgramVersion), QStringLiteral("Library 8.7.26"),
                        QStringLiteral("Card Descriptions Editor 8.8.17"),
                        QStringLiteral("Card Titles Editor 8.7.20"),
                        QStringLiteral("Card Spreads Editor 8.8.20"),
                        QStringLiteral("Database 8.8.18"), QStringLiteral("SRML 1.0")});
}

}  // namespace sibylon

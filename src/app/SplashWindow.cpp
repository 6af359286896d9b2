#include "app/SplashWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "base/ProductInfo.h"
#include "ui/widgets/JpegImage.h"

namespace sibylon {
namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 int pixel_size, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  QFont font = label->font();
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: #f4ead2; background: transparent;"));
  return label;
}

QPixmap SplashPicture() {
  QFile file(QStringLiteral(":/sibylon/splash.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QPixmap::fromImage(DecodeJpeg(file.readAll()));
}

}  // namespace

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(QString::fromLatin1(kWindowCaption));
  setFixedSize(503, 275);
  setStyleSheet(QStringLiteral("QDialog { background: #1d1836; }"));

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setGeometry(0, 0, 503, 275);
  picture_->setPixmap(SplashPicture());

  AddLabel(this, "LabelProduct", QString::fromLatin1(kProductName), {24, 18, 300, 48}, 40, true);
  loading_ = AddLabel(this, "Label1", QStringLiteral("Loading .... Please wait"),
                      {180, 150, 200, 20}, 13, true);
  version_ = AddLabel(this, "LabelVersion", QStringLiteral("Assembly Version 0.00.00"),
                      {24, 188, 300, 16}, 11, true);
  AddLabel(this, "Label2", QString::fromLatin1(kRightsHolder), {24, 206, 380, 15}, 10);
  AddLabel(this, "Label3", QString::fromLatin1(kWebSite), {24, 222, 380, 15}, 10);
  AddLabel(this, "Label4", QString::fromLatin1(kRightsNotice), {24, 236, 370, 30}, 10)
      ->setWordWrap(true);

  close_ = new QPushButton(QStringLiteral("CLOSE"), this);
  close_->setObjectName(QStringLiteral("Button1"));
  close_->setGeometry(418, 240, 75, 25);
  close_->hide();
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void SplashWindow::showEvent(QShowEvent* event) {
  version_->setText(QString::fromLatin1(kAssemblyVersion));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void SplashWindow::ShowAboutBox(QWidget* parent) {
  SplashWindow about(parent);
  about.close_->show();
  about.loading_->hide();
  about.setModal(true);
  about.exec();
}

}  // namespace sibylon

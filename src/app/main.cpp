#include <QApplication>
#include <QIcon>
#include <exception>

#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "app/SingleInstance.h"
#include "app/SplashWindow.h"
#include "base/AppFolder.h"
#include "base/ProductInfo.h"
#include "base/Version.h"
#include "ui/widgets/MessageBox.h"
#include "ui/widgets/TextCodec.h"

int main(int argc, char* argv[]) {
  using namespace sibylon;
  QApplication application(argc, argv);
  // The icon of every window (title bar, task switcher), and the menu entry they belong to.
  QApplication::setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral(SIBYLON_APP_ID));
  try {
    const AppFolder app = AppFolder::OfExecutable();
    SingleInstance instance(ToQString(app.Root()));
    if (instance.HandOverToRunning()) return 0;
    instance.Listen();

    SplashWindow splash;
    splash.show();
    application.processEvents();

    QApplication::setApplicationName(QString::fromLatin1(kWindowCaption));
    MainWindow window(app);
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &window,
                     &MainWindow::BringToFront);
    splash.hide();
    splash.close();
    window.show();
    QApplication::exec();
  } catch (const std::exception& error) {
    MessageBox::ShowError(nullptr, error.what());
  }
  return 0;
}

#pragma once

#include <QMainWindow>
#include <optional>
#include <vector>

#include "app/AppFolder.h"
#include "app/StepSequence.h"

class QLabel;
class QTabWidget;

namespace sibylon {

class AboutPage;

// The program's only working window. It owns the pages and every piece of working data, and runs
// the workflows that span pages (start-up, deal, load, shutdown).
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window and runs the start-up sequence on `app`.
  explicit MainWindow(AppFolder app, QWidget* parent = nullptr);
  ~MainWindow() override;

  const AppFolder& App() const { return app_; }

  // The step at which the start-up sequence stopped, if it did.
  const std::optional<StepFailure>& StartupFailure() const { return startup_failure_; }

  // The start-up sequence, in its fixed order; tests read the names.
  std::vector<Step> StartupSteps();

 public slots:
  // Another start of the program handed over to this one.
  void BringToFront();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages();
  void CenterOnDesktop();
  std::vector<Step> ShutdownSteps();

  AppFolder app_;
  std::optional<StepFailure> startup_failure_;

  QTabWidget* page_control_ = nullptr;  // PageControl1
  QLabel* status_text_ = nullptr;       // the single panel of StatusBar1
  AboutPage* about_page_ = nullptr;
};

}  // namespace sibylon

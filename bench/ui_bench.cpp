// trvcfg from building its window to the window shown, on a copy of the demo program
// directory (offscreen), beside an empty dialog with eleven tabs and OK and Abort built in
// the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QWindow>
#include <filesystem>

#include "config/store/config.h"
#include "config/store/sections.h"
#include "empty_dialog.h"
#include "ui/form2.h"
#include "ui/modal_windows.h"

namespace fs = std::filesystem;

namespace {

// Answers nothing: the demo directory loads without a message, and the benchmark fails if
// one is asked for.
class NoModals : public trv::ModalWindows {
 public:
  void ShowError(const QString& text, const QString& = {}) override { qFatal("error box: %s", qPrintable(text)); }
  void ShowInformation(const QString&) override {}
  bool AskYesNo(const QString&, DefaultAnswer) override { return false; }
  int AskChoice(const QString&, const QStringList&) override { return -1; }
  int RunDialog(QDialog&) override { return QDialog::Rejected; }
  QString AskOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString AskDirectory(const QString&, const QString&) override { return {}; }
  bool ShowWaiting(const QString&) override { return true; }
  void EndWaiting() override {}
};

void ShowAndWait(QWidget& window) {
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) QApplication::processEvents();
  QApplication::processEvents();
}

// A copy of the demo program directory, brought up to date once (directories, colour keys).
class DemoDir {
 public:
  DemoDir() {
    std::string pattern = (fs::temp_directory_path() / "trvdemo.XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    fs::copy(TRV_DEMO_DIR, path_, fs::copy_options::recursive);
    trv::Config first = MakeConfig();
    trv::LoadAll(first);
  }
  ~DemoDir() { fs::remove_all(path_); }
  trv::Config MakeConfig() const {
    return trv::Config(trv::HostFileSystem(trv::DriveTable({{'C', path_.string()}}), "C:\\"));
  }

 private:
  fs::path path_;
};

void BM_TrvcfgFirstWindow(benchmark::State& state) {
  DemoDir demo;
  for (auto _ : state) {
    trv::Config config = demo.MakeConfig();
    NoModals modals;
    trv::TForm2 form(config, modals);
    ShowAndWait(form);
  }
}
BENCHMARK(BM_TrvcfgFirstWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmptyDialogWithElevenTabs(benchmark::State& state) {
  for (auto _ : state) {
    QDialog dialog;
    LayOutEmptyDialog(dialog);
    ShowAndWait(dialog);
  }
}
BENCHMARK(BM_EmptyDialogWithElevenTabs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

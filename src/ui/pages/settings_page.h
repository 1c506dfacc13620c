#pragma once
// The shape every page has: the sections it serves, each with a fill step (after the section
// is read) and a store step (before it is written). The main window loops over its pages.
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <vector>

namespace trv {

class Config;
class ModalWindows;
enum class SectionId;

// A fill step that cannot show what it loaded (the startup wave file) throws this: the error
// is reported once the window is up, and the later steps still run.
class PageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What every page works on: the settings records and the modal windows.
struct PageContext {
  Config& config;
  ModalWindows& modals;
};

class SettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsPage(PageContext context, QWidget* parent = nullptr);

  struct Step {
    SectionId section;
    std::function<void()> fill;
    std::function<void()> store;  // empty when the page keeps its record up to date itself
  };
  const std::vector<Step>& Steps() const { return steps_; }

 protected:
  void Serve(SectionId section, std::function<void()> fill, std::function<void()> store = {});

  Config& config_;
  ModalWindows& modals_;

 private:
  std::vector<Step> steps_;
};

// A tab whose sections are not edited yet.
class EmptyPage : public SettingsPage {
  Q_OBJECT

 public:
  using SettingsPage::SettingsPage;
};

// A tab's place for its page. The page is made when the tab is first shown, or earlier when
// the window needs it (`EnsureBuilt`); `built` is told once, with the page in place.
class PageSlot : public QWidget {
  Q_OBJECT

 public:
  using Make = std::function<SettingsPage*()>;
  PageSlot(Make make, std::function<void(SettingsPage&)> built, QWidget* parent = nullptr);

  SettingsPage* Page() const { return page_; }  // null until built
  SettingsPage& EnsureBuilt();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Make make_;
  std::function<void(SettingsPage&)> built_;
  SettingsPage* page_ = nullptr;
};

}  // namespace trv

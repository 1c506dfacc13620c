#pragma once
// The Station page: callsign and locator.
#include <QWidget>

namespace trv {

class Config;
class LimitedLineEdit;

class StationPage : public QWidget {
 public:
  explicit StationPage(QWidget* parent = nullptr);
  void FillStationPage(const Config& config);
  void StoreStationPage(Config& config) const;

 private:
  LimitedLineEdit* call_;
  LimitedLineEdit* locator_;
};

}  // namespace trv

#pragma once
// The program directory, the seven working directories and the fixed subdirectories
// derived from them. Every result is at most 255 characters.
#include <string>
#include <string_view>

namespace trv {

class Directories {
 public:
  explicit Directories(std::string_view programDir = {});

  const std::string& GetProgramDir() const { return programDir_; }
  std::string GetTncDriverDir() const;
  std::string GetVoiceDir() const;
  std::string GetFilterDir() const;
  std::string GetLanguageDir() const;

  const std::string& GetReadDir() const { return read_; }
  const std::string& GetWriteDir() const { return write_; }
  const std::string& GetMailDir() const { return mail_; }
  const std::string& GetImportDir() const { return import_; }
  const std::string& GetSevenPlusDir() const { return sevenPlus_; }
  const std::string& GetWaveDir() const { return wave_; }
  const std::string& GetTempDir() const { return temp_; }
  void SetReadDir(std::string_view dir) { read_ = Normalised(dir); }
  void SetWriteDir(std::string_view dir) { write_ = Normalised(dir); }
  void SetMailDir(std::string_view dir) { mail_ = Normalised(dir); }
  void SetImportDir(std::string_view dir) { import_ = Normalised(dir); }
  void SetSevenPlusDir(std::string_view dir) { sevenPlus_ = Normalised(dir); }
  void SetWaveDir(std::string_view dir) { wave_ = Normalised(dir); }
  void SetTempDir(std::string_view dir) { temp_ = Normalised(dir); }

  std::string GetMailBCDir() const;
  std::string GetMailSFDir() const;
  std::string GetMailSFExportDir() const;
  std::string GetMailSFImportDir() const;
  std::string GetMailHelpDir() const;
  std::string GetMailNntpDir() const;
  std::string GetMailTempDir() const;
  std::string GetMailFbbPath() const;

 private:
  static std::string Normalised(std::string_view dir);

  std::string programDir_;
  std::string read_, write_, mail_, import_, sevenPlus_, wave_, temp_;
};

}  // namespace trv

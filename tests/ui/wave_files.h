#pragma once
// Small sound files written by the tests themselves.
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace trv::test {

// A sine tone of `seconds` at `rate`, in the given libsndfile format (major | encoding).
inline void WriteSound(const std::string& path, double seconds, int rate = 8000, int channels = 1,
                       int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return;
  const auto frames = static_cast<sf_count_t>(seconds * rate);
  std::vector<short> samples(static_cast<std::size_t>(frames * channels));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<short>(8000 * std::sin(2 * M_PI * 440.0 * static_cast<double>(i / channels) / rate));
  sf_writef_short(file, samples.data(), frames);
  sf_close(file);
}

inline void WriteWave(const std::string& path, double seconds = 0.2) { WriteSound(path, seconds); }

}  // namespace trv::test

#pragma once
// The EXTRA section's options and module switches (the sound and mailbox password keys of
// the same section belong to their own readers).
namespace trv {

class Config;

void ReadExtraSection(Config& config);
void WriteExtraSection(Config& config);

}  // namespace trv

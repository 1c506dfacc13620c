#pragma once
// The writer moved to the platform layer; this name stays for the code that includes it.
#include "platform/atomic_file_writer.h"

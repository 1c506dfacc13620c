#pragma once
// What the window says while another program holds the lock of the program folder: a message
// with Cancel (ModalWindows::ShowWaiting), which gives up the wait.
#include "platform/directory_lock.h"

namespace trv {

class ModalWindows;

LockWaitNotice WaitingMessage(ModalWindows& modals);

}  // namespace trv

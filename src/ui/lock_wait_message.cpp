#include "ui/lock_wait_message.h"

#include <QCoreApplication>
#include <QString>

#include "ui/modal_windows.h"

namespace trv {

LockWaitNotice WaitingMessage(ModalWindows& modals) {
  return [&modals](const LockWaiting& wait) {
    if (wait.over) {
      modals.EndWaiting();
      return true;
    }
    const int left = static_cast<int>(std::max<long long>(1, (wait.limit - wait.waited).count() / 1000 + 1));
    return modals.ShowWaiting(QCoreApplication::translate("trv",
                                                          "Another program is working in the folder %1.\n"
                                                          "Waiting for it to finish: at most %n more second(s).",
                                                          nullptr, left)
                                  .arg(QString::fromStdString(wait.dir)));
  };
}

}  // namespace trv

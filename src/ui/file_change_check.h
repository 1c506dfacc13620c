#pragma once
// The question OK asks when another program changed, since the window loaded the file, keys
// that the window changed too, to other values.
#include <QString>
#include <QStringList>
#include <vector>

#include "config/store/save_merge.h"
#include "ui/translated.h"

namespace trv {

inline const char* const kFileChangedText =
    QT_TRANSLATE_NOOP("trv", "TARVO.INI was changed by another program since this window was opened.");
// The question: its first line, the keys both changed with both values, and what each answer does.
QString FileChangedQuestion(const std::vector<SaveConflict>& conflicts);
// Save anyway, Reload, Cancel.
QStringList FileChangedAnswers();

}  // namespace trv

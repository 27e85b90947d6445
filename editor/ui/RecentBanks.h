// The banks opened last, newest first, kept in the editor's settings.
#pragma once

#include <QStringList>

namespace kvardelon::editor {

inline constexpr int kRecentBanksKept = 8;

QStringList recentBanks();

// Puts the folder first, once.
void rememberBank(const QString& folder);

void forgetBank(const QString& folder);

}  // namespace kvardelon::editor

// The list of recent banks in QSettings.
#include "RecentBanks.h"

#include <QSettings>

namespace kvardelon::editor {

namespace {

const QString kKey = QStringLiteral("recentBanks");

void store(const QStringList& banks)
{
    QSettings().setValue(kKey, banks);
}

}  // namespace

QStringList recentBanks()
{
    return QSettings().value(kKey).toStringList();
}

void rememberBank(const QString& folder)
{
    QStringList banks = recentBanks();
    banks.removeAll(folder);
    banks.prepend(folder);
    while (banks.size() > kRecentBanksKept)
        banks.removeLast();
    store(banks);
}

void forgetBank(const QString& folder)
{
    QStringList banks = recentBanks();
    banks.removeAll(folder);
    store(banks);
}

}  // namespace kvardelon::editor

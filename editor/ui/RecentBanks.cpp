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

void rememberBank(const QString& dataFolder)
{
    QStringList banks = recentBanks();
    banks.removeAll(dataFolder);
    banks.prepend(dataFolder);
    while (banks.size() > kRecentBanksKept)
        banks.removeLast();
    store(banks);
}

void forgetBank(const QString& dataFolder)
{
    QStringList banks = recentBanks();
    banks.removeAll(dataFolder);
    store(banks);
}

}  // namespace kvardelon::editor

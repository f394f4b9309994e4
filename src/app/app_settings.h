#pragma once

#include <QSettings>
#include <QString>

// The per-user settings store of the program and its integer preferences in section "Settings".
namespace app_settings {

// QSettings("Velmora", "Ondaris").
QSettings Store();

// Removes the store's lock file when no running program holds it: one left by a program killed
// while it wrote its settings, empty or not, would stall the next write for half a minute.
void ClearStaleLock();

// An integer of section "Settings"; the default when it is absent or not a whole number.
int ReadInt(const QString &name, int defaultValue);
void WriteInt(const QString &name, int value);
// A switch of section "Settings" ("SauvList", "SauvPosi"): on only when it reads exactly 1.
bool IsOn(const QString &name, int defaultValue);

// The top-level "Default" value: the directory of the names list, when it is not empty.
QString ChosenDataDirectory();

// The preferences and their defaults.
inline const QString kSplash = QStringLiteral("Splash");
inline constexpr int kSplashDefault = 1;
inline const QString kSauvList = QStringLiteral("SauvList");
inline constexpr int kSauvListDefault = 1;
inline const QString kSauvPosi = QStringLiteral("SauvPosi");
inline constexpr int kSauvPosiDefault = 0;

} // namespace app_settings

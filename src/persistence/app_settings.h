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

// An integer of section "Settings", with the value it has when the store holds none.
struct IntSetting
{
    const char *key;
    int defaultValue;
};

// Every value the program keeps in the store, with its type and default.
inline constexpr IntSetting kSplash{"Splash", 1}; // 1 once, 2 every start, 0 never again
inline constexpr IntSetting kSauvList{"SauvList", 1};
inline constexpr IntSetting kSauvPosi{"SauvPosi", 0};
inline constexpr IntSetting kPosX{"PosX", 0};
inline constexpr IntSetting kPosY{"PosY", 0};
inline constexpr IntSetting kPosW{"PosW", 400};
inline constexpr IntSetting kPosH{"PosH", 200};
// The top-level "Default" text: the directory of the names list, when it is not empty.
inline constexpr char kDataDirectoryKey[] = "Default";
// The group of the recent-file list, "File1" to "File4" (recent_files.h).
inline constexpr char kRecentFilesGroup[] = "Recent File List";

// The setting's value; its default when it is absent or not a whole number.
int Read(const IntSetting &setting);
void Write(const IntSetting &setting, int value);
// A switch ("SauvList", "SauvPosi"): on only when it reads exactly 1.
bool IsOn(const IntSetting &setting);

// The "Default" text, empty when it is absent.
QString ChosenDataDirectory();
// The directory of the names list: the "Default" text, else the working directory.
QString DataDirectory();

} // namespace app_settings

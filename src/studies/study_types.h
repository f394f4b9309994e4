#pragma once

#include <QString>
#include <array>
#include <memory>

class CDocument;
class NamesList;

// A kind of study as the application registers it: its resource id (menu, icon), its
// description string and the constructor of its document.
struct StudyType
{
    int resourceId;
    QString description;
    std::unique_ptr<CDocument> (*make)(NamesList &names);
};

// Biorythme (129), Compatibilité (130), Affinité (131), Groupe (132), in the order of
// registration.
const std::array<StudyType, 4> &StudyTypes();

// The type whose extension ends the file's name, in any case; nullptr when none does.
const StudyType *StudyTypeOfFile(const QString &path);

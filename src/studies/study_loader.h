#pragma once

#include "framework/document.h"
#include "people/names_list.h"

#include <QString>
#include <memory>

// A study read outside the main window. Its persons are registered in the names list given,
// or else in a list of its own, never in the application's.
struct LoadedStudy
{
    std::unique_ptr<NamesList> names;    // the study's own list, when none was given
    std::unique_ptr<CDocument> document; // nullptr when the file could not be read
    QString error;                       // the French message when it could not
};

// The study of the type that the file's extension names, read from the file.
LoadedStudy LoadStudy(const QString &path);
LoadedStudy LoadStudy(const QString &path, NamesList &names);

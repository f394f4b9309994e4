#pragma once

#include "framework/document.h"
#include "people/names_list.h"

#include <QString>
#include <memory>

// A study read for a tool of the command line. Its persons are registered in a list of its own,
// never in the application's names list.
struct LoadedStudy
{
    std::unique_ptr<NamesList> names;
    std::unique_ptr<CDocument> document; // nullptr when the file could not be read
    QString error;                       // the French message when it could not
};

// The study of the type that the file's extension names, read from the file.
LoadedStudy LoadStudy(const QString &path);

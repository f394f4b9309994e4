#include "studies/study_loader.h"

#include "studies/study_types.h"

LoadedStudy LoadStudy(const QString &path)
{
    auto names = std::make_unique<NamesList>();
    LoadedStudy study = LoadStudy(path, *names);
    study.names = std::move(names);
    return study;
}

LoadedStudy LoadStudy(const QString &path, NamesList &names)
{
    LoadedStudy study;
    const StudyType *type = StudyTypeOfFile(path);
    if (!type) {
        study.error = QStringLiteral("Type de fichier inconnu : les études ont l'extension .bio, "
                                     ".bi2, .aff ou .grp.");
        return study;
    }
    std::unique_ptr<CDocument> document = type->make(names);
    study.error = document->ReadFile(path);
    if (study.error.isEmpty())
        study.document = std::move(document);
    return study;
}

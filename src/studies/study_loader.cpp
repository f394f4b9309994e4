#include "studies/study_loader.h"

#include "studies/study_types.h"

LoadedStudy LoadStudy(const QString &path)
{
    LoadedStudy study;
    const StudyType *type = StudyTypeOfFile(path);
    if (!type) {
        study.error = QStringLiteral("Type de fichier inconnu : les études ont l'extension .bio, "
                                     ".bi2 ou .aff.");
        return study;
    }
    study.names = std::make_unique<NamesList>();
    std::unique_ptr<CDocument> document = type->make(*study.names);
    study.error = document->ReadFile(path);
    if (study.error.isEmpty())
        study.document = std::move(document);
    return study;
}
